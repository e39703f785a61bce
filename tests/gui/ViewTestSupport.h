#pragma once

#include "app/KR5160View.h"
#include "controls/AlarmBell.h"
#include "controls/BellEvents.h"
#include "platform/qt/DialogBuilder.h"
#include "platform/qt/ResourceLibrary.h"
#include "tests/gui/GaugeSnapshot.h"

#include <string>

#include <QCoreApplication>
#include <QLabel>

// What the tests of the main view read off its widgets.

inline std::string ItemText(const CKR5160View& view, int item) {
    const auto* label = ControlById<QLabel>(view.Form(), item);
    return label ? label->text().toStdString() : "(missing)";
}

// How a bell of the form looks now.
inline QImage BellLook(const CKR5160View& view, int item) {
    QWidget* bell = ControlById(view.Form(), item);
    return bell ? Snapshot(*bell, bell->width(), bell->height()) : QImage();
}

// How a bell of that size looks armed with the picture of resource `picture`.
inline QImage ArmedLook(const CKR5160View& view, int item, int picture) {
    const QWidget* bell = ControlById(view.Form(), item);
    CAlarmBell probe;
    BellBitmapsEvent arm(LoadBitmapResource(picture), QPixmap());
    QCoreApplication::sendEvent(&probe, &arm);
    return bell ? Snapshot(probe, bell->width(), bell->height()) : QImage();
}
