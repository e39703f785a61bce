#include "app/MainFrm.h"
#include "dialogs/LanguageDlg.h"
#include "tests/render/WindowPictures.h"

namespace {

// Opened in each language, it speaks that language.
const WindowPictureRegistration kLanguage{{"language", true, [](CMainFrame& frame) {
                                               auto dialog = std::make_unique<CLanguageDlg>(&frame);
                                               if (!dialog->Create())
                                                   return std::unique_ptr<QWidget>();
                                               return std::unique_ptr<QWidget>(std::move(dialog));
                                           }}};

} // namespace
