#include "app/MainFrm.h"
#include "dialogs/AlarmDlg.h"
#include "tests/render/WindowPictures.h"

namespace {

const WindowPictureRegistration kAlarm{{"alarm", true, [](CMainFrame& frame) {
                                            auto dialog = std::make_unique<CAlarmDlg>(&frame);
                                            if (!dialog->Create())
                                                return std::unique_ptr<QWidget>();
                                            return std::unique_ptr<QWidget>(std::move(dialog));
                                        }}};

} // namespace
