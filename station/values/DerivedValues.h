#pragma once

// Values worked out from measured ones. Floats in and out, double precision inside.

// a - b + c: a pressure moved by the offset between two others (the record's absolute pressure
// by the console's current relative-minus-absolute offset).
float RelativePressure(float a, float b, float c);

// Dew point in °C of a temperature t in °C at a relative humidity rh in %. The forward and the
// inverse step use different constants, as the console does, so at 100 % the dew point is not
// exactly t. A humidity of 0 or below has no dew point: the result is then not finite.
float DewPoint(float t, float rh);

// Wind chill in °C of a temperature t in °C in a wind of v m/s; t itself above 33 °C and in
// winds below 1.8 m/s.
float WindChill(float t, float v);
