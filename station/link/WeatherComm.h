#pragma once

#include "station/console/WeatherRecord.h"
#include "station/link/LinkSettings.h"
#include "station/link/UsbDevice.h"
#include "station/threads/BusyFlag.h"

#include <atomic>
#include <initializer_list>
#include <memory>
#include <string>

struct CWeatherSettings;

// The station link: the one object through which the program talks to the console. It keeps
// the connection state that the main frame's link timer drives, and offers the console
// operations. None of them takes the device-busy flag: the caller does, by WaitAndTakeDevice.
class CWeatherComm {
public:
    // Until SetUp, the link is the USB console through the program's library module.
    explicit CWeatherComm(std::unique_ptr<CConsoleLink> link = std::make_unique<CUsbDevice>(),
                          const CLinkSettings& settings = {});
    virtual ~CWeatherComm() = default;
    CWeatherComm(const CWeatherComm&) = delete;
    CWeatherComm& operator=(const CWeatherComm&) = delete;

    // Hands over the link to talk through and its settings. Start-up does it once, after
    // reading the configuration and before any thread exists.
    void SetUp(std::unique_ptr<CConsoleLink> link, const CLinkSettings& settings);
    // Whether the link is the simulated console of test mode.
    bool IsTestMode() const { return m_link->IsSimulated(); }

    // Connected: checks that the console is still there. Not connected: looks for it with the
    // configured USB ids; finding it stops the link polling until EnableLinkPolling. Returns
    // the connected state after the call.
    bool Connect();
    bool IsConnected() const { return m_link->m_open; }
    // Why the link is down, as the last Connect saw it; kNone while it is up.
    ConsoleAbsence Absence() const { return m_link->Absence(); }
    // While set, the link timer calls Connect and the monitor thread reads the console.
    bool IsPollingLink() const { return m_pollLink; }
    void EnableLinkPolling() { m_pollLink = true; }
    // Whether the last Connect saw the link come up or go down.
    bool HasLinkChanged() const { return m_linkChanged; }

    // Reads and decodes the fixed block (`part` 0: the whole block). A quiet call is not
    // reported to the debug dialog and decodes the companions as well.
    bool ReadFixedBlock(CWeatherSettings& settings, int part, bool quiet);
    // Marks the settings as changed by the PC, encodes them and writes the whole block. Only the
    // whole block (`part` 0) can be written. A quiet call is not reported. A program that is
    // ending does not begin the write, and finishes one it has begun (CConsoleLink::WriteWhole).
    bool WriteFixedBlock(CWeatherSettings& settings, int part, bool quiet);
    // The console address of the newest history record and the number of records stored.
    bool ReadHistoryPointer(int& newestAddress, int& recordCount);
    // Spoils the console's initialisation marks, so that it sets itself up afresh.
    bool ReinitStation();
    // Empties the console's history memory by setting its record count to 0.
    bool ClearHistoryCount();

    // Reads and decodes the history record at console address `address`, stamped with the
    // address and the current time. A record caught half-written is read once more; fields out
    // of range in both readings stay without a value. A quiet call is not reported.
    bool ReadRecordAt(int address, CWeatherRecord& record, bool quiet);
    // Reads the record `n` places before the newest (0: the newest, still being filled).
    bool ReadLatestRecord(CWeatherRecord& record, int n, bool quiet);

    std::unique_ptr<CConsoleLink> m_link;
    CLinkSettings m_settings;
    std::atomic<bool> m_pollLink{true};
    std::atomic<bool> m_linkChanged{false};
    // Device-busy: set while one party exchanges data with the console.
    std::atomic<bool> m_busy{false};

private:
    struct ByteWrite {
        int address;
        int value;
    };
    // Writes the bytes in order, stopping at the first failure; no roll-back. Begun, they are
    // all written, also by a program that is ending.
    bool WriteBytes(std::initializer_list<ByteWrite> writes);
};

extern CWeatherComm g_weatherComm;

// The device-busy rule: while another party holds the flag, wait a second, at most three times.
inline constexpr int kDeviceBusyWaits = 3;
inline constexpr int kDeviceBusyWaitMs = 1000;

// Takes the device-busy flag of `comm` for one console access by the rule above (or with
// `waits` waits, each made by `wait`); the flag is cleared when the returned guard goes,
// whatever the access did. When the guard is not taken, the console stayed busy: the caller
// gives up this access.
[[nodiscard]] CBusyGuard WaitAndTakeDevice(CWeatherComm& comm = g_weatherComm,
                                           int waits = kDeviceBusyWaits,
                                           SleepFunction wait = SleepMs);
