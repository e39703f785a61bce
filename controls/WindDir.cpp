#include "controls/WindDir.h"

#include "controls/GdiPainter.h"
#include "controls/ScaleBounds.h"
#include "station/values/ValueText.h"

#include <cmath>

namespace {

constexpr int kDirections = 16;

// The needle lies inside the compass ring, whose margins in the picture are these.
GdiRect NeedleArea(const GdiRect& client) {
    return {client.left + 33, client.top + 29, client.right - 32, client.bottom - 30};
}

// The kite-shaped needle: tail near the centre, tip near the ring, and two shoulders whose
// spread grows with the needle's length, so that a long needle is also a wide one.
QPolygon Needle(const GdiRect& area, int direction) {
    const QPoint centre = area.CenterPoint();
    const int halfWidth = area.Width() / 2;
    const int halfHeight = area.Height() / 2;
    const auto at = [&](double sixteenths, double radius) {
        const double angle = (sixteenths - 4) * 3.14159 * 2 / kDirections;
        return QPoint(centre.x() + TruncToInt(std::cos(angle) * halfWidth * radius),
                      centre.y() + TruncToInt(std::sin(angle) * halfHeight * radius));
    };
    const QPoint tail = at(direction, 0.1);
    const QPoint tip = at(direction, 0.95);
    const double diagonal = std::hypot(area.Width(), area.Height());
    const QPoint length = tip - tail;
    const double spread = diagonal > 0 ? std::hypot(length.x(), length.y()) / diagonal : 0.0;
    return QPolygon(
        {tail, at(direction - spread - 0.1, 0.7), tip, at(direction + spread + 0.1, 0.7)});
}

} // namespace

CWindDir::CWindDir(QWidget* parent) : QWidget(parent) {}

void CWindDir::SetCompass(const QPixmap& compass) {
    m_compass = TransparentBitmap(compass);
    update();
}

void CWindDir::SetDirection(int direction) {
    if (direction == m_direction)
        return;
    m_direction = direction;
    update();
}

void CWindDir::SetDirection(const std::string& direction) {
    SetDirection(IsMissingText(direction) ? -1 : ReadInt(direction));
}

void CWindDir::paintEvent(QPaintEvent*) {
    GdiPainter dc(this);
    const GdiRect r = GdiRect::ClientOf(*this);
    m_compass.DrawStretched(dc.Painter(), rect());

    const QPoint hub = r.CenterPoint();
    dc.Ellipse({hub.x() - 2, hub.y() - 2, hub.x() + 3, hub.y() + 3});

    dc.SelectPen(kGaugeBlue);
    dc.SelectBrush(kGaugeBlue);
    if (m_direction >= 0 && m_direction < kDirections)
        dc.Polygon(Needle(NeedleArea(r), m_direction));
}
