#include "app/core/MonitorThread.h"

#include "app/core/Config.h"
#include "app/core/WakeEvent.h"
#include "platform/FileLock.h"
#include "platform/WorkerThread.h"
#include "station/link/WeatherComm.h"
#include "station/records/RecordLayer.h"
#include "station/threads/BusyFlag.h"
#include "station/values/TimeText.h"
#include "store/FDB.h"
#include "tests/core/DataFileFixture.h"
#include "tests/core/FileTestSupport.h"
#include "tests/core/FixedClock.h"
#include "tests/core/RecordingMonitorView.h"
#include "tests/core/ScopedSimulatedLink.h"
#include "tests/core/ScopedTimeZone.h"
#include "tests/core/ScopedValue.h"
#include "tests/core/SimulatedHistory.h"
#include "tests/core/SleepRecorder.h"
#include "texts/Env.h"
#include "texts/TextEntries.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <sys/resource.h>
#include <thread>

#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;

// The monitor thread over the simulated console of test mode, with a data file of its own, a
// stopped clock, and pauses that are recorded instead of slept (the 60 s wait is real).
class MonitorThreadTest : public DataFileTest {
protected:
    MonitorThreadTest() {
        g_weatherComm.m_busy = false;
        g_wakeEvent.Wait(0ms); // a wake left over from an earlier test
    }
    ~MonitorThreadTest() override { Stop(); }

    void Connect() {
        ASSERT_TRUE(g_weatherComm.Connect());
        g_weatherComm.EnableLinkPolling(); // as the link timer does with SearchData on
    }
    void Start() {
        ASSERT_TRUE(m_thread.Start([this] { m_exitCode = MonitorThread(m_view); },
                                   ThreadPriority::kBelowNormal));
    }
    // Stops the thread as the view does; returns how long that took.
    std::chrono::steady_clock::duration Stop() {
        const auto start = std::chrono::steady_clock::now();
        m_view.RequestStop();
        g_wakeEvent.Set();
        m_thread.Join();
        return std::chrono::steady_clock::now() - start;
    }
    std::vector<std::string> StatusTexts() const {
        std::vector<std::string> texts;
        for (const std::string& entry : m_view.Log())
            if (entry.starts_with("status "))
                texts.push_back(entry.substr(7));
        return texts;
    }

    ScopedSimulatedLink m_testMode;
    ScopedTimeZone m_zone{"UTC0"};
    SleepRecorder m_sleeps;
    std::optional<FixedClock> m_clock{std::in_place, TextToTime("2010-03-07 10:05:09")};
    RecordingView m_view;
    CWorkerThread m_thread;
    std::atomic<int> m_exitCode{0};
};

TEST_F(MonitorThreadTest, ACycleShowsTheLiveRecordStoresTheHistoryAndReportsEachStep) {
    Connect();
    // Three complete records stand before the one the console is filling.
    SetSimulatedHistory(4, 3);
    Start();
    ASSERT_TRUE(m_view.WaitFor(kSummary));

    std::vector<std::string> log = m_view.Log();
    const auto rainTexts = std::remove_if(log.begin(), log.end(), [](const std::string& entry) {
        return entry.starts_with("status Compute history rain data");
    });
    EXPECT_EQ(log.end() - rainTexts, 3) << "one rain progress text per record";
    log.erase(rainTexts, log.end());
    const std::vector<std::string> expected = {
        "title Talvorin Radio Controlled(---TEST MODE---)",
        "status Read data from Talvorin Radio Controlled ...",
        "live",
        "alarms",
        "minmax",
        "invalidate",
        "status 1 Data has been read. ...",
        "status 2 Data has been read. ...",
        "status 3 Data has been read. ...",
        "status 33% Data has been processed.",
        "status 66% Data has been processed.",
        "status 100% Data has been processed.",
        "status Save all data on PC ...",
        "live",
        "invalidate",
        "status Last Read Time: 07-03-2010 10:05:09, Read Records: 3 (Total Records: 3).",
    };
    EXPECT_EQ(log, expected);
    EXPECT_EQ(m_sleeps.Recorded().front(), kMonitorStartPauseMs);

    // The live record (slot 3) in display units, with rain sums over the records just stored.
    const CWeatherRecord live = m_view.LastLive();
    EXPECT_EQ(live.stackAddr, "00013C");
    EXPECT_EQ(live.indTemp, "22.7");
    EXPECT_EQ(live.outHumi, "61");
    EXPECT_NE(live.totalRain, "---");

    CWeatherRecordArray stored;
    LoadAllRecords(stored);
    ASSERT_EQ(stored.size(), 3u);
    EXPECT_EQ(stored[0].hexAddr, "000100") << "oldest first";
    EXPECT_EQ(stored[2].hexAddr, "000128");
    EXPECT_EQ(stored[2].recordNo, "3");
    EXPECT_EQ(stored[2].indTemp, "5.6") << "stored in metric form";

    EXPECT_LT(Stop(), 5s) << "woken from its 60 s wait";
    EXPECT_EQ(m_exitCode, 1);
}

