#include "station/console/HistoryRecord.h"
#include "station/link/DebugLog.h"
#include "station/link/WeatherComm.h"
#include "station/values/AppendPrintf.h"
#include "station/values/Clock.h"
#include "station/values/TimeText.h"

namespace {

std::string AddressText(int address) {
    std::string text;
    AppendPrintf(text, "%06X", address);
    return text;
}

} // namespace

bool CWeatherComm::ReadRecordAt(int address, CWeatherRecord& record, bool quiet) {
    // A record that the console was writing while we read it fails its checks; the second
    // reading is taken as it comes. The texts of fields in range in either reading stand.
    bool verdict = false;
    for (int reading = 0; reading < 2 && !verdict; ++reading) {
        std::uint8_t bytes[kHistoryRecordSize] = {};
        int length = kHistoryRecordSize;
        if (!m_device.ReadMemory(address, bytes, length))
            return false;
        verdict = DecodeHistoryRecord(bytes, record);
    }
    record.hexAddr = AddressText(address);
    record.recordTime = FormatRecordTime(CurrentTime());
    SendDebugLog(record, quiet);
    return true;
}

// A newest address that is no slot of the ring comes from a garbled block: nothing to read.
bool CWeatherComm::ReadLatestRecord(CWeatherRecord& record, int n, bool quiet) {
    int newest = 0;
    int count = 0;
    if (!ReadHistoryPointer(newest, count))
        return false;
    if (n < 0 || n >= count || !IsHistorySlot(newest))
        return false;
    record.stackAddr = AddressText(newest);
    return ReadRecordAt(HistorySlotBefore(newest, n), record, quiet);
}
