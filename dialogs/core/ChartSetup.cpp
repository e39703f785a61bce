#include "dialogs/core/ChartSetup.h"

#include "platform/Dispatch.h"
#include "platform/ocx/ChartMembers.h"
#include "station/values/QuantityConversion.h"
#include "station/values/TimeText.h"
#include "texts/Env.h"
#include "texts/TextEntries.h"

#include <cmath>
#include <vector>

namespace {

constexpr std::int32_t kSeriesColours[2] = {0x0000FF, 0x00FF00};
constexpr std::int32_t kPanelGrey = 0xF0F0F0;
constexpr std::int32_t kLegendBlue = 0xFF0000;
constexpr std::int32_t kLegendAtBottom = 3;
constexpr std::int32_t kDottedGrid = 2;
constexpr double kLightLogBase = 10.0;

enum class AxisTitle { kPercent, kUnit, kNameOnly };

using MetricConverter = float (*)(float value, float factor, std::string_view toUnit);

float Unconverted(float value, float, std::string_view) {
    return value;
}

struct SeriesSetup {
    TextEntry titleEntry;
    GraphValue value;
};

struct QuantitySetup {
    AxisTitle title;
    std::string CWeatherSettings::*unit;
    float lower, upper; // metric
    MetricConverter convert;
    SeriesSetup series[2];
    int seriesCount;
};

using S = CWeatherSettings;

// By GraphQuantity. Rain's series value is chosen by the range.
const QuantitySetup kQuantities[kQuantityCount] = {
    {AxisTitle::kPercent,
     nullptr,
     0,
     100,
     Unconverted,
     {{kTextIndoorHumidity, kGraphIndoorHumidity}, {kTextOutdoorHumidity, kGraphOutdoorHumidity}},
     2},
    {AxisTitle::kUnit,
     &S::indTempUnit,
     -40,
     60,
     ConvertTemperatureFromMetric,
     {{kTextIndoorTemperature, kGraphIndoorTemperature}, {}},
     1},
    {AxisTitle::kUnit,
     &S::outTempUnit,
     -40,
     60,
     ConvertTemperatureFromMetric,
     {{kTextOutdoorTemperature, kGraphOutdoorTemperature}, {kTextDewpoint, kGraphDewPoint}},
     2},
    {AxisTitle::kUnit,
     &S::outTempUnit,
     -40,
     60,
     ConvertTemperatureFromMetric,
     {{kTextWindchill, kGraphWindChill}, {}},
     1},
    {AxisTitle::kUnit,
     &S::presUnit,
     300,
     1100,
     ConvertPressureFromMetric,
     {{kTextAbsolutePressure, kGraphAbsolutePressure},
      {kTextRelativePressure, kGraphRelativePressure}},
     2},
    {AxisTitle::kUnit,
     &S::windUnit,
     0,
     50,
     ConvertWindSpeedFromMetric,
     {{kTextWindVelocity, kGraphWindSpeed}, {kTextGustVelocity, kGraphGustSpeed}},
     2},
    {AxisTitle::kUnit,
     &S::rainUnit,
     0,
     10,
     ConvertRainFromMetric,
     {{kTextTotalRain, kGraphTotalRain}, {}},
     1},
    {AxisTitle::kUnit,
     &S::lightmeterUnit,
     0,
     300000,
     ConvertLightFromMetric,
     {{kTextLightmeter, kGraphLight}, {}},
     1},
    {AxisTitle::kNameOnly, &S::uvUnit, 0, 15, ConvertRainFromMetric, {{kTextUv, kGraphUv}, {}}, 1},
};

std::string AxisTitleText(const QuantitySetup& setup, const ChartRequest& request,
                          const CWeatherSettings& settings) {
    switch (setup.title) {
    case AxisTitle::kPercent:
        return request.quantityName + " (" + Tr(kTextUnit) + ":%)";
    case AxisTitle::kUnit:
        return request.quantityName + " (" + Tr(kTextUnit) + ":" + settings.*setup.unit + ")";
    case AxisTitle::kNameOnly:
        break;
    }
    return request.quantityName;
}

void SetUpGeneral(IDispatchObject& chart, const ChartRequest& request) {
    using namespace ChartMember;
    const DispatchPath root(&chart);
    root.Call(kClearChart);
    (root / kAspect).Put(kView3D, DispValue::Bool(request.view3D));
    root.Put(kFrameWidth, DispValue::I2(3));
    const DispatchPath panel = root / kPanel;
    panel.Put(kBevelInner, DispValue::I4(2));
    panel.Put(kBevelOuter, DispValue::I4(1));
    panel.Put(kPanelColour, DispValue::I4(kPanelGrey));
    (root / kHeader / kLines).Call(kClearLines);
    (root / kHeader / kLines)
        .Call(kAddLine, {DispValue::Variant(DispValue::Text(std::string(Tr(kTextWeather)) + "--" +
                                                            request.quantityName))});
    (root / kHeader / kFont).Put(kFontSize, DispValue::I4(10));
    (root / kHeader / kFont).Put(kFontBold, DispValue::Bool(true));
    (root / kHeader / kFont).Put(kFontColour, DispValue::I4(0));
    (root / kLegend).Put(kLegendSpacing, DispValue::I4(20));
    (root / kLegend / kFont).Put(kFontColour, DispValue::I4(kLegendBlue));
    (root / kLegend).Put(kLegendAlignment, DispValue::I4(kLegendAtBottom));
}

// The parts both axes share, after their titles and limits.
void SetUpAxisLook(const DispatchPath& axis) {
    using namespace ChartMember;
    axis.Put(kMinorTicks, DispValue::I4(4));
    (axis / kTitle / kTitleFont).Put(kFontBold, DispValue::Bool(true));
    (axis / kGrid).Put(kPenStyle, DispValue::I4(kDottedGrid));
}

void SetUpTimeAxis(IDispatchObject& chart, const ChartRequest& request) {
    using namespace ChartMember;
    const DispatchPath axis = DispatchPath(&chart) / kAxes / kBottomAxis;
    (axis / kTitle).Put(kTitleCaption, DispValue::Text(Tr(kTextSampleTime)));
    (axis / kLabels).Put(kDateTimeFormat, DispValue::Text(Tr(kTextDateTimeFormat)));
    axis.Call(kSetMinMax, {DispValue::R8(TextToOleDateTime(request.startText)),
                           DispValue::R8(TextToOleDateTime(request.endText))});
    SetUpAxisLook(axis);
}

} // namespace

