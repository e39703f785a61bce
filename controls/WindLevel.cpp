#include "controls/WindLevel.h"

#include "controls/GdiPainter.h"
#include "station/values/ValueText.h"

namespace {
constexpr int kTopLevel = 12;
}

CWindLevel::CWindLevel(QWidget* parent) : QWidget(parent) {}

void CWindLevel::SetLevel(int level) {
    if (level < 0 || level > kTopLevel || level == m_level)
        return;
    m_level = level;
    update();
}

void CWindLevel::SetLevel(const std::string& level) {
    SetLevel(IsMissingText(level) ? 0 : ReadInt(level));
}

void CWindLevel::paintEvent(QPaintEvent*) {
    GdiPainter dc(this);
    GdiRect r = GdiRect::ClientOf(*this);
    r.left += 4;
    r.right -= 4;
    const int width = r.Width();

    QSize extent = dc.TextExtent(QStringLiteral("0"));
    for (int i = 0; i <= kTopLevel; ++i) {
        const QString label = QString::number(i);
        extent = dc.TextExtent(label);
        const int x = r.left + width * i / kTopLevel;
        dc.TextOut(x - extent.width() / 2, r.top, label);
        dc.VerticalTick(x, r.top + extent.height());
    }

    // The frame closes on the control's last row, where its bottom line stays visible; the
    // fill stops above that line.
    const GdiRect frame{r.left, r.top + extent.height() + 5, r.right + 1, r.bottom};
    dc.Rectangle(frame);
    dc.FillRect(
        {frame.left + 1, frame.top + 1, r.left + width * m_level / kTopLevel, frame.bottom - 1},
        kGaugeBlue);
}
