#pragma once

#include <cstdint>
#include <string>
#include <vector>

// What the charting control shows, as its objects set it. Colours are 0x00BBGGRR.

struct ChartFont {
    int size = 8; // points
    bool bold = false;
    std::uint32_t colour = 0;
};

struct ChartPen {
    int style = 0; // 0 solid, 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot, 5 none
    int width = 1;
};

struct ChartAxis {
    // The limits the program set (without them the axis fits the points), and those the user
    // zoomed or scrolled to, shown instead while userView is set.
    double setMin = 0, setMax = 0;
    bool limitsSet = false;
    double min = 0, max = 0;
    bool userView = false;
    bool logarithmic = false;
    double logBase = 10;
    std::string title;
    ChartFont titleFont;
    std::string dateTimeFormat; // labels as dates in this form when the series' x are dates
    int minorTicks = 0;
    ChartPen grid{2, 1};
};

struct ChartSeries {
    int kind = 0; // 0 line, 1 bar
    std::uint32_t colour = 0x0000FF;
    bool visible = true;
    std::string title;
    int markerSize = 0;
    bool marksVisible = false; // each point's value written beside it
    bool xDateTime = false;
    int penWidth = 1;
    std::vector<double> xs, ys;
    bool sortedByX = true; // points were added in rising x
};

struct ChartModel {
    int frameWidth = 1;
    bool view3D = false;
    struct {
        int bevelInner = 0, bevelOuter = 1;
        std::uint32_t colour = 0xF0F0F0;
    } panel;
    struct {
        std::vector<std::string> lines;
        ChartFont font{10, false, 0x800000};
    } header;
    struct {
        bool visible = true;
        int alignment = 1; // 0 left, 1 right, 2 top, 3 bottom
        int spacing = 8;
        ChartFont font;
    } legend;
    ChartAxis left, bottom;
    std::vector<ChartSeries> series;

    // Removes the series and lets the axes fit the points again; the look stays.
    void Clear();
};
