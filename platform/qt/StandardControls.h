#pragma once

#include "platform/qt/ResourceTemplates.h"

class QRect;
class QWidget;

// The Qt widget for a control of one of the standard window classes, placed at pixels:
//   Static             QLabel (text, bitmap or icon), or a QFrame for frames, lines and rects
//   Button             QPushButton, QCheckBox, or a QGroupBox for a group frame
//   Edit               QLineEdit, or a QPlainTextEdit when multi-line
//   ComboBox           QComboBox with the template's items; editable unless a drop-down list
//   ListBox            QListWidget with the template's items
//   SysDateTimePick32  QDateTimeEdit showing a date, or a time with DTS_TIMEFORMAT
//   SysListView32      QTreeView without a model: the window gives it the model of its rows
// Any other class gets an empty QFrame holding its place, for windows that plug in no widget
// of their own.
QWidget* CreateStandardControl(const DialogControl& control, const QRect& pixels, QWidget* parent);
