#pragma once

#include "station/console/WeatherRecord.h"

// A record as it stands after decoding, scaling and rain sums, before it is numbered.
inline CWeatherRecord ScaledRecord() {
    CWeatherRecord r;
    r.hexAddr = "00A0F4";
    r.hexValue = "05 2D 34 80 5A 15 00 1A 27 0C 14 00 06 2A 01 40 10 27 00 03 ";
    r.sequenceNo = "  12";
    r.recordNo = "  17";
    r.recordTime = "2024-03-05 14:25:00";
    r.sampleCircle = "5";
    r.sampleCircleHex = "05 ";
    r.sampleCircleRaw = 5;
    r.indHumi = "45";
    r.indTemp = "-5.2";
    r.indTempHex = "34 80 ";
    r.indTempRaw = -52;
    r.outHumi = "90";
    r.outTemp = "2.1";
    r.absPres = "1000.2";
    r.relPres = "1013.7";
    r.winds = "1.2";
    r.gust = "2.0";
    r.windDir = "6";
    r.rain = "298";
    r.rainMm = "89.4";
    r.dewPoint = "0.6";
    r.windChill = "2.1";
    r.increment = "0.3";
    r.hourRain = "0.6";
    r.dayRain = "1.2";
    r.weekRain = "4.8";
    r.monthRain = "12.0";
    r.totalRain = "350.1";
    r.windsLevel = "1";
    r.gustLevel = "2";
    r.windDirDesc = "ESE";
    r.lightmeter = "1000.0";
    r.uv = "3";
    r.flag1 = r.flag2 = r.flag3 = r.flag4 = r.flag5 = r.flag6 = r.flag8 = "0";
    r.flag7 = "1";
    r.flag_bin = "00000010";
    return r;
}
