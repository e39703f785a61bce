#pragma once

#include "station/console/WeatherRecord.h"
#include "station/records/RecordLineFields.h"

#include <functional>
#include <string>
#include <sys/types.h>
#include <vector>

// The stored weather records: the lines of the data file g_fdb turned into records and back.
// The user-interface thread and the monitor thread both call these. Each use of the store runs
// in a DataFileSession; the operations that read every line or change the file take the
// data-file busy flag first (DataFileBusy.h) and, when the file stays busy, do nothing at all:
// the caller's records stay as they were.
//
// Lines stand oldest first. Record numbers (field 1) rise by one per appended record and are
// never renumbered, so a delete leaves a gap. Lists read from the file are in file order,
// oldest first. Each line is read as a new record (ReadRecordFields): a field the line lacks
// holds "---" (or the empty text a new record has there), never a value of another line. A
// line without a record number or a valid record time holds no record: no reading shows or
// counts it, and the file keeps it as it stands.
//
// Start and end of a time span are record times ("%Y-%m-%d %H:%M:%S"); a record lies in the
// span when its time text compares, byte by byte, not below the start and not above the end.
// The reads of a span read only the parts of the file that can hold it (RecordBlockIndex.h),
// with the records a reading of every line would give.

// The record number of the last line that holds a record, with numbers beyond the int range
// held at its ends; 0 when the file holds no record. Damaged lines after it are passed over, so
// the numbering goes on from the last record. No busy flag; reads only from the end of the file
// back to that line.
int LastRecordNumber();

// Reads the last line that holds a whole record (every field a record reads back) into
// `record` as ParseRecordLine reads it and returns true; without such a line, resets `record`
// and returns false. Damaged lines after it are passed over, a record cut short as well: it
// lacks the console address and bytes by which the history download meets the stored record,
// so the download goes on from the last whole one (and fetches the console's copy of the cut
// one again) rather than taking every record the console holds once more. No busy flag; reads
// only from the end of the file back to that line.
bool LoadLastRecord(CWeatherRecord& record);
// Reads the record LoadLastRecord reads into `last` and the last line before it that holds a
// record into `before`, each a fresh record (`before` stays fresh when there is none); false
// when the file holds no whole record. Damaged lines between them are passed over. No busy
// flag; reads only from the end of the file back to those lines.
bool LoadLastTwoRecords(CWeatherRecord& last, CWeatherRecord& before);

// Where the data file's torn last lines are kept: beside it, its name followed by ".torn".
inline std::string TornLinesPath(const std::string& dataPath) {
    return dataPath + ".torn";
}

// A last line without its line end that does not hold a whole record (a writer died while
// appending it, maybe within the blanks before its number) is taken out of the file and kept,
// byte for byte, at the end of the file at TornLinesPath: it is no stored record, so the next
// history download stops at the last whole one and fetches the torn one again from the
// console. A whole last line stays (the next append gives it its line end). False when the
// file stayed busy, could not be opened for writing, or the line could not be moved: the file
// is then not ready for an append. Busy flag.
bool SetAsideTornLastLine();

// Stores `records` (newest first, as the history download delivers them) at the end of the
// file, oldest first, numbered on from the last record's number and stamped with the current
// time; a torn last line is set aside first, as SetAsideTornLastLine does. The caller's
// records are not changed. Returns how many of them are stored: all of them when every line
// was written; after a write that failed half way, the oldest ones whose lines got their line
// end (a part of the next line may stay, to be set aside next time); 0 when the file stayed
// busy, could not be opened for writing, or its last record could not be read or its torn last
// line not be set aside. Busy flag.
int AppendRecords(const CWeatherRecordArray& records);

// The whole records the file holds: its lines that hold a record and have their line end, so a
// torn last line does not count. A file another program holds open is counted all the same as
// long as it can be read; -1 when it cannot be read at all. No busy flag; after the first count
// only the lines appended since are read.
long long CountStoredRecords();

// Puts the records of the span into `records`, in place of what it held. A file without lines
// leaves it as it is. Busy flag.
void LoadRecordsForGraph(CWeatherRecordArray& records, const std::string& start,
                         const std::string& end);

// Hands the fields of every record of the span to `take`, exactly as LoadRecordsForGraph would
// store them (the views are valid during the call), for readers that keep less than whole
// records. The span is read in parts of about `partBytes` bytes of the file, side by side on a
// few threads (0: parts only where the span's lines lie apart). `begin` comes first, with the
// number of records each part can hand over at most; then `take(part, fields)` receives every
// record of the span, on the thread that reads its part, at the same time as other parts'
// records: the parts are numbered in file order and each hands its records over in file order,
// so the records of part 0, then those of part 1 and so on are the span's, oldest first. True
// when the file held a line; false when it held none or stayed busy, and the caller's records
// then stay as they were.
bool VisitRecordsInRange(
    const std::string& start, const std::string& end, off_t partBytes,
    const std::function<void(const std::vector<std::size_t>& mostRecords)>& begin,
    const std::function<void(std::size_t part, const RecordFieldViews&)>& take);

// Puts every stored record into `records`, in place of what it held. A file without lines
// leaves it as it is. Busy flag.
void LoadAllRecords(CWeatherRecordArray& records);

// Removes every record whose number equals, as text, the recordNo of one of `records`, and
// writes the other lines back as they were read (trimmed, otherwise unchanged), those that
// hold no record among them. A file
// without lines is not rewritten. Busy flag. False when nothing was changed although lines may
// carry those numbers: the file stayed busy, could not be read to its end or not be rewritten.
bool DeleteRecords(const CWeatherRecordArray& records);

// Empties the file. Busy flag. False when the file stayed busy or could not be emptied.
bool ClearDataFile();
