#include "station/records/RecordBlockIndex.h"

#include "station/values/TimeText.h"
#include "tests/core/DataFileFixture.h"
#include "tests/core/ScopedTimeZone.h"

#include <gtest/gtest.h>

namespace {

// A range read of a day in a file of a month's records reads about a day's lines, and a record
// out of time order far from them is read as well.
class RecordBlockIndexTest : public DataFileTest {
protected:
    // Records five minutes apart from 2024-03-01; `odd` (if any) gets the time `oddTime`.
    void WriteMonth(int odd = -1, const std::string& oddTime = "") {
        std::vector<std::string> lines;
        for (int i = 0; i < 8000; ++i) {
            const std::string time =
                i == odd ? oddTime : FormatRecordTime(TextToTime("2024-03-01 00:00:00") + i * 300);
            lines.push_back(LineOf(StoredRecord(std::to_string(i + 1), time)));
        }
        WriteLines(lines);
        // A file of the same length rewritten within one tick of the file system's clock looks
        // unchanged; this one is new.
        m_index.Invalidate();
    }

    // The bytes the regions of the span cover, and whether one of them holds `offset`.
    std::pair<off_t, bool> Read(const std::string& start, const std::string& end, off_t offset) {
        EXPECT_TRUE(g_fdb.OpenFile());
        EXPECT_TRUE(m_index.Update(g_fdb));
        off_t bytes = 0;
        bool holds = false;
        const off_t size = FileSize(g_fdb);
        for (const RecordBlockIndex::Region& region : m_index.RegionsFor({start, end})) {
            const off_t to = region.to < 0 ? size : region.to;
            bytes += to - region.from;
            holds = holds || (offset >= region.from && offset < to);
        }
        g_fdb.Close();
        return {bytes, holds};
    }

    static off_t FileSize(const CFdb& store) {
        FileState state;
        return store.ReadState(state) ? state.size : -1;
    }

    ScopedTimeZone m_zone{"UTC0"};
    RecordBlockIndex m_index;
};

TEST_F(RecordBlockIndexTest, ADayIsReadFromAFewBlocksAndATimeOutOfOrderFromItsOwn) {
    WriteMonth();
    const off_t size = static_cast<off_t>(Bytes().size());
    const auto [dayBytes, _] = Read("2024-03-10 00:00:00", "2024-03-10 23:59:59", 0);
    EXPECT_GT(dayBytes, 288 * 300) << "the day's lines";
    EXPECT_LT(dayBytes, 288 * 300 + 3 * (32 << 10)) << "and little more, of " << size;

    // Line 100 (in the second block) says it is of that day: its block is read too.
    WriteMonth(100, "2024-03-10 12:00:00");
    const off_t line100 = static_cast<off_t>(Bytes().find("2024-03-10 12:00:00"));
    const auto [bytes, holds] = Read("2024-03-10 12:00:00", "2024-03-10 12:00:00", line100);
    EXPECT_TRUE(holds);
    EXPECT_LT(bytes, 4 * (32 << 10));
}

// Blocks are looked for in runs of blocks; a time out of order widens its run's times too, so a
// line near the end of the file that says it is of the month's second day is read with that day.
TEST_F(RecordBlockIndexTest, ATimeOutOfOrderInALaterRunOfBlocksIsRead) {
    WriteMonth(7000, "2024-03-02 12:00:00");
    const off_t line7000 = static_cast<off_t>(Bytes().rfind("2024-03-02 12:00:00, "));
    ASSERT_GT(line7000, 64 * (32 << 10)) << "the line lies past the first run of blocks";
    const auto [bytes, holds] = Read("2024-03-02 12:00:00", "2024-03-02 12:00:00", line7000);
    EXPECT_TRUE(holds);
    EXPECT_LT(bytes, 4 * (32 << 10));
}

TEST_F(RecordBlockIndexTest, ATornLastLineIsAlwaysRead) {
    WriteMonth();
    const std::string whole = Bytes();
    WriteBytes(DataPath(), whole + "  9001, 2024-");
    const auto [bytes, holds] = Read("2030-01-01", "2030-12-31", static_cast<off_t>(whole.size()));
    EXPECT_TRUE(holds);
    EXPECT_LT(bytes, 2 * (32 << 10));
}

} // namespace