TEST_F(MonitorThreadTest, TheWakeEventStartsTheNextCycleAtOnce) {
    Connect();
    SetSimulatedHistory(4, 3);
    Start();
    ASSERT_TRUE(m_view.WaitFor(kSummary));
    // Meanwhile the console filled five more records over 32 minutes.
    m_clock.emplace(TextToTime("2010-03-07 10:37:09"));
    const auto woken = std::chrono::steady_clock::now();
    g_wakeEvent.Set();
    ASSERT_TRUE(m_view.WaitFor(kSummary, 2));
    EXPECT_LT(std::chrono::steady_clock::now() - woken, 10s);
    EXPECT_EQ(StatusTexts().back(),
              "Last Read Time: 07-03-2010 10:37:09, Read Records: 5 (Total Records: 8).");
}

TEST_F(MonitorThreadTest, WithoutAConsoleItSaysNothingAndWaitsUntilWoken) {
    g_weatherComm.m_link->m_open = false;
    Start();
    ASSERT_TRUE(m_view.WaitForCycles(1));
    std::this_thread::sleep_for(100ms);
    const int cycles = m_view.Cycles();
    std::this_thread::sleep_for(100ms);
    EXPECT_EQ(m_view.Cycles(), cycles) << "waiting, not polling";
    g_wakeEvent.Set();
    ASSERT_TRUE(m_view.WaitForCycles(cycles + 1));
    EXPECT_LT(Stop(), 5s);
    EXPECT_EQ(m_view.Log(),
              std::vector<std::string>{"title Talvorin Radio Controlled(---TEST MODE---)"});
}

TEST_F(MonitorThreadTest, AnAddressOffTheRecordGridIsReadOnceMoreAndThenTaken) {
    Connect();
    g_simMemory[0x1E] = 0x05; // 0x0105 lies inside the first slot
    g_simMemory[0x1F] = 0x01;
    Start();
    ASSERT_TRUE(m_view.WaitFor(kSummary));
    const std::vector<int> sleeps = m_sleeps.Recorded();
    EXPECT_EQ(std::count(sleeps.begin(), sleeps.end(), kMonitorBlockRetryPauseMs), 1);
    // The second reading found the console one record on, still off the grid: used as it is.
    EXPECT_EQ(m_view.LastLive().stackAddr, "000119");
}

TEST_F(MonitorThreadTest, ABusyConsoleIsLeftAloneAndTriedAgainEverySecond) {
    Connect();
    g_weatherComm.m_busy = true;
    Start();
    ASSERT_TRUE(m_view.WaitForCycles(5));
    EXPECT_TRUE(StatusTexts().empty());
    const std::vector<int> sleeps = m_sleeps.Recorded();
    EXPECT_TRUE(std::all_of(sleeps.begin() + 1, sleeps.end(),
                            [](int ms) { return ms == kMonitorRetryPauseMs; }));
    g_weatherComm.m_busy = false;
    ASSERT_TRUE(m_view.WaitFor(kSummary));
}

