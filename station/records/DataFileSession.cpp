#include "station/records/DataFileSession.h"

namespace {

std::mutex g_sessionMutex;
RecordBlockIndex g_recordBlockIndex; // guarded by g_sessionMutex

} // namespace

DataFileSession::DataFileSession() : m_lock(g_sessionMutex) {
    g_fdb.OpenFile();
}

DataFileSession::~DataFileSession() {
    g_fdb.Close();
}

RecordBlockIndex& DataFileSession::Index() {
    return g_recordBlockIndex;
}
