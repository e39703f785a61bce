#include "controls/TransparentBitmap.h"

#include <QPainter>
#include <QRect>

namespace {

QImage KeyOutTransparentColour(const QImage& picture) {
    QImage keyed = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < keyed.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(keyed.scanLine(y));
        for (int x = 0; x < keyed.width(); ++x)
            if ((line[x] & RGB_MASK) == (kTransparentColour & RGB_MASK))
                line[x] = 0;
    }
    return keyed;
}

} // namespace

TransparentBitmap::TransparentBitmap(const QPixmap& picture)
    : m_sourceKey(picture.cacheKey()),
      m_keyed(picture.isNull() ? QImage() : KeyOutTransparentColour(picture.toImage())) {}

bool TransparentBitmap::IsMadeFrom(const QPixmap& picture) const {
    return !IsNull() && !picture.isNull() && picture.cacheKey() == m_sourceKey;
}

void TransparentBitmap::DrawStretched(QPainter& painter, const QRect& target) const {
    if (IsNull() || target.isEmpty())
        return;
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(target, m_keyed);
}
