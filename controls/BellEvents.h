#pragma once

#include <utility>

#include <QEvent>
#include <QPixmap>

// The two requests a bell understands; to any other widget they mean nothing. Deliver them with
// QCoreApplication::sendEvent, or postEvent from another thread.
inline constexpr QEvent::Type WM_BELL_SETBITMAPS = static_cast<QEvent::Type>(QEvent::User + 104);
inline constexpr QEvent::Type WM_BELL_TOGGLE = static_cast<QEvent::Type>(QEvent::User + 105);

// Arms a bell with its normal picture and, for an alarm that blinks, a second picture. The
// pictures stay the sender's; a null normal picture or the one the bell already shows changes
// nothing.
class BellBitmapsEvent : public QEvent {
public:
    BellBitmapsEvent(QPixmap normal, QPixmap blink)
        : QEvent(WM_BELL_SETBITMAPS), m_normal(std::move(normal)), m_blink(std::move(blink)) {}

    const QPixmap& Normal() const { return m_normal; }
    const QPixmap& Blink() const { return m_blink; }

private:
    QPixmap m_normal;
    QPixmap m_blink;
};

// Flips a bell's blink phase; sent to every bell once a second.
class BellToggleEvent : public QEvent {
public:
    BellToggleEvent() : QEvent(WM_BELL_TOGGLE) {}
};
