#include "app/core/MonitorThread.h"
#include "app/core/WakeEvent.h"
#include "platform/WorkerThread.h"
#include "station/console/HistoryRing.h"
#include "station/link/SimulatedConsole.h"
#include "station/link/WeatherComm.h"
#include "station/records/GraphRecords.h"
#include "station/records/HistoryList.h"
#include "station/records/RecordLayer.h"
#include "station/values/TimeText.h"
#include "tests/core/ConsoleRing.h"
#include "tests/core/DataFileFixture.h"
#include "tests/core/FixedClock.h"
#include "tests/core/MemoryListControl.h"
#include "tests/core/RecordingMonitorView.h"
#include "tests/core/ScopedTimeZone.h"
#include "tests/core/ScopedValue.h"
#include "tests/core/SleepRecorder.h"

#include <memory>
#include <optional>
#include <regex>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;

constexpr time_t kMinute = 60;
constexpr time_t kHour = 60 * kMinute;
constexpr time_t kDay = 24 * kHour;

// 2026-10-25 01:00 UTC: in Berlin, 03:00 summer time becomes 02:00 winter time.
constexpr time_t kAutumnChange = 1792890000;
// 2026-03-29 01:00 UTC: in Berlin, 02:00 winter time becomes 03:00 summer time.
constexpr time_t kSpringChange = 1774746000;

// A record of the data file as the tests compare it: where the console held it, and its time.
using Stored = std::pair<std::string, std::string>;

// The monitor thread over the console emulator as a station owner's PC lives it, in Berlin: the
// console finishes a record every interval (five minutes unless a test sets another), its rain
// counter moving on by one each time, the thread reads the console once after each, and the
// program's clock moves as the PC's clock does, or is set. The console's memory may fail to be
// read at one slot for a while.
//
// The test keeps what the data file must hold: each record the console still holds at a
// reading, once, in the order the console wrote them. While the clock is steady, a record is
// dated on from the one stored before it by its interval. At a first reading, and at the first
// after the clock was set or the console paused, it is dated backwards from the reading by the
// PC's clock: the newest complete record at the reading's time, each before it by the intervals.
// A record given up as unreadable is left out, and the others are dated as if it were there.
class ClockChangeTest : public DataFileTest {
protected:
    ClockChangeTest() {
        g_weatherComm.m_busy = false;
        g_wakeEvent.Wait(0ms); // a wake left over from an earlier test
        m_emulator.SetMemory(0, std::vector<std::uint8_t>(std::begin(g_simFixedBlockTemplate),
                                                          std::end(g_simFixedBlockTemplate)));
    }
    ~ClockChangeTest() override { StopThread(); }

    // The console, set to record every `m_interval` minutes, holds `held` finished records, the
    // newest finished at `now`, and fills the next slot. The thread starts and, when `read`,
    // takes its first reading.
    void Begin(time_t now, int held, bool read = true) {
        m_emulator.SetMemory(kIntervalAt, {static_cast<std::uint8_t>(m_interval)});
        m_now = now - held * m_interval * kMinute;
        for (int i = 0; i < held; ++i)
            Finish();
        ASSERT_TRUE(g_weatherComm.Connect());
        g_weatherComm.EnableLinkPolling();
        if (read)
            ReadAndCheck();
    }

    // The console finishes the record it is filling, an interval after the one before it.
    void Finish() {
        m_now += m_interval * kMinute;
        m_emulator.SetMemory(m_newest, ring::Record(m_interval, m_serial & 0xFFFF));
        m_finished.push_back({m_newest, m_now});
        ++m_serial;
        m_newest = HistorySlotBefore(m_newest, -1);
        m_emulator.SetMemory(m_newest, ring::Record(m_interval, 0xFFFF));
        ring::SetPointer(m_emulator, m_newest, static_cast<int>(m_finished.size()) + 1);
    }

    // Time in which the console records nothing: an interval, or `duration`.
    void Idle(time_t duration = 0) {
        m_now += duration ? duration : m_interval * kMinute;
        m_dateByClock = true;
    }

    // The PC's clock is set `by` seconds forward or back.
    void SetClockBy(time_t by) {
        m_offset += by;
        m_dateByClock = true;
    }

    // The PC's clock is set to `time`.
    void SetClockTo(time_t time) { SetClockBy(time - (m_now + m_offset)); }

    // The console address of the record `back` records before the newest finished one.
    int SlotBack(int back) const { return m_finished[m_finished.size() - 1 - back].first; }

