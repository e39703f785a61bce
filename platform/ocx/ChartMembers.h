#pragma once

// The member numbers (DISPIDs) of the charting control's objects, shared by the control and
// its callers. A caller walks from the chart through property objects, as chart / axes / left
// axis / title, and puts properties or calls methods of the last one.
namespace ChartMember {

// The chart.
inline constexpr int kAspect = 1;      // object: aspect
inline constexpr int kAxes = 2;        // object: the axes
inline constexpr int kFrameWidth = 6;  // I2: width of the chart's frame, pixels
inline constexpr int kExport = 9;      // object: export
inline constexpr int kLegend = 15;     // object: legend
inline constexpr int kPanel = 17;      // object: panel
inline constexpr int kPrinter = 18;    // object: printer
inline constexpr int kHeader = 22;     // object: header (the chart's title)
inline constexpr int kAddSeries = 28;  // method (I4 kind): adds a series, gives its index
inline constexpr int kClearChart = 37; // method: removes every series, resets the axes
inline constexpr int kSeries = 56;     // method (I4 index): the series object

// Aspect.
inline constexpr int kView3D = 30; // BOOL: a shadow depth behind the series

// Panel.
inline constexpr int kBevelInner = 5;   // I4: 0 none, 1 lowered, 2 raised
inline constexpr int kBevelOuter = 6;   // I4: the same for the outer bevel
inline constexpr int kPanelColour = 15; // I4 colour 0x00BBGGRR

// Header and legend.
inline constexpr int kLegendAlignment = 1; // I4: 0 left, 1 right, 2 top, 3 bottom
inline constexpr int kLegendSpacing = 3;   // I4: pixels between the legend's items
inline constexpr int kLines = 6;           // object: the header's lines of text
inline constexpr int kLegendVisible = 17;  // BOOL
inline constexpr int kFont = 104;          // object: font

// Lines of text.
inline constexpr int kClearLines = 4; // method
inline constexpr int kAddLine = 5;    // method (VARIANT text): gives the line's index

// Font.
inline constexpr int kFontSize = 2;   // I4: points
inline constexpr int kFontBold = 3;   // BOOL
inline constexpr int kFontColour = 9; // I4 colour

// Axes.
inline constexpr int kLeftAxis = 1;
inline constexpr int kBottomAxis = 4;

// Axis.
inline constexpr int kGrid = 8;           // object: grid pen
inline constexpr int kLabels = 11;        // object: labels
inline constexpr int kLogBase = 17;       // R8
inline constexpr int kLogarithmic = 18;   // BOOL
inline constexpr int kMinorTicks = 21;    // I4: minor ticks between two labels
inline constexpr int kTitle = 30;         // object: title
inline constexpr int kSetMinMax = 53;     // method (R8 lower, R8 upper)
inline constexpr int kTitleCaption = 2;   // title: text
inline constexpr int kTitleFont = 3;      // title: object, font
inline constexpr int kDateTimeFormat = 6; // labels: text, dd mm yyyy hh nn ss
inline constexpr int kPenStyle = 3;       // pen: I4, 0 solid, 1 dash, 2 dot, 3 dash-dot, 5 none

// Series.
inline constexpr int kLinePart = 13;    // object: the line's parts
inline constexpr int kColour = 20;      // I4 colour
inline constexpr int kVisible = 27;     // I4: 0 hidden
inline constexpr int kMarks = 30;       // object: value marks
inline constexpr int kTitleText = 39;   // text: the series' name in the legend
inline constexpr int kMarkerSize = 42;  // I4: pixels of a point's marker, 0 none
inline constexpr int kXValues = 43;     // object: the x values
inline constexpr int kAddXY = 48;       // method (R8 x, R8 y, text label, I4 colour): index
inline constexpr int kMarksVisible = 1; // marks: BOOL
inline constexpr int kXDateTime = 2;    // x values: BOOL, the x values are OLE dates
inline constexpr int kLinePen = 4;      // line parts: object, pen
inline constexpr int kPenWidth = 2;     // pen: I4 pixels

// Series kinds of kAddSeries.
inline constexpr int kLineSeries = 0;
inline constexpr int kBarSeries = 1;

// Export.
inline constexpr int kSaveJpeg = 5; // method (text path, BOOL grey, I4 unused, I4 quality,
                                    // I4 width, I4 height): BOOL saved
// Printer.
inline constexpr int kPrint = 28; // method: print dialog, then the chart on one page; I4
                                  // 1 printed, 0 cancelled, -1 failed

// The axes of the scroll-permission event, event number 2 (I4 axis, R8* lower, R8* upper,
// BOOL* allow).
inline constexpr int kScrollEvent = 2;
inline constexpr int kEventLeftAxis = 0;
inline constexpr int kEventTopAxis = 1;
inline constexpr int kEventRightAxis = 2;
inline constexpr int kEventBottomAxis = 3;

} // namespace ChartMember
