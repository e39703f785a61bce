#include "controls/RainLevel.h"

#include "controls/GdiPainter.h"
#include "controls/ScaleBounds.h"
#include "station/values/ValueText.h"

#include <cmath>

CRainLevel::CRainLevel(QWidget* parent) : QWidget(parent) {}

void CRainLevel::SetRange(float max, int divisions, float value) {
    if (max == m_max && divisions == m_divisions && value == m_value)
        return;
    m_baseMax = m_max = max;
    m_baseDivisions = m_divisions = BoundedDivisions(divisions);
    SetValue(value);
}

void CRainLevel::SetValueText(float max, int divisions, const std::string& value) {
    const bool hadValue = m_hasValue;
    m_hasValue = !IsMissingText(value);
    SetRange(max, divisions, ReadFloat(value));
    // A reading that disappears (or comes back) with the same number must still be redrawn.
    if (m_hasValue != hadValue)
        update();
}

void CRainLevel::SetValue(float value) {
    m_max = m_baseMax;
    m_divisions = m_baseDivisions;
    const float step = m_baseMax / m_baseDivisions;
    if (CanWiden(value, step)) {
        while (!(m_max >= value) && m_divisions < kMaxScaleDivisions) {
            m_max += step;
            ++m_divisions;
        }
        // Past twice the owner's divisions the scale jumps to the next round number of steps
        // above, and always by at least that many, so that it does not creep up with the rain.
        const int round = 2 * m_baseDivisions;
        if (m_divisions >= round) {
            m_max += static_cast<float>(round - m_divisions % round) * step;
            m_divisions = round;
        }
    }
    m_value = value;
    update();
}

void CRainLevel::paintEvent(QPaintEvent*) {
    GdiPainter dc(this);
    GdiRect r = GdiRect::ClientOf(*this);
    r.top += 4;
    r.bottom -= 4;

    // Labels are padded to the width of the largest one, so that they end in one column.
    const QString largest = QString::number(TruncToInt(m_max));
    const QSize extent = dc.TextExtent(largest);
    for (int i = 0; i <= m_divisions; ++i) {
        const int y = r.bottom - r.Height() * i / m_divisions;
        const int label = TruncToInt(i * m_max / m_divisions);
        dc.TextOut(r.left, y - extent.height() / 2,
                   QString::asprintf("%*d", static_cast<int>(largest.size()), label));
        dc.HorizontalTick(r.left + extent.width(), y);
    }

    // The bar's right side on the control's last column, where it stays visible.
    const GdiRect bar{r.left + extent.width() + 5, r.top, r.right, r.bottom + 1};
    dc.Rectangle(bar);
    if (m_hasValue && std::isfinite(m_value)) {
        const int filled = FilledLength(bar.Height(), m_value, m_max);
        dc.FillRect({bar.left + 1, bar.bottom - filled, bar.right - 1, bar.bottom - 1}, kGaugeBlue);
    }
}