    // The console's memory at `address` cannot be read the next `times` times.
    void FailReads(int address, long times) { m_emulator.FailReadsAt(address, times); }

    // The console's slot at `to` holds the very bytes of the record in the slot at `from`.
    void CopyRecord(int from, int to) {
        m_emulator.SetMemory(to, m_emulator.Memory(from, kHistoryRecordSize));
    }

    // The program is off for `duration` while the console records on.
    void SwitchOff(time_t duration) {
        StopThread();
        for (time_t off = 0; off < duration; off += m_interval * kMinute)
            Finish();
        m_dateByClock = true;
    }

    // The thread reads the console once; checks that it reports and stores what it should: each
    // record the data file lacks, but the one at the console address `lost`, which it gives up
    // as unreadable and reports missing.
    void ReadAndCheck(int lost = 0) {
        const time_t readAt = ReadAt();
        const std::size_t fresh = Assign(readAt, lost);
        Read(readAt);
        EXPECT_EQ(ReadRecords(), static_cast<int>(fresh)) << At();
        EXPECT_EQ(Summary().find("are missing: 1.") != std::string::npos, lost != 0) << Summary();
    }

    // The thread reads the console once but cannot read its history completely: it stores
    // nothing of it and says so, in place of a count of records read.
    void ReadAndCheckNothingStored() {
        Read(ReadAt());
        EXPECT_EQ(ReadRecords(), -1) << At();
        EXPECT_NE(Summary().find("The console's history could not be read completely, so none "
                                 "of it was stored. The next reading reads it again."),
                  std::string::npos)
            << Summary();
    }

    void FinishAndRead(int records) {
        for (int i = 0; i < records; ++i) {
            Finish();
            ReadAndCheck();
        }
    }

    // The data file holds each record the console held at a reading once, dated as it should.
    void ExpectTheRecords() {
        CWeatherRecordArray records;
        LoadAllRecords(records);
        std::vector<Stored> stored;
        for (const CWeatherRecord& record : records)
            stored.emplace_back(record.hexAddr, record.recordTime);
        EXPECT_EQ(stored, m_expected);
    }

    void StopThread() {
        if (!m_view)
            return;
        m_view->RequestStop();
        g_wakeEvent.Set();
        m_thread.Join();
        m_view.reset();
        m_summaries = 0;
    }

    int m_interval = 5; // minutes from one record to the next

private:
    // Where the fixed block holds the console's record interval.
    static constexpr int kIntervalAt = 0x10;

    void StartThread() {
        m_view.emplace();
        ASSERT_TRUE(
            m_thread.Start([this] { MonitorThread(*m_view); }, ThreadPriority::kBelowNormal));
    }

    // The monitor thread reads the console a little after each record the console finishes, not
    // always equally long after, so that a record dated backwards from the reading and one dated
    // on from the record before it are dated apart; by the PC's clock.
    time_t ReadAt() {
        const time_t delay = (30 + m_readings++ % 4 * 40) * m_interval / 5;
        return m_now + delay + m_offset;
    }

    // The thread reads the console once, at `readAt` by the PC's clock.
    void Read(time_t readAt) {
        m_clock.emplace(readAt);
        if (m_view)
            g_wakeEvent.Set();
        else
            StartThread();
        ASSERT_TRUE(m_view->WaitFor(kSummary, ++m_summaries));
    }

    // The records the console holds at a reading at `readAt` (by the PC's clock) and the data
    // file lacks, with their times, but for the one at the console address `lost`.
    std::size_t Assign(time_t readAt, int lost) {
        const std::size_t held = std::min<std::size_t>(m_finished.size(), kHistorySlotCount - 1);
        const std::size_t first = std::max(m_finished.size() - held, m_assigned);
        const time_t newest = m_finished.empty() ? 0 : m_finished.back().second;
        for (std::size_t i = first; i < m_finished.size(); ++i) {
            const time_t finished = m_finished[i].second;
            m_lastTime = m_dateByClock ? readAt - (newest - finished)
                                       : m_lastTime + (finished - m_finished[i - 1].second);
            if (m_finished[i].first == lost)
                continue;
            char address[8];
            std::snprintf(address, sizeof address, "%06X", m_finished[i].first);
            m_expected.emplace_back(address, FormatRecordTime(m_lastTime));
        }
        if (first < m_finished.size())
            m_dateByClock = false;
        m_assigned = m_finished.size();
        return m_finished.size() - first - (lost ? 1 : 0);
    }

