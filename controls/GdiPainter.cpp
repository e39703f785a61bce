#include "controls/GdiPainter.h"

#include <algorithm>

#include <QFontMetrics>
#include <QWidget>

GdiRect GdiRect::ClientOf(const QWidget& widget) {
    return {0, 0, widget.width(), widget.height()};
}

QFont GaugeFont() {
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    return font;
}

GdiPainter::GdiPainter(QWidget* widget) : m_painter(widget) {
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    m_painter.setBackgroundMode(Qt::TransparentMode);
    m_painter.setFont(GaugeFont());
}

void GdiPainter::SelectBrush(QRgb colour) {
    m_brush = colour;
    m_hollow = false;
}

QSize GdiPainter::TextExtent(const QString& text) const {
    const QFontMetrics metrics = m_painter.fontMetrics();
    return {metrics.horizontalAdvance(text), metrics.height()};
}

// A label on the edge of a scale (the top one of a thermometer, the last Beaufort level) would
// be cut off by the control's border; it moves just inside instead. A control too small for
// the label keeps it where it was asked.
void GdiPainter::TextOut(int x, int y, const QString& text) {
    const QSize extent = TextExtent(text);
    const QPaintDevice& device = *m_painter.device();
    if (extent.width() <= device.width())
        x = std::clamp(x, 0, device.width() - extent.width());
    if (extent.height() <= device.height())
        y = std::clamp(y, 0, device.height() - extent.height());
    m_painter.setPen(QColor(kGaugeBlack));
    m_painter.drawText(x, y + m_painter.fontMetrics().ascent(), text);
}

void GdiPainter::HorizontalTick(int x, int y) {
    m_painter.fillRect(x, y, kTickLength, 1, QColor(m_pen));
}

void GdiPainter::VerticalTick(int x, int y) {
    m_painter.fillRect(x, y, 1, kTickLength, QColor(m_pen));
}

void GdiPainter::PreparePenAndBrush() {
    m_painter.setPen(QPen(QColor(m_pen), 0));
    if (m_hollow)
        m_painter.setBrush(Qt::NoBrush);
    else
        m_painter.setBrush(QColor(m_brush));
}

void GdiPainter::Rectangle(const GdiRect& r) {
    if (r.Width() < 1 || r.Height() < 1)
        return;
    if (!m_hollow && r.Width() > 2 && r.Height() > 2)
        m_painter.fillRect(r.left + 1, r.top + 1, r.Width() - 2, r.Height() - 2, QColor(m_brush));
    m_painter.setPen(QPen(QColor(m_pen), 0));
    m_painter.setBrush(Qt::NoBrush);
    // A one-pixel outline of an integer rectangle covers its size plus one pixel.
    m_painter.drawRect(r.left, r.top, r.Width() - 1, r.Height() - 1);
}

void GdiPainter::Ellipse(const GdiRect& r) {
    if (r.Width() < 1 || r.Height() < 1)
        return;
    PreparePenAndBrush();
    m_painter.drawEllipse(r.left, r.top, r.Width() - 1, r.Height() - 1);
}

void GdiPainter::Polygon(const QPolygon& points) {
    PreparePenAndBrush();
    m_painter.drawPolygon(points, Qt::OddEvenFill);
}

void GdiPainter::FillRect(const GdiRect& r, QRgb colour) {
    if (r.Width() < 1 || r.Height() < 1)
        return;
    m_painter.fillRect(r.left, r.top, r.Width(), r.Height(), QColor(colour));
}
