#pragma once

#include "controls/chart/ChartModel.h"

#include <QRect>

class QPainter;

// The limits an axis shows: those set, else the range of the series' values along it.
ChartAxis ShownAxis(const ChartModel& model, bool horizontal);

// Draws the whole chart into `area` (logical pixels; fonts are sized in pixels, so a painter
// scaled to a page or a picture draws the same chart larger) and gives the plot's rectangle,
// where the series are drawn.
QRect PaintChart(QPainter& painter, const QRect& area, const ChartModel& model);
