#pragma once

// The Beaufort scale on speeds in m/s, banded in tenths of m/s as the console counts them.
inline constexpr int kBeaufortMaxLevel = 12;

// The level 0..12 of a speed. The speed's tenfold, formed from the 32-bit value, is cut toward
// zero before it is banded, so 13.9f (just below 13.9) is level 6 while 139 tenths scaled by
// 0.1f (just above) is level 7. Negative speeds, and a speed that is not a number, are level 0.
int BeaufortFromSpeed(float speed);

// The top speed of a level's band, which gives the same level back; 0.0 outside 0..12.
float SpeedFromBeaufort(int level);
