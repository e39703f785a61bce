#pragma once

#include "controls/TransparentBitmap.h"

#include <QLabel>

// An alarm bell. Until it is given a picture it is a plain picture label, showing whatever its
// form put there; once armed it draws its own picture, and alternates with a blink picture
// while it has one.
class CAlarmBell : public QLabel {
    Q_OBJECT

public:
    explicit CAlarmBell(QWidget* parent = nullptr);

    // The work of WM_BELL_SETBITMAPS: a null blink picture means the bell does not blink.
    void SetBitmaps(const QPixmap& normal, const QPixmap& blink);
    // The work of WM_BELL_TOGGLE.
    void Toggle();

    bool BlinkPhase() const { return m_blinkPhase; }

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    TransparentBitmap m_normalBitmap;
    TransparentBitmap m_blinkBitmap;
    bool m_blinkPhase = false;
};
