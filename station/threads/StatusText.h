#pragma once

#include <cstddef>

// The status channel: progress and summary texts of the console reading travel from the
// monitor thread (and the history download and rain sums it runs) to the first pane of the
// main frame's status bar, one at a time.

// The receiver of status texts: the main frame.
class IStatusTextTarget {
public:
    // Whether the window still exists; a destroyed window receives nothing.
    virtual bool IsWindow() const = 0;
    // Shows `text` and returns 0. Called from the monitor thread, it hands the text to the
    // user-interface thread and returns only once the text is shown, so that the sender may
    // reuse its buffer at once.
    virtual int OnStatusText(const char* text) = 0;

protected:
    ~IStatusTextTarget() = default;
};

// Room for the longest status text (the summary after a reading: three texts of the text
// table, a date, a time and two counts) with its terminating NUL, and then some.
inline constexpr std::size_t kStatusTextSize = 512;

// The buffer each status text is formatted into before it is sent (snprintf with
// kStatusTextSize). Only the monitor thread writes it.
extern char g_statusText[kStatusTextSize];

// Hands `text` to `target` and returns its result. Sends nothing and returns 0 when the
// target is null or its window no longer exists.
int SetStatusText(IStatusTextTarget* target, const char* text);
