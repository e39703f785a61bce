// The range reads and rain sums against their plain forms (PlainRecordReading.h), on data files
// with everything a data file can hold: times out of order and an hour repeated when daylight
// saving ends, short lines, lines that hold no record (garbage, no number, a time no calendar
// knows), blank lines, both line ends, a torn last line, and appends, deletes and changes by
// another program in between the reads.
#include "station/records/GraphRecords.h"
#include "station/records/HistoryList.h"
#include "station/records/RainSum.h"
#include "station/records/RecordLayer.h"
#include "station/records/RowsOnlyList.h"
#include "station/values/TimeText.h"
#include "tests/core/DataFileFixture.h"
#include "tests/core/MemoryListControl.h"
#include "tests/core/PlainRecordReading.h"
#include "tests/core/ScopedTimeZone.h"

#include <cstdio>
#include <random>

#include <gtest/gtest.h>

namespace {

// Writes data files of generated records with every feature above, starting a week before
// daylight saving ends and running into the next month.
class DataFileMaker {
public:
    explicit DataFileMaker(unsigned seed) : m_random(seed) {}

    // `count` lines more, each ended by CR LF or LF.
    void AddLines(int count) {
        for (int i = 0; i < count; ++i)
            m_bytes += NextLine() + (Chance(2) ? "\r\n" : "\n");
    }
    // A last line cut short: a part of a record's line without its end.
    void AddTornLine() {
        const std::string line = LineOf(NextRecord());
        m_bytes += line.substr(0, m_random() % line.size());
    }
    const std::string& Bytes() const { return m_bytes; }

    // Records newest first, as a download delivers them, from where the file ends.
    CWeatherRecordArray Download(int count) {
        CWeatherRecordArray records;
        for (int i = 0; i < count; ++i)
            records.insert(records.begin(), NextRecord());
        return records;
    }
    std::string SomeTime() {
        return FormatRecordTime(m_first + m_random() % (m_time - m_first + 1));
    }
    bool Chance(unsigned oneIn) { return m_random() % oneIn == 0; }
    unsigned Next(unsigned below) { return m_random() % below; }

private:
    CWeatherRecord NextRecord() {
        m_time += 300;
        if (Chance(150))
            m_time -= 600 + m_random() % 7200; // the clock was set back
        if (Chance(400))
            m_time += 86400 * (1 + m_random() % 5); // the station was off
        m_rain += Chance(4) ? 0.3 * (1 + m_random() % 5) : 0;
        const bool noRain = Chance(40);
        char rain[32];
        std::snprintf(rain, sizeof rain, "%.1f", m_rain);
        ++m_number;
        CWeatherRecord record =
            StoredRecord(std::to_string(m_number), FormatRecordTime(m_time), noRain ? "---" : rain,
                         Chance(3) ? "0.3" : "0.0", std::to_string(100 + m_number % 50) + ".4");
        char address[8];
        std::snprintf(address, sizeof address, "%06X", 0x100 + m_number % 3264 * 20);
        record.hexAddr = address;
        return record;
    }

    std::string NextLine() {
        switch (m_random() % 100) {
        case 0:
        case 1:
        case 2: { // a line with only its first fields
            const std::string line = LineOf(NextRecord());
            std::size_t cut = 0;
            for (unsigned fields = m_random() % 39; fields > 0 && cut != std::string::npos;
                 --fields)
                cut = line.find(',', cut + 1);
            return line.substr(0, cut);
        }
        case 3: // a time no calendar knows, or none at all
            return "  77, 2024-10-30 10:00:00, 2024-1" + std::to_string(m_random() % 40) +
                   "-xx 99:00, 5, 40";
        case 4:
            return Chance(2) ? ",,," : "garbage";
        case 6: { // a whole line whose number is no number
            const std::string line = LineOf(NextRecord());
            const char* numbers[] = {"x", "-5", "1.5", "", "1 2"};
            return numbers[m_random() % std::size(numbers)] + line.substr(line.find(','));
        }
        case 7: { // a whole line dated to a day, hour or second the calendar lacks
            std::string line = LineOf(NextRecord());
            const char* times[] = {"2024-02-30 12:00:00", "2023-02-29 12:00:00",
                                   "2024-10-31 24:00:00", "2024-10-31 12:60:00",
                                   "2024-10-31 12:00:60", "1899-12-31 12:00:00"};
            const std::size_t at = line.find(", ", line.find(", ") + 2) + 2;
            return line.replace(at, 19, times[m_random() % std::size(times)]);
        }
        case 5:
            return Chance(2) ? "" : " \t ";
        default:
            return LineOf(NextRecord());
        }
    }