    std::string Summary() const { return m_view->Log().back(); }

    int ReadRecords() const {
        static const std::regex kCount("Read Records: ([0-9]+)");
        std::smatch match;
        const std::string summary = Summary();
        return std::regex_search(summary, match, kCount) ? std::stoi(match[1]) : -1;
    }

    std::string At() const { return "the reading after the record of " + FormatRecordTime(m_now); }

    ScopedTimeZone m_zone{"Europe/Berlin"};
    SleepRecorder m_sleeps;
    ConsoleEmulator m_emulator;
    ScopedValue<std::unique_ptr<CConsoleLink>> m_link{g_weatherComm.m_link, EmulatorLink()};
    ScopedValue<CLinkSettings> m_ids{g_weatherComm.m_settings, kEmulatorIds};
    std::optional<FixedClock> m_clock;
    std::optional<RecordingView> m_view;
    CWorkerThread m_thread;
    int m_summaries = 0;

    time_t m_now = 0;    // the true time
    time_t m_offset = 0; // the PC's clock minus the true time
    int m_readings = 0;
    bool m_dateByClock = true;
    int m_newest = kHistoryFirstSlot;
    int m_serial = 1000;
    std::vector<std::pair<int, time_t>> m_finished; // address and time of each finished record
    std::size_t m_assigned = 0;                     // of those, the ones read at a reading
    std::vector<Stored> m_expected;
    time_t m_lastTime = 0; // of the newest record expected
};

struct ChangeCase {
    const char* name;
    time_t start;
    int held;     // finished records at the first reading
    int readings; // after it, one a record
};

void PrintTo(const ChangeCase& c, std::ostream* out) {
    *out << c.name;
}

class DaylightSavingTest : public ClockChangeTest,
                           public testing::WithParamInterface<ChangeCase> {};

TEST_P(DaylightSavingTest, EveryRecordIsStoredOnceAtItsTime) {
    ASSERT_NO_FATAL_FAILURE(Begin(GetParam().start, GetParam().held));
    FinishAndRead(GetParam().readings);
    ExpectTheRecords();
}

INSTANTIATE_TEST_SUITE_P(
    Changes, DaylightSavingTest,
    testing::Values(
        // Read from an hour before the autumn change, on until three hours after it.
        ChangeCase{"AutumnFromAnHourBefore", kAutumnChange - kHour, 12, 48},
        // The last stored record already in the hour that comes twice, the first time round.
        ChangeCase{"AutumnFromInsideTheRepeatedHour", kAutumnChange - 20 * kMinute, 12, 24},
        // ... and the second time round.
        ChangeCase{"AutumnFromTheRepeatedHourAgain", kAutumnChange + 20 * kMinute, 12, 24},
        // A first download that dates the records before it backwards across the change.
        ChangeCase{"AutumnFirstDownloadJustAfter", kAutumnChange + 10 * kMinute, 40, 3},
        ChangeCase{"Spring", kSpringChange - kHour, 12, 36}),
    [](const auto& info) { return std::string(info.param.name); });

class RepeatedHourRainTest : public ClockChangeTest, public testing::WithParamInterface<int> {};

// Read on from 02:10 summer time, the first time round of the hour the autumn change repeats,
// for four hours and a half, the rain counter rising with every record: each record's hour rain
// counts the records of its own hour, the summer time's 02:00 to 02:59 and the winter time's
// being two hours.
TEST_P(RepeatedHourRainTest, EachRecordsHourRainCountsItsOwnHour) {
    m_interval = GetParam();
    const time_t begin = kAutumnChange - 50 * kMinute;
    ASSERT_NO_FATAL_FAILURE(Begin(begin, 3));
    FinishAndRead(static_cast<int>(270 * kMinute / (m_interval * kMinute)));
    StopThread();
    ExpectTheRecords();

    CWeatherRecordArray records;
    LoadAllRecords(records);
    ASSERT_FALSE(records.empty());
    // Each record's instant, dated on by the interval from the first, two intervals before the
    // one of 02:10 summer time, and the hour it lies in: in Berlin every hour begins at a whole
    // hour of universal time.
    time_t at = TextToTimeNear(records.front().recordTime, begin - 2 * m_interval * kMinute);
    double hourSum = 0;
    time_t hour = at / kHour;
    int checked = 0;
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (i > 0)
            at = TextToTimeNear(records[i].recordTime, at + m_interval * kMinute);
        const double increment = std::stod(records[i].increment);
        hourSum = at / kHour == hour ? hourSum + increment : increment;
        hour = at / kHour;
        EXPECT_NEAR(std::stod(records[i].hourRain), hourSum, 0.01)
            << records[i].recordTime << ", " << at << " s";
        checked += at >= kAutumnChange - kHour && increment > 0;
    }
    EXPECT_GE(checked, 2 * 60 / m_interval) << "records from the repeated hour on, with rain";
}

