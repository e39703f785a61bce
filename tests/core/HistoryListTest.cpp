#include "station/records/HistoryList.h"

#include "station/values/TimeText.h"
#include "tests/core/DataFileFixture.h"
#include "tests/core/MemoryListControl.h"
#include "tests/core/SleepRecorder.h"
#include "texts/Env.h"

#include <gtest/gtest.h>

namespace {

const std::string kCelsius = "°C";
const std::string kFahrenheit = "°F";

CWeatherSettings Units(const std::string& temperature, const std::string& pressure,
                       const std::string& wind, const std::string& rain, const std::string& light) {
    CWeatherSettings settings;
    settings.indTempUnit = temperature;
    settings.outTempUnit = temperature;
    settings.presUnit = pressure;
    settings.windUnit = wind;
    settings.rainUnit = rain;
    settings.lightmeterUnit = light;
    return settings;
}

const CWeatherSettings kMetric = Units(kCelsius, "hPa", "m/s", "mm", "lux");
const CWeatherSettings kImperial = Units(kFahrenheit, "inHg", "km/h", "inch", "fc");

class ScopedLanguage {
public:
    explicit ScopedLanguage(int language) : m_before(g_lang) { g_lang = language; }
    ~ScopedLanguage() { g_lang = m_before; }

private:
    int m_before;
};

std::vector<std::string> Titles(const MemoryListControl& list) {
    std::vector<std::string> titles;
    for (const MemoryListControl::Column& column : list.Columns())
        titles.push_back(column.title);
    return titles;
}

std::vector<std::string> Row(const IListControl& list, int row) {
    std::vector<std::string> cells;
    for (int column = 0; column < list.ColumnCount(); ++column)
        cells.push_back(list.CellText(row, column));
    return cells;
}

TEST(HistoryListColumns, EnglishTitlesCarryTheMetricUnits) {
    const ScopedLanguage english(0);
    MemoryListControl list;
    EXPECT_EQ(InsertRecordColumns(list, kMetric), 36);

    const std::vector<std::string> titles = {"No",
                                             "Time",
                                             "Interval(mi)",
                                             "Indoor Humidity(%)",
                                             "Indoor Temperature(°C)",
                                             "Outdoor Humidity(%)",
                                             "Outdoor Temperature(°C)",
                                             "Absolute Pressure(hPa)",
                                             "Wind(m/s)",
                                             "Gust(m/s)",
                                             "Direction",
                                             "Relative Pressure(hPa)",
                                             "Dewpoint(°C)",
                                             "Windchill(°C)",
                                             "Hour Rainfall(mm)",
                                             "24 hour Rainfall(mm)",
                                             "Week Rainfall(mm)",
                                             "Month Rainfall(mm)",
                                             "Total Rainfall(mm)",
                                             "Wind Level(bft)",
                                             "Gust Level(bft)",
                                             "lightmeter(lux)",
                                             "UV",
                                             "windDir",
                                             "Rain(Hz)",
                                             "Rain(mm)",
                                             "Increment(mm)",
                                             "flag1",
                                             "flag2",
                                             "flag3",
                                             "flag4",
                                             "flag5",
                                             "flag6",
                                             "flag7",
                                             "flag8",
                                             "saveTime"};
    EXPECT_EQ(Titles(list), titles);

    std::vector<int> widths;
    for (const MemoryListControl::Column& column : list.Columns()) {
        widths.push_back(column.width);
        EXPECT_EQ(column.format, ListColumnFormat::kCenter);
    }
    EXPECT_EQ(widths, (std::vector<int>{60,  120, 90,  180, 180, 180, 180, 150, 100, 100, 80, 150,
                                        100, 150, 150, 180, 150, 180, 180, 120, 150, 180, 80, 0,
                                        0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,  0}));
}

TEST(HistoryListColumns, GermanTitlesCarryTheConsolesOtherUnits) {
    const ScopedLanguage german(1);
    MemoryListControl list;
    InsertRecordColumns(list, kImperial);
    const std::vector<std::string> titles = Titles(list);

    EXPECT_EQ(titles[0], "No");
    EXPECT_EQ(titles[1], "Zeit");
    EXPECT_EQ(titles[2], "Intervall(mi)");
    EXPECT_EQ(titles[4], "innen Temperatur(°F)");
    EXPECT_EQ(titles[5], "außen Luftfeuchtigkeit(%)");
    EXPECT_EQ(titles[7], "absolut Luftdruck(inHg)");
    EXPECT_EQ(titles[9], "Windbö\"(km/h)");
    EXPECT_EQ(titles[12], "Taupunkt(°F)");
    EXPECT_EQ(titles[15], "24 Stunde Niederschlag(inch)");
    EXPECT_EQ(titles[20], "Windbö Level(bft)");
    EXPECT_EQ(titles[21], "lightmeter(fc)");
    EXPECT_EQ(titles[23], "windDir");
    EXPECT_EQ(titles[24], "Niederschlag(Hz)");
    EXPECT_EQ(titles[25], "Niederschlag(inch)");
    EXPECT_EQ(titles[35], "saveTime");
}

CWeatherRecord ShownRecord() {
    CWeatherRecord record = StoredRecord("  120", "2024-03-05 14:30:00");
    record.saveTime = "2024-03-05 14:31:07";
    record.flag7 = "1";
    record.outTemp = "---"; // no radio contact
    record.dewPoint = "---";
    record.windChill = "";
    return record;
}

TEST(HistoryListRows, ARowShowsTheRecordInTheDisplayUnits) {
    MemoryListControl list;
    InsertRecordColumns(list, kImperial);
    FillHistoryRow(ShownRecord(), list, 0, kImperial);

    EXPECT_EQ(Row(list, 0), (std::vector<std::string>{"  120", "05-03-2024 14:30",
                                                      "5",     "45",
                                                      "70.7",  "80",
                                                      "---",   "29.54",
                                                      "15.1",  "24.5",
                                                      "ESE",   "29.93",
                                                      "---",   "---",
                                                      "0.02",  "0.05",
                                                      "0.13",  "0.51",
                                                      "13.78", "3",
                                                      "4",     "475.84",
                                                      "2",     "6",
                                                      "334",   "3.94",
                                                      "0.01",  "0",
                                                      "0",     "0",
                                                      "0",     "0",
                                                      "0",     "1",
                                                      "0",     "2024-03-05 14:31:07"}));
}

// The list shows what was stored, also a light beyond what the live display accepts; only the
// sensor's "no reading" and the no-value texts show "---".
TEST(HistoryListRows, TheLightCellShowsEveryStoredLight) {
    const struct {
        const char* stored;
        const char* lux;
        const char* fc;
    } cases[] = {{"450000.0", "450000.0", "41821.56"},
                 {"16777215", "---", "---"},
                 {"---", "---", "---"},
                 {"", "---", "---"},
                 {"0.0", "0.0", "0.00"}};
    for (const auto& c : cases) {
        CWeatherRecord record = ShownRecord();
        record.lightmeter = c.stored;
        MemoryListControl metric, imperial;
        InsertRecordColumns(metric, kMetric);
        InsertRecordColumns(imperial, kImperial);
        FillHistoryRow(record, metric, 0, kMetric);
        FillHistoryRow(record, imperial, 0, kImperial);
        EXPECT_EQ(metric.CellText(0, 21), c.lux) << c.stored;
        EXPECT_EQ(imperial.CellText(0, 21), c.fc) << c.stored;
    }
}

TEST(HistoryListRows, ARowReadBackGivesTheTextsAsShown) {
    MemoryListControl list;
    InsertRecordColumns(list, kImperial);
    FillHistoryRow(ShownRecord(), list, 0, kImperial);
    CWeatherRecord read;
    read.hexAddr = "00B000";
    read.rainRaw = 12;

    ReadHistoryRow(read, list, 0);

    const CWeatherRecord shown = ShownRecord();
    EXPECT_EQ(read.recordNo, shown.recordNo);
    EXPECT_EQ(read.recordTime, "05-03-2024 14:30");
    EXPECT_EQ(read.windDirDesc, shown.windDirDesc);
    EXPECT_EQ(read.windDir, shown.windDir);
    EXPECT_EQ(read.rain, shown.rain);
    EXPECT_EQ(read.flag7, "1");
    EXPECT_EQ(read.saveTime, shown.saveTime);
    EXPECT_EQ(read.indTemp, "70.7");
    EXPECT_EQ(read.outTemp, "---");
    EXPECT_EQ(read.totalRain, "13.78");
    // Fields without a column keep what they held.
    EXPECT_EQ(read.hexAddr, "00B000");
    EXPECT_EQ(read.rainRaw, 12);
    EXPECT_EQ(read.hexValue, "");
}

class HistoryListSearchTest : public DataFileTest {};

// "2024-03-05 14:30:00" as the history list shows it: "05-03-2024 14:30".
std::string DisplayForm(const std::string& time) {
    return time.substr(8, 2) + "-" + time.substr(5, 2) + "-" + time.substr(0, 4) + " " +
           time.substr(11, 5);
}

// A search shows the records of the span, both ends included, in place of the rows there were,
// inside one update of the list.
TEST_F(HistoryListSearchTest, ASearchShowsTheRecordsOfTheSpanAsRows) {
    WriteLines({LineOf(StoredRecord("1", "2024-03-04 23:59:59")),
                LineOf(StoredRecord("2", "2024-03-05 00:00:00")),
                LineOf(StoredRecord("3", "2024-03-05 12:00:00")),
                LineOf(StoredRecord("4", "2024-03-05 23:59:59")),
                LineOf(StoredRecord("5", "2024-03-06 00:00:00"))});
    const struct {
        const char* name;
        const char* start;
        const char* end;
        std::vector<std::string> times;
    } spans[] = {
        {"BothEndsIncluded",
         "2024-03-05 00:00:00",
         "2024-03-05 23:59:59",
         {"2024-03-05 00:00:00", "2024-03-05 12:00:00", "2024-03-05 23:59:59"}},
        // A record time that begins with the end text compares greater than it.
        {"BareDateEndExcludesThatDate", "2024-03-04", "2024-03-05", {"2024-03-04 23:59:59"}},
        {"NothingInside", "2024-03-07 00:00:00", "2024-03-08 00:00:00", {}},
        {"EndBeforeStart", "2024-03-06 00:00:00", "2024-03-04 00:00:00", {}},
    };
    for (const auto& span : spans) {
        MemoryListControl list;
        InsertRecordColumns(list, CWeatherSettings());
        FillHistoryRow(StoredRecord("99", "2000-01-01 00:00:00"), list, 0, CWeatherSettings());

        LoadRecordsInRange(list, span.start, span.end, CWeatherSettings());

        ASSERT_EQ(list.RowCount(), static_cast<int>(span.times.size())) << span.name;
        for (int row = 0; row < list.RowCount(); ++row) {
            CWeatherRecord shown;
            ReadHistoryRow(shown, list, row);
            EXPECT_EQ(shown.recordTime, DisplayForm(span.times[row])) << span.name;
        }
        EXPECT_EQ(list.RowsOutsideUpdate(), 1) << span.name; // the one row filled above
        EXPECT_EQ(list.OpenUpdates(), 0) << span.name;
    }
}

// Garbage in place of line 300 and line 301 cut short after its times: the garbage makes no
// row, and record 301 shows "---" where its line has no field, not what record 299 held.
TEST_F(HistoryListSearchTest, ADamagedLineMakesNoRowAndACutLineShowsOnlyWhatItHolds) {
    std::vector<std::string> lines;
    for (int i = 1; i <= 302; ++i) {
        CWeatherRecord record = StoredRecord(
            std::to_string(i), FormatRecordTime(TextToTime("2024-03-05 10:00:00") + (i - 1) * 300));
        record.indTemp = std::to_string(i % 30) + ".5";
        lines.push_back(LineOf(record));
    }
    WriteLines(lines);
    WriteBytes(DataPath(), WithDamagedLines(Bytes(), 300, 301));
    MemoryListControl list;
    InsertRecordColumns(list, kMetric);

    LoadRecordsInRange(list, "2024-03-06 10:45:00", "2024-03-06 23:59:59", kMetric);

    ASSERT_EQ(list.RowCount(), 4);
    const std::vector<std::string> numbers = {"298", "299", "301", "302"};
    for (int row = 0; row < 4; ++row)
        EXPECT_EQ(list.CellText(row, 0), numbers[row]);
    EXPECT_EQ(list.CellText(1, 4), "29.5");
    EXPECT_EQ(list.CellText(2, 1), "06-03-2024 11:00");
    for (int column = 2; column < kHistoryColumnCount - 1; ++column) {
        const std::string expected = column >= 27 ? "" : "---"; // the flags: none read
        EXPECT_EQ(list.CellText(2, column), expected) << "column " << column;
    }
    EXPECT_EQ(list.CellText(3, 4), "2.5");
}

TEST_F(HistoryListSearchTest, AFileWithoutLinesLeavesTheRowsAsTheyWere) {
    WriteLines({" ", ""});
    MemoryListControl list;
    InsertRecordColumns(list, CWeatherSettings());
    FillHistoryRow(StoredRecord("99", "2024-03-05 12:00:00"), list, 0, CWeatherSettings());

    LoadRecordsInRange(list, "2000-01-01", "2099-01-01", CWeatherSettings());

    EXPECT_EQ(list.RowCount(), 1);
    EXPECT_EQ(list.CellText(0, 0), "99");
}

// A data file held by someone else is waited for three times, then the rows stay as they were
// and the flag stays its holder's; a search that took the flag leaves it clear.
TEST_F(HistoryListSearchTest, ADataFileThatStaysBusyLeavesTheRowsAsTheyWere) {
    WriteLines({LineOf(StoredRecord("1", "2024-03-05 10:00:00")),
                LineOf(StoredRecord("2", "2024-03-05 10:05:00"))});
    MemoryListControl list;
    InsertRecordColumns(list, CWeatherSettings());
    FillHistoryRow(StoredRecord("99", ""), list, 0, CWeatherSettings());
    {
        const SleepRecorder sleeps;
        g_fdb.m_busy = true;
        LoadRecordsInRange(list, "2000", "2099", CWeatherSettings());
        EXPECT_EQ(sleeps.Recorded(), (std::vector<int>{100, 100, 100}));
        EXPECT_TRUE(g_fdb.m_busy);
    }
    EXPECT_EQ(list.RowCount(), 1);
    EXPECT_EQ(list.CellText(0, 0), "99");

    g_fdb.m_busy = false;
    LoadRecordsInRange(list, "2000", "2099", CWeatherSettings());
    EXPECT_FALSE(g_fdb.m_busy);
    EXPECT_EQ(list.RowCount(), 2);
    WriteLines({});
    LoadRecordsInRange(list, "2000", "2099", CWeatherSettings());
    EXPECT_FALSE(g_fdb.m_busy);
}

TEST_F(HistoryListSearchTest, TheFirstRowOfASearchHoldsTheFirstRecordOfTheSpan) {
    std::vector<std::string> lines;
    for (int i = 100; i <= 140; ++i) {
        char time[32];
        std::snprintf(time, sizeof time, "2024-03-05 %02d:%02d:00", i / 6, i % 6 * 10);
        lines.push_back(LineOf(StoredRecord(std::to_string(i), time)));
    }
    WriteLines(lines);
    MemoryListControl list;
    InsertRecordColumns(list, kMetric);

    LoadRecordsInRange(list, "2024-03-05 20:00:00", "2024-03-05 21:40:00", kMetric);

    ASSERT_EQ(list.RowCount(), 11);
    CWeatherRecord first;
    ReadHistoryRow(first, list, 0);
    EXPECT_EQ(first.recordNo, "120");
}

// A search reuses the cells of the row before where a field repeats; every row still shows
// its own record.
TEST_F(HistoryListSearchTest, EveryRowOfASearchShowsItsOwnRecord) {
    const char* temperatures[] = {"21.5", "21.5", "---", "21.5", "-0.1", "-0.1", ""};
    std::vector<CWeatherRecord> records;
    std::vector<std::string> lines;
    for (int i = 0; i < 7; ++i) {
        char time[32];
        std::snprintf(time, sizeof time, "2024-03-05 14:%02d:00", i * 5);
        CWeatherRecord record = StoredRecord(std::to_string(i + 1), time);
        record.indTemp = temperatures[i];
        record.outTemp = temperatures[6 - i];
        record.totalRain = i < 3 ? "350.1" : "350.4";
        lines.push_back(LineOf(record));
        records.push_back(record);
        ParseRecordLine(records.back(), lines.back()); // as read back: saveTime stamped
    }
    WriteLines(lines);
    MemoryListControl list;
    InsertRecordColumns(list, kImperial);

    LoadRecordsInRange(list, "2024-03-05", "2024-03-06", kImperial);

    ASSERT_EQ(list.RowCount(), 7);
    for (int row = 0; row < 7; ++row) {
        MemoryListControl single;
        InsertRecordColumns(single, kImperial);
        FillHistoryRow(records[row], single, 0, kImperial);
        EXPECT_EQ(Row(list, row), Row(single, 0)) << row;
    }
}

// A search over a year of records fills every row, the last as the first, however many rows
// are already there (how fast is the benchmark's to tell).
TEST_F(HistoryListSearchTest, AHundredThousandRowsFillTheListInFileOrder) {
    constexpr int kRows = 100'000;
    CWeatherRecord record = StoredRecord("1", "");
    std::vector<std::string> lines;
    for (int i = 1; i <= kRows; ++i) {
        record.recordNo = std::to_string(i);
        record.recordTime = FormatRecordTime(1704067200 + i * 300);
        record.indTemp = std::to_string(18 + i / 7 % 40 / 10.0).substr(0, 4);
        record.absPres = std::to_string(990 + i / 11 % 400 / 10.0).substr(0, 5);
        lines.push_back(LineOf(record));
    }
    WriteLines(lines);
    MemoryListControl list;
    InsertRecordColumns(list, kMetric);

    LoadRecordsInRange(list, "2000-01-01", "2100-01-01", kMetric);

    ASSERT_EQ(list.RowCount(), kRows);
    for (const int row : {0, kRows / 2, kRows - 1}) {
        CWeatherRecord stored;
        ParseRecordLine(stored, lines[row]);
        MemoryListControl single;
        InsertRecordColumns(single, kMetric);
        FillHistoryRow(stored, single, 0, kMetric);
        EXPECT_EQ(Row(list, row), Row(single, 0)) << row;
    }
}

} // namespace