// The status text of a reading at which the console did not answer, in English, German and
// Danish.
const std::string kNotAnswered[] = {
    "The console did not answer (07-03-2010 10:05:09); its settings could not be read. The values "
    "shown are those of the last successful reading; the next reading tries again.",
    "Die Wetterstation hat nicht geantwortet (07-03-2010 10:05:09); ihre Einstellungen konnten "
    "nicht gelesen werden. Die angezeigten Werte stammen vom letzten erfolgreichen Auslesen; das "
    "nächste Auslesen versucht es erneut.",
    "Vejrstationen svarede ikke (07-03-2010 10:05:09); dens indstillinger kunne ikke læses. De "
    "viste værdier er fra den seneste vellykkede aflæsning; næste aflæsning prøver igen.",
};

// The summary of a cycle that could not read the history, since the data file's last line could
// not be checked, in English, German and Danish: how it begins and how it ends.
const std::pair<std::string, std::string> kNotReadSummaries[] = {
    {"Last Read Time: 07-03-2010 10:05:09, Read Records: 0 (Total Records: ",
     "). The history was not read: the data file is busy or cannot be written. The next reading "
     "tries again."},
    {"Letzter Zeitstempel: 07-03-2010 10:05:09, Auslesen der Aufzeichnung: 0 (Gesamte "
     "Aufzeichnungen: ",
     "). Die Aufzeichnungen wurden nicht gelesen: Die Datendatei ist belegt oder kann nicht "
     "geschrieben werden. Das nächste Auslesen versucht es erneut."},
    {"Last Read Time: 07-03-2010 10:05:09, Read Records: 0 (Total Records: ",
     "). Historikken blev ikke læst: Datafilen er optaget eller kan ikke skrives. Næste "
     "aflæsning prøver igen."},
};

// Every stored record once, numbered 1, 2, ... in file order.
void ExpectEachRecordOnce(std::size_t count) {
    CWeatherRecordArray stored;
    LoadAllRecords(stored);
    ASSERT_EQ(stored.size(), count);
    std::set<std::string> addresses;
    for (std::size_t i = 0; i < stored.size(); ++i) {
        EXPECT_EQ(stored[i].recordNo, std::to_string(i + 1));
        EXPECT_TRUE(addresses.insert(stored[i].hexAddr).second) << "twice: " << stored[i].hexAddr;
    }
}

TEST_F(MonitorThreadTest, WithADataFileThatCannotBeOpenedNothingIsReadSaidSoAndReadOnceItIsBack) {
    Connect();
    SetSimulatedHistory(4, 3);
    std::filesystem::remove(DataPath());
    std::filesystem::create_directory(DataPath()); // a folder in the data file's place
    const ScopedValue<int> language{g_lang, 0};
    Start();
    for (int lang = 0; lang < kLanguageCount; ++lang) {
        if (lang > 0) {
            g_lang = lang; // before the wake, which the thread waits for
            g_wakeEvent.Set();
        }
        const auto& [begins, ends] = kNotReadSummaries[lang];
        ASSERT_TRUE(m_view.WaitFor("status " + begins, lang == 2 ? 2 : 1));
        EXPECT_EQ(StatusTexts().back(), begins + "0" + ends);
    }
    const std::vector<std::string> texts = StatusTexts();
    EXPECT_EQ(std::count_if(texts.begin(), texts.end(),
                            [](const std::string& text) {
                                return text.find("Data has been read.") != std::string::npos;
                            }),
              0)
        << "no record was read";

    std::filesystem::remove(DataPath());
    g_wakeEvent.Set();
    ASSERT_TRUE(m_view.WaitFor("status Last Read Time", 3));
    Stop();
    // The simulated console has added a record at each reading meanwhile.
    EXPECT_EQ(StatusTexts().back(),
              "Last Read Time: 07-03-2010 10:05:09, Read Records: 9 (Total Records: 9).");
    ExpectEachRecordOnce(9);
}

