#include "station/records/GraphRecords.h"

#include "station/console/RecordScaling.h"
#include "station/records/RecordLayer.h"
#include "station/values/UnitNames.h"
#include "station/values/ValueText.h"
#include "tests/core/DataFileFixture.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <random>

#include <gtest/gtest.h>

namespace {

// The record fields of the graph's values, by GraphValue.
constexpr std::string CWeatherRecord::*kFields[kGraphValueCount] = {
    &CWeatherRecord::indHumi,    &CWeatherRecord::outHumi,   &CWeatherRecord::indTemp,
    &CWeatherRecord::outTemp,    &CWeatherRecord::dewPoint,  &CWeatherRecord::windChill,
    &CWeatherRecord::absPres,    &CWeatherRecord::relPres,   &CWeatherRecord::winds,
    &CWeatherRecord::gust,       &CWeatherRecord::hourRain,  &CWeatherRecord::dayRain,
    &CWeatherRecord::weekRain,   &CWeatherRecord::monthRain, &CWeatherRecord::totalRain,
    &CWeatherRecord::lightmeter, &CWeatherRecord::uv,
};

// The value a chart gets by the road of whole records: the record converted to display units,
// its text drawn unless it holds no value.
std::optional<double> WholeRecordValue(CWeatherRecord record, GraphValue value,
                                       const CWeatherSettings& settings) {
    ConvertRecordToUserUnits(record, settings);
    const std::string& text = record.*kFields[value];
    if (text.empty() || text == "---" || ReadInt(text) == -32767)
        return std::nullopt;
    return std::atof(text.c_str());
}

bool SameNumber(double a, double b) {
    return (std::isnan(a) && std::isnan(b)) || std::memcmp(&a, &b, sizeof a) == 0;
}

CWeatherSettings Units(std::string_view temperature, std::string_view pressure,
                       std::string_view wind, std::string_view rain, std::string_view light) {
    CWeatherSettings settings;
    settings.indTempUnit = settings.outTempUnit = std::string(temperature);
    settings.presUnit = std::string(pressure);
    settings.windUnit = std::string(wind);
    settings.rainUnit = std::string(rain);
    settings.lightmeterUnit = std::string(light);
    return settings;
}

const CWeatherSettings kUnitSets[] = {
    Units(kUnitCelsius, kUnitHpa, kUnitMs, kUnitMm, kUnitLux),
    Units(kUnitFahrenheit, kUnitInHg, kUnitKmh, kUnitInch, kUnitFc),
    Units(kUnitCelsius, kUnitMmHg, kUnitKnot, kUnitMm, kUnitLux),
    Units(kUnitFahrenheit, kUnitHpa, kUnitMph, kUnitInch, kUnitLux),
    Units(kUnitCelsius, kUnitHpa, kUnitBft, kUnitMm, kUnitFc),
    Units("", "", "", "", ""),
};

// Texts each value may hold in a data file: plain values, the no-value marks, the console's
// no-reading words, ties of rounding, texts that do not read as numbers, and the absurd.
const char* const kTexts[] = {
    "",       "---",    "-32767", "-32767.4", "0",       "0.0", "12.3",    "-3.4",
    "0.05",   "0.25",   "0.35",   "1013.7",   "255",     "101", "-1",      "16777215",
    "400000", "400001", "5120.0", "15",       "16",      "7.5", "abc",     "inf",
    "nan",    "1e308",  "-0.04",  "29.925",   "3.14159", " 42", "99999999"};

} // namespace

class GraphRecordsTest : public DataFileTest {};

TEST(GraphValueTest, EveryValueTextGivesThePointOfTheWholeRecordInEveryUnit) {
    std::mt19937 random(11);
    std::uniform_int_distribution<std::size_t> pick(0, std::size(kTexts) - 1);
    for (int round = 0; round < 300; ++round) {
        CWeatherRecord record = StoredRecord("1", "2024-05-06 07:08:09");
        for (auto field : kFields)
            record.*field = kTexts[pick(random)];
        const CGraphRecord lean = MakeGraphRecord(record);
        for (const CWeatherSettings& settings : kUnitSets) {
            for (int v = 0; v < kGraphValueCount; ++v) {
                const auto value = static_cast<GraphValue>(v);
                const std::optional<double> whole = WholeRecordValue(record, value, settings);
                const std::optional<double> drawn = GraphDisplayValue(lean, value, settings);
                ASSERT_EQ(whole.has_value(), drawn.has_value())
                    << "value " << v << " text '" << record.*kFields[v] << "'";
                if (whole) {
                    EXPECT_TRUE(SameNumber(*whole, *drawn))
                        << "value " << v << " text '" << record.*kFields[v] << "': " << *whole
                        << " != " << *drawn;
                }
            }
        }
    }
}

