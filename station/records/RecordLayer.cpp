#include "station/records/RecordLayer.h"

#include "station/records/DataFileBusy.h"
#include "station/records/DataFileSession.h"
#include "station/records/RecordLineReader.h"
#include "station/records/StoredRecordScan.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace {

// The block in which a file another program holds is read for counting.
constexpr std::size_t kCountBlockBytes = std::size_t{1} << 20;

// A line holds a whole record when its last field has begun: every field a record reads back
// is then complete.
bool IsWholeRecordLine(std::string_view line) {
    return std::count(line.begin(), line.end(), ',') >= kRecordLineFields - 1;
}

// Which lines the search for the last record takes.
enum class LastRecord {
    kAny,   // any line that holds a record, a line cut short after its record time as well
    kWhole, // only a whole record's line: one cut short lacks what the download meets it by
};

// The last line that holds a record, as `wanted` says, and when `before` is given the last line
// before it that holds any record; trimmed, "" where there is none. Damaged lines (garbage, a
// line cut short) are passed over. False when a read error stopped the search (the lines are
// then "").
bool ReadLastRecordLines(const CFdb& store, LastRecord wanted, std::string& last,
                         std::string* before = nullptr) {
    last.clear();
    if (before)
        before->clear();
    const bool whole = store.ForEachLineFromEnd([&](std::string_view text) {
        if (!ReadRecordKey(text))
            return true;
        if (last.empty()) {
            if (wanted == LastRecord::kWhole && !IsWholeRecordLine(text))
                return true;
            last.assign(text);
            return before != nullptr;
        }
        before->assign(text);
        return false;
    }) != CFdb::kReadFailed;
    if (!whole) {
        last.clear();
        if (before)
            before->clear();
    }
    return whole;
}

std::string LastRecordLine(LastRecord wanted) {
    DataFileSession session;
    std::string line;
    ReadLastRecordLines(session.Store(), wanted, line);
    return line;
}

// atoi's reading of the record number before the first comma, with numbers beyond the int
// range held at its ends.
int RecordNumberOfLine(const std::string& line) {
    const long number = std::strtol(line.substr(0, line.find(',')).c_str(), nullptr, 10);
    return static_cast<int>(std::clamp<long>(number, INT_MIN, INT_MAX));
}

void LoadRecords(CWeatherRecordArray& records, const std::optional<RecordTimeSpan>& span) {
    const CBusyGuard busy = WaitAndTakeDataFile();
    if (!busy.IsTaken())
        return;
    DataFileSession session;
    CWeatherRecord record;
    // Room for every record at once spares moving a long list again and again as it grows.
    ScanStoredRecords(
        session, span,
        [&](std::size_t most) {
            records.clear();
            records.reserve(most);
        },
        [&](const RecordFieldViews& fields) {
            AssignFields(record, fields);
            records.push_back(record);
        });
}

bool SetAsideTornLine(DataFileSession& session) {
    CFdb& store = session.Store();
    const bool indexed = session.Index().IsCurrent(store);
    if (!store.SetAsideTornLastLine(IsWholeRecordLine, TornLinesPath(store.Path())))
        return false;
    session.Index().AcceptAppend(store, indexed);
    return true;
}

std::string RecordNumberText(long long number) {
    char text[32];
    std::snprintf(text, sizeof text, "%4lld", number);
    return text;
}

} // namespace

int LastRecordNumber() {
    return RecordNumberOfLine(LastRecordLine(LastRecord::kAny));
}

bool LoadLastRecord(CWeatherRecord& record) {
    const std::string line = LastRecordLine(LastRecord::kWhole);
    if (line.empty()) {
        record.Reset();
        return false;
    }
    ParseRecordLine(record, line);
    return true;
}

bool LoadLastTwoRecords(CWeatherRecord& last, CWeatherRecord& before) {
    std::string lines[2];
    {
        DataFileSession session;
        ReadLastRecordLines(session.Store(), LastRecord::kWhole, lines[0], &lines[1]);
    }
    last.Reset();
    before.Reset();
    if (!lines[1].empty())
        ParseRecordLine(before, lines[1]);
    if (lines[0].empty())
        return false;
    ParseRecordLine(last, lines[0]);
    return true;
}

bool SetAsideTornLastLine() {
    const CBusyGuard busy = WaitAndTakeDataFile();
    if (!busy.IsTaken())
        return false;
    DataFileSession session;
    return SetAsideTornLine(session);
}