// A data file that may be read but not written (a backup copy, a read-only mount): the live
// record's rain sums count the records it holds; the history waits in the console, the status
// bar says why, and the first reading once the file may be written stores every record once.
TEST_F(MonitorThreadTest, ADataFileThatCannotBeWrittenIsReadAndTheHistoryWaitsInTheConsole) {
    Connect();
    SetSimulatedHistory(4, 3);
    Start();
    ASSERT_TRUE(m_view.WaitFor(kSummary));
    // The stored records carry a rain total that no reading over an empty file could give.
    CWeatherRecordArray stored;
    LoadAllRecords(stored);
    std::vector<std::string> lines;
    for (CWeatherRecord& record : stored) {
        record.totalRain = "500.0";
        lines.push_back(LineOf(record));
    }
    WriteLines(lines);
    const std::string before = Bytes();

    {
        const ScopedUnwritableFiles unwritable;
        g_wakeEvent.Set();
        ASSERT_TRUE(m_view.WaitFor(kSummary, 2));
    }
    EXPECT_EQ(StatusTexts().back(),
              "Last Read Time: 07-03-2010 10:05:09, Read Records: 0 (Total Records: 3" +
                  kNotReadSummaries[0].second);
    EXPECT_GE(std::atof(m_view.LastLive().totalRain.c_str()), 500.0) << m_view.LastLive().totalRain;
    EXPECT_EQ(Bytes(), before) << "nothing written";

    g_wakeEvent.Set();
    ASSERT_TRUE(m_view.WaitFor(kSummary, 3));
    Stop();
    // The simulated console added a record at each read of its memory meanwhile.
    EXPECT_EQ(StatusTexts().back(),
              "Last Read Time: 07-03-2010 10:05:09, Read Records: 7 (Total Records: 10).");
    ExpectEachRecordOnce(10);
}

// A console that is plugged in but does not answer: its settings block is read once more, then
// the status bar says that it did not answer, in place of a summary; nothing is shown on the
// view (which keeps the last reading) and no history is read. Once it answers again, every
// record is stored once.
TEST_F(MonitorThreadTest, AConsoleThatDoesNotAnswerIsSaidSoAndNothingElseIsDone) {
    Connect();
    SetSimulatedHistory(4, 3);
    const ScopedValue<int> language{g_lang, 0};
    Start();
    ASSERT_TRUE(m_view.WaitFor(kSummary));
    const std::size_t before = m_view.Log().size();
    m_sleeps.Clear();

    m_testMode.SetAnswering(false);
    for (int lang = 0; lang < kLanguageCount; ++lang) {
        g_lang = lang; // before the wake, which the thread waits for
        g_wakeEvent.Set();
        ASSERT_TRUE(m_view.WaitFor("status " + kNotAnswered[lang]));
    }
    const std::vector<std::string> log = m_view.Log();
    const std::vector<std::string> silent(log.begin() + static_cast<long>(before), log.end());
    std::vector<std::string> expected;
    for (int lang = 0; lang < kLanguageCount; ++lang) {
        g_lang = lang;
        expected.push_back(std::string("status ") + Tr(kTextReadDataFrom) + " " +
                           Tr(kTextStationName) + " ...");
        expected.push_back("status " + kNotAnswered[lang]);
    }
    EXPECT_EQ(silent, expected);
    EXPECT_EQ(m_sleeps.Recorded(), std::vector<int>(kLanguageCount, kMonitorBlockRetryPauseMs))
        << "the block asked for once more at each reading";

    m_testMode.SetAnswering(true);
    g_lang = 0;
    g_wakeEvent.Set();
    ASSERT_TRUE(m_view.WaitFor(kSummary, 2));
    Stop();
    EXPECT_EQ(StatusTexts().back(),
              "Last Read Time: 07-03-2010 10:05:09, Read Records: 5 (Total Records: 8).");
    ExpectEachRecordOnce(8);
}

// Takes the data file at the path from the monitor thread; the result gives it back.
using DataFileHold = std::function<std::function<void()>(const std::string& path)>;

struct HoldCase {
    const char* name;
    DataFileHold hold;
};

class HeldDataFileTest : public MonitorThreadTest, public testing::WithParamInterface<HoldCase> {};

