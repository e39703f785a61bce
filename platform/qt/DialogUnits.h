#pragma once

#include <QRect>
#include <QSize>

class QFont;

// Dialog templates measure in dialog units, so that a dialog grows with its font: a
// horizontal unit is a quarter of the font's average character width, a vertical unit an
// eighth of its height. These are the base units of one font, in pixels.
struct DialogBaseUnits {
    int x = 0;
    int y = 0;
};

// The average width is taken over "A".."Z" and "a".."z" and rounded to whole pixels, as the
// classic dialog manager does.
DialogBaseUnits BaseUnitsFromMetrics(int widthOfAlphabet, int fontHeight);
DialogBaseUnits BaseUnitsOf(const QFont& font);

// a * b / c rounded to the nearest integer, halves away from zero.
int MulDiv(int a, int b, int c);

// Each of position and size is converted on its own, so that equal sizes in a template stay
// equal on screen.
QRect MapDialogRect(DialogBaseUnits units, int x, int y, int cx, int cy);
QSize MapDialogSize(DialogBaseUnits units, int cx, int cy);
