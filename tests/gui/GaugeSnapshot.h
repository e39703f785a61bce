#pragma once

#include <QImage>
#include <QRect>
#include <QRgb>
#include <QString>

class QWidget;

// What lies behind a control in a snapshot: neither black, white, blue nor a test colour.
inline constexpr QRgb kBackdrop = qRgb(200, 200, 200);

// The control at `width` x `height` as it paints itself over kBackdrop.
QImage Snapshot(QWidget& widget, int width, int height);

// The snapshot holds `text` in the gauge font with its top-left corner at (x, y), judged by the
// pixels inside `box`: they equal those of the same text drawn alone on the backdrop.
bool ShowsText(const QImage& shot, int x, int y, const QString& text, const QRect& box);

// Whether any pixel of the image has this colour.
bool ContainsColour(const QImage& image, QRgb colour);

// Counts the paints of a shown widget, to tell a repaint from none.
class PaintCounter {
public:
    explicit PaintCounter(QWidget& widget);
    ~PaintCounter();
    // Lets queued repaints happen and returns how many paints there were since the last call.
    int TakeCount();

private:
    struct Filter;
    QWidget& m_widget;
    Filter* m_filter;
};
