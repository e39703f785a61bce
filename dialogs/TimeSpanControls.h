#pragma once

#include "station/values/Clock.h"

#include <ctime>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class CDialog;

// The time-span controls the history and graph dialogs share: the range drop-down 1089 and the
// pickers 1088 (start date), 1090 (start time), 1091 (end date) and 1092 (end time).
class CTimeSpanControls {
public:
    static constexpr int kRangeCombo = 1089;
    static constexpr int kStartDate = 1088;
    static constexpr int kStartTime = 1090;
    static constexpr int kEndDate = 1091;
    static constexpr int kEndTime = 1092;

    // What "user defined" (or no selection) does to the pickers when the preset is applied.
    enum class UserDefined { kSetsNow, kKeepsPickers };

    CTimeSpanControls(CDialog& dialog, UserDefined rule) : m_dialog(dialog), m_rule(rule) {}

    // Gives the date pickers the current language's date format (kTextDateFormat) and the
    // time pickers "HH:mm:ss", and lets a change the user makes in any picker select "user
    // defined" (item 4) without a selection-change notification. Call from OnInitDialog.
    void SetUp();

    // Both start pickers receive the start of the selected preset, both end pickers now.
    void ApplyRangePreset(time_t now = CurrentTime());

    // A search's span: the pickers' start and end texts into `start` and `end`. False, with
    // the user told, when the end lies before the start; an equal start and end is a span.
    bool ReadSearchSpan(std::string& start, std::string& end) const;

    // "%Y-%m-%d" of the date picker followed by " %H:%M:%S" of the time picker.
    std::string StartText() const;
    std::string EndText() const;
    // The date of the date picker with the time of the time picker, as a local time.
    time_t StartTime() const;
    time_t EndTime() const;

    // Enables or disables the four pickers.
    void EnablePickers(bool enable);

private:
    CDialog& m_dialog;
    UserDefined m_rule;
};

// The resize rule of the history and graph dialogs: a client area below 200 pixels in width or
// height changes nothing; the first size at or above it is remembered; each later one grows
// the control `grow` at its right and bottom edges by the difference to the remembered size
// and moves the controls `follow`, in order, down by the height difference.
class CGrowBelowResize {
public:
    static constexpr int kSmallest = 200;

    CGrowBelowResize(int grow, std::vector<int> follow)
        : m_grow(grow), m_follow(std::move(follow)) {}

    void OnSize(CDialog& dialog, int width, int height);

private:
    int m_grow;
    std::vector<int> m_follow;
    std::optional<std::pair<int, int>> m_lastClientSize;
};
