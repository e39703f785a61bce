#include "dialogs/ConsoleBlockAccess.h"

#include "dialogs/ConsoleAccess.h"
#include "dialogs/OperationQuestion.h"
#include "platform/qt/Dialog.h"
#include "station/console/AlarmThresholds.h"
#include "texts/Env.h"
#include "texts/OwnTexts.h"
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

bool SaveIntoFreshBlock(CDialog& dialog, CWeatherComm& comm, CWeatherSettings& opened,
                        const BlockSaveTexts& texts, const std::function<void()>& showAgain,
                        const std::function<void(CWeatherSettings& fresh)>& takeFields) {
    if (!dialog.UpdateData(true))
        return false;
    if (!ConfirmOperation(dialog, kTextSaveQuestion))
        return false;
    const CConsoleAccess console(dialog, comm);
    if (!console.IsTaken())
        return false;
    CWeatherSettings fresh;
    if (!comm.ReadFixedBlock(fresh, kWholeBlock, false)) {
        dialog.MessageBox(Tr(texts.readFailed));
        return false;
    }
    // Thresholds typed or re-expressed in other units than the console's would be written ten
    // or a hundred times off.
    if (!SameThresholdUnits(fresh, opened)) {
        opened = fresh;
        showAgain();
        dialog.MessageBox(Tr(kOwnTextSettingsChangedMeanwhile));
        return false;
    }
    takeFields(fresh);
    if (!comm.WriteFixedBlock(fresh, kWholeBlock, false)) {
        dialog.MessageBox(Tr(texts.writeFailed));
        return false;
    }
    return true;
}
