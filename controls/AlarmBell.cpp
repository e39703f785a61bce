#include "controls/AlarmBell.h"

#include "controls/BellEvents.h"

#include <QPainter>

CAlarmBell::CAlarmBell(QWidget* parent) : QLabel(parent) {}

void CAlarmBell::SetBitmaps(const QPixmap& normal, const QPixmap& blink) {
    if (normal.isNull() || m_normalBitmap.IsMadeFrom(normal))
        return;
    m_normalBitmap = TransparentBitmap(normal);
    m_blinkBitmap = TransparentBitmap(blink);
    update();
}

void CAlarmBell::Toggle() {
    m_blinkPhase = !m_blinkPhase;
    update();
}

bool CAlarmBell::event(QEvent* event) {
    if (event->type() == WM_BELL_SETBITMAPS) {
        const auto* bitmaps = static_cast<BellBitmapsEvent*>(event);
        SetBitmaps(bitmaps->Normal(), bitmaps->Blink());
        return true;
    }
    if (event->type() == WM_BELL_TOGGLE) {
        Toggle();
        return true;
    }
    return QLabel::event(event);
}

void CAlarmBell::paintEvent(QPaintEvent* event) {
    if (m_normalBitmap.IsNull()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    const bool blink = m_blinkPhase && !m_blinkBitmap.IsNull();
    (blink ? m_blinkBitmap : m_normalBitmap).DrawStretched(painter, rect());
}
