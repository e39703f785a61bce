#include "dialogs/ConsoleBlockAccess.h"

#include "dialogs/ConsoleAccess.h"
#include "dialogs/OperationQuestion.h"
#include "platform/qt/Dialog.h"
#include "texts/Env.h"
#include "texts/TextEntries.h"

OpeningRead ReadBlockAtOpening(CDialog& dialog, CWeatherComm& comm, CWeatherSettings& settings) {
    const CConsoleAccess console(dialog, comm);
    if (!console.IsTaken()) {
        dialog.EndDialog(IDCANCEL);
        return OpeningRead::kBusy;
    }
    if (!comm.ReadFixedBlock(settings, kWholeBlock, false)) {
        dialog.MessageBox(Tr(kTextReadSetupFailed));
        return OpeningRead::kFailed;
    }
    return OpeningRead::kRead;
}

bool ConfirmAndSave(CDialog& dialog, CWeatherComm& comm, const std::function<bool()>& save) {
    if (!dialog.UpdateData(true))
        return false;
    if (!ConfirmOperation(dialog, kTextSaveQuestion))
        return false;
    const CConsoleAccess console(dialog, comm);
    return console.IsTaken() && save();
}
