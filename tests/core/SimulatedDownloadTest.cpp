#include "station/console/HistoryRing.h"
#include "station/console/RecordScaling.h"
#include "station/link/HistoryDownload.h"
#include "station/link/SimulatedConsole.h"
#include "station/link/SimulatedLink.h"
#include "station/link/WeatherComm.h"
#include "station/records/RainSum.h"
#include "station/records/RecordLayer.h"
#include "station/values/TimeText.h"
#include "tests/core/DataFileFixture.h"
#include "tests/core/FixedClock.h"
#include "tests/core/RecordingStatusTarget.h"
#include "tests/core/ScopedTimeZone.h"
#include "tests/core/SleepRecorder.h"
#include "tests/emulator/EmulatorModule.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

constexpr time_t kMinute = 60;

int SimWord(int at) {
    return g_simMemory[at] | g_simMemory[at + 1] << 8;
}

void SetSimWord(int at, int value) {
    g_simMemory[at] = static_cast<std::uint8_t>(value);
    g_simMemory[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

int SlotAddress(int slot) {
    return kHistoryFirstSlot + slot * kHistoryRecordSize;
}

// The interval byte of the simulated record in `slot`.
int Interval(int slot) {
    return g_simRecordTemplate[slot % 16 * kHistoryRecordSize];
}

// The console address texts of the slots from `first` to `last`.
std::vector<std::string> SlotAddresses(int first, int last) {
    std::vector<std::string> addresses;
    for (int slot = first; slot <= last; ++slot) {
        char address[8];
        std::snprintf(address, sizeof address, "%06X", SlotAddress(slot));
        addresses.push_back(address);
    }
    return addresses;
}

// The minutes from the record in slot `from` - 1 to the one in slot `to`.
time_t MinutesOfSlots(int from, int to) {
    time_t minutes = 0;
    for (int slot = from; slot <= to; ++slot)
        minutes += Interval(slot);
    return minutes;
}

// The monitor thread's reading and storing, over the simulated console of test mode, into a
// data file of its own: each cycle reads the fixed block, downloads the new history records,
// scales them to metric, sums their rain and appends them.
class SimulatedDownloadTest : public DataFileTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_comm.Connect());
        SetNow(m_start);
    }

    void SetNow(time_t now) { m_clock.emplace(now); }

    // Returns the number of records the download delivered.
    int Cycle() {
        SetAsideTornLastLine(); // as the monitor thread does before each download
        CWeatherSettings settings;
        EXPECT_TRUE(m_comm.ReadFixedBlock(settings, kWholeBlock, false));
        CWeatherRecordArray records;
        const int count = DownloadHistory(m_comm, records, settings, &m_frame, m_unreadable).count;
        if (count > 0) {
            for (CWeatherRecord& record : records)
                ScaleRecordToMetric(record, settings);
            AccumulateRainForList(records, &m_frame);
            AppendRecords(records);
        }
        return count;
    }

    static int NewestSlot() { return (SimWord(0x1E) - kHistoryFirstSlot) / kHistoryRecordSize; }

    static CWeatherRecordArray Stored() {
        CWeatherRecordArray records;
        LoadAllRecords(records);
        return records;
    }

    // The console addresses and the numbers of the stored records, in file order.
    static std::vector<std::string> StoredAddresses() {
        std::vector<std::string> addresses;
        for (const CWeatherRecord& record : Stored())
            addresses.push_back(record.hexAddr);
        return addresses;
    }
    static std::vector<std::string> StoredNumbers() {
        std::vector<std::string> numbers;
        for (const CWeatherRecord& record : Stored())
            numbers.push_back(record.recordNo);
        return numbers;
    }
    static std::vector<std::string> Numbers(int count) {
        std::vector<std::string> numbers;
        for (int number = 1; number <= count; ++number)
            numbers.push_back(std::to_string(number));
        return numbers;
    }

    // A fresh console that has filled ten slots, nine of them complete, all stored; returns the
    // data file's bytes after `damage`. The next cycle comes when the console has filled ten
    // slots more.
    std::string StoreNineAndDamage(const std::function<std::string(const std::string&)>& damage) {
        SetSimWord(0x1B, 10);
        SetSimWord(0x1E, SlotAddress(9));
        EXPECT_EQ(Cycle(), 9);
        WriteBytes(DataPath(), damage(Bytes()));
        SetNow(m_start + MinutesOfSlots(9, 18) * kMinute + 3 * kMinute);
        return Bytes();
    }

    ScopedTimeZone m_zone{"UTC0"};
    SleepRecorder m_sleeps;
    const time_t m_start = TextToTime("2010-03-07 10:00:00");
    std::optional<FixedClock> m_clock;
    CWeatherComm m_comm{std::make_unique<CSimulatedLink>()};
    RecordingStatusTarget m_frame;
    UnreadableSlots m_unreadable;
};

