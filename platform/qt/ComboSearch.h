#pragma once

#include <string>

class QComboBox;

// The searches of a drop-down's items. Both compare ignoring case (ASCII and the letters of
// the three languages) and start at the item after `startAfter` (-1: at the first item),
// going round to the items before it; they return the index found, or -1.

// The item whose whole text equals `text`.
int FindStringExact(const QComboBox& combo, int startAfter, const std::string& text);
// The first item whose text begins with `text`. An empty text matches the first item searched.
int FindString(const QComboBox& combo, int startAfter, const std::string& text);
// FindString, and selects the item found without notifying anybody; when none is found the
// selection stays as it was. Returns the index found, or -1.
int SelectString(QComboBox& combo, int startAfter, const std::string& text);
