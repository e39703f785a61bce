#include "controls/chart/ChartRenderer.h"

#include "controls/chart/ChartDateFormat.h"
#include "controls/chart/ChartDecimation.h"
#include "controls/chart/ChartScale.h"

#include <algorithm>
#include <cmath>

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace {

constexpr int kGap = 4; // between neighbouring parts
constexpr int kTickLength = 4;
constexpr int kMinorTickLength = 2;
constexpr int kDepth3D = 8; // depth of the shadow wall in 3D
constexpr int kLegendSwatch = 20;

QColor FromBgr(std::uint32_t colour) {
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

QFont SizedFont(const QFont& base, const ChartFont& font) {
    QFont sized(base);
    sized.setPixelSize(std::max(1, static_cast<int>(std::lround(font.size * 4.0 / 3.0))));
    sized.setBold(font.bold);
    return sized;
}

Qt::PenStyle PenStyleOf(int style) {
    switch (style) {
    case 1:
        return Qt::DashLine;
    case 2:
        return Qt::DotLine;
    case 3:
        return Qt::DashDotLine;
    case 4:
        return Qt::DashDotDotLine;
    case 5:
        return Qt::NoPen;
    default:
        return Qt::SolidLine;
    }
}

void DrawBevel(QPainter& painter, QRect& rect, int bevel) {
    if (bevel != 1 && bevel != 2)
        return;
    const QColor light(255, 255, 255), dark(128, 128, 128);
    const QColor& topLeft = bevel == 2 ? light : dark;
    const QColor& bottomRight = bevel == 2 ? dark : light;
    painter.setPen(topLeft);
    painter.drawLine(rect.topLeft(), rect.topRight());
    painter.drawLine(rect.topLeft(), rect.bottomLeft());
    painter.setPen(bottomRight);
    painter.drawLine(rect.bottomLeft(), rect.bottomRight());
    painter.drawLine(rect.topRight(), rect.bottomRight());
    rect.adjust(1, 1, -1, -1);
}

bool DatesAlongBottom(const ChartModel& model) {
    if (model.bottom.dateTimeFormat.empty())
        return false;
    return std::any_of(model.series.begin(), model.series.end(),
                       [](const ChartSeries& s) { return s.xDateTime; });
}

struct AxisTicks {
    std::vector<double> values;
    std::vector<QString> labels;
    int widest = 0;
};

AxisTicks MakeTicks(const ChartAxis& axis, const AxisScale& scale, bool dates, int maxCount,
                    const QFontMetrics& metrics) {
    AxisTicks ticks;
    if (dates)
        ticks.values = TimeTicks(scale.Lower(), scale.Upper(), maxCount);
    else if (scale.Logarithmic())
        ticks.values = LogTicks(scale.Lower(), scale.Upper(), scale.LogBase(), maxCount);
    else
        ticks.values = LinearTicks(scale.Lower(), scale.Upper(), maxCount);
    const double step = ticks.values.size() > 1 ? ticks.values[1] - ticks.values[0] : 1;
    for (double value : ticks.values) {
        const std::string text = dates                 ? FormatOleDate(value, axis.dateTimeFormat)
                                 : scale.Logarithmic() ? NumberLabel(value, value)
                                                       : NumberLabel(value, step);
        ticks.labels.push_back(QString::fromStdString(text));
        ticks.widest = std::max(ticks.widest, metrics.horizontalAdvance(ticks.labels.back()));
    }
    return ticks;
}

// Minor tick values between the majors of a linear axis.
std::vector<double> MinorTicks(const std::vector<double>& majors, int count, bool logarithmic) {
    std::vector<double> minors;
    if (count <= 0 || logarithmic || majors.size() < 2)
        return minors;
    const double step = (majors[1] - majors[0]) / (count + 1);
    for (double major = majors.front() - (majors[1] - majors[0]); major <= majors.back();
         major += majors[1] - majors[0]) {
        for (int i = 1; i <= count; ++i)
            minors.push_back(major + step * i);
    }
    return minors;
}

struct LegendItem {
    QString title;
    const ChartSeries* series;
};

std::vector<LegendItem> LegendItems(const ChartModel& model) {
    std::vector<LegendItem> items;
    for (const ChartSeries& series : model.series) {
        if (series.visible)
            items.push_back({QString::fromStdString(series.title), &series});
    }
    return items;
}

// Takes the legend's room off `content` and draws it.
void DrawLegend(QPainter& painter, QRect& content, const ChartModel& model, const QFont& base) {
    const std::vector<LegendItem> items = LegendItems(model);
    if (!model.legend.visible || items.empty())
        return;
    const QFont font = SizedFont(base, model.legend.font);
    const QFontMetrics metrics(font);
    const int lineHeight = metrics.height();
    const int spacing = std::max(0, model.legend.spacing);
    std::vector<int> widths;
    int total = 0, widest = 0;
    for (const LegendItem& item : items) {
        widths.push_back(kLegendSwatch + kGap + metrics.horizontalAdvance(item.title));
        total += widths.back();
        widest = std::max(widest, widths.back());
    }
    total += spacing * static_cast<int>(items.size() - 1);
    const bool horizontal = model.legend.alignment == 2 || model.legend.alignment == 3;
    QRect box;
    if (horizontal) {
        box = QRect(0, 0, std::min(total, content.width()), lineHeight);
        box.moveLeft(content.left() + (content.width() - box.width()) / 2);
        if (model.legend.alignment == 3) {
            box.moveBottom(content.bottom());
            content.setBottom(box.top() - kGap);
        } else {
            box.moveTop(content.top());
            content.setTop(box.bottom() + kGap);
        }
    } else {
        box = QRect(0, 0, widest, lineHeight * static_cast<int>(items.size()));
        box.moveTop(content.top() + (content.height() - box.height()) / 2);
        if (model.legend.alignment == 0) {
            box.moveLeft(content.left());
            content.setLeft(box.right() + kGap * 2);
        } else {
            box.moveRight(content.right());
            content.setRight(box.left() - kGap * 2);
        }
    }
    painter.setFont(font);
    QPoint at = box.topLeft();
    for (std::size_t i = 0; i < items.size(); ++i) {
        const ChartSeries& series = *items[i].series;
        const int middle = at.y() + lineHeight / 2;
        if (series.kind == 1) {
            painter.fillRect(QRect(at.x() + 4, middle - 5, kLegendSwatch - 8, 10),
                             FromBgr(series.colour));
        } else {
            painter.setPen(QPen(FromBgr(series.colour), 2));
            painter.drawLine(at.x(), middle, at.x() + kLegendSwatch, middle);
        }
        painter.setPen(FromBgr(model.legend.font.colour));
        painter.drawText(QRect(at.x() + kLegendSwatch + kGap, at.y(), widths[i], lineHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, items[i].title);
        if (horizontal)
            at.rx() += widths[i] + spacing;
        else
            at.ry() += lineHeight;
    }
}

void DrawSeries(QPainter& painter, const ChartSeries& series, const AxisScale& xScale,
                const AxisScale& yScale, const QRect& plot, const QFontMetrics& metrics) {
    if (!series.visible || series.xs.empty())
        return;
    std::size_t first = 0, last = series.xs.size();
    if (series.sortedByX)
        std::tie(first, last) = VisibleRange(series.xs, xScale.Lower(), xScale.Upper());
    const double scale = plot.width() / (xScale.Upper() - xScale.Lower());
    const std::vector<std::size_t> chosen =
        ColumnPoints(series.xs, series.ys, first, last, xScale.Lower(), scale);
    if (chosen.empty())
        return;
    const QColor colour = FromBgr(series.colour);
    QPolygonF points;
    points.reserve(static_cast<int>(chosen.size()));
    for (std::size_t index : chosen)
        points.append(QPointF(xScale.ToPixel(series.xs[index]), yScale.ToPixel(series.ys[index])));

    if (series.kind == 1) {
        double gap = plot.width();
        for (int i = 1; i < points.size(); ++i) {
            const double step = points[i].x() - points[i - 1].x();
            if (step > 0.5)
                gap = std::min(gap, step);
        }
        const double width = std::clamp(gap * 0.7, 1.0, 40.0);
        const double zero = std::clamp(0.0, yScale.Lower(), yScale.Upper());
        const double base = yScale.ToPixel(zero);
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        for (const QPointF& point : points) {
            painter.drawRect(QRectF(point.x() - width / 2, std::min(base, point.y()), width,
                                    std::max(1.0, std::fabs(base - point.y()))));
        }
    } else {
        // Smooth edges cost too much where the line zigzags up and down every pixel column,
        // and show nothing there.
        const bool sparse = points.size() < plot.width();
        painter.setRenderHint(QPainter::Antialiasing, sparse);
        painter.setPen(QPen(colour, std::max(1, series.penWidth), Qt::SolidLine,
                            sparse ? Qt::RoundCap : Qt::FlatCap,
                            sparse ? Qt::RoundJoin : Qt::BevelJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPolyline(points);
        if (series.markerSize > 0 && points.size() < plot.width() / 4) {
            painter.setBrush(colour);
            const double half = series.markerSize / 2.0;
            for (const QPointF& point : points)
                painter.drawRect(QRectF(point.x() - half, point.y() - half, half * 2, half * 2));
        }
        painter.setRenderHint(QPainter::Antialiasing, false);
    }
    if (series.marksVisible && points.size() < plot.width() / 40) {
        painter.setPen(Qt::black);
        for (std::size_t i = 0; i < chosen.size(); ++i) {
            const QString mark = QString::number(series.ys[chosen[i]]);
            const QPointF& point = points[static_cast<int>(i)];
            painter.drawText(
                QPointF(point.x() - metrics.horizontalAdvance(mark) / 2.0, point.y() - kGap), mark);
        }
    }
}

} // namespace

ChartAxis ShownAxis(const ChartModel& model, bool horizontal) {
    ChartAxis axis = horizontal ? model.bottom : model.left;
    if (axis.userView)
        return axis;
    axis.min = axis.setMin;
    axis.max = axis.setMax;
    if (!axis.limitsSet) {
        std::vector<const std::vector<double>*> values;
        for (const ChartSeries& series : model.series)
            values.push_back(horizontal ? &series.xs : &series.ys);
        std::tie(axis.min, axis.max) = FittedLimits(values);
    }
    return axis;
}

QRect PaintChart(QPainter& painter, const QRect& area, const ChartModel& model) {
    painter.save();
    const QFont base = painter.font();
    painter.fillRect(area, FromBgr(model.panel.colour));
    QRect content = area;
    painter.setPen(QColor(150, 150, 150));
    for (int i = 0; i < std::clamp(model.frameWidth, 0, 20); ++i) {
        painter.drawRect(content.adjusted(0, 0, -1, -1));
        content.adjust(1, 1, -1, -1);
    }
    content.adjust(0, 0, -1, -1);
    DrawBevel(painter, content, model.panel.bevelOuter);
    content.adjust(2, 2, -2, -2);
    DrawBevel(painter, content, model.panel.bevelInner);
    content.adjust(kGap * 2, kGap, -kGap * 3, -kGap);

    // Header.
    const QFont headerFont = SizedFont(base, model.header.font);
    const QFontMetrics headerMetrics(headerFont);
    painter.setFont(headerFont);
    painter.setPen(FromBgr(model.header.font.colour));
    for (const std::string& line : model.header.lines) {
        painter.drawText(
            QRect(content.left(), content.top(), content.width(), headerMetrics.height()),
            Qt::AlignCenter, QString::fromStdString(line));
        content.setTop(content.top() + headerMetrics.height());
    }
    if (!model.header.lines.empty())
        content.setTop(content.top() + kGap);

    DrawLegend(painter, content, model, base);

    const QFont labelFont = SizedFont(base, ChartFont{});
    const QFontMetrics labelMetrics(labelFont);
    const ChartAxis bottom = ShownAxis(model, true);
    const ChartAxis left = ShownAxis(model, false);
    const QFontMetrics bottomTitle(SizedFont(base, bottom.titleFont));
    const QFontMetrics leftTitle(SizedFont(base, left.titleFont));

    // Vertical room first: the bottom axis's labels and title.
    QRect plot = content;
    plot.setTop(plot.top() + labelMetrics.height() / 2);
    plot.setBottom(plot.bottom() - kTickLength - kGap - labelMetrics.height() -
                   (bottom.title.empty() ? 0 : bottomTitle.height() + kGap));
    if (model.view3D)
        plot.adjust(0, kDepth3D, -kDepth3D, 0);

    const AxisScale yScale(left, plot.bottom(), plot.top());
    const AxisTicks yTicks =
        MakeTicks(left, yScale, false, std::max(2, plot.height() / (labelMetrics.height() * 2)),
                  labelMetrics);
    plot.setLeft(plot.left() + yTicks.widest + kTickLength + kGap +
                 (left.title.empty() ? 0 : leftTitle.height() + kGap));
    if (plot.width() < 10 || plot.height() < 10) {
        painter.restore();
        return plot;
    }
    const bool dates = DatesAlongBottom(model);
    const AxisScale xScale(bottom, plot.left(), plot.right());
    const int sampleWidth = dates ? labelMetrics.horizontalAdvance(QString::fromStdString(
                                        FormatOleDate(0, bottom.dateTimeFormat)))
                                  : labelMetrics.horizontalAdvance("00000.0");
    const AxisTicks xTicks = MakeTicks(
        bottom, xScale, dates, std::max(1, plot.width() / (sampleWidth + kGap * 6)), labelMetrics);

    // Walls.
    if (model.view3D) {
        QPolygon wall;
        wall << plot.topLeft() << plot.topLeft() + QPoint(kDepth3D, -kDepth3D)
             << plot.topRight() + QPoint(kDepth3D, -kDepth3D)
             << plot.bottomRight() + QPoint(kDepth3D, -kDepth3D) << plot.bottomRight()
             << plot.topRight();
        painter.setPen(QColor(128, 128, 128));
        painter.setBrush(QColor(208, 208, 208));
        painter.drawPolygon(wall);
    }
    painter.fillRect(plot, Qt::white);

    // Grid and ticks.
    painter.setFont(labelFont);
    const QPen gridPen(QColor(160, 160, 160), 1, PenStyleOf(left.grid.style));
    for (std::size_t i = 0; i < yTicks.values.size(); ++i) {
        const int y = static_cast<int>(std::lround(yScale.ToPixel(yTicks.values[i])));
        painter.setPen(PenStyleOf(left.grid.style) == Qt::NoPen ? QPen(Qt::NoPen) : gridPen);
        painter.drawLine(plot.left(), y, plot.right(), y);
        painter.setPen(Qt::black);
        painter.drawLine(plot.left() - kTickLength, y, plot.left(), y);
        painter.drawText(QRect(plot.left() - kTickLength - kGap - yTicks.widest,
                               y - labelMetrics.height() / 2, yTicks.widest, labelMetrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter, yTicks.labels[i]);
    }
    const QPen xGridPen(QColor(160, 160, 160), 1, PenStyleOf(bottom.grid.style));
    int lastLabelRight = area.left() - 1;
    for (std::size_t i = 0; i < xTicks.values.size(); ++i) {
        const int x = static_cast<int>(std::lround(xScale.ToPixel(xTicks.values[i])));
        painter.setPen(xGridPen);
        painter.drawLine(x, plot.top(), x, plot.bottom());
        painter.setPen(Qt::black);
        painter.drawLine(x, plot.bottom(), x, plot.bottom() + kTickLength);
        const int width = labelMetrics.horizontalAdvance(xTicks.labels[i]);
        const int labelLeft = std::clamp(x - width / 2, content.left(), content.right() - width);
        if (labelLeft <= lastLabelRight)
            continue;
        painter.drawText(
            QRect(labelLeft, plot.bottom() + kTickLength + kGap / 2, width, labelMetrics.height()),
            Qt::AlignCenter, xTicks.labels[i]);
        lastLabelRight = labelLeft + width + kGap;
    }
    painter.setPen(Qt::black);
    for (double minor : MinorTicks(yTicks.values, left.minorTicks, yScale.Logarithmic())) {
        if (minor > yScale.Lower() && minor < yScale.Upper()) {
            const int y = static_cast<int>(std::lround(yScale.ToPixel(minor)));
            painter.drawLine(plot.left() - kMinorTickLength, y, plot.left(), y);
        }
    }
    for (double minor : MinorTicks(xTicks.values, bottom.minorTicks, false)) {
        if (minor > xScale.Lower() && minor < xScale.Upper()) {
            const int x = static_cast<int>(std::lround(xScale.ToPixel(minor)));
            painter.drawLine(x, plot.bottom(), x, plot.bottom() + kMinorTickLength);
        }
    }

    // Axis titles.
    if (!bottom.title.empty()) {
        painter.setFont(SizedFont(base, bottom.titleFont));
        painter.setPen(FromBgr(bottom.titleFont.colour));
        painter.drawText(QRect(plot.left(), content.bottom() - bottomTitle.height(), plot.width(),
                               bottomTitle.height()),
                         Qt::AlignCenter, QString::fromStdString(bottom.title));
    }
    if (!left.title.empty()) {
        painter.setFont(SizedFont(base, left.titleFont));
        painter.setPen(FromBgr(left.titleFont.colour));
        painter.save();
        painter.translate(content.left(), plot.center().y());
        painter.rotate(-90);
        painter.drawText(QRect(-plot.height() / 2 - 40, 0, plot.height() + 80, leftTitle.height()),
                         Qt::AlignCenter, QString::fromStdString(left.title));
        painter.restore();
    }

    // Series, clipped to the plot.
    painter.save();
    painter.setClipRect(plot);
    painter.setFont(labelFont);
    for (const ChartSeries& series : model.series)
        DrawSeries(painter, series, xScale, yScale, plot, labelMetrics);
    painter.restore();

    painter.setPen(Qt::black);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(plot);
    painter.restore();
    return plot;
}
