#pragma once

#include <QImage>
#include <QPixmap>
#include <QRgb>

class QPainter;
class QRect;

// Pixels of this colour in the program's pictures are holes that show what lies beneath.
inline constexpr QRgb kTransparentColour = qRgb(236, 233, 216);

// A picture prepared once for drawing with its transparent colour punched out. It remembers
// which picture it came from, so that a caller can tell the same picture from a new one.
class TransparentBitmap {
public:
    TransparentBitmap() = default;
    explicit TransparentBitmap(const QPixmap& picture);

    bool IsNull() const { return m_keyed.isNull(); }
    bool IsMadeFrom(const QPixmap& picture) const;

    // Stretches the whole picture over `target`, pixel by pixel, without smoothing.
    void DrawStretched(QPainter& painter, const QRect& target) const;

private:
    qint64 m_sourceKey = 0;
    QImage m_keyed;
};
