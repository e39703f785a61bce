#include "dialogs/core/ChartSetup.h"

#include "station/console/RecordScaling.h"
#include "station/values/TimeText.h"
#include "station/values/UnitNames.h"
#include "station/values/ValueText.h"
#include "tests/core/DataFileFixture.h"
#include "tests/core/RecordingDispatch.h"
#include "tests/core/ScopedTimeZone.h"
#include "texts/Env.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

#include <gtest/gtest.h>

namespace {

std::string R8(double value) {
    return RecordingDispatch::Describe(DispValue::R8(value));
}

std::string I4(int value) {
    return "I4:" + std::to_string(value);
}

constexpr const char* kStart = "2024-05-06 07:00:00";
constexpr const char* kEnd = "2024-05-06 08:00:00";

// The operations every set-up begins with: the general part, the time axis and the common part
// of the value axis.
std::vector<std::string> CommonPart(const std::string& name, bool view3D) {
    return {
        "call 37()",
        "1 put 30 = BOOL:" + std::string(view3D ? "1" : "0"),
        "put 6 = I2:3",
        "17 put 5 = I4:2",
        "17 put 6 = I4:1",
        "17 put 15 = " + I4(0xF0F0F0),
        "22>6 call 4()",
        "22>6 call 5(VARIANT:Weather--" + name + ")",
        "22>104 put 2 = I4:10",
        "22>104 put 3 = BOOL:1",
        "22>104 put 9 = I4:0",
        "15 put 3 = I4:20",
        "15>104 put 9 = " + I4(0xFF0000),
        "15 put 1 = I4:3",
        "2>4>30 put 2 = TEXT:Sample Time",
        "2>4>11 put 6 = TEXT:dd-mm-yyyy hh:nn:ss",
        "2>4 call 53(" + R8(TextToOleDateTime(kStart)) + ", " + R8(TextToOleDateTime(kEnd)) + ")",
        "2>4 put 21 = I4:4",
        "2>4>30>3 put 3 = BOOL:1",
        "2>4>8 put 3 = I4:2",
        "2>1 put 21 = I4:4",
        "2>1>30>3 put 3 = BOOL:1",
        "2>1>8 put 3 = I4:2",
    };
}

struct Expected {
    int quantity;
    const char* name;
    const char* axisTitle;
    double lower, upper;
    std::vector<std::string CWeatherRecord::*> slots;
    std::vector<const char*> titles;
};

// A new settings object holds the metric units.
CWeatherSettings MetricUnits() {
    return CWeatherSettings();
}

const std::string kC(kUnitCelsius);

const Expected kExpected[] = {
    {0,
     "Humidity",
     "Humidity (Unit:%)",
     0,
     100,
     {&CWeatherRecord::indHumi, &CWeatherRecord::outHumi},
     {"Indoor Humidity", "Outdoor Humidity"}},
    {1,
     "Indoor Temperature",
     "Indoor Temperature (Unit:\xC2\xB0"
     "C)",
     -40,
     60,
     {&CWeatherRecord::indTemp},
     {"Indoor Temperature"}},
    {2,
     "Outdoor Temperature",
     "Outdoor Temperature (Unit:\xC2\xB0"
     "C)",
     -40,
     60,
     {&CWeatherRecord::outTemp, &CWeatherRecord::dewPoint},
     {"Outdoor Temperature", "Dewpoint"}},
    {3,
     "Wind Chill",
     "Wind Chill (Unit:\xC2\xB0"
     "C)",
     -40,
     60,
     {&CWeatherRecord::windChill},
     {"Windchill"}},
    {4,
     "Pressure",
     "Pressure (Unit:hPa)",
     300,
     1100,
     {&CWeatherRecord::absPres, &CWeatherRecord::relPres},
     {"Absolute Pressure", "Relative Pressure"}},
    {5,
     "Wind",
     "Wind (Unit:m/s)",
     0,
     50,
     {&CWeatherRecord::winds, &CWeatherRecord::gust},
     {"Wind Velocity", "Gust Velocity"}},
    {6, "Rain", "Rain (Unit:mm)", 0, 10, {&CWeatherRecord::hourRain}, {"Total Rain"}},
    {7,
     "Lightmeter",
     "Lightmeter (Unit:lux)",
     0,
     300000,
     {&CWeatherRecord::lightmeter},
     {"lightmeter"}},
    {8, "UV", "UV", 0, 15, {&CWeatherRecord::uv}, {"UV"}},
};

// The records of the tests: a whole one, one without an outdoor temperature but with a dew
// point, one whose time text is cut short, and one more whole one.
CGraphRecordArray TestRecords(CWeatherRecordArray& whole) {
    whole = {StoredRecord("1", "2024-05-06 07:05:00"), StoredRecord("2", "2024-05-06 07:10:00"),
             StoredRecord("3", "2024-05-06 07:15"), StoredRecord("4", "2024-05-06 07:20:00")};
    whole[1].outTemp = "---";
    whole[1].indHumi = "";
    whole[3].outTemp = "-32767";
    whole[3].relPres = "1020.4";
    CGraphRecordArray lean;
    for (const CWeatherRecord& record : whole)
        lean.push_back(MakeGraphRecord(record));
    return lean;
}

// The points by the road of whole records: each converted to display units, its text drawn
// unless it holds no value.
std::vector<std::string> Points(const CWeatherRecordArray& records,
                                const std::vector<std::string CWeatherRecord::*>& slots,
                                const CWeatherSettings& settings) {
    static const int kColours[] = {0x0000FF, 0x00FF00};
    std::vector<std::string> points;
    for (CWeatherRecord record : records) {
        ConvertRecordToUserUnits(record, settings);
        if (record.recordTime.size() < 19)
            continue;
        for (std::size_t i = 0; i < slots.size(); ++i) {
            const std::string& text = record.*slots[i];
            if (text.empty() || text == "---" || ReadInt(text) == -32767)
                continue;
            points.push_back("S" + std::to_string(i) + " call 48(" +
                             R8(TextToOleDateTime(record.recordTime)) + ", " +
                             R8(std::atof(text.c_str())) + ", TEXT:, " + I4(kColours[i]) + ")");
        }
    }
    return points;
}

std::vector<std::string> ExpectedLog(const Expected& e, bool view3D,
                                     const CWeatherRecordArray& records,
                                     const CWeatherSettings& settings) {
    std::vector<std::string> log = CommonPart(e.name, view3D);
    const std::size_t n = e.slots.size();
    const bool rain = e.quantity == 6, light = e.quantity == 7;
    const int kind = rain ? 1 : 0;
    log.push_back("2>1>30 put 2 = TEXT:" + std::string(e.axisTitle));
    log.push_back("2>1 call 53(" + R8(e.lower) + ", " + R8(e.upper) + ")");
    log.push_back(std::string("2>1 put 18 = BOOL:") + (light ? "1" : "0"));
    if (light)
        log.push_back("2>1 put 17 = R8:10");
    for (std::size_t i = 0; i < n; ++i)
        log.push_back("call 28(I4:" + std::to_string(kind) + ")");
    log.push_back(std::string("15 put 17 = BOOL:") + (n == 2 ? "1" : "0"));
    const char* const colours[] = {"I4:255", "I4:65280"};
    for (const char* property : {"put 42 = I4:0", "put 27 = I4:1", ">43 put 2 = BOOL:1"}) {
        for (std::size_t i = 0; i < n; ++i) {
            const std::string s = "S" + std::to_string(i);
            log.push_back(s + (property[0] == '>' ? "" : " ") + property);
        }
    }
    for (std::size_t i = 0; i < n; ++i)
        log.push_back("S" + std::to_string(i) + " put 20 = " + colours[i]);
    if (rain)
        log.push_back("S0>30 put 1 = BOOL:0");
    if (!rain && !view3D) {
        for (std::size_t i = 0; i < n; ++i)
            log.push_back("S" + std::to_string(i) + ">13>4 put 2 = I4:2");
    }
    for (std::size_t i = 0; i < n; ++i)
        log.push_back("S" + std::to_string(i) + " put 39 = TEXT:" + e.titles[i]);
    for (const std::string& point : Points(records, e.slots, settings))
        log.push_back(point);
    return log;
}

ChartRequest Request(int quantity, const char* name, bool view3D = false, int range = 0) {
    ChartRequest request;
    request.quantity = quantity;
    request.quantityName = name;
    request.view3D = view3D;
    request.range = range;
    request.startText = kStart;
    request.endText = kEnd;
    request.pickerStart = TextToTime(kStart);
    request.pickerEnd = TextToTime(kEnd);
    return request;
}

} // namespace

