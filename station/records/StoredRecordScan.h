#pragma once

#include "station/records/DataFileSession.h"
#include "station/records/RecordLineFields.h"
#include "station/records/RecordTimeSpan.h"

#include <functional>
#include <optional>

// Reads the store's lines in file order as one record that is never reset between lines would
// read them (RecordFieldReader): a line with fewer fields than a full one leaves the other
// fields as the lines before it left them. After each line whose record time lies in `span`
// (after every line, without a span) the record's fields are handed to `take`.
//
// `begin` is called when the file holds at least one line, before any record is handed over,
// with the number of records that can follow at most (for reserving room).
// An empty file or a closed store calls neither `begin` nor `take`. False when a read error
// cut the file short (the records before it have been handed over).
//
// With a span, only the parts of the file the session's index names are read. The records
// handed over are those a reading of every line from the start of the file would hand over.
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
