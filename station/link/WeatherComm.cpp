#include "station/link/WeatherComm.h"

#include "station/console/FixedBlockCodec.h"
#include "station/console/HistoryRecord.h"
#include "station/console/WeatherSet.h"
#include "station/link/DebugLog.h"
#include "station/values/AppendPrintf.h"
#include "station/values/Clock.h"
#include "station/values/TimeText.h"

#include <cstdlib>

CWeatherComm g_weatherComm;

namespace {

constexpr int kInitFlag1At = 0x00;
constexpr int kInitFlag2At = 0x01;
constexpr int kUpdateFlagAt = 0x1A;
constexpr int kRecordCountAt = 0x1B;
// The console takes this as "settings changed by the PC".
constexpr int kChangedMark = 0xAA;
constexpr int kUninitialised = 0xFF;
// Two blocks: the basic area with the history pointer, read as the console has always been.
constexpr int kHistoryPointerReadLength = 64;

std::string AddressText(int address) {
    std::string text;
    AppendPrintf(text, "%06X", address);
    return text;
}

} // namespace

CWeatherComm::CWeatherComm(std::unique_ptr<CConsoleLink> link, const CLinkSettings& settings)
    : m_link(std::move(link)), m_settings(settings) {}

void CWeatherComm::SetUp(std::unique_ptr<CConsoleLink> link, const CLinkSettings& settings) {
    m_link = std::move(link);
    m_settings = settings;
}

bool CWeatherComm::Connect() {
    if (m_link->m_open) {
        const bool stillThere = m_link->CheckOpen();
        m_link->m_open = stillThere;
        m_linkChanged = !stillThere;
    } else {
        const bool found = m_link->Open(m_settings.vendorId, m_settings.productId);
        m_link->m_open = found;
        m_linkChanged = found;
        if (found)
            m_pollLink = false;
    }
    return m_link->m_open;
}

bool CWeatherComm::ReadFixedBlock(CWeatherSettings& settings, int part, bool quiet) {
    std::uint8_t block[kFixedBlockSize] = {};
    int length = kFixedBlockSize;
    if (!m_link->ReadMemory(0x00, block, length))
        return false;
    if (!DecodeFixedBlock(block, settings, part, quiet || IsDebugLogOn(DEBUGLOG_READ)))
        return false;
    SendDebugLog(DEBUGLOG_READ, settings, quiet);
    return true;
}

// The encoder fills only the bytes of the part it encodes; writing the rest of the block as
// zeros would wipe the console's other settings, so only the whole block is ever written.
bool CWeatherComm::WriteFixedBlock(CWeatherSettings& settings, int part, bool quiet) {
    if (part != kWholeBlock)
        return false;
    // The flag text "1" becomes 0xAA at byte 0x1A: the console learns that the PC changed its
    // settings. (Assigned as a character: GCC 12 warns wrongly about a literal here.)
    settings.updateFlag.assign(1, '1');
    std::uint8_t block[kFixedBlockSize] = {};
    if (!EncodeFixedBlock(settings, block, part, quiet || IsDebugLogOn(DEBUGLOG_WRITE)))
        return false;
    // Reported before the write, so that the log shows an attempt that then fails.
    SendDebugLog(DEBUGLOG_WRITE, settings, quiet);
    return m_link->WriteWhole([&] {
        int length = kFixedBlockSize;
        return m_link->WriteMemory(0x00, block, length);
    });
}

bool CWeatherComm::ReadHistoryPointer(int& newestAddress, int& recordCount) {
    std::uint8_t block[kFixedBlockSize] = {};
    int length = kHistoryPointerReadLength;
    if (!m_link->ReadMemory(0x00, block, length))
        return false;
    CWeatherSettings settings;
    if (!DecodeFixedBlock(block, settings, kBasicArea, true))
        return false;
    newestAddress = std::atoi(settings.historyStackAddr.c_str());
    recordCount = std::atoi(settings.historyRecords.c_str());
    return true;
}

bool CWeatherComm::WriteBytes(std::initializer_list<ByteWrite> writes) {
    return m_link->WriteWhole([&] {
        for (const ByteWrite& write : writes)
            if (!m_link->WriteMemoryByte(write.address, write.value))
                return false;
        return true;
    });
}

bool CWeatherComm::ReinitStation() {
    if (!WriteBytes({{kInitFlag1At, kUninitialised},
                     {kInitFlag2At, kUninitialised},
                     {kUpdateFlagAt, kChangedMark}}))
        return false;
    SendDebugLog("initFlag1:1->0x55, initFlag2:1->0xAA");
    return true;
}

bool CWeatherComm::ClearHistoryCount() {
    if (!WriteBytes(
            {{kRecordCountAt, 0x00}, {kRecordCountAt + 1, 0x00}, {kUpdateFlagAt, kChangedMark}}))
        return false;
    SendDebugLog("historyRecords->0");
    return true;
}

bool CWeatherComm::ReadRecordAt(int address, CWeatherRecord& record, bool quiet) {
    // A record that the console was writing while we read it fails its checks; the second
    // reading is taken as it comes. The texts of fields in range in either reading stand.
    bool verdict = false;
    for (int reading = 0; reading < 2 && !verdict; ++reading) {
        std::uint8_t bytes[kHistoryRecordSize] = {};
        int length = kHistoryRecordSize;
        if (!m_link->ReadMemory(address, bytes, length))
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

CBusyGuard WaitAndTakeDevice(CWeatherComm& comm, int waits, SleepFunction wait) {
    return CBusyGuard(comm.m_busy, waits, kDeviceBusyWaitMs, wait);
}
