#pragma once

#include "controls/TransparentBitmap.h"

#include <string>

#include <QWidget>

// A compass picture with a needle for one of sixteen directions. User-interface thread only.
class CWindDir : public QWidget {
    Q_OBJECT

public:
    explicit CWindDir(QWidget* parent = nullptr);

    // The compass rose, stretched over the control.
    void SetCompass(const QPixmap& compass);

    // 0 points up, 4 right, 8 down, 12 left; any number outside 0..15 shows no needle.
    void SetDirection(int direction);
    // "---" or an empty text shows no needle.
    void SetDirection(const std::string& direction);

    int Direction() const { return m_direction; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TransparentBitmap m_compass;
    int m_direction = -1;
};
