// Appends cut short by a killed process: what was reported stored stays, once, in lines of
// their own with rising numbers, and a torn last line is set aside whole before the next one.
#include "station/records/RecordLayer.h"
#include "station/values/TimeText.h"
#include "tests/core/DataFileFixture.h"
#include "tests/core/PlainRecordReading.h"
#include "tests/core/ScopedTimeZone.h"

#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <set>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {

// The records a writer stores: record i at a time of its own and a console address of its own.
CWeatherRecord Numbered(int i) {
    CWeatherRecord record =
        StoredRecord("0", FormatRecordTime(TextToTime("2024-03-01 00:00:00") + i * 300));
    char address[8];
    std::snprintf(address, sizeof address, "%06X", i);
    record.hexAddr = address;
    return record;
}

int IndexOf(const CWeatherRecord& record) {
    return static_cast<int>(std::strtol(record.hexAddr.c_str(), nullptr, 16));
}

class AppendCrashTest : public DataFileTest {
protected:
    // A child that appends records from `first` on, in batches of one to twenty, and reports
    // through the pipe the index of the last record of every batch AppendRecords called stored.
    pid_t StartWriter(int first, int report) {
        const pid_t child = fork();
        if (child == 0) {
            std::mt19937 random(static_cast<unsigned>(first));
            for (int next = first;;) {
                CWeatherRecordArray batch;
                const int size = 1 + static_cast<int>(random() % 20);
                for (int i = next + size - 1; i >= next; --i)
                    batch.push_back(Numbered(i));
                if (AppendRecords(batch)) {
                    next += size;
                    const int last = next - 1;
                    if (write(report, &last, sizeof last) != sizeof last)
                        _exit(1);
                }
            }
        }
        return child;
    }

    // Every record reported stored is there once, each line is one whole record, the numbers
    // rise. Returns the index of the record that comes next.
    int CheckFile(int reported) {
        const CWeatherRecordArray stored = PlainRecords(DataPath());
        std::set<int> seen;
        long previousNumber = 0;
        int next = 0;
        for (const CWeatherRecord& record : stored) {
            const int index = IndexOf(record);
            EXPECT_TRUE(seen.insert(index).second) << "twice: " << record.hexAddr;
            const long number = std::atol(record.recordNo.c_str());
            EXPECT_GT(number, previousNumber) << "numbers rise: " << record.recordNo;
            previousNumber = number;
            next = std::max(next, index + 1);
        }
        for (const std::string& line : PlainLines(Bytes()))
            EXPECT_EQ(std::count(line.begin(), line.end(), ','), 39) << "one record: " << line;
        for (int i = 0; i <= reported; ++i)
            EXPECT_TRUE(seen.contains(i)) << "lost: " << i;
        return next;
    }
};

TEST_F(AppendCrashTest, AKilledWriterLosesNoRecordItReportedAndLeavesTheTornLineAside) {
    std::mt19937 random(12);
    int reported = -1;
    int next = 0;
    std::string aside;
    int torn = 0;
    for (int round = 0; round < 30; ++round) {
        int channel[2];
        ASSERT_EQ(pipe(channel), 0);
        const pid_t writer = StartWriter(next, channel[1]);
        ASSERT_GT(writer, 0);
        close(channel[1]);
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 10000));
        kill(writer, SIGKILL);
        int status = 0;
        ASSERT_EQ(waitpid(writer, &status, 0), writer);
        for (int last; read(channel[0], &last, sizeof last) == sizeof last;)
            reported = std::max(reported, last);
        close(channel[0]);
        // Half the rounds the writer dies inside a line, if the kill did not cut one already:
        // a part of the next line stays.
        std::string bytes = Bytes();
        if (round % 2 == 0 && (bytes.empty() || bytes.back() == '\n')) {
            const std::string line = LineOf(Numbered(CheckFile(reported)));
            bytes += line.substr(0, random() % (line.size() - 20));
            WriteBytes(DataPath(), bytes);
        }
        const std::string piece = bytes.substr(bytes.find_last_of('\n') + 1);
        if (std::count(piece.begin(), piece.end(), ',') < 39 && !piece.empty()) {
            aside += piece;
            bytes.resize(bytes.size() - piece.size());
            ++torn;
        }
        ASSERT_TRUE(SetAsideTornLastLine());
        EXPECT_EQ(Bytes(), bytes) << "round " << round;
        EXPECT_EQ(ReadBytes(TornLinesPath(DataPath())), aside) << "round " << round;
        next = CheckFile(reported);
    }
    EXPECT_GE(torn, 12);
    EXPECT_GT(reported, 40) << "the writer had time to write";
}

