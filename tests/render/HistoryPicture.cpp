#include "app/MainFrm.h"
#include "dialogs/HistoryDlg.h"
#include "tests/render/WindowPictures.h"

#include <memory>

// The history dialog as it opens: the records of the current hour.
static const WindowPictureRegistration kHistory{
    {"history", true, [](CMainFrame& frame) {
         auto dialog = std::make_unique<CHistoryDlg>(&frame);
         if (!dialog->Create())
             return std::unique_ptr<QWidget>();
         return std::unique_ptr<QWidget>(std::move(dialog));
     }}};
