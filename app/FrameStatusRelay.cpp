#include "app/FrameStatusRelay.h"

#include "platform/qt/UiThread.h"

#include <QWidget>

int CFrameStatusRelay::OnStatusText(const char* text) {
    int result = 0;
    RunOnUiThread(
        [&] { result = SetStatusText(dynamic_cast<IStatusTextTarget*>(m_view.window()), text); });
    return result;
}