TEST_F(AppendCrashTest, ATornLineThatHoldsAWholeRecordIsEndedAndKept) {
    const std::string first = LineOf(Numbered(0));
    std::string whole = LineOf(Numbered(1));
    whole.erase(whole.find_last_of(',') + 2); // the unread last field cut
    WriteBytes(DataPath(), first + "\r\n" + whole);

    ASSERT_TRUE(SetAsideTornLastLine());
    EXPECT_EQ(Bytes(), first + "\r\n" + whole);
    EXPECT_FALSE(std::filesystem::exists(TornLinesPath(DataPath())));
    ASSERT_TRUE(AppendRecords({Numbered(2)}));

    const CWeatherRecordArray stored = PlainRecords(DataPath());
    ASSERT_EQ(stored.size(), 3u);
    EXPECT_EQ(stored[1].hexAddr, Numbered(1).hexAddr);
    EXPECT_EQ(stored[2].recordNo, "1") << "numbered on from the whole line's 0";
}

TEST_F(AppendCrashTest, ATornPieceLongerThanAReadBlockIsSetAsideWhole) {
    const std::string first = LineOf(Numbered(0)) + "\r\n";
    std::string piece(200'000, 'x');
    piece[70'000] = ','; // far from the end, in another block
    WriteBytes(DataPath(), first + piece);

    ASSERT_TRUE(SetAsideTornLastLine());
    EXPECT_EQ(Bytes(), first);
    EXPECT_EQ(ReadBytes(TornLinesPath(DataPath())), piece) << "byte for byte, nothing added";
    ASSERT_TRUE(SetAsideTornLastLine()) << "nothing torn any more";
    EXPECT_EQ(Bytes(), first);
}

// A writer that died within the padding of the next record number left only blanks.
TEST_F(AppendCrashTest, ATornPieceOfBlanksIsSetAsideSoThatNoBlankLineStaysAmidTheRecords) {
    const std::string first = LineOf(Numbered(0)) + "\r\n";
    WriteBytes(DataPath(), first + "   ");

    ASSERT_TRUE(SetAsideTornLastLine());
    EXPECT_EQ(Bytes(), first);
    EXPECT_EQ(ReadBytes(TornLinesPath(DataPath())), "   ");
    WriteBytes(DataPath(), first + "  ");
    ASSERT_EQ(AppendRecords({Numbered(1)}), 1) << "the append sets it aside as well";
    const std::string added = Bytes().substr(first.size());
    EXPECT_TRUE(Bytes().starts_with(first));
    EXPECT_EQ(std::count(added.begin(), added.end(), '\n'), 1) << added;
    EXPECT_EQ(std::count(added.begin(), added.end(), ','), 39) << "one record, no blank line";
    EXPECT_EQ(ReadBytes(TornLinesPath(DataPath())), "     ");
}

TEST_F(AppendCrashTest, RecordsForAFileThatCannotBeWrittenAreNotStoredAndSaidSo) {
    WriteBytes(DataPath(), LineOf(Numbered(0)) + "\r\n");
    ASSERT_EQ(chmod(m_folder.Path().c_str(), 0755), 0);
    ASSERT_EQ(chmod(DataPath().c_str(), 0444), 0);
    // Run as an ordinary user: the superuser may write any file.
    const int status = RunInChild([&] {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
            return 10;
        return AppendRecords({Numbered(1)}) ? 1 : 0;
    });
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);

    ASSERT_EQ(chmod(DataPath().c_str(), 0644), 0);
    EXPECT_TRUE(AppendRecords({Numbered(1)}));
    EXPECT_EQ(PlainRecords(DataPath()).size(), 2u);

    // A folder in the file's place.
    std::filesystem::remove(DataPath());
    std::filesystem::create_directory(DataPath());
    EXPECT_FALSE(AppendRecords({Numbered(2)}));
}

} // namespace