class ChartSetupTest : public testing::TestWithParam<Expected> {
protected:
    ChartSetupTest() { g_lang = 0; }
};

TEST_P(ChartSetupTest, DrivesTheChartOperationByOperation) {
    const Expected& e = GetParam();
    CWeatherRecordArray whole;
    const CGraphRecordArray lean = TestRecords(whole);
    for (bool view3D : {false, true}) {
        RecordingDispatch chart;
        const std::optional<ValueLimits> limits =
            SetUpChart(chart, Request(e.quantity, e.name, view3D), lean, MetricUnits());
        EXPECT_EQ(chart.Log(), ExpectedLog(e, view3D, whole, MetricUnits()));
        ASSERT_TRUE(limits);
        EXPECT_EQ(limits->min, e.lower);
        EXPECT_EQ(limits->max, e.upper);
    }
}

INSTANTIATE_TEST_SUITE_P(NineQuantities, ChartSetupTest, testing::ValuesIn(kExpected),
                         [](const auto& info) { return "Quantity" + std::to_string(info.index); });

TEST(ChartSetupUnitsTest, PressureInInchesOfMercuryGetsItsLimitsConvertedAndHumidityNever) {
    CWeatherSettings settings = MetricUnits();
    settings.presUnit = "inHg";
    CWeatherRecordArray whole;
    const CGraphRecordArray lean = TestRecords(whole);
    RecordingDispatch chart;
    const auto limits = SetUpChart(chart, Request(kQuantityPressure, "Pressure"), lean, settings);
    ASSERT_TRUE(limits);
    EXPECT_FLOAT_EQ(limits->min, 8.859f);
    EXPECT_FLOAT_EQ(limits->max, 32.483f);
    Expected e = kExpected[kQuantityPressure];
    e.axisTitle = "Pressure (Unit:inHg)";
    e.lower = limits->min;
    e.upper = limits->max;
    EXPECT_EQ(chart.Log(), ExpectedLog(e, false, whole, settings));

    RecordingDispatch humidity;
    const auto percent =
        SetUpChart(humidity, Request(kQuantityHumidity, "Humidity"), lean, settings);
    EXPECT_EQ(percent->max, 100);
}

