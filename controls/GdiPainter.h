#pragma once

#include <QFont>
#include <QPainter>
#include <QPolygon>
#include <QRgb>
#include <QSize>
#include <QString>

class QWidget;

// The gauges are laid out in whole pixels the classic way: right and bottom lie just outside
// the rectangle, and halving truncates. Keeping that form keeps their geometry exact.
struct GdiRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    QPoint CenterPoint() const { return {(left + right) / 2, (top + bottom) / 2}; }
    static GdiRect ClientOf(const QWidget& widget);
};

// Shared look of the gauges.
inline constexpr QRgb kGaugeBlue = qRgb(0, 0, 255);
inline constexpr QRgb kGaugeWhite = qRgb(255, 255, 255);
inline constexpr QRgb kGaugeBlack = qRgb(0, 0, 0);
inline constexpr int kTickLength = 5;

// 8-point Arial; where Arial is missing, fontconfig gives its metric twin.
QFont GaugeFont();

// Draws on a widget with the drawing rules of the gauges: no anti-aliasing, a black one-pixel
// pen, a white brush and black text on a transparent background until told otherwise.
// Rectangles and ellipses cover their rectangle without its right and bottom edge; the pen
// draws the outline on the inside.
class GdiPainter {
public:
    explicit GdiPainter(QWidget* widget);

    QPainter& Painter() { return m_painter; }

    void SelectPen(QRgb colour) { m_pen = colour; }
    void SelectBrush(QRgb colour);
    void SelectHollowBrush() { m_hollow = true; }

    QSize TextExtent(const QString& text) const;
    // Draws `text` with its top-left corner at (x, y), moved inside the control if it would
    // stick out.
    void TextOut(int x, int y, const QString& text);

    // Scale ticks in the pen colour, kTickLength long, from (x, y) rightwards or downwards.
    void HorizontalTick(int x, int y);
    void VerticalTick(int x, int y);

    void Rectangle(const GdiRect& r);
    void Ellipse(const GdiRect& r);
    void Polygon(const QPolygon& points);
    void FillRect(const GdiRect& r, QRgb colour);

private:
    void PreparePenAndBrush();

    QPainter m_painter;
    QRgb m_pen = kGaugeBlack;
    QRgb m_brush = kGaugeWhite;
    bool m_hollow = false;
};
