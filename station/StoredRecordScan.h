#pragma once

#include "station/DataFileSession.h"
#include "station/RecordLineFields.h"
#include "station/RecordTimeSpan.h"

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