TEST_F(SimulatedDownloadTest, DownloadsStoreEachRecordOnceOldestFirstWithTimesThatFit) {
    // A fresh console that has filled ten slots; the tenth, slot 9, is still open.
    SetSimWord(0x1B, 10);
    SetSimWord(0x1E, SlotAddress(9));

    EXPECT_EQ(Cycle(), 9) << "an empty data file: every complete record";
    CWeatherRecordArray stored = Stored();
    ASSERT_EQ(stored.size(), 9u);
    for (int slot = 0; slot < 9; ++slot) {
        const CWeatherRecord& record = stored[slot];
        EXPECT_EQ(record.recordNo, std::to_string(slot + 1));
        EXPECT_EQ(TextToTime(record.recordTime), m_start - MinutesOfSlots(slot + 1, 8) * kMinute)
            << "dated backwards from now: " << record.recordTime;
        EXPECT_EQ(record.increment, slot == 0 ? "0.0" : "0.3");
    }
    EXPECT_EQ(stored[0].hexAddr, "000100");
    EXPECT_EQ(stored[8].hexAddr, "0001A0");
    EXPECT_EQ(stored[8].rainMm, "3272.4");
    EXPECT_EQ(stored[8].totalRain, "2.4");
    EXPECT_EQ(stored[8].sampleCircle, "5");

    // The console filled a slot per read meanwhile: the block, then nine records. The clock
    // has moved on by their intervals, and three minutes more: the times built backwards from
    // it are late, the stored record is met all the same and gives the times.
    ASSERT_EQ(NewestSlot(), 19);
    const time_t second = m_start + MinutesOfSlots(9, 18) * kMinute;
    SetNow(second + 3 * kMinute);
    EXPECT_EQ(Cycle(), 10) << "meets slot 8, the last stored record, and stops there";
    stored = Stored();
    ASSERT_EQ(stored.size(), 19u);
    for (int slot = 9; slot < 19; ++slot) {
        const CWeatherRecord& record = stored[slot];
        EXPECT_EQ(record.recordNo, std::to_string(slot + 1));
        EXPECT_EQ(TextToTime(record.recordTime), m_start + MinutesOfSlots(9, slot) * kMinute)
            << "dated forwards from the stored record: " << record.recordTime;
    }
    EXPECT_EQ(stored[9].hexAddr, "0001B4");
    EXPECT_EQ(stored[16].increment, "0.0") << "the counter fell where the template repeats";
    EXPECT_EQ(stored[18].totalRain, "19.5");

    // The clock stayed while the console filled thirteen slots (the block, ten new records, the
    // stored one and the one before it, which tells that the ring did not go round): their
    // intervals do not fit between the stored record and the clock, so they keep the times the
    // clock gives them, dated backwards from it. None is lost.
    ASSERT_EQ(NewestSlot(), 32);
    const time_t third = second + 3 * kMinute;
    EXPECT_EQ(Cycle(), 13);
    stored = Stored();
    ASSERT_EQ(stored.size(), 32u);
    for (int slot = 19; slot < 32; ++slot)
        EXPECT_EQ(TextToTime(stored[slot].recordTime),
                  third - MinutesOfSlots(slot + 1, 31) * kMinute)
            << "dated backwards from now: " << stored[slot].recordTime;

    // The next cycle, with a clock that has moved on as the console did, dates them forwards.
    const int newest = NewestSlot();
    SetNow(third + MinutesOfSlots(32, newest - 1) * kMinute);
    EXPECT_EQ(Cycle(), newest - 32);
    stored = Stored();
    ASSERT_EQ(stored.size(), static_cast<std::size_t>(newest));
    EXPECT_EQ(stored.back().recordNo, std::to_string(newest));
    EXPECT_EQ(TextToTime(stored[32].recordTime), third + Interval(32) * kMinute);
}

