#pragma once

#include "station/console/WeatherSet.h"
#include "station/records/GraphRecords.h"

#include <ctime>
#include <optional>
#include <string>

class IDispatchObject;

// The graph dialog's quantities, by item of its quantity drop-down.
enum GraphQuantity {
    kQuantityHumidity,
    kQuantityIndoorTemperature,
    kQuantityOutdoorTemperature,
    kQuantityWindChill,
    kQuantityPressure,
    kQuantityWind,
    kQuantityRain,
    kQuantityLight,
    kQuantityUv,
    kQuantityCount
};

// What the chart is set up from, as the graph dialog's controls show it.
struct ChartRequest {
    int quantity = -1;        // the quantity drop-down's selection
    std::string quantityName; // its text, as the template's language shows it
    bool view3D = false;      // the "3D" box
    int range = -1;           // the range drop-down's selection, -1 for none
    time_t pickerStart = 0;   // the start pickers' date and time (rain by the span rule)
    time_t pickerEnd = 0;
    std::string startText; // the span of the last search, record-time texts
    std::string endText;
};

// The value axis's limits in display units, for the dialog's scroll rule.
struct ValueLimits {
    double min = 0;
    double max = 0;
};

// Replaces the whole content of the chart by the request's quantity over `records`, in the
// display units of `settings`: title, panel, legend, the time axis over the span, the value
// axis with the quantity's limits, one or two series and one point per record and series that
// holds a value. Rain draws the period total that matches the range item (or, without one, the
// span), and widens the value axis by whole multiples of its limit to the largest total drawn.
// Gives the limits set before any widening; nothing for a quantity outside the list, whose
// chart stays with the general part only.
std::optional<ValueLimits> SetUpChart(IDispatchObject& chart, const ChartRequest& request,
                                      const CGraphRecordArray& records,
                                      const CWeatherSettings& settings);

// The rain total drawn for a range item, or by the length of the pickers' span without one.
GraphValue RainValueFor(int range, time_t pickerStart, time_t pickerEnd);

// The value axis's upper limit widened to show `largest`: the smallest whole multiple of
// `limit` not below it. Values that are not finite are not drawn, so they widen nothing.
double WidenedRainLimit(double limit, double largest);
