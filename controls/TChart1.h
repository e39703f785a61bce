#pragma once

#include "controls/chart/ChartModel.h"
#include "controls/chart/ChartObjects.h"

#include <functional>
#include <string>

#include <QImage>
#include <QWidget>

class ControlFactories;

// The charting control: a chart of series over a time or number axis and a value axis, drawn
// with QPainter, driven through its object model (Dispatch, member numbers in
// platform/ocx/ChartMembers.h).
//
// The user zooms by dragging a rectangle with the left button from its top left to its bottom
// right, and goes back to the limits the program set by dragging to the left. Dragging with the
// right button scrolls: for each axis that would move, the scroll-permission handler is asked
// first with the axis (ChartMember::kEvent...Axis) and the new lower and upper limits, which it
// may change, and the axis moves only when it allows.
class CTChart1 : public QWidget {
    Q_OBJECT

public:
    explicit CTChart1(QWidget* parent = nullptr);

    IDispatchObject& Dispatch() { return m_objects.Root(); }
    const ChartModel& Model() const { return m_model; }

    using ScrollRequestHandler =
        std::function<void(int axis, double& lower, double& upper, bool& allow)>;
    void SetScrollRequestHandler(ScrollRequestHandler handler) {
        m_onScrollRequest = std::move(handler);
    }

    // The chart drawn into a picture of that size.
    QImage Picture(int width, int height) const;
    // Writes the chart as a JPEG picture; false when it could not be written.
    bool SaveJpeg(const std::string& path, bool grey, int quality, int width, int height) const;
    // The print dialog, then the chart on one page: 1 printed, 0 cancelled, -1 failed.
    int Print();

    // Where the series were drawn at the last paint.
    QRect PlotRect() const { return m_plot; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    enum class Drag { kNone, kZoom, kScroll };

    void Changed();
    void ScrollBy(QPoint delta);
    void Zoom(const QRect& band);
    void Unzoom();

    ChartModel m_model;
    ChartObjects m_objects;
    ScrollRequestHandler m_onScrollRequest;
    bool m_updatePending = false;
    QRect m_plot;
    Drag m_drag = Drag::kNone;
    QPoint m_dragStart, m_dragLast;
};

// Lets the dialog builder make the charting control for template controls of its class id.
void AddChartControlFactory(ControlFactories& factories);
