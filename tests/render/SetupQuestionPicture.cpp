#include "app/MainFrm.h"
#include "platform/qt/MessageBox.h"
#include "tests/render/WindowPictures.h"
#include "texts/Env.h"
#include "texts/TextEntries.h"

#include <QMessageBox>

namespace {

// The question Setup's Save asks, with Qt's own Yes and No in the language.
const WindowPictureRegistration kSetupQuestion{
    {"setup-question", true, [](CMainFrame& frame) {
         return std::unique_ptr<QWidget>(
             MakeMessageBox(&frame, {Tr(kTextSaveQuestion), Tr(kTextOperationNotify),
                                     kMbYesNo | kMbIconQuestion}));
     }}};

} // namespace