INSTANTIATE_TEST_SUITE_P(Intervals, RepeatedHourRainTest, testing::Values(5, 30, 60, 90, 120),
                         [](const auto& info) {
                             return "Every" + std::to_string(info.param) + "Minutes";
                         });

// History and Graph spans over the repeated hour take each of its records, also those whose
// times come after the file's times went back an hour.
TEST_F(ClockChangeTest, ASpanOverTheRepeatedHourTakesEveryRecordOfIt) {
    ASSERT_NO_FATAL_FAILURE(Begin(kAutumnChange - 2 * kHour, 1200));
    FinishAndRead(48);
    StopThread();
    const std::string start = "2026-10-25 02:00:00";
    const std::string end = "2026-10-25 02:59:59";

    // Also read in parts of a few lines each, side by side.
    for (const off_t part : {kGraphReadPartBytes, off_t{1024}}) {
        CGraphRecordArray graph;
        LoadGraphRecords(graph, start, end, part);
        EXPECT_EQ(graph.size(), 24u) << "twelve records each time round, parts of " << part;
    }
    MemoryListControl list;
    CWeatherSettings settings;
    InsertRecordColumns(list, settings);
    LoadRecordsInRange(list, start, end, settings);
    EXPECT_EQ(list.RowCount(), 24);
}

struct SetCase {
    const char* name;
    time_t by;                // how far the clock is set forward, or back
    const char* to = nullptr; // or the time it is set to
    time_t off = 0;           // how long the program was off before
    int interval = 5;         // the console's, in minutes
};

void PrintTo(const SetCase& c, std::ostream* out) {
    *out << c.name;
}

class ClockSetTest : public ClockChangeTest, public testing::WithParamInterface<SetCase> {};

// A clock corrected by more than the records' intervals allow for: the records after it carry
// the clock's new times; none is lost, none stored twice, however far the clock went and
// whatever the console recorded meanwhile.
TEST_P(ClockSetTest, TheRecordsAfterItTakeTheClocksTimeAndAreStoredOnce) {
    const SetCase& c = GetParam();
    m_interval = c.interval;
    ASSERT_NO_FATAL_FAILURE(Begin(TextToTime("2026-11-10 09:00:00"), 12));
    FinishAndRead(6);
    if (c.off)
        SwitchOff(c.off);
    if (c.to)
        SetClockTo(TextToTime(c.to));
    else
        SetClockBy(c.by);
    if (c.off)
        ReadAndCheck();
    FinishAndRead(12);
    ExpectTheRecords();
}

INSTANTIATE_TEST_SUITE_P(
    Corrections, ClockSetTest,
    testing::Values(SetCase{"Back20Minutes", -20 * kMinute},
                    SetCase{"Forward20Minutes", 20 * kMinute}, SetCase{"Back2Hours", -2 * kHour},
                    SetCase{"Forward2Hours", 2 * kHour},
                    // Further than half a ring of intervals: the stored record's slot still holds
                    // its bytes, and it is the stored record.
                    SetCase{"Forward6Days", 6 * kDay},
                    SetCase{"OneMinuteForward28Hours", 28 * kHour, nullptr, 0, 1},
                    // The console's ring went round meanwhile: the stored record's slot holds
                    // another record, whose backward date lies long before the stored one.
                    SetCase{"ResetTo2000After12DaysOff", 0, "2000-01-01 00:00:00", 12 * kDay},
                    SetCase{"OneMinuteBack60HoursAfter3DaysOff", -60 * kHour, nullptr, 3 * kDay, 1},
                    SetCase{"Unchanged12DaysOff", 0, nullptr, 12 * kDay}),
    [](const auto& info) { return std::string(info.param.name); });

