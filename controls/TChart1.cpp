#include "controls/TChart1.h"

#include "controls/chart/ChartRenderer.h"
#include "controls/chart/ChartScale.h"
#include "platform/ocx/ChartControl.h"
#include "platform/ocx/ChartMembers.h"
#include "platform/qt/ControlFactories.h"
#include "platform/qt/PrintDialog.h"

#include <QImageWriter>
#include <QMouseEvent>
#include <QPainter>
#include <QPrinter>

namespace {

// A drag shorter than this is a click.
constexpr int kLeastDrag = 4;
// Pictures larger than this on a side are refused rather than tried.
constexpr int kLargestPicture = 16384;
// The size the chart is laid out at when it has none of its own (printing a hidden chart).
constexpr QSize kDefaultSize(1024, 768);

} // namespace

CTChart1::CTChart1(QWidget* parent)
    : QWidget(parent),
      m_objects(
          m_model,
          ChartOutputs{[this](const std::string& path, bool grey, int quality, int width,
                              int height) { return SaveJpeg(path, grey, quality, width, height); },
                       [this] { return Print(); }},
          [this] { Changed(); }) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(false);
}

void CTChart1::Changed() {
    if (m_updatePending)
        return;
    m_updatePending = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_updatePending = false;
            update();
        },
        Qt::QueuedConnection);
}

QImage CTChart1::Picture(int width, int height) const {
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setFont(font());
    PaintChart(painter, image.rect(), m_model);
    return image;
}

bool CTChart1::SaveJpeg(const std::string& path, bool grey, int quality, int width,
                        int height) const {
    if (width <= 0 || height <= 0 || width > kLargestPicture || height > kLargestPicture)
        return false;
    QImage image = Picture(width, height);
    if (grey)
        image = image.convertToFormat(QImage::Format_Grayscale8);
    QImageWriter writer(QString::fromStdString(path), "jpg");
    writer.setQuality(std::clamp(quality, 0, 100));
    return writer.write(image);
}

int CTChart1::Print() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    if (!ShowPrintDialog(this, printer))
        return 0;
    QPainter painter;
    if (!painter.begin(&printer))
        return -1;
    const QSize logical = width() >= 200 && height() >= 150 ? size() : kDefaultSize;
    const QRect page = painter.viewport();
    const double scale = std::min(page.width() / static_cast<double>(logical.width()),
                                  page.height() / static_cast<double>(logical.height()));
    painter.translate(page.left() + (page.width() - logical.width() * scale) / 2, page.top());
    painter.scale(scale, scale);
    painter.setFont(font());
    PaintChart(painter, QRect(QPoint(0, 0), logical), m_model);
    return painter.end() ? 1 : -1;
}

void CTChart1::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(font());
    m_plot = PaintChart(painter, rect(), m_model);
    if (m_drag == Drag::kZoom) {
        painter.setPen(QPen(Qt::black, 1, Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRect(m_dragStart, m_dragLast).normalized());
    }
}

void CTChart1::mousePressEvent(QMouseEvent* event) {
    if (m_drag != Drag::kNone || !m_plot.contains(event->pos()))
        return;
    if (event->button() == Qt::LeftButton)
        m_drag = Drag::kZoom;
    else if (event->button() == Qt::RightButton)
        m_drag = Drag::kScroll;
    m_dragStart = m_dragLast = event->pos();
}

void CTChart1::mouseMoveEvent(QMouseEvent* event) {
    const QPoint delta = event->pos() - m_dragLast;
    if (m_drag == Drag::kScroll)
        ScrollBy(delta);
    if (m_drag != Drag::kNone) {
        m_dragLast = event->pos();
        update();
    }
}

void CTChart1::mouseReleaseEvent(QMouseEvent* event) {
    if (m_drag == Drag::kZoom) {
        const QPoint end = event->pos();
        if (end.x() - m_dragStart.x() >= kLeastDrag && end.y() - m_dragStart.y() >= kLeastDrag)
            Zoom(QRect(m_dragStart, end));
        else if (m_dragStart.x() - end.x() >= kLeastDrag)
            Unzoom();
    } else if (m_drag == Drag::kScroll) {
        ScrollBy(event->pos() - m_dragLast);
    }
    m_drag = Drag::kNone;
    update();
}

void CTChart1::ScrollBy(QPoint delta) {
    struct AxisMove {
        ChartAxis ChartModel::*axis;
        bool horizontal;
        int event;
        int pixels;
    };
    const AxisMove moves[] = {
        {&ChartModel::left, false, ChartMember::kEventLeftAxis, delta.y()},
        {&ChartModel::bottom, true, ChartMember::kEventBottomAxis, delta.x()},
    };
    for (const AxisMove& move : moves) {
        if (move.pixels == 0)
            continue;
        const ChartAxis shown = ShownAxis(m_model, move.horizontal);
        const AxisScale scale = move.horizontal ? AxisScale(shown, m_plot.left(), m_plot.right())
                                                : AxisScale(shown, m_plot.bottom(), m_plot.top());
        auto [lower, upper] = scale.Shifted(-move.pixels);
        bool allow = true;
        if (m_onScrollRequest)
            m_onScrollRequest(move.event, lower, upper, allow);
        if (!allow)
            continue;
        ChartAxis& axis = m_model.*move.axis;
        axis.min = lower;
        axis.max = upper;
        axis.userView = true;
        Changed();
    }
}

void CTChart1::Zoom(const QRect& band) {
    const ChartAxis bottom = ShownAxis(m_model, true);
    const ChartAxis left = ShownAxis(m_model, false);
    std::tie(m_model.bottom.min, m_model.bottom.max) =
        AxisScale(bottom, m_plot.left(), m_plot.right()).Between(band.left(), band.right());
    std::tie(m_model.left.min, m_model.left.max) =
        AxisScale(left, m_plot.bottom(), m_plot.top()).Between(band.bottom(), band.top());
    m_model.bottom.userView = m_model.left.userView = true;
    Changed();
}

void CTChart1::Unzoom() {
    m_model.bottom.userView = m_model.left.userView = false;
    Changed();
}

void AddChartControlFactory(ControlFactories& factories) {
    factories.ForClass(kChartControlClassId,
                       [](const DialogControl&, QWidget* parent) { return new CTChart1(parent); });
}
