#pragma once

#include "platform/qt/ResourceTemplates.h"

#include <functional>
#include <map>
#include <string>

class QWidget;

// Lets a window put widgets of its own in place of template controls: for every control of a
// window class (the gauges of the main form, say), or for one control by its id (what
// subclassing a template control used to do). A factory may answer nullptr to leave that
// control to the standard widgets.
using ControlFactory = std::function<QWidget*(const DialogControl& control, QWidget* parent)>;

class ControlFactories {
public:
    // Class names are compared ignoring case, as window classes always were.
    ControlFactories& ForClass(const std::string& className, ControlFactory factory);
    ControlFactories& ForId(int id, ControlFactory factory);

    // The factory for a control, the one by id first; nullptr when none.
    const ControlFactory* Find(const DialogControl& control) const;

private:
    std::map<std::string, ControlFactory> byClass_; // keys in upper case
    std::map<int, ControlFactory> byId_;
};
