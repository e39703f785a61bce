#pragma once

#include "station/records/RecordBlockIndex.h"
#include "store/FDB.h"

#include <mutex>

// One open-to-close use of the data file's store g_fdb. The store has a single file handle
// and no lock of its own, and two threads open and close it: without this, one thread's Close
// would pull the file from under the other's reading. Every use of the store in the record
// layer therefore runs inside a session, one at a time across threads. The lock is held for
// the session only; a session never waits for the busy flag or for the other thread, so it
// always ends. Operations that take the busy flag take it before they begin a session.
//
// The two operations that read only the newest record (LastRecordNumber, LoadLastRecord) take
// no busy flag but still a session, so they cannot overlap any other use of the store.
class DataFileSession {
public:
    // Waits for any other session to end, then opens the store (a file that may only be read
    // is read, and nothing is written to it; a store that fails to open reads as empty).
    DataFileSession();
    // Closes the store.
    ~DataFileSession();
    DataFileSession(const DataFileSession&) = delete;
    DataFileSession& operator=(const DataFileSession&) = delete;

    CFdb& Store() { return g_fdb; }
    // Where the records of a span lie in the data file; kept from session to session.
    RecordBlockIndex& Index();

private:
    std::lock_guard<std::mutex> m_lock;
};
