#pragma once

#include "station/link/WeatherComm.h"
#include "texts/TextEntries.h"

#include <optional>

class CDialog;

// One console access of a dialog: takes the console's device-busy flag by the dialogs' rule,
// three waits of a second, while the window goes on handling events, since the monitor thread
// may hold the flag while it sends status texts to this thread. When the console stays busy
// the user is told `busyText` (nothing for std::nullopt, where the dialog goes on without the
// console) and the access is not taken. The flag is cleared when the access goes.
class CConsoleAccess {
public:
    explicit CConsoleAccess(CDialog& dialog, CWeatherComm& comm = g_weatherComm,
                            std::optional<TextEntry> busyText = kTextCantCommunicate);
    CConsoleAccess(const CConsoleAccess&) = delete;
    CConsoleAccess& operator=(const CConsoleAccess&) = delete;

    bool IsTaken() const { return m_device.IsTaken(); }
    // Leaves the flag set when the access goes: for a dialog that ends the program with it.
    void KeepTaken() { m_device.KeepTaken(); }

private:
    CBusyGuard m_device;
};
