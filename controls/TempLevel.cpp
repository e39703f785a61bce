#include "controls/TempLevel.h"

#include "controls/GdiPainter.h"
#include "controls/ScaleBounds.h"
#include "station/values/ValueText.h"

#include <cmath>

CTempLevel::CTempLevel(QWidget* parent) : QWidget(parent) {}

void CTempLevel::SetRange(float min, float max, int divisions, float value) {
    if (min == m_min && max == m_max && divisions == m_divisions && value == m_value)
        return;
    m_baseMin = m_min = min;
    m_baseMax = m_max = max;
    m_baseDivisions = m_divisions = BoundedDivisions(divisions);
    SetValue(value);
}

void CTempLevel::SetValueText(float min, float max, int divisions, const std::string& value) {
    const bool hadValue = m_hasValue;
    m_hasValue = !IsMissingText(value);
    SetRange(min, max, divisions, ReadFloat(value));
    // A reading that disappears (or comes back) with the same number must still be redrawn.
    if (m_hasValue != hadValue)
        update();
}

void CTempLevel::SetValue(float value) {
    m_min = m_baseMin;
    m_max = m_baseMax;
    m_divisions = m_baseDivisions;
    const float step = (m_baseMax - m_baseMin) / m_baseDivisions;
    if (CanWiden(value, step)) {
        while (!(m_max >= value) && m_divisions < kMaxScaleDivisions) {
            m_max += step;
            ++m_divisions;
        }
        while (value < m_min && m_divisions < kMaxScaleDivisions) {
            m_min -= step;
            ++m_divisions;
        }
    }
    m_value = value;
    update();
}

void CTempLevel::paintEvent(QPaintEvent*) {
    GdiPainter dc(this);
    GdiRect r = GdiRect::ClientOf(*this);
    dc.SelectHollowBrush();
    // The outline's right side on the control's last column, where it stays visible.
    dc.Rectangle({r.left, r.top, r.right, r.bottom});

    r.top += 4;
    const GdiRect scale{r.left, r.top, r.right, r.bottom - 15};
    const QSize extent = dc.TextExtent(QStringLiteral("000"));
    for (int i = 0; i <= m_divisions; ++i) {
        const int y = scale.bottom - scale.Height() * i / m_divisions;
        const int label = TruncToInt(m_min + (m_max - m_min) * i / m_divisions);
        dc.TextOut(scale.left, y - extent.height() / 2, QString::asprintf(" %3d", label));
        dc.HorizontalTick(scale.left + extent.width(), y);
    }

    const GdiRect tube{scale.left + extent.width() + 5, scale.top, scale.left + extent.width() + 9,
                       scale.bottom};
    dc.FillRect(tube, kGaugeWhite);
    dc.SelectPen(kGaugeBlue);
    dc.SelectBrush(kGaugeBlue);
    if (m_hasValue && std::isfinite(m_value)) {
        const int column = FilledLength(tube.Height(), m_value - m_min, m_max - m_min);
        dc.FillRect({tube.left, tube.bottom - column, tube.right, tube.bottom}, kGaugeBlue);
    }
    dc.Ellipse(
        {r.left + extent.width(), r.bottom - 15, r.left + extent.width() + 14, r.bottom - 1});
}
