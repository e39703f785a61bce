#pragma once

#include "platform/qt/ControlFactories.h"
#include "platform/qt/DialogUnits.h"
#include "platform/qt/ResourceTemplates.h"

#include <QFont>
#include <QWidget>

// Every control built from a template carries these properties: its id (int), its window
// class (QString) and its style bits (uint). Its object name is the id's symbol, when the
// template wrote one other than IDC_STATIC and the widget has no name of its own.
inline constexpr char kCtrlIdProperty[] = "ctrlId";
inline constexpr char kCtrlClassProperty[] = "ctrlClass";
inline constexpr char kCtrlStyleProperty[] = "ctrlStyle";

// The template's font. The classic "MS Shell Dlg" names stand for the desktop's own dialog
// font, so they become the platform's general font at the template's point size.
QFont DialogFont(const DialogTemplate& dialog);

// Builds the template's controls into host, in template order (which is the tab order), each
// at its place in dialog units converted by the template's font, hidden without WS_VISIBLE and
// disabled with WS_DISABLED. A factory, when one answers for a control, makes its widget; the
// standard widgets stand for all others. The host takes the template's font and size. A
// dialog template (one without WS_CHILD) also gives the host its caption and keeps it at its
// size unless the template has a sizing frame; a form (WS_CHILD) may be resized by its owner.
// Returns the base units used.
DialogBaseUnits BuildForm(const DialogTemplate& dialog, QWidget& host,
                          const ControlFactories& factories = {});

// The control of host with that id, or nullptr.
QWidget* ControlById(const QWidget& host, int id);

template <class Widget>
Widget* ControlById(const QWidget& host, int id) {
    return qobject_cast<Widget*>(ControlById(host, id));
}