TEST(ChartSetupUnitsTest, AnyOtherQuantityEndsAfterTheCommonPart) {
    RecordingDispatch chart;
    CGraphRecordArray none;
    EXPECT_FALSE(SetUpChart(chart, Request(9, "?"), none, MetricUnits()));
    EXPECT_EQ(chart.Log(), CommonPart("?", false));
}

TEST(ChartSetupUnitsTest, TheTitlesFollowTheLanguage) {
    g_lang = 1;
    RecordingDispatch chart;
    CGraphRecordArray none;
    SetUpChart(chart, Request(kQuantityWind, "Wind"), none, MetricUnits());
    g_lang = 0;
    const auto& log = chart.Log();
    EXPECT_NE(std::find(log.begin(), log.end(), "22>6 call 5(VARIANT:Wetter--Wind)"), log.end());
    EXPECT_NE(std::find(log.begin(), log.end(), "2>1>30 put 2 = TEXT:Wind (Einheit:m/s)"),
              log.end());
    EXPECT_NE(std::find(log.begin(), log.end(), "S1 put 39 = TEXT:Windb\xC3\xB6 Geschwindigkeit"),
              log.end());
}

// ---- Rain -----------------------------------------------------------------------------------

namespace {

// The operations the chart received that begin with `prefix`.
std::vector<std::string> Entries(const RecordingDispatch& chart, const std::string& prefix) {
    std::vector<std::string> entries;
    for (const std::string& entry : chart.Log()) {
        if (entry.rfind(prefix, 0) == 0)
            entries.push_back(entry);
    }
    return entries;
}

std::vector<std::string> RainPoints(const RecordingDispatch& chart) {
    return Entries(chart, "S0 call 48");
}

std::vector<std::string> RainAxisCalls(const RecordingDispatch& chart) {
    return Entries(chart, "2>1 call 53");
}

} // namespace

TEST(ChartSetupRainTest, EachRangeItemDrawsItsPeriodTotal) {
    CWeatherRecordArray whole;
    const CGraphRecordArray lean = TestRecords(whole);
    using Slot = std::string CWeatherRecord::*;
    const Slot slots[] = {&CWeatherRecord::hourRain, &CWeatherRecord::dayRain,
                          &CWeatherRecord::weekRain, &CWeatherRecord::monthRain};
    for (int range = 0; range < 4; ++range) {
        RecordingDispatch chart;
        SetUpChart(chart, Request(kQuantityRain, "Rain", false, range), lean, MetricUnits());
        EXPECT_EQ(RainPoints(chart), Points(whole, std::vector<Slot>{slots[range]}, MetricUnits()))
            << range;
    }
}

