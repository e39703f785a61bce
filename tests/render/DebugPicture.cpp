#include "app/MainFrm.h"
#include "dialogs/DebugDlg.h"
#include "resources/ResourceIds.h"
#include "tests/render/WindowPictures.h"

#include <QAbstractButton>

namespace {

// The debug dialog with a few entries: the fixed block and the newest record read on demand,
// and a single-byte operation reported with WriteDebug ticked.
const WindowPictureRegistration kDebug{
    {"debug", false, [](CMainFrame& frame) {
         auto dialog = std::make_unique<CDebugDlg>(&frame);
         if (!dialog->Create())
             return std::unique_ptr<QWidget>();
         for (const int id : {IDC_DEBUG_WRITE, IDC_DEBUG_SETUP_READ, IDC_DEBUG_DATA_READ})
             dialog->GetDlgItem<QAbstractButton>(id)->click();
         dialog->OnDebugLog(std::string("historyRecords->0"));
         return std::unique_ptr<QWidget>(std::move(dialog));
     }}};

} // namespace
