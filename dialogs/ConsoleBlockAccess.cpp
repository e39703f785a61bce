#include "dialogs/ConsoleBlockAccess.h"

#include "platform/qt/Dialog.h"
#include "texts/Env.h"

OpeningRead ReadBlockAtOpening(CDialog& dialog, CWeatherComm& comm, CWeatherSettings& settings) {
    const CBusyGuard device = dialog.WaitAndTakeDevice(comm);
    if (!device.IsTaken()) {
        dialog.MessageBox(Tr(168));
        dialog.EndDialog(IDCANCEL);
        return OpeningRead::kBusy;
    }
    if (!comm.ReadFixedBlock(settings, kWholeBlock, false)) {
        dialog.MessageBox(Tr(170));
        return OpeningRead::kFailed;
    }
    return OpeningRead::kRead;
}

bool ConfirmAndSave(CDialog& dialog, CWeatherComm& comm, const std::function<bool()>& save) {
    if (!dialog.UpdateData(true))
        return false;
    if (dialog.MessageBox(Tr(156), Tr(128), kMbYesNo | kMbIconQuestion) != kIdYes)
        return false;
    const CBusyGuard device = dialog.WaitAndTakeDevice(comm);
    if (!device.IsTaken()) {
        dialog.MessageBox(Tr(168));
        return false;
    }
    return save();
}