    std::mt19937 m_random;
    const time_t m_first = TextToTime("2024-10-20 12:00:00");
    time_t m_time = m_first;
    int m_number = 0;
    double m_rain = 19600.0; // wraps at 19660.8
    std::string m_bytes;
};

std::vector<std::vector<std::string>> Rows(const IListControl& list) {
    std::vector<std::vector<std::string>> rows;
    for (int row = 0; row < list.RowCount(); ++row) {
        rows.emplace_back();
        for (int column = 0; column < list.ColumnCount(); ++column)
            rows.back().push_back(list.CellText(row, column));
    }
    return rows;
}

std::vector<std::string> Fields(const CWeatherRecordArray& records) {
    std::vector<std::string> fields;
    for (const CWeatherRecord& record : records)
        fields.push_back(AllFields(record));
    return fields;
}

// A lean record as text, every number exact.
std::string LeanText(const CGraphRecord& record) {
    char text[64];
    std::snprintf(text, sizeof text, "%a%s", record.time, record.HasWholeTime() ? "" : " part");
    std::string all = text;
    for (int value = 0; value < kGraphValueCount; ++value) {
        const auto graphValue = static_cast<GraphValue>(value);
        std::snprintf(text, sizeof text, " %a", record.Number(graphValue));
        all += record.Has(graphValue) ? text : " -";
    }
    return all;
}

std::vector<std::string> LeanTexts(const CGraphRecordArray& records) {
    std::vector<std::string> texts;
    for (const CGraphRecord& record : records)
        texts.push_back(LeanText(record));
    return texts;
}

class RecordLayerDifferentialTest : public DataFileTest {
protected:
    // The list's rows of the span, made in parts from a block to the whole span, are the rows
    // `expected`, in the dialog's compact rows and in a list that takes the cells.
    void ExpectListInParts(const std::string& start, const std::string& end,
                           const std::vector<std::vector<std::string>>& expected) {
        for (const off_t partBytes : {off_t{1}, off_t{100} << 10}) {
            MemoryListControl cells;
            RowsOnlyList rows;
            for (IListControl* list : std::initializer_list<IListControl*>{&cells, &rows}) {
                InsertRecordColumns(*list, m_units);
                LoadRecordsInRange(*list, start, end, m_units, partBytes);
                EXPECT_EQ(Rows(*list), expected)
                    << "span " << start << " .. " << end << " in parts of " << partBytes;
            }
        }
    }

    // The graph's lean records of the span, read in parts of every size from a block to more
    // than the file, are the plain reading's records made lean.
    void ExpectLeanRead(const std::string& start, const std::string& end,
                        const CWeatherRecordArray& expected, bool anyLine) {
        const CGraphRecord kept = MakeGraphRecord(StoredRecord("0", "kept"));
        CGraphRecordArray plain;
        for (const CWeatherRecord& record : anyLine ? expected : CWeatherRecordArray{})
            plain.push_back(MakeGraphRecord(record));
        if (!anyLine)
            plain.push_back(kept);
        for (const off_t partBytes : {off_t{1}, off_t{100} << 10, kGraphReadPartBytes}) {
            CGraphRecordArray lean{kept};
            LoadGraphRecords(lean, start, end, partBytes);
            EXPECT_EQ(LeanTexts(lean), LeanTexts(plain))
                << "span " << start << " .. " << end << " in parts of " << partBytes;
        }
    }

    // Every range read of the span gives the plain reading's records.
    void ExpectSpanRead(const std::string& start, const std::string& end) {
        const std::string where = "span " + start + " .. " + end;
        const CWeatherRecordArray expected = PlainRecords(DataPath(), &start, &end);
        const bool anyLine = !PlainLines(Bytes()).empty();

        CWeatherRecordArray graph = {StoredRecord("0", "kept when the file has no line")};
        LoadRecordsForGraph(graph, start, end);
        EXPECT_EQ(Fields(graph),
                  anyLine ? Fields(expected)
                          : Fields({StoredRecord("0", "kept when the file has no line")}))
            << where;

        std::vector<CWeatherRecordArray> parts;
        EXPECT_EQ(VisitRecordsInRange(
                      start, end, 0,
                      [&](const std::vector<std::size_t>& most) { parts.resize(most.size()); },
                      [&](std::size_t part, const RecordFieldViews& fields) {
                          AssignFields(parts[part].emplace_back(), fields);
                      }),
                  anyLine);
        CWeatherRecordArray visited;
        for (const CWeatherRecordArray& part : parts)
            visited.insert(visited.end(), part.begin(), part.end());
        EXPECT_EQ(Fields(visited), Fields(expected)) << where;
        ExpectLeanRead(start, end, expected, anyLine);

        MemoryListControl list;
        MemoryListControl plainList;
        for (MemoryListControl* control : {&list, &plainList})
            InsertRecordColumns(*control, m_units);
        LoadRecordsInRange(list, start, end, m_units);
        for (std::size_t row = 0; row < expected.size(); ++row)
            FillHistoryRow(expected[row], plainList, static_cast<int>(row), m_units);
        EXPECT_EQ(Rows(list), Rows(plainList)) << where;
        ExpectListInParts(start, end, Rows(plainList));
    }

