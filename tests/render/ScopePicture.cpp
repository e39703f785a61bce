#include "app/MainFrm.h"
#include "dialogs/ScopeDlg.h"
#include "tests/render/WindowPictures.h"

namespace {

const WindowPictureRegistration kScope{{"scope", true, [](CMainFrame& frame) {
                                            auto dialog = std::make_unique<CScopeDlg>(&frame);
                                            if (!dialog->Create())
                                                return std::unique_ptr<QWidget>();
                                            return std::unique_ptr<QWidget>(std::move(dialog));
                                        }}};

} // namespace
