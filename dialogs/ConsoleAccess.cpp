#include "dialogs/ConsoleAccess.h"

#include "platform/qt/Dialog.h"
#include "texts/Env.h"

CConsoleAccess::CConsoleAccess(CDialog& dialog, CWeatherComm& comm,
                               std::optional<TextEntry> busyText)
    : m_device(WaitAndTakeDevice(comm, kDeviceBusyWaits, PauseHandlingEvents)) {
    if (!m_device.IsTaken() && busyText)
        dialog.MessageBox(Tr(*busyText));
}
