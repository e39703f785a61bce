#pragma once

// Limits that keep the gauges' arithmetic finite whatever number they are given. The station
// only ever sends readings that fit comfortably inside them.

// A scale never shows more divisions than this: widening stops there, so that an absurd value
// can neither keep a widening loop running nor make a paint draw without end.
inline constexpr int kMaxScaleDivisions = 1000;

// Divisions of a range set by the owner, brought into 1..kMaxScaleDivisions.
int BoundedDivisions(int divisions);

// A scale widens by `step` only toward a real number and only with a real, positive step.
bool CanWiden(float value, float step);

// Truncation toward zero that saturates at the int range and reads NaN as 0.
int TruncToInt(double value);

// The part of `full` pixels that `part` of `whole` fills, truncated and kept within 0..full.
int FilledLength(int full, float part, float whole);