// The data file is taken from the thread just while a cycle would set the torn last line aside:
// the cycle reads nothing rather than take the torn line for a stored record, says so, counts
// the whole records the file holds, and the next cycle stores every record once.
TEST_P(HeldDataFileTest, ATornLastLineThatCannotBeSetAsideIsNeverTakenForAStoredRecord) {
    Connect();
    SetSimulatedHistory(4, 3);
    Start();
    ASSERT_TRUE(m_view.WaitFor(kSummary));
    // A crash cut the next line short before its address field.
    const std::string whole = Bytes();
    const std::string last = whole.substr(whole.rfind('\n', whole.size() - 2) + 1);
    const std::string piece = last.substr(0, 30);
    WriteBytes(DataPath(), whole + piece);
    m_clock.emplace(TextToTime("2010-03-07 10:37:09"));

    const std::function<void()> giveBack = GetParam().hold(DataPath());
    const std::size_t textsBefore = StatusTexts().size();
    g_wakeEvent.Set();
    ASSERT_TRUE(m_view.WaitFor(kSummary, 2));
    std::vector<std::string> texts = StatusTexts();
    EXPECT_EQ(texts.back(),
              "Last Read Time: 07-03-2010 10:37:09, Read Records: 0 (Total Records: 3" +
                  kNotReadSummaries[0].second);
    EXPECT_TRUE(std::none_of(texts.begin() + textsBefore, texts.end(), [](const auto& text) {
        return text.find("Data has been read.") != std::string::npos;
    })) << "nothing downloaded";
    EXPECT_EQ(Bytes(), whole + piece);

    giveBack();
    g_wakeEvent.Set();
    ASSERT_TRUE(m_view.WaitFor(kSummary, 3));
    Stop();
    // The console added a record at the reading that read no history.
    EXPECT_EQ(StatusTexts().back(),
              "Last Read Time: 07-03-2010 10:37:09, Read Records: 7 (Total Records: 10).");
    ExpectEachRecordOnce(10);
    EXPECT_EQ(ReadBytes(TornLinesPath(DataPath())), piece);
}

INSTANTIATE_TEST_SUITE_P(
    Holders, HeldDataFileTest,
    testing::Values(
        // A history search on the user-interface thread holds the data-file busy flag.
        HoldCase{"BusyFlag",
                 [](const std::string&) -> std::function<void()> {
                     auto search = std::make_shared<std::optional<CBusyGuard>>();
                     std::thread([&] { search->emplace(g_fdb.m_busy, 0, 0); }).join();
                     EXPECT_TRUE((*search)->IsTaken());
                     return [search] { std::thread([&] { search->reset(); }).join(); };
                 }},
        // Another program holds the file's lock: this one cannot open it for writing, but
        // still counts what it holds.
        HoldCase{"FileLock",
                 [](const std::string& path) -> std::function<void()> {
                     auto holder =
                         std::make_shared<UniqueFd>(open(path.c_str(), O_RDWR | O_CLOEXEC));
                     EXPECT_TRUE(TryLockExclusive(holder->Get()));
                     return [holder] { holder->Reset(); };
                 }}),
    [](const testing::TestParamInfo<HoldCase>& info) { return info.param.name; });

