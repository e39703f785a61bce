#pragma once

#include "station/threads/StatusText.h"

class QWidget;

// Passes the monitor thread's status texts on to the main frame of a view. Each text is handed
// to the user-interface thread, which gives it to the frame that holds the view at that moment:
// a frame already being taken apart (its windows go after its own part) receives nothing.
class CFrameStatusRelay : public IStatusTextTarget {
public:
    explicit CFrameStatusRelay(const QWidget& view) : m_view(view) {}

    // The relay lives as long as the view; whether the frame is still there is decided when a
    // text arrives.
    bool IsWindow() const override { return true; }
    int OnStatusText(const char* text) override;

private:
    const QWidget& m_view;
};