    void ExpectSpanReads(DataFileMaker& maker) {
        for (int i = 0; i < 6; ++i) {
            std::string a = maker.SomeTime();
            std::string b = maker.SomeTime();
            if (maker.Chance(5))
                std::swap(a, b); // an empty span, perhaps
            else if (b < a)
                std::swap(a, b);
            ExpectSpanRead(a, b);
        }
        ExpectSpanRead("2024-10-27 02:00:00", "2024-10-27 02:59:59"); // the repeated hour
        ExpectSpanRead("2024-10-25 00:00:00", "2024-10-27");          // an end without a time
        ExpectSpanRead("", "~");                                      // everything
        ExpectSpanRead("2030-01-01 00:00:00", "2030-12-31 23:59:59"); // nothing
    }

    void ExpectRainSums(DataFileMaker& maker) {
        const CWeatherRecordArray stored = PlainRecords(DataPath());
        for (int i = 0; i < 4; ++i) {
            CWeatherRecordArray download = maker.Download(1 + static_cast<int>(maker.Next(40)));
            if (maker.Chance(3))
                download.back().recordTime = maker.SomeTime(); // from before the newest stored
            CWeatherRecordArray expected = download;
            PlainRainForList(expected, stored);
            AccumulateRainForList(download, nullptr);
            EXPECT_EQ(Fields(download), Fields(expected)) << "a download of " << download.size();

            CWeatherRecord live = download.front();
            CWeatherRecord plain = live;
            PlainRain(plain, stored);
            AccumulateRainForRecord(live);
            EXPECT_EQ(AllFields(live), AllFields(plain)) << "the record at " << live.recordTime;
        }
    }

    ScopedTimeZone m_zone{"Europe/Berlin"};
    CWeatherSettings m_units = [] {
        CWeatherSettings units;
        units.indTempUnit = units.outTempUnit = "\xC2\xB0"
                                                "F";
        units.presUnit = "inHg";
        units.windUnit = "bft";
        units.rainUnit = "inch";
        units.lightmeterUnit = "fc";
        return units;
    }();
};

TEST_F(RecordLayerDifferentialTest, RangeReadsAndRainSumsEqualThePlainReadingsOnEveryKindOfFile) {
    for (unsigned seed = 1; seed <= 4; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        DataFileMaker maker(seed);
        maker.AddLines(seed == 1 ? 3 : 1500 + static_cast<int>(maker.Next(1000)));
        if (seed % 2 == 0)
            maker.AddTornLine();
        WriteBytes(DataPath(), maker.Bytes());
        ExpectSpanReads(maker);
        ExpectRainSums(maker);

        // Appends extend what the reads know of the file, deletes change it throughout.
        AppendRecords(maker.Download(1 + static_cast<int>(maker.Next(300))));
        ExpectSpanReads(maker);
        CWeatherRecordArray gone(3);
        for (CWeatherRecord& record : gone)
            record.recordNo = std::to_string(1 + maker.Next(2000));
        DeleteRecords(gone);
        ExpectSpanReads(maker);
        ExpectRainSums(maker);
    }
}

TEST_F(RecordLayerDifferentialTest, AFileChangedByAnotherProgramIsReadAsItNowStands) {
    DataFileMaker maker(7);
    maker.AddLines(2000);
    WriteBytes(DataPath(), maker.Bytes());
    ExpectSpanReads(maker);

    // Another program writes lines of its own at the end, then rewrites the file shorter.
    DataFileMaker other(8);
    other.AddLines(500);
    WriteBytes(DataPath(), maker.Bytes() + other.Bytes());
    ExpectSpanReads(other);
    WriteBytes(DataPath(), other.Bytes());
    ExpectSpanReads(other);
    ExpectSpanReads(maker);
}

// Many threads read the parts of one span at once, each into its own records.
TEST_F(RecordLayerDifferentialTest, ASpanReadInPartsSideBySideGivesThePlainRecords) {
    DataFileMaker maker(11);
    maker.AddLines(3000);
    maker.AddTornLine();
    WriteBytes(DataPath(), maker.Bytes());
    ExpectLeanRead("", "~", PlainRecords(DataPath()), true);
    const std::string start = maker.SomeTime();
    const std::string end = "~";
    const CWeatherRecordArray expected = PlainRecords(DataPath(), &start, &end);
    ExpectLeanRead(start, end, expected, true);
    MemoryListControl plainList;
    InsertRecordColumns(plainList, m_units);
    for (std::size_t row = 0; row < expected.size(); ++row)
        FillHistoryRow(expected[row], plainList, static_cast<int>(row), m_units);
    ExpectListInParts(start, end, Rows(plainList));
}

TEST_F(RecordLayerDifferentialTest, AnEmptyOrBlankFileLeavesTheListsAsTheyWere) {
    for (const std::string& bytes : {std::string(), std::string("\r\n  \n\t")}) {
        WriteBytes(DataPath(), bytes);
        ExpectSpanRead("", "~");
    }
}

} // namespace