// A full disk lets only a part of the records reach the file: the summary says how many, Total
// Records counts the whole ones, and the next cycle stores the rest, each record once.
TEST_F(MonitorThreadTest, AWriteThatFailsHalfWaySaysHowManyRecordsWereStored) {
    Connect();
    SetSimulatedHistory(4, 3);
    Start();
    ASSERT_TRUE(m_view.WaitFor(kSummary));
    Stop();
    const off_t size = static_cast<off_t>(Bytes().size());
    const off_t line = size / 3;
    m_clock.emplace(TextToTime("2010-03-07 10:37:09"));

    // The process may write no file beyond the limit; what would go further fails.
    struct LimitCase {
        off_t room;
        std::string summary;
    };
    const LimitCase cases[] = {
        {line / 2, "(Total Records: 3). The records read could not be stored!"},
        {line + line / 2, "(Total Records: 4). Only 1 of the 5 records read could be stored!"},
    };
    // Each run meets the console as the first run left it.
    const std::vector<std::uint8_t> console(g_simMemory, g_simMemory + kSimMemorySize);
    const auto restoreConsole = [&] { std::copy(console.begin(), console.end(), g_simMemory); };
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = signal(SIGXFSZ, SIG_IGN);
    std::size_t summaries = 1;
    for (const LimitCase& limit : cases) {
        const rlimit fileSize{static_cast<rlim_t>(size + limit.room), saved.rlim_max};
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &fileSize), 0);
        restoreConsole();
        m_view.RenewStopRequest();
        Start();
        const bool said = m_view.WaitFor(kSummary, ++summaries);
        Stop();
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &saved), 0);
        ASSERT_TRUE(said);
        EXPECT_EQ(StatusTexts().back(),
                  "Last Read Time: 07-03-2010 10:37:09, Read Records: 5 " + limit.summary);
    }
    signal(SIGXFSZ, previousHandler);

    restoreConsole();
    m_view.RenewStopRequest();
    Start();
    ASSERT_TRUE(m_view.WaitFor(kSummary, ++summaries));
    Stop();
    EXPECT_EQ(StatusTexts().back(),
              "Last Read Time: 07-03-2010 10:37:09, Read Records: 4 (Total Records: 8).");
    ExpectEachRecordOnce(8);
}

// Exit during a long download, or while its records are made ready for the data file: the
// thread stops between two records, stores nothing of the download, and the next start fetches
// every record once.
TEST_F(MonitorThreadTest, AStopEndsADownloadBetweenTwoRecordsAndTheNextRunStoresEveryRecordOnce) {
    Connect();
    constexpr int kRecords = 3263;
    for (const char* stopAt : {"100 Data has been read. ...", "50% Data has been processed."}) {
        SetSimulatedHistory(kRecords + 1, kRecords);
        m_view.RenewStopRequest();
        m_view.stopAt = stopAt;
        Start();
        m_thread.Join(); // it ends by itself, at the stop
        EXPECT_EQ(m_exitCode, 1);
        const std::vector<std::string> texts = StatusTexts();
        ASSERT_FALSE(texts.empty());
        EXPECT_EQ(texts.back(), m_view.stopAt) << "nothing done after the stop, no summary";
        EXPECT_EQ(Bytes(), "") << "an abandoned download stores nothing";
    }

    RecordingView next;
    ASSERT_TRUE(m_thread.Start([&] { MonitorThread(next); }, ThreadPriority::kBelowNormal));
    ASSERT_TRUE(next.WaitFor(kSummary));
    next.RequestStop();
    g_wakeEvent.Set();
    m_thread.Join();
    ExpectEachRecordOnce(kRecords);
}

// The link coming up wakes the thread just before its first reading: that reading answers the
// wake, and no second one follows it.
TEST_F(MonitorThreadTest, AWakeBeforeAReadingBeginsBringsNoSecondReading) {
    Connect();
    SetSimulatedHistory(4, 3);
    g_wakeEvent.Set();
    Start();
    ASSERT_TRUE(m_view.WaitFor(kSummary));
    std::this_thread::sleep_for(300ms);
    const std::vector<std::string> texts = StatusTexts();
    EXPECT_EQ(
        std::count(texts.begin(), texts.end(), "Read data from Talvorin Radio Controlled ..."), 1);
    g_wakeEvent.Set();
    EXPECT_TRUE(m_view.WaitFor(kSummary, 2)) << "a wake while it waits still starts a reading";
}

TEST_F(MonitorThreadTest, OutsideTestModeTheTitleIsTheStationNameAlone) {
    ScopedValue<std::unique_ptr<CConsoleLink>> usb{g_weatherComm.m_link,
                                                   std::make_unique<CUsbDevice>()};
    Start();
    ASSERT_TRUE(m_view.WaitFor("title"));
    EXPECT_EQ(m_view.Log().front(), "title Talvorin Radio Controlled");
    Stop(); // the thread reads the link until it ends; only then may the link go back
}

} // namespace