int AppendRecords(const CWeatherRecordArray& records) {
    const CBusyGuard busy = WaitAndTakeDataFile();
    if (!busy.IsTaken())
        return 0;
    DataFileSession session;
    CFdb& store = session.Store();
    const bool indexed = session.Index().IsCurrent(store);
    // Numbering on from a torn line, or from a last record that could not be read, would give
    // old numbers a second time; the records come again with the next download instead.
    std::string last;
    FileState before;
    if (!store.IsOpen() || !SetAsideTornLine(session) ||
        !ReadLastRecordLines(store, LastRecord::kAny, last) || !store.ReadState(before))
        return 0;
    long long number = RecordNumberOfLine(last) + 1LL;
    std::vector<std::string> lines;
    lines.reserve(records.size());
    for (auto record = records.rbegin(); record != records.rend(); ++record) {
        CWeatherRecord numbered = *record;
        numbered.recordNo = RecordNumberText(number++);
        lines.push_back(FormatRecordLine(numbered));
    }
    const bool written = store.WriteLines(lines);
    session.Index().AcceptAppend(store, indexed);
    if (written)
        return static_cast<int>(records.size());
    // The lines ended before the write failed; a whole last line left without its end before
    // the append reads from here as a blank rest and does not count.
    int stored = 0;
    store.ForEachLineBetween(before.size, -1, [&](std::string_view, LineEnd end) {
        stored += end.ended ? 1 : 0;
        return end.ended;
    });
    return stored;
}

long long CountStoredRecords() {
    DataFileSession session;
    CFdb& store = session.Store();
    if (store.IsOpen())
        return session.Index().Update(store) ? session.Index().Records() : -1;
    // Opened without the lock: the store refuses a file another program holds.
    const UniqueFd file(OpenFileDescriptor(store.Path().c_str(), O_RDONLY | O_CLOEXEC));
    if (!file.IsValid())
        return -1;
    long long lines = 0;
    const bool whole = ScanLinesBetween(file.Get(), 0, -1, kCountBlockBytes,
                                        [&](std::string_view line, LineEnd end) {
                                            lines += end.ended && ReadRecordKey(line);
                                            return true;
                                        });
    return whole ? lines : -1;
}

void LoadRecordsForGraph(CWeatherRecordArray& records, const std::string& start,
                         const std::string& end) {
    LoadRecords(records, RecordTimeSpan{start, end});
}

bool VisitRecordsInRange(
    const std::string& start, const std::string& end, off_t partBytes,
    const std::function<void(const std::vector<std::size_t>& mostRecords)>& begin,
    const std::function<void(std::size_t part, const RecordFieldViews&)>& take) {
    const CBusyGuard busy = WaitAndTakeDataFile();
    if (!busy.IsTaken())
        return false;
    DataFileSession session;
    bool anyLine = false;
    ScanStoredRecordsInParts(session, RecordTimeSpan{start, end}, partBytes, begin, take, anyLine);
    return anyLine;
}

void LoadAllRecords(CWeatherRecordArray& records) {
    LoadRecords(records, std::nullopt);
}

bool DeleteRecords(const CWeatherRecordArray& records) {
    const CBusyGuard busy = WaitAndTakeDataFile();
    if (!busy.IsTaken())
        return false;
    std::unordered_set<std::string_view> deleted;
    for (const CWeatherRecord& record : records)
        deleted.insert(record.recordNo);
    DataFileSession session;
    std::vector<std::string> kept;
    // A line that holds no record has no number to be selected by: it stays as it is.
    const int lines = session.Store().ForEachLine([&](std::string_view line) {
        const std::optional<RecordKey> record = ReadRecordKey(line);
        if (!record || !deleted.contains(record->number)) {
            kept.emplace_back(line);
            kept.back() += '\n';
        }
    });
    // A file that could not be read to its end is left alone: rewriting it would drop the
    // lines past the read error.
    if (lines < 0)
        return false;
    session.Index().Invalidate();
    return lines == 0 || session.Store().Rewrite(kept);
}

bool ClearDataFile() {
    const CBusyGuard busy = WaitAndTakeDataFile();
    if (!busy.IsTaken())
        return false;
    DataFileSession session;
    session.Index().Invalidate();
    return session.Store().Clear();
}
