#include "app/AboutDlg.h"
#include "app/MainFrm.h"
#include "tests/render/WindowPictures.h"

namespace {

const WindowPictureRegistration kAbout{{"about", true, [](CMainFrame& frame) {
                                            auto about = std::make_unique<CAboutDlg>(&frame);
                                            about->Create();
                                            return std::unique_ptr<QWidget>(std::move(about));
                                        }}};

} // namespace
