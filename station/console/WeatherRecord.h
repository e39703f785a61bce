#pragma once

#include <string>
#include <vector>

// One weather record as the program handles it, from the 20 console bytes to the line of the
// data file. Every value is a text ("---" or "" means no value); beside most console values the
// record keeps the source bytes as hex text and the raw integer. A plain value type.
struct CWeatherRecord {
    CWeatherRecord();

    // Back to "no values": record number "0", times and flags empty, value texts "---".
    // Addresses, bytes, hex texts, raw integers and the flag bit string are kept.
    void Reset();

    // The eighteen-line dump for the communication log, each line ended by CR LF.
    std::string FormatDebugText() const;

    std::string hexAddr;
    std::string hexValue;
    std::string stackAddr;
    std::string sequenceNo;
    std::string recordNo;
    std::string saveTime;
    std::string recordTime;
    std::string sampleCircle;
    std::string sampleCircleHex;
    int sampleCircleRaw = 0;
    std::string indHumi;
    std::string indHumiHex;
    int indHumiRaw = 0;
    std::string indTemp;
    std::string indTempHex;
    int indTempRaw = 0;
    std::string outHumi;
    std::string outHumiHex;
    int outHumiRaw = 0;
    std::string outTemp;
    std::string outTempHex;
    int outTempRaw = 0;
    std::string absPres;
    std::string absPresHex;
    int absPresRaw = 0;
    std::string winds;
    std::string windsHex;
    int windsRaw = 0;
    std::string gust;
    std::string gustHex;
    int gustRaw = 0;
    std::string windDir;
    std::string windDirHex;
    int windDirRaw = 0;
    std::string rain;
    std::string rainHex;
    int rainRaw = 0;
    std::string rainMm;
    std::string relPres;
    std::string dewPoint;
    std::string windChill;
    std::string increment;
    std::string hourRain;
    std::string dayRain;
    std::string weekRain;
    std::string monthRain;
    std::string totalRain;
    std::string windsLevel;
    std::string gustLevel;
    std::string windDirDesc;
    std::string lightmeter;
    std::string lightmeterHex;
    int lightmeterRaw = 0;
    std::string uv;
    std::string uvHex;
    int uvRaw = 0;
    std::string flag1;
    std::string flag2;
    std::string flag3;
    std::string flag4;
    std::string flag5;
    std::string flag6;
    std::string flag7; // no radio contact with the outdoor unit
    std::string flag8; // total rain above 9999.9 mm
    std::string flag_bin;
};

// The flag texts, bit 0 of the console's flag byte first.
inline constexpr std::string CWeatherRecord::*kRecordFlags[] = {
    &CWeatherRecord::flag1, &CWeatherRecord::flag2, &CWeatherRecord::flag3, &CWeatherRecord::flag4,
    &CWeatherRecord::flag5, &CWeatherRecord::flag6, &CWeatherRecord::flag7, &CWeatherRecord::flag8,
};

// Lists from the history download are newest first; lists loaded from the data file are in
// file order, oldest first.
using CWeatherRecordArray = std::vector<CWeatherRecord>;
