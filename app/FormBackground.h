#pragma once

#include <string>

#include <QBrush>
#include <QColor>

// The picture the main form and its see-through controls are painted on, read from the
// program folder, where the user may replace it.
inline constexpr const char* kFormBackgroundFile = "Talvorin.bmp";

// The plain light face of a form, for when the picture cannot be read.
inline const QColor kPlainFormColour{236, 233, 216};

// A brush that tiles the picture in `pictureFile`, or the plain colour when it cannot be read.
QBrush FormBackgroundBrush(const std::string& pictureFile);