TEST_F(SimulatedDownloadTest, ARecordWhoseLineACrashCutShortIsFetchedAgain) {
    // The program died while appending slot 8: its line stops inside its console address.
    std::string piece;
    StoreNineAndDamage([&](const std::string& bytes) {
        const std::size_t lastLine = bytes.rfind('\n', bytes.size() - 2) + 1;
        piece = bytes.substr(lastLine, bytes.find("0001A0", lastLine) + 3 - lastLine);
        return bytes.substr(0, lastLine) + piece;
    });

    EXPECT_EQ(Cycle(), 11) << "meets slot 7, the last whole record, and fetches slot 8 again";

    EXPECT_EQ(ReadBytes(TornLinesPath(DataPath())), piece) << "kept beside the file";
    EXPECT_EQ(StoredAddresses(), SlotAddresses(0, 18)) << "each slot once, in order";
    EXPECT_EQ(StoredNumbers(), Numbers(19));
    EXPECT_EQ(TextToTime(Stored()[8].recordTime), m_start) << "dated as the first time";
}

// Garbage after the last record neither anchors the next download nor restarts the numbering:
// the download meets the last record, and the garbage stays in the file as it was.
TEST_F(SimulatedDownloadTest, GarbageAfterTheLastRecordIsPassedOver) {
    const std::string damaged =
        StoreNineAndDamage([](const std::string& bytes) { return bytes + kGarbageLine + "\r\n"; });

    EXPECT_EQ(Cycle(), 10) << "meets slot 8, the last record";

    EXPECT_EQ(Bytes().substr(0, damaged.size()), damaged);
    EXPECT_EQ(StoredAddresses(), SlotAddresses(0, 18)) << "each slot once, in order";
    EXPECT_EQ(StoredNumbers(), Numbers(19));
}

// A last record cut short after its times lacks what the download meets the stored record by:
// the download goes on from the whole record before it and fetches the console's copy of the
// cut one again, numbered on after it; the console's other records are not fetched again.
TEST_F(SimulatedDownloadTest, ALastRecordCutShortIsFetchedAgainWhole) {
    const std::string damaged =
        StoreNineAndDamage([](const std::string& bytes) { return WithDamagedLines(bytes, 0, 9); });

    EXPECT_EQ(Cycle(), 11) << "meets slot 7, the last whole record";

    EXPECT_EQ(Bytes().substr(0, damaged.size()), damaged);
    std::vector<std::string> addresses = SlotAddresses(0, 7);
    addresses.push_back(""); // the cut line's record
    for (const std::string& address : SlotAddresses(8, 18))
        addresses.push_back(address);
    EXPECT_EQ(StoredAddresses(), addresses);
    EXPECT_EQ(StoredNumbers(), Numbers(20));
    const CWeatherRecordArray stored = Stored();
    EXPECT_EQ(stored[8].recordTime, stored[9].recordTime) << "the cut record and its copy";
    EXPECT_EQ(stored[8].indTemp, "---");
}

} // namespace
