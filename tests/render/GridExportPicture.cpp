#include "app/MainFrm.h"
#include "dialogs/GridExport.h"
#include "dialogs/HistoryDlg.h"
#include "tests/render/WindowPictures.h"

#include <memory>

// The column chooser as the history dialog's Export brings it up, all offered columns selected.
static const WindowPictureRegistration kExport{
    {"export", true, [](CMainFrame& frame) {
         CHistoryDlg history(&frame);
         if (!history.Create())
             return std::unique_ptr<QWidget>();
         auto chooser = std::make_unique<CGridExportDlg>(&frame);
         chooser->m_entries = history.OfferedColumns();
         chooser->m_header = 1;
         if (!chooser->Create())
             return std::unique_ptr<QWidget>();
         return std::unique_ptr<QWidget>(std::move(chooser));
     }}};