TEST(GraphValueTest, ReadingBackMatchesPrintingAndReadingForRandomFloats) {
    std::mt19937 random(5);
    std::uniform_real_distribution<float> spread(-2000, 2000);
    for (int i = 0; i < 200000; ++i) {
        // Quarters and eighths are exact ties of one and two decimals.
        const float value = i % 3 == 0 ? std::round(spread(random) * 8) / 8 : spread(random);
        for (int decimals : {0, 1, 2}) {
            const double printed = std::atof(PrintDecimals(value, decimals).c_str());
            ASSERT_TRUE(SameNumber(printed, ReadBackDecimals(value, decimals)))
                << value << " with " << decimals;
        }
        ASSERT_EQ(std::atof(PrintWhole(value).c_str()), ReadBackWhole(value));
    }
}

TEST(GraphValueTest, NumbersReadAsTheCLibraryReadsThem) {
    std::vector<std::string> texts = {"-",
                                      "-.",
                                      "1.",
                                      ".5",
                                      "00012.50",
                                      "-0",
                                      "-0.0",
                                      "12e3",
                                      " 12",
                                      "12 ",
                                      "12abc",
                                      "+5",
                                      "0x1A",
                                      "inf",
                                      "-32767",
                                      "2147483648",
                                      "-2147483649",
                                      "99999999999999999999999",
                                      "-99999999999999999999.5"};
    std::mt19937 random(3);
    for (int i = 0; i < 20000; ++i) {
        std::string text = random() % 2 ? "-" : "";
        text += std::to_string(random() % 100000);
        if (random() % 3)
            text += "." + std::to_string(random() % 1000);
        texts.push_back(text);
    }
    for (const std::string& text : texts) {
        const double expected = std::atof(text.c_str());
        ASSERT_TRUE(SameNumber(ReadDouble(text), expected)) << text;
        ASSERT_EQ(ReadFloat(text), static_cast<float>(expected)) << text;
        const long long whole = std::strtoll(text.c_str(), nullptr, 10);
        ASSERT_EQ(ReadInt(text), std::clamp<long long>(whole, INT_MIN, INT_MAX)) << text;
    }
}

TEST(GraphValueTest, TheTimeCountsOnlyWhenTheTimeTextIsWhole) {
    const CGraphRecord whole = MakeGraphRecord(StoredRecord("1", "2024-05-06 12:00:00"));
    EXPECT_TRUE(whole.HasWholeTime());
    EXPECT_DOUBLE_EQ(whole.time, 45418.5);
    EXPECT_FALSE(MakeGraphRecord(StoredRecord("1", "2024-05-06 12:00")).HasWholeTime());
}

TEST_F(GraphRecordsTest, LoadsTheRecordsOfTheSpanThatTheWholeRecordsRoadLoads) {
    // Lines with fewer fields have no values where they have no field, and a line that holds no
    // record is left out, as with whole records.
    WriteLines({LineOf(StoredRecord("1", "2024-05-06 07:00:00")),
                LineOf(StoredRecord("2", "2024-05-06 07:05:00", "100.5", "0.3", "---")),
                "3, 2024-05-06 07:10:00, 2024-05-06 07:10:00", kGarbageLine,
                LineOf(StoredRecord("4", "2024-05-06 07:15:00")),
                LineOf(StoredRecord("5", "2024-05-07 00:00:00"))});
    CWeatherRecordArray whole;
    LoadRecordsForGraph(whole, "2024-05-06 07:05:00", "2024-05-06 23:59:59");
    CGraphRecordArray lean;
    LoadGraphRecords(lean, "2024-05-06 07:05:00", "2024-05-06 23:59:59");
    ASSERT_EQ(lean.size(), 3u);
    ASSERT_EQ(whole.size(), lean.size());
    for (std::size_t i = 0; i < whole.size(); ++i) {
        for (int v = 0; v < kGraphValueCount; ++v) {
            const auto value = static_cast<GraphValue>(v);
            const auto expected = WholeRecordValue(whole[i], value, kUnitSets[1]);
            const auto drawn = GraphDisplayValue(lean[i], value, kUnitSets[1]);
            ASSERT_EQ(expected.has_value(), drawn.has_value()) << i << " " << v;
            if (expected) {
                EXPECT_TRUE(SameNumber(*expected, *drawn)) << i << " " << v;
            }
        }
    }
    EXPECT_FALSE(lean[0].Has(kGraphTotalRain));
    for (int v = 0; v < kGraphValueCount; ++v)
        EXPECT_FALSE(lean[1].Has(static_cast<GraphValue>(v))) << v; // none from the line before
    EXPECT_TRUE(lean[2].Has(kGraphIndoorHumidity));
}

TEST_F(GraphRecordsTest, ABusyOrEmptyFileLeavesTheRecordsAsTheyWere) {
    CGraphRecordArray lean(2);
    WriteLines({});
    LoadGraphRecords(lean, "2000-01-01 00:00:00", "2099-12-31 23:59:59");
    EXPECT_EQ(lean.size(), 2u);

    WriteLines({LineOf(StoredRecord("1", "2024-05-06 07:00:00"))});
    g_fdb.m_busy = true;
    LoadGraphRecords(lean, "2000-01-01 00:00:00", "2099-12-31 23:59:59");
    EXPECT_EQ(lean.size(), 2u);
    g_fdb.m_busy = false;
    LoadGraphRecords(lean, "2000-01-01 00:00:00", "2099-12-31 23:59:59");
    EXPECT_EQ(lean.size(), 1u);
}
