#include "tests/gui/GaugeSnapshot.h"

#include "controls/GdiPainter.h"

#include <QCoreApplication>
#include <QPainter>
#include <QTest>
#include <QWidget>

QImage Snapshot(QWidget& widget, int width, int height) {
    widget.resize(width, height);
    QImage shot(width, height, QImage::Format_ARGB32_Premultiplied);
    shot.fill(kBackdrop);
    widget.render(&shot, QPoint(), QRegion(), QWidget::RenderFlags());
    return shot;
}

bool ShowsText(const QImage& shot, int x, int y, const QString& text, const QRect& box) {
    QImage expected(shot.size(), shot.format());
    expected.fill(kBackdrop);
    {
        QPainter painter(&expected);
        painter.setFont(GaugeFont());
        painter.setPen(QColor(kGaugeBlack));
        painter.drawText(x, y + painter.fontMetrics().ascent(), text);
    }
    const QRect inside = box.intersected(shot.rect());
    for (int py = inside.top(); py <= inside.bottom(); ++py)
        for (int px = inside.left(); px <= inside.right(); ++px)
            if (shot.pixel(px, py) != expected.pixel(px, py))
                return false;
    return !inside.isEmpty();
}

bool ContainsColour(const QImage& image, QRgb colour) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & RGB_MASK) == (colour & RGB_MASK))
                return true;
    return false;
}

struct PaintCounter::Filter : QObject {
    int count = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

PaintCounter::PaintCounter(QWidget& widget) : m_widget(widget), m_filter(new Filter) {
    m_widget.installEventFilter(m_filter);
}

PaintCounter::~PaintCounter() {
    m_widget.removeEventFilter(m_filter);
    delete m_filter;
}

int PaintCounter::TakeCount() {
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::processEvents();
        QTest::qWait(10);
    }
    const int count = m_filter->count;
    m_filter->count = 0;
    return count;
}
