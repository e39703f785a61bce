#include "app/MainFrm.h"
#include "dialogs/SetupDlg.h"
#include "tests/render/WindowPictures.h"

namespace {

const WindowPictureRegistration kSetup{{"setup", true, [](CMainFrame& frame) {
                                            auto dialog = std::make_unique<CSetupDlg>(&frame);
                                            if (!dialog->Create())
                                                return std::unique_ptr<QWidget>();
                                            return std::unique_ptr<QWidget>(std::move(dialog));
                                        }}};

} // namespace