// A console that records nothing new is read as having nothing new, however long; when it goes
// on, its new records are stored once, dated by the clock.
TEST_F(ClockChangeTest, AConsoleThatStopsRecordingGivesNothingNewAndLaterItsRecordsOnce) {
    ASSERT_NO_FATAL_FAILURE(Begin(TextToTime("2026-11-10 09:00:00"), 12));
    FinishAndRead(3);
    for (int i = 0; i < 7; ++i) {
        Idle();
        ReadAndCheck(); // "Read Records: 0"
    }
    FinishAndRead(6);
    // Longer than half the ring's time, then longer than the ring's time: the newest complete
    // record is still the stored one.
    for (const time_t pause : {7 * kDay, 14 * kDay}) {
        Idle(pause);
        ReadAndCheck();
        FinishAndRead(3);
    }
    ExpectTheRecords();
}

// Twelve days off: the console's ring has gone round, and the stored record's slot happens to
// hold a record of its very bytes (a dry, still night), while the slot before it holds another
// record than the data file's line before. The ring's records are all new, dated backwards from
// now.
TEST_F(ClockChangeTest, AfterMoreThanARingARecordOfTheStoredOnesBytesIsANewOne) {
    ASSERT_NO_FATAL_FAILURE(Begin(TextToTime("2026-11-10 09:00:00"), 12));
    FinishAndRead(3);
    const int stored = SlotBack(0);
    const int spare = SlotBack(1);
    CopyRecord(stored, spare);
    SwitchOff(12 * kDay);
    CopyRecord(spare, stored);
    ReadAndCheck();
    FinishAndRead(2);
    ExpectTheRecords();
}

struct ReadFaultCase {
    const char* name;
    bool firstDownload; // into an empty data file
    int back;           // the unreadable record, counted back from the newest finished one
    long failures;      // the reads of its slot that fail
    int nothingStored;  // the readings that store nothing
    bool lost;          // whether its record is given up at last
};

void PrintTo(const ReadFaultCase& c, std::ostream* out) {
    *out << c.name;
}

class ReadFaultTest : public ClockChangeTest, public testing::WithParamInterface<ReadFaultCase> {};

// The console's memory fails to be read at one slot. A reading that cannot read a slot before
// it meets the stored record stores nothing, and the next one reads it all again; only a slot
// that stays unreadable has its record given up, and the others are stored. No record is lost
// to a failed read that a later reading mends, none stored twice, each at its time.
TEST_P(ReadFaultTest, NoRecordIsLostOrStoredTwice) {
    const ReadFaultCase& c = GetParam();
    ASSERT_NO_FATAL_FAILURE(Begin(TextToTime("2026-11-10 09:00:00"), 12, !c.firstDownload));
    if (!c.firstDownload) {
        FinishAndRead(3);
        // Three more records since the stored one: the stored one is 3 back.
        for (int i = 0; i < 3; ++i)
            Finish();
    }
    const int slot = SlotBack(c.back);
    FailReads(slot, c.failures);
    for (int i = 0; i < c.nothingStored; ++i) {
        ReadAndCheckNothingStored();
        Finish();
    }
    ReadAndCheck(c.lost ? slot : 0);
    FinishAndRead(3);
    ExpectTheRecords();
}

constexpr long kForEver = 1000;

INSTANTIATE_TEST_SUITE_P(
    Faults, ReadFaultTest,
    testing::Values(
        // A read failing once is read again at once.
        ReadFaultCase{"AHiccupAtTheStoredSlot", false, 3, 1, 0, false},
        ReadFaultCase{"OneFailedReadingOfTheStoredSlot", false, 3, 3, 1, false},
        ReadFaultCase{"OneFailedReadingOfASlotBetween", false, 1, 3, 1, false},
        ReadFaultCase{"ASlotBetweenUnreadableForSeveralReadings", false, 1, kForEver, 2, true},
        // Given up, the stored record's slot is still taken for it: the slot before it holds
        // the data file's record before.
        ReadFaultCase{"TheStoredSlotUnreadableForSeveralReadings", false, 3, kForEver, 2, false},
        // The slot before the stored one cannot tell whether the ring went round: the stored
        // record's slot, holding its bytes, is taken at its word.
        ReadFaultCase{"TheSlotBeforeTheStoredOneUnreadable", false, 4, kForEver, 0, false},
        ReadFaultCase{"OneFailedReadingAtTheFirstDownload", true, 5, 3, 1, false},
        ReadFaultCase{"ASlotUnreadableForSeveralFirstDownloads", true, 5, kForEver, 2, true}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
