#include "app/MainFrm.h"
#include "platform/qt/FileDialog.h"
#include "tests/render/WindowPictures.h"

#include <QFileDialog>

namespace {

// The history's CSV export asks for its file name in Qt's own save-as dialog, whose texts come
// from Qt's translations; a new user's first one starts in the documents folder.
const WindowPictureRegistration kSaveAs{
    {"save-as", true, [](CMainFrame& frame) {
         const SaveFileRequest csv{"CSV Files (*.csv)|*.csv|All Files (*.*)|*.*||", "csv",
                                   "Talvorin.csv"};
         return std::unique_ptr<QWidget>(MakeSaveFileDialog(&frame, csv));
     }}};

} // namespace
