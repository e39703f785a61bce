#include "station/records/RecordLayer.h"

#include "station/records/DataFileBusy.h"
#include "tests/core/DataFileFixture.h"
#include "tests/core/FixedClock.h"
#include "tests/core/ScopedTimeZone.h"
#include "tests/core/SleepRecorder.h"

#include <atomic>
#include <chrono>
#include <functional>
#include <thread>

#include <gtest/gtest.h>

namespace {

using Clock = std::chrono::steady_clock;

std::vector<std::string> Numbers(const CWeatherRecordArray& records) {
    std::vector<std::string> numbers;
    for (const CWeatherRecord& record : records)
        numbers.push_back(record.recordNo);
    return numbers;
}

std::vector<std::string> Times(const CWeatherRecordArray& records) {
    std::vector<std::string> times;
    for (const CWeatherRecord& record : records)
        times.push_back(record.recordTime);
    return times;
}

CWeatherRecordArray Stored() {
    CWeatherRecordArray records;
    LoadAllRecords(records);
    return records;
}

// Records 1..count, five minutes apart from 2024-03-05 10:00.
void StoreNumbered(int count) {
    CWeatherRecordArray newestFirst;
    for (int i = count; i >= 1; --i) {
        char time[32];
        std::snprintf(time, sizeof time, "2024-03-05 %02d:%02d:00", 10 + (i - 1) * 5 / 60,
                      (i - 1) * 5 % 60);
        newestFirst.push_back(StoredRecord("0", time));
    }
    AppendRecords(newestFirst);
}

class RecordLayerTest : public DataFileTest {};

// ---- Appending and numbering -------------------------------------------------------------

TEST_F(RecordLayerTest, AppendsTheOldestRecordFirstAndNumbersOnFromTheLastLine) {
    StoreNumbered(5);
    const CWeatherRecordArray newestFirst = {StoredRecord("0", "2024-03-06 12:10:00"),
                                             StoredRecord("0", "2024-03-06 12:05:00"),
                                             StoredRecord("0", "2024-03-06 12:00:00")};
    AppendRecords(newestFirst);

    const CWeatherRecordArray stored = Stored();
    ASSERT_EQ(stored.size(), 8u);
    EXPECT_EQ(stored[5].recordNo, "6");
    EXPECT_EQ(stored[5].recordTime, "2024-03-06 12:00:00");
    EXPECT_EQ(stored[7].recordNo, "8");
    EXPECT_EQ(stored[7].recordTime, "2024-03-06 12:10:00");
    EXPECT_EQ(Numbers(newestFirst), (std::vector<std::string>{"0", "0", "0"}));
    EXPECT_EQ(LastRecordNumber(), 8);
}

TEST_F(RecordLayerTest, AppendedLinesCarryTheNumberRightAlignedAndTheLocalSaveTime) {
    const ScopedTimeZone zone(kCentralEurope);
    // 2024-03-31 01:30 UTC: half an hour after the clocks went forward to summer time.
    const FixedClock clock(1711848600);
    AppendRecords({StoredRecord("0", "2024-03-31 03:25:00")});

    EXPECT_EQ(Bytes().substr(0, 27), "     1, 2024-03-31 03:30:00");
    EXPECT_EQ(Bytes().substr(Bytes().size() - 2), "\r\n");
}

struct RenumberCase {
    const char* deleted;
    int next;
};

class RecordLayerRenumberTest : public RecordLayerTest,
                                public testing::WithParamInterface<RenumberCase> {};

// Numbers are never reused, except that deleting the last line gives its number back.
TEST_P(RecordLayerRenumberTest, TheNextRecordFollowsTheLastLine) {
    StoreNumbered(10);
    DeleteRecords({StoredRecord(GetParam().deleted, "")});
    AppendRecords({StoredRecord("0", "2024-03-06 00:00:00")});

    EXPECT_EQ(Stored().back().recordNo, std::to_string(GetParam().next));
    EXPECT_EQ(Stored().size(), 10u);
}

INSTANTIATE_TEST_SUITE_P(Deletes, RecordLayerRenumberTest,
                         testing::Values(RenumberCase{"8", 11}, RenumberCase{"10", 10}));

TEST_F(RecordLayerTest, AnEmptyFileHasNoLastRecordAndNumbersFromOne) {
    EXPECT_EQ(LastRecordNumber(), 0);
    CWeatherRecord last = StoredRecord("17", "2024-03-05 14:30:00");
    CWeatherRecord reset = last;
    reset.Reset();
    EXPECT_FALSE(LoadLastRecord(last));
    EXPECT_EQ(AllFields(last), AllFields(reset));

    AppendRecords({StoredRecord("0", "2024-03-05 14:30:00")});
    EXPECT_EQ(LastRecordNumber(), 1);
}

// A record cut short after its times is stored with its number, and the numbering goes on
// from it; but it lacks the console address and bytes the history download meets the stored
// record by, so the download goes on from the last whole record, read as a new record.
TEST_F(RecordLayerTest, ARecordCutShortNumbersOnButTheDownloadGoesOnFromTheLastWholeOne) {
    WriteLines({LineOf(StoredRecord("41", "2024-03-05 14:25:00")),
                "  42, 2024-03-05 14:31:00, 2024-03-05 14:30:00, 5, 46", "  \t "});
    CWeatherRecord record = StoredRecord("7", "2024-03-05 14:20:00");
    record.hexAddr = "00FFEC";

    EXPECT_TRUE(LoadLastRecord(record));
    EXPECT_EQ(record.recordNo, "41");
    EXPECT_EQ(record.recordTime, "2024-03-05 14:25:00");
    EXPECT_EQ(record.hexAddr, "00A0F4");
    EXPECT_EQ(LastRecordNumber(), 42);
    AppendRecords({StoredRecord("0", "2024-03-05 14:35:00")});
    EXPECT_EQ(Numbers(Stored()), (std::vector<std::string>{"41", "42", "43"}));
}

// Lines that hold no record, at the end of the file where the next download and append start.
const char* const kDamagedLines[] = {
    "garbage in place of a line",
    "this line, is, not a record",
    "  43, 2024-03-05 14:36:00",                          // cut before its record time
    "  43, 2024-03-05 14:36:00, 2024-03-05 14:3",         // cut inside its record time
    "  4x, 2024-03-05 14:36:00, 2024-03-05 14:35:00, 5",  // no number
    "  -4, 2024-03-05 14:36:00, 2024-03-05 14:35:00, 5",  // no record number
    "  43, 2024-03-05 14:36:00, 2024-02-30 14:35:00, 5",  // a day no calendar has
    "  43, 2024-03-05 14:36:00, 2024-03-05 24:35:00, 5",  // an hour no clock shows
    "  43, 2024-03-05 14:36:00, 2024-03-05 14:35:00x, 5", // more than a time
    ", 43, 2024-03-05 14:36:00, 2024-03-05 14:35:00, 5",  // nothing read at all
};

class RecordLayerDamagedEndTest : public RecordLayerTest,
                                  public testing::WithParamInterface<const char*> {};

// A damaged last line neither anchors the history download nor restarts the numbering: both go
// on from the last record, and the line stays in the file as it was. The record before the last
// one, which tells the download whether the ring went round, is the record before it as well.
TEST_P(RecordLayerDamagedEndTest, TheLastRecordIsTheLastLineThatHoldsOne) {
    CWeatherRecord older = StoredRecord("41", "2024-03-05 14:25:00");
    older.hexAddr = "00A0E0";
    WriteLines({LineOf(older), GetParam(), LineOf(StoredRecord("42", "2024-03-05 14:30:00")),
                GetParam(), GetParam()});
    const std::string damaged = Bytes();

    CWeatherRecord record;
    EXPECT_TRUE(LoadLastRecord(record));
    EXPECT_EQ(record.recordNo, "42");
    EXPECT_EQ(record.recordTime, "2024-03-05 14:30:00");
    EXPECT_EQ(record.uv, "2");
    EXPECT_EQ(record.hexAddr, "00A0F4");
    CWeatherRecord last;
    CWeatherRecord before;
    EXPECT_TRUE(LoadLastTwoRecords(last, before));
    EXPECT_EQ(AllFields(last), AllFields(record));
    EXPECT_EQ(before.recordNo, "41");
    EXPECT_EQ(before.hexAddr, "00A0E0");
    EXPECT_EQ(LastRecordNumber(), 42);
    EXPECT_EQ(CountStoredRecords(), 2);

    EXPECT_EQ(AppendRecords({StoredRecord("0", "2024-03-05 14:40:00")}), 1);
    EXPECT_EQ(Bytes().substr(0, damaged.size()), damaged);
    EXPECT_EQ(Numbers(Stored()), (std::vector<std::string>{"41", "42", "43"}));
    EXPECT_EQ(LastRecordNumber(), 43);
    EXPECT_EQ(CountStoredRecords(), 3);
}

INSTANTIATE_TEST_SUITE_P(Lines, RecordLayerDamagedEndTest, testing::ValuesIn(kDamagedLines));

TEST_F(RecordLayerTest, AFileOfDamagedLinesAloneHoldsNoRecord) {
    WriteLines({kDamagedLines[0], kDamagedLines[2]});
    CWeatherRecordArray records = {StoredRecord("99", "2024-03-05 14:30:00")};
    CWeatherRecord last = StoredRecord("17", "2024-03-05 14:30:00");
    CWeatherRecord reset = last;
    reset.Reset();

    LoadAllRecords(records);
    EXPECT_TRUE(records.empty()); // the file has lines: the list is the file's, empty
    EXPECT_FALSE(LoadLastRecord(last));
    EXPECT_EQ(AllFields(last), AllFields(reset));
    EXPECT_EQ(LastRecordNumber(), 0);
    EXPECT_EQ(CountStoredRecords(), 0);
    AppendRecords({StoredRecord("0", "2024-03-05 14:40:00")});
    EXPECT_EQ(Numbers(Stored()), std::vector<std::string>{"1"});
}

TEST_F(RecordLayerTest, AnOversizedRecordNumberIsHeldAtTheEndOfTheRange) {
    WriteLines({"99999999999999, 2024-03-05 14:31:00, 2024-03-05 14:30:00"});
    EXPECT_EQ(LastRecordNumber(), 2147483647);
}

// ---- Time spans ----------------------------------------------------------------------------

struct SpanCase {
    const char* name;
    const char* start;
    const char* end;
    std::vector<std::string> times;
};

void PrintTo(const SpanCase& c, std::ostream* os) {
    *os << c.name;
}

class RecordLayerSpanTest : public RecordLayerTest, public testing::WithParamInterface<SpanCase> {
protected:
    void SetUp() override {
        WriteLines({LineOf(StoredRecord("1", "2024-03-04 23:59:59")),
                    LineOf(StoredRecord("2", "2024-03-05 00:00:00")),
                    LineOf(StoredRecord("3", "2024-03-05 12:00:00")),
                    LineOf(StoredRecord("4", "2024-03-05 23:59:59")),
                    LineOf(StoredRecord("5", "2024-03-06 00:00:00"))});
    }
};

TEST_P(RecordLayerSpanTest, TheGraphGetsTheRecordsOfTheSpan) {
    CWeatherRecordArray records = {StoredRecord("99", "before")};
    LoadRecordsForGraph(records, GetParam().start, GetParam().end);
    EXPECT_EQ(Times(records), GetParam().times);
}

// Part after part, in parts of any size, the visitor is handed the records of the span.
TEST_P(RecordLayerSpanTest, AVisitorIsHandedTheRecordsOfTheSpan) {
    for (const off_t partBytes : {off_t{0}, off_t{1}}) {
        std::vector<std::vector<std::string>> parts;
        int begins = 0;
        EXPECT_TRUE(VisitRecordsInRange(
            GetParam().start, GetParam().end, partBytes,
            [&](const std::vector<std::size_t>& most) {
                ++begins;
                parts.resize(most.size());
            },
            [&](std::size_t part, const RecordFieldViews& fields) {
                parts[part].emplace_back(fields[kRecordTimePiece]);
            }));
        EXPECT_EQ(begins, 1);
        std::vector<std::string> times;
        for (const std::vector<std::string>& part : parts)
            times.insert(times.end(), part.begin(), part.end());
        EXPECT_EQ(times, GetParam().times) << "in parts of " << partBytes;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Spans, RecordLayerSpanTest,
    testing::Values(SpanCase{"BothEndsIncluded",
                             "2024-03-05 00:00:00",
                             "2024-03-05 23:59:59",
                             {"2024-03-05 00:00:00", "2024-03-05 12:00:00", "2024-03-05 23:59:59"}},
                    // A record time that begins with the end text compares greater than it.
                    SpanCase{"BareDateEndExcludesThatDate",
                             "2024-03-04",
                             "2024-03-05",
                             {"2024-03-04 23:59:59"}},
                    SpanCase{"NothingInside", "2024-03-07 00:00:00", "2024-03-08 00:00:00", {}},
                    SpanCase{"EndBeforeStart", "2024-03-06 00:00:00", "2024-03-04 00:00:00", {}}),
    [](const testing::TestParamInfo<SpanCase>& info) { return std::string(info.param.name); });

TEST_F(RecordLayerTest, AFileWithoutLinesLeavesTheRecordsAsTheyWere) {
    WriteLines({" ", ""});
    CWeatherRecordArray records = {StoredRecord("99", "2024-03-05 12:00:00")};

    LoadRecordsForGraph(records, "2000-01-01", "2099-01-01");
    LoadAllRecords(records);

    EXPECT_EQ(Numbers(records), std::vector<std::string>{"99"});
}

// Each line is read as a new record: a short one shows no value where it has no field, never
// the value of the line before; a line without a record time or number is no record. Inside a
// span the records come out as a reading of every line gives them.
TEST_F(RecordLayerTest, EachLineIsReadAsANewRecordAndDamagedLinesAreLeftOut) {
    std::vector<std::string> lines;
    for (int day = 1; day <= 9; ++day) {
        char time[32];
        std::snprintf(time, sizeof time, "2024-03-%02d 12:00:00", day);
        CWeatherRecord full = StoredRecord(std::to_string(day), time);
        full.uv = std::to_string(day);
        lines.push_back(LineOf(full));
    }
    lines[2] = "3, now, 2024-03-03 12:00:00, 5, 50"; // short
    lines[3] = "4, now";                             // no time: no record
    lines[5] = ", 6, now";                           // nothing read at all
    lines[7] = "8, now, 2024-03-08 12:00:00, 7";     // short, inside the span below
    WriteLines(lines);

    const CWeatherRecordArray all = Stored();
    EXPECT_EQ(Numbers(all), (std::vector<std::string>{"1", "2", "3", "5", "7", "8", "9"}));
    EXPECT_EQ(all[2].indHumi, "50");
    EXPECT_EQ(all[2].indTemp, "---");
    EXPECT_EQ(all[2].uv, "---");
    EXPECT_EQ(all[2].flag1, "");
    EXPECT_EQ(all[5].sampleCircle, "7");
    EXPECT_EQ(all[5].indHumi, "---");
    EXPECT_EQ(all[5].uv, "---");
    EXPECT_EQ(all[6].uv, "9");
    for (const auto& [start, end] : {std::pair{"2024-03-03", "2024-03-04"},
                                     {"2024-03-06", "2024-03-09"},
                                     {"2024-03-08", "2024-03-08 23"},
                                     {"2024-03-01", "2024-03-09 23"}}) {
        CWeatherRecordArray expected;
        for (const CWeatherRecord& record : all)
            if (record.recordTime >= std::string(start) && record.recordTime <= std::string(end))
                expected.push_back(record);
        CWeatherRecordArray inSpan;
        LoadRecordsForGraph(inSpan, start, end);

        ASSERT_EQ(inSpan.size(), expected.size()) << start;
        for (std::size_t i = 0; i < inSpan.size(); ++i)
            EXPECT_EQ(AllFields(inSpan[i]), AllFields(expected[i])) << start << " " << i;
    }
}

// ---- Deleting and clearing -----------------------------------------------------------------

TEST_F(RecordLayerTest, DeletingNothingRewritesEveryLineTrimmed) {
    const std::string line = LineOf(StoredRecord("   7", "2024-03-05 14:30:00"));
    WriteLines({line + "   ", "", "\t" + line});

    DeleteRecords({});

    // The number's padding in front and the empty last field's blanks at the end go.
    const std::size_t first = line.find_first_not_of(' ');
    const std::string trimmed = line.substr(first, line.find_last_not_of(' ') + 1 - first);
    EXPECT_EQ(Bytes(), trimmed + "\r\n" + trimmed + "\r\n");
}

// Lines that hold no record carry no number to be selected by: they stay, whatever they hold.
TEST_F(RecordLayerTest, DeletingTakesEveryRecordWithASelectedNumber) {
    WriteLines({"1, a, 2024-03-05 10:00:00", "2, b, 2024-03-05 10:05:00",
                "2, c, 2024-03-05 10:10:00", ", d, no number",
                "2, d, no record time, 2024-03-05 10:12:00", "3, e, 2024-03-05 10:15:00",
                "12, f, 2024-03-05 10:20:00"});

    DeleteRecords({StoredRecord("2", ""), StoredRecord("12", ""), StoredRecord(" 3", "")});

    EXPECT_EQ(Bytes(), "1, a, 2024-03-05 10:00:00\r\n, d, no number\r\n"
                       "2, d, no record time, 2024-03-05 10:12:00\r\n"
                       "3, e, 2024-03-05 10:15:00\r\n");
}

TEST_F(RecordLayerTest, DeletingEveryLineLeavesAnEmptyFileAndAnEmptyFileIsNotRewritten) {
    WriteLines({"1, a, 2024-03-05 10:00:00"});
    EXPECT_TRUE(DeleteRecords({StoredRecord("1", "")}));
    EXPECT_EQ(Bytes(), "");

    WriteLines({"", "  "});
    EXPECT_TRUE(DeleteRecords({}));
    EXPECT_EQ(Bytes(), "\r\n  \r\n");
}

// Its last record is read and its records counted, but it is not ready for an append: the
// monitor thread downloads nothing into it, and the console keeps the records.
TEST_F(RecordLayerTest, AFileThatMayNotBeWrittenIsCountedButNotReadyForAnAppend) {
    StoreNumbered(3);
    const ScopedUnwritableFiles unwritable;
    EXPECT_EQ(LastRecordNumber(), 3);
    CWeatherRecord last;
    EXPECT_TRUE(LoadLastRecord(last));
    EXPECT_EQ(last.recordTime, "2024-03-05 10:10:00");
    EXPECT_EQ(CountStoredRecords(), 3);
    EXPECT_FALSE(SetAsideTornLastLine());
}

TEST_F(RecordLayerTest, ClearingEmptiesTheFile) {
    StoreNumbered(3);
    EXPECT_TRUE(ClearDataFile());
    EXPECT_EQ(Bytes(), "");
}

// ---- The busy flag -------------------------------------------------------------------------

struct FlaggedOperation {
    const char* name;
    // Runs the operation on records of the caller's and returns what it left in them.
    std::function<std::string()> run;
    // What the caller's records held before.
    const char* before;
    // What it gives over records 1..3 in a file that may be read but not written.
    const char* unwritable;
};

void PrintTo(const FlaggedOperation& op, std::ostream* os) {
    *os << op.name;
}

std::string Joined(const std::vector<std::string>& texts) {
    std::string joined;
    for (const std::string& text : texts)
        joined += text + ";";
    return joined;
}

const FlaggedOperation kFlagged[] = {
    {"LoadRecordsForGraph",
     [] {
         CWeatherRecordArray records = {StoredRecord("99", "")};
         LoadRecordsForGraph(records, "2000", "2099");
         return Joined(Numbers(records));
     },
     "99;", "1;2;3;"},
    {"VisitRecordsInRange",
     [] {
         int calls = 0;
         const bool read = VisitRecordsInRange(
             "2000", "2099", 0, [&](const std::vector<std::size_t>&) { ++calls; },
             [&](std::size_t, const RecordFieldViews&) { ++calls; });
         return std::string(read ? "read " : "") + std::to_string(calls);
     },
     "0", "read 4"},
    {"LoadAllRecords",
     [] {
         CWeatherRecordArray records = {StoredRecord("99", "")};
         LoadAllRecords(records);
         return Joined(Numbers(records));
     },
     "99;", "1;2;3;"},
    {"AppendRecords",
     [] { return std::to_string(AppendRecords({StoredRecord("0", "2024-03-06 00:00:00")})); }, "0",
     "0"},
    {"DeleteRecords",
     [] { return std::string(DeleteRecords({StoredRecord("1", "")}) ? "deleted" : ""); }, "", ""},
    {"ClearDataFile", [] { return std::string(ClearDataFile() ? "cleared" : ""); }, "", ""},
};

class RecordLayerBusyTest : public RecordLayerTest,
                            public testing::WithParamInterface<FlaggedOperation> {};

TEST_P(RecordLayerBusyTest, WaitsThreeTimesThenGivesUpWithoutEffect) {
    StoreNumbered(3);
    const std::string before = Bytes();
    const SleepRecorder sleeps;
    g_fdb.m_busy = true; // held by someone else

    EXPECT_EQ(GetParam().run(), GetParam().before);
    EXPECT_EQ(sleeps.Recorded(), (std::vector<int>{100, 100, 100}));
    EXPECT_EQ(Bytes(), before);
    EXPECT_TRUE(g_fdb.m_busy); // still the other holder's
}

// A backup copy, a read-only mount: every reader reads what the file holds, no writer changes
// it, and the writers say so.
TEST_P(RecordLayerBusyTest, AFileThatMayNotBeWrittenIsReadAndLeftAsItIs) {
    StoreNumbered(3);
    const std::string before = Bytes();
    const ScopedUnwritableFiles unwritable;
    EXPECT_EQ(GetParam().run(), GetParam().unwritable);
    EXPECT_EQ(Bytes(), before);
    EXPECT_FALSE(g_fdb.m_busy);
}

TEST_P(RecordLayerBusyTest, LeavesTheFlagClearAfterwards) {
    GetParam().run();
    EXPECT_FALSE(g_fdb.m_busy);
    StoreNumbered(2);
    GetParam().run();
    EXPECT_FALSE(g_fdb.m_busy);
}

INSTANTIATE_TEST_SUITE_P(Operations, RecordLayerBusyTest, testing::ValuesIn(kFlagged),
                         [](const testing::TestParamInfo<FlaggedOperation>& info) {
                             return info.param.name;
                         });

// Another thread holds the flag for the given time while this one appends a record.
bool AppendWhileHeldFor(std::chrono::milliseconds hold) {
    std::atomic<bool> held{false};
    std::thread holder([&] {
        const CBusyGuard busy = WaitAndTakeDataFile();
        held = busy.IsTaken();
        std::this_thread::sleep_for(hold);
    });
    while (!held)
        std::this_thread::yield();
    const int before = LastRecordNumber();
    const auto start = Clock::now();
    AppendRecords({StoredRecord("0", "2024-03-06 00:00:00")});
    const auto waited = Clock::now() - start;
    holder.join();
    EXPECT_GE(waited, std::min<Clock::duration>(hold, std::chrono::milliseconds(300)));
    return LastRecordNumber() == before + 1;
}

TEST_F(RecordLayerTest, AnOperationGivesUpWhenAnotherThreadHoldsTheFileLongerThan300Ms) {
    StoreNumbered(1);
    EXPECT_FALSE(AppendWhileHeldFor(std::chrono::milliseconds(700)));
    EXPECT_FALSE(g_fdb.m_busy);
}

TEST_F(RecordLayerTest, AnOperationWaitsForAnotherThreadThatLetsGoInTime) {
    StoreNumbered(1);
    EXPECT_TRUE(AppendWhileHeldFor(std::chrono::milliseconds(120)));
    EXPECT_FALSE(g_fdb.m_busy);
}

// The newest-line readers take no flag, but never meet another thread's open or close of the
// store: each of their readings finds the last line whole.
TEST_F(RecordLayerTest, ReadingTheLastLineNeverOverlapsAnotherThreadsUse) {
    StoreNumbered(1);
    std::atomic<bool> done{false};
    std::thread writer([&] {
        for (int i = 0; i < 150; ++i) {
            AppendRecords({StoredRecord("0", "2024-03-06 00:00:00")});
            CWeatherRecordArray records;
            LoadRecordsForGraph(records, "2024-03-06", "2024-03-07");
        }
        done = true;
    });
    int last = 1;
    int readings = 0;
    bool monotonic = true;
    while (!done) {
        CWeatherRecord record;
        const int number = LastRecordNumber();
        const bool read = LoadLastRecord(record);
        monotonic =
            monotonic && read && number >= last && std::atoi(record.recordNo.c_str()) >= number;
        last = number;
        ++readings;
    }
    writer.join();
    EXPECT_TRUE(monotonic);
    EXPECT_GT(readings, 0);
    EXPECT_EQ(LastRecordNumber(), 151);
}

} // namespace
