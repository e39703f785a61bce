#pragma once

#include "station/records/DataFileSession.h"
#include "station/records/RecordLineFields.h"
#include "station/records/RecordTimeSpan.h"

#include <functional>
#include <optional>

// Reads the store's lines in file order, each into fresh fields (ReadRecordFields): a field a
// line lacks holds a new record's text, and a line that holds no record is passed over. The
// fields of each record whose time lies in `span` (of every record, without a span) are handed
// to `take`.
//
// `begin` is called when the file holds at least one line, before any record is handed over,
// with the number of records that can follow at most (for reserving room).
// An empty file or a closed store calls neither `begin` nor `take`. False when a read error
// cut the file short (the records before it have been handed over).
//
// With a span, only the parts of the file the session's index names are read. The records
// handed over are those a reading of every line would hand over.
bool ScanStoredRecords(DataFileSession& session, const std::optional<RecordTimeSpan>& span,
                       const std::function<void(std::size_t records)>& begin,
                       const std::function<void(const RecordFieldViews&)>& take);

// The records of the span as ScanStoredRecords gives them, read in parts of about `partBytes`
// bytes of the file by as many threads at once as the machine has cores (the calling thread
// among them). `begin` receives, for each part, the number of records it can hand over at most;
// then `take(part, fields)` receives each record of the span, on the thread that reads its part:
// the parts are numbered in file order and each hands its records over in file order. `anyLine`
// tells whether the parts held a line at all. False when a read error cut a part short.
bool ScanStoredRecordsInParts(
    DataFileSession& session, const RecordTimeSpan& span, off_t partBytes,
    const std::function<void(const std::vector<std::size_t>& mostRecords)>& begin,
    const std::function<void(std::size_t part, const RecordFieldViews&)>& take, bool& anyLine);
