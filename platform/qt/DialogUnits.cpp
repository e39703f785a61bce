#include "platform/qt/DialogUnits.h"

#include <QFont>
#include <QFontMetrics>

DialogBaseUnits BaseUnitsFromMetrics(int widthOfAlphabet, int fontHeight) {
    return {(widthOfAlphabet / 26 + 1) / 2, fontHeight};
}

DialogBaseUnits BaseUnitsOf(const QFont& font) {
    const QFontMetrics metrics(font);
    return BaseUnitsFromMetrics(metrics.horizontalAdvance(QStringLiteral(
                                    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")),
                                metrics.height());
}

int MulDiv(int a, int b, int c) {
    if (c == 0) {
        return -1; // what the classic function answers, rather than a crash
    }
    const long long product = static_cast<long long>(a) * b;
    const long long half = c / 2;
    return static_cast<int>((product < 0) == (c < 0) ? (product + half) / c : (product - half) / c);
}

QRect MapDialogRect(DialogBaseUnits units, int x, int y, int cx, int cy) {
    return {MulDiv(x, units.x, 4), MulDiv(y, units.y, 8), MulDiv(cx, units.x, 4),
            MulDiv(cy, units.y, 8)};
}

QSize MapDialogSize(DialogBaseUnits units, int cx, int cy) {
    return {MulDiv(cx, units.x, 4), MulDiv(cy, units.y, 8)};
}