TEST(ChartSetupRainTest, WithoutARangeItemTheSpanOfThePickersChoosesTheTotal) {
    struct Case {
        time_t span;
        GraphValue value;
    };
    const Case cases[] = {{3599, kGraphHourRain},
                          {3600, kGraphDayRain},
                          {86399, kGraphDayRain},
                          {86400, kGraphWeekRain},
                          {7 * 86400 - 1, kGraphWeekRain},
                          {7 * 86400, kGraphMonthRain},
                          {30 * 86400 - 1, kGraphMonthRain},
                          {30 * 86400, kGraphTotalRain},
                          {-5, kGraphHourRain}};
    for (const Case& c : cases)
        EXPECT_EQ(RainValueFor(-1, 1000000, 1000000 + c.span), c.value) << c.span;
    EXPECT_EQ(RainValueFor(4, 0, 0), kGraphHourRain);
    EXPECT_EQ(RainValueFor(2, 0, 100 * 86400), kGraphWeekRain);

    CWeatherRecordArray whole;
    const CGraphRecordArray lean = TestRecords(whole);
    RecordingDispatch chart;
    ChartRequest request = Request(kQuantityRain, "Rain", false, -1);
    request.pickerEnd = request.pickerStart + 40 * 86400;
    SetUpChart(chart, request, lean, MetricUnits());
    EXPECT_EQ(RainPoints(chart),
              Points(whole, std::vector<std::string CWeatherRecord::*>{&CWeatherRecord::totalRain},
                     MetricUnits()));
}

TEST(ChartSetupRainTest, TheSpanRuleCountsTheHoursThatPassedAcrossADaylightSavingChange) {
    ScopedTimeZone zone("CET-1CEST,M3.5.0,M10.5.0/3");
    // Noon to noon over the spring change is 23 hours, over the autumn change 25.
    EXPECT_EQ(
        RainValueFor(-1, TextToTime("2024-03-30 12:00:00"), TextToTime("2024-03-31 12:00:00")),
        kGraphDayRain);
    EXPECT_EQ(
        RainValueFor(-1, TextToTime("2024-10-26 12:00:00"), TextToTime("2024-10-27 12:00:00")),
        kGraphWeekRain);
}

TEST(ChartSetupRainTest, TheAxisWidensByWholeMultiplesOfItsLimitToTheLargestTotal) {
    for (const auto& [largest, upper] :
         {std::pair{"25.0", 30.0}, {"10.0", 10.0}, {"0.0", 10.0}, {"20.0", 20.0}, {"20.1", 30.0}}) {
        CWeatherRecord record = StoredRecord("1", "2024-05-06 07:30:00");
        record.hourRain = largest;
        CGraphRecordArray lean{MakeGraphRecord(StoredRecord("0", "2024-05-06 07:05:00")),
                               MakeGraphRecord(record)};
        RecordingDispatch chart;
        const auto limits = SetUpChart(chart, Request(kQuantityRain, "Rain"), lean, MetricUnits());
        std::vector<std::string> expected{"2>1 call 53(" + R8(0) + ", " + R8(10) + ")"};
        if (upper != 10)
            expected.push_back("2>1 call 53(" + R8(0) + ", " + R8(upper) + ")");
        EXPECT_EQ(RainAxisCalls(chart), expected) << largest;
        EXPECT_EQ(limits->max, 10) << "the scroll rule keeps the base limit";
    }
}

TEST(ChartSetupRainTest, AnEndlessOrHugeTotalEndsTheWideningAtOnce) {
    EXPECT_EQ(WidenedRainLimit(10, std::numeric_limits<double>::infinity()), 10);
    EXPECT_EQ(WidenedRainLimit(10, std::nan("")), 10);
    EXPECT_GE(WidenedRainLimit(10, 1e308), 1e308);
    EXPECT_TRUE(std::isfinite(WidenedRainLimit(10, 1e308)));
    EXPECT_EQ(WidenedRainLimit(10, 25), 30);
    EXPECT_EQ(WidenedRainLimit(0.39, 0.4), 0.78);
    EXPECT_EQ(WidenedRainLimit(10, std::numeric_limits<double>::max()),
              std::numeric_limits<double>::max());

    CWeatherRecord record = StoredRecord("1", "2024-05-06 07:30:00");
    record.hourRain = "inf";
    CGraphRecordArray lean{MakeGraphRecord(record)};
    RecordingDispatch chart;
    SetUpChart(chart, Request(kQuantityRain, "Rain"), lean, MetricUnits());
    EXPECT_EQ(RainAxisCalls(chart).size(), 1u);
}