GraphValue RainValueFor(int range, time_t pickerStart, time_t pickerEnd) {
    constexpr GraphValue kByRange[] = {kGraphHourRain, kGraphDayRain, kGraphWeekRain,
                                       kGraphMonthRain};
    if (range >= 0 && range < 4)
        return kByRange[range];
    constexpr time_t kHour = 3600, kDay = 24 * kHour;
    const time_t span = pickerEnd - pickerStart;
    if (span < kHour)
        return kGraphHourRain;
    if (span < kDay)
        return kGraphDayRain;
    if (span < 7 * kDay)
        return kGraphWeekRain;
    if (span < 30 * kDay)
        return kGraphMonthRain;
    return kGraphTotalRain;
}

double WidenedRainLimit(double limit, double largest) {
    if (!(limit > 0) || !std::isfinite(largest) || largest <= limit)
        return limit;
    const double widened = std::ceil(largest / limit) * limit;
    return std::isfinite(widened) ? widened : largest;
}

std::optional<ValueLimits> SetUpChart(IDispatchObject& chart, const ChartRequest& request,
                                      const CGraphRecordArray& records,
                                      const CWeatherSettings& settings) {
    using namespace ChartMember;
    SetUpGeneral(chart, request);
    SetUpTimeAxis(chart, request);
    const DispatchPath root(&chart);
    const DispatchPath valueAxis = root / kAxes / kLeftAxis;
    SetUpAxisLook(valueAxis);
    if (request.quantity < 0 || request.quantity >= kQuantityCount)
        return std::nullopt;

    const QuantitySetup& setup = kQuantities[request.quantity];
    const bool rain = request.quantity == kQuantityRain;
    const bool light = request.quantity == kQuantityLight;
    const int kind = rain ? kBarSeries : kLineSeries;

    (valueAxis / kTitle)
        .Put(kTitleCaption, DispValue::Text(AxisTitleText(setup, request, settings)));
    const std::string_view unit = setup.unit ? std::string_view(settings.*setup.unit) : "";
    const ValueLimits limits{setup.convert(setup.lower, 1.0f, unit),
                             setup.convert(setup.upper, 1.0f, unit)};
    valueAxis.Call(kSetMinMax, {DispValue::R8(limits.min), DispValue::R8(limits.max)});
    valueAxis.Put(kLogarithmic, DispValue::Bool(light));
    if (light)
        valueAxis.Put(kLogBase, DispValue::R8(kLightLogBase));

    const int count = setup.seriesCount;
    for (int i = 0; i < count; ++i)
        root.Call(kAddSeries, {DispValue::I4(kind)});
    (root / kLegend).Put(kLegendVisible, DispValue::Bool(count == 2));

    std::vector<DispatchPath> series;
    for (int i = 0; i < count; ++i)
        series.emplace_back(root.Call(kSeries, {DispValue::I4(i)}).object);
    for (const DispatchPath& s : series)
        s.Put(kMarkerSize, DispValue::I4(0));
    for (const DispatchPath& s : series)
        s.Put(kVisible, DispValue::I4(1));
    for (const DispatchPath& s : series)
        (s / kXValues).Put(kXDateTime, DispValue::Bool(true));
    for (int i = 0; i < count; ++i)
        series[i].Put(kColour, DispValue::I4(kSeriesColours[i]));
    if (rain)
        (series[0] / kMarks).Put(kMarksVisible, DispValue::Bool(false));
    if (kind == kLineSeries && !request.view3D) {
        for (const DispatchPath& s : series)
            (s / kLinePart / kLinePen).Put(kPenWidth, DispValue::I4(2));
    }
    for (int i = 0; i < count; ++i)
        series[i].Put(kTitleText, DispValue::Text(Tr(setup.series[i].titleEntry)));

    GraphValue values[2] = {setup.series[0].value, setup.series[1].value};
    if (rain)
        values[0] = RainValueFor(request.range, request.pickerStart, request.pickerEnd);
    double largest = 0;
    for (const CGraphRecord& record : records) {
        if (!record.HasWholeTime())
            continue;
        for (int i = 0; i < count; ++i) {
            const std::optional<double> y = GraphDisplayValue(record, values[i], settings);
            if (!y)
                continue;
            series[i].Call(kAddXY, {DispValue::R8(record.time), DispValue::R8(*y),
                                    DispValue::Text({}), DispValue::I4(kSeriesColours[i])});
            if (*y > largest)
                largest = *y;
        }
    }
    if (rain) {
        const double upper = WidenedRainLimit(limits.max, largest);
        if (upper != limits.max)
            valueAxis.Call(kSetMinMax, {DispValue::R8(limits.min), DispValue::R8(upper)});
    }
    return limits;
}
