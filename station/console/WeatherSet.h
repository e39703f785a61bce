#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The console's 256-byte fixed block (settings, alarm thresholds, min/max records) decoded
// field by field into texts. Companions: `Hex` the field's bytes as a hex dump, `Raw` its
// integer, `Bits` a piece of its byte's bit string, `Time` the time text of a min/max value and
// `TimeHex` the hex pairs of its five time bytes. Fields are in the block's order of areas.
// A plain value type: built with defaults, filled by one decode, edited, encoded, dropped.
struct CWeatherSettings {
    CWeatherSettings();

    // Annotated multi-line dump of the fields, for the communication log.
    std::string FormatDebugText() const;

    // Whole block and basic area (0x00-0x1F).
    std::string hexAll;
    std::string hexBasic;
    std::string initFlag1;
    std::string initFlag2;
    std::string initFlag1Hex;
    std::string initFlag2Hex;
    std::string rainFactor;
    std::string windFactor;
    std::string lightmeterMaxTime;
    std::string uvMaxTime;
    std::string rainFactorHex;
    int rainFactorRaw = 0;
    std::string windFactorHex;
    int windFactorRaw = 0;
    std::string lightmeterMaxTimeHex;
    std::string uvMaxTimeHex;
    std::string historyCircle;
    std::string historyCircleHex;
    int historyCircleRaw = 0;
    std::string indTempUnit;
    std::string outTempUnit;
    std::string rainUnit;
    std::string presUnit;
    std::string windUnit;
    int indTempUnitRaw = 0;
    int outTempUnitRaw = 0;
    int rainUnitRaw = 0;
    std::string presUnitBits;
    std::string windUnitBits;
    std::string presFmt;
    std::string windFmt;
    std::string hourFmt;
    std::string dateFmt;
    std::string axisFmt;
    std::string timeFmt;
    std::string outTempFmt;
    std::string rainFmt;
    std::string timeFmtBits;
    std::string outTempFmtBits;
    std::string rainFmtBits;
    std::string timeAlarmFlag;
    std::string windDirAlarmFlag;
    std::string indHumiLowAlarmFlag;
    std::string indHumiHighAlarmFlag;
    std::string outHumiLowAlarmFlag;
    std::string outHumiHighAlarmFlag;
    std::string windAlarmFlag;
    std::string gustAlarmFlag;
    std::string hourRainAlarmFlag;
    std::string dayRainAlarmFlag;
    std::string absPresLowAlarmFlag;
    std::string absPresHighAlarmFlag;
    std::string relPresLowAlarmFlag;
    std::string relPresHighAlarmFlag;
    std::string indTempLowAlarmFlag;
    std::string indTempHighAlarmFlag;
    std::string outTempLowAlarmFlag;
    std::string outTempHighAlarmFlag;
    std::string windchillLowAlarmFlag;
    std::string windchillHighAlarmFlag;
    std::string dewpointLowAlarmFlag;
    std::string dewpointHighAlarmFlag;
    std::string timeZone;
    std::string timeZoneHex;
    int timeZoneRaw = 0;
    std::string reserved19Hex;
    std::string updateFlag;
    std::string updateFlagHex;
    std::string historyRecords;
    std::string historyRecordsHex;
    int historyRecordsRaw = 0;
    std::string lightmeterUnit;
    int lightmeterUnitRaw = 0;
    std::string uvUnit;
    std::string lightmeterHighAlarmFlag;
    std::string uvHighAlarmFlag;
    std::string historyStackAddr;
    std::string historyStackAddrHex;

    // Alarm area (0x20-0x60).
    std::string hexAlarm;
    std::string relPres;
    std::string relPresHex;
    int relPresRaw = 0;
    std::string absPres;
    std::string absPresHex;
    int absPresRaw = 0;
    std::string reserved24Hex;
    std::string indHumiHighAlarm;
    std::string indHumiLowAlarm;
    std::string indTempHighAlarm;
    std::string indTempLowAlarm;
    std::string outHumiHighAlarm;
    std::string outHumiLowAlarm;
    std::string outTempHighAlarm;
    std::string outTempLowAlarm;
    std::string windchillHighAlarm;
    std::string windchillLowAlarm;
    std::string dewpointHighAlarm;
    std::string dewpointLowAlarm;
    std::string absPresHighAlarm;
    std::string absPresLowAlarm;
    std::string relPresHighAlarm;
    std::string relPresLowAlarm;
    std::string windsLevelAlarm;
    std::string windAlarm;
    std::string gustLevelAlarm;
    std::string gustAlarm;
    std::string windDirAlarm;
    std::string hourRainAlarm;
    std::string dayRainAlarm;
    std::string timeAlarmHour;
    std::string timeAlarmMinute;
    std::string indHumiHighAlarmHex;
    int indHumiHighAlarmRaw = 0;
    std::string indHumiLowAlarmHex;
    int indHumiLowAlarmRaw = 0;
    std::string indTempHighAlarmHex;
    int indTempHighAlarmRaw = 0;
    std::string indTempLowAlarmHex;
    int indTempLowAlarmRaw = 0;
    std::string outHumiHighAlarmHex;
    int outHumiHighAlarmRaw = 0;
    std::string outHumiLowAlarmHex;
    int outHumiLowAlarmRaw = 0;
    std::string outTempHighAlarmHex;
    int outTempHighAlarmRaw = 0;
    std::string outTempLowAlarmHex;
    int outTempLowAlarmRaw = 0;
    std::string windchillHighAlarmHex;
    int windchillHighAlarmRaw = 0;
    std::string windchillLowAlarmHex;
    int windchillLowAlarmRaw = 0;
    std::string dewpointHighAlarmHex;
    int dewpointHighAlarmRaw = 0;
    std::string dewpointLowAlarmHex;
    int dewpointLowAlarmRaw = 0;
    std::string absPresHighAlarmHex;
    int absPresHighAlarmRaw = 0;
    std::string absPresLowAlarmHex;
    int absPresLowAlarmRaw = 0;
    std::string relPresHighAlarmHex;
    int relPresHighAlarmRaw = 0;
    std::string relPresLowAlarmHex;
    int relPresLowAlarmRaw = 0;
    std::string windsLevelAlarmHex;
    int windsLevelAlarmRaw = 0;
    std::string windAlarmHex;
    int windAlarmRaw = 0;
    std::string gustLevelAlarmHex;
    int gustLevelAlarmRaw = 0;
    std::string gustAlarmHex;
    int gustAlarmRaw = 0;
    std::string windDirAlarmHex;
    int windDirAlarmRaw = 0;
    std::string hourRainAlarmHex;
    int hourRainAlarmRaw = 0;
    std::string dayRainAlarmHex;
    int dayRainAlarmRaw = 0;
    std::string lightmeterHighAlarm;
    std::string uvHighAlarm;
    std::string uvMax;
    std::string lightmeterMax;
    std::string lightmeterHighAlarmHex;
    int lightmeterHighAlarmRaw = 0;
    std::string uvHighAlarmHex;
    int uvHighAlarmRaw = 0;
    std::string uvMaxHex;
    int uvMaxRaw = 0;
    std::string lightmeterMaxHex;
    int lightmeterMaxRaw = 0;

    // Scope area (0x60-0xFF): min/max values and their times.
    std::string hexScope;
    std::string reserved61Hex;
    std::string indHumiMax;
    std::string indHumiMin;
    std::string outHumiMax;
    std::string outHumiMin;
    std::string indTempMax;
    std::string indTempMin;
    std::string outTempMax;
    std::string outTempMin;
    std::string windchillMax;
    std::string windchillMin;
    std::string dewpointMax;
    std::string dewpointMin;
    std::string absPresMax;
    std::string absPresMin;
    std::string relPresMax;
    std::string relPresMin;
    std::string windMax;
    std::string gustMax;
    std::string hourRainMax;
    std::string dayRainMax;
    std::string weekRainMax;
    std::string monthRainMax;
    std::string totalRainMax;
    std::string indHumiMaxHex;
    std::string indHumiMinHex;
    std::string outHumiMaxHex;
    std::string outHumiMinHex;
    std::string indTempMaxHex;
    std::string indTempMinHex;
    std::string outTempMaxHex;
    std::string outTempMinHex;
    std::string windchillMaxHex;
    std::string windchillMinHex;
    std::string dewpointMaxHex;
    std::string dewpointMinHex;
    std::string absPresMaxHex;
    std::string absPresMinHex;
    std::string relPresMaxHex;
    std::string relPresMinHex;
    std::string windMaxHex;
    std::string gustMaxHex;
    std::string hourRainMaxHex;
    std::string dayRainMaxHex;
    std::string weekRainMaxHex;
    std::string monthRainMaxHex;
    std::string totalRainMaxHex;
    int indHumiMaxRaw = 0;
    int indHumiMinRaw = 0;
    int outHumiMaxRaw = 0;
    int outHumiMinRaw = 0;
    int indTempMaxRaw = 0;
    int indTempMinRaw = 0;
    int outTempMaxRaw = 0;
    int outTempMinRaw = 0;
    int windchillMaxRaw = 0;
    int windchillMinRaw = 0;
    int dewpointMaxRaw = 0;
    int dewpointMinRaw = 0;
    int absPresMaxRaw = 0;
    int absPresMinRaw = 0;
    int relPresMaxRaw = 0;
    int relPresMinRaw = 0;
    int windMaxRaw = 0;
    int gustMaxRaw = 0;
    int hourRainMaxRaw = 0;
    int dayRainMaxRaw = 0;
    int weekRainMaxRaw = 0;
    int monthRainMaxRaw = 0;
    int totalRainMaxRaw = 0;
    std::string indHumiMaxTime;
    std::string indHumiMinTime;
    std::string outHumiMaxTime;
    std::string outHumiMinTime;
    std::string indTempMaxTime;
    std::string indTempMinTime;
    std::string outTempMaxTime;
    std::string outTempMinTime;
    std::string windchillMaxTime;
    std::string windchillMinTime;
    std::string dewpointMaxTime;
    std::string dewpointMinTime;
    std::string absPresMaxTime;
    std::string absPresMinTime;
    std::string relPresMaxTime;
    std::string relPresMinTime;
    std::string windMaxTime;
    std::string gustMaxTime;
    std::string hourRainMaxTime;
    std::string dayRainMaxTime;
    std::string weekRainMaxTime;
    std::string monthRainMaxTime;
    std::string totalRainMaxTime;
    std::string indHumiMaxTimeHex;
    std::string indHumiMinTimeHex;
    std::string outHumiMaxTimeHex;
    std::string outHumiMinTimeHex;
    std::string indTempMaxTimeHex;
    std::string indTempMinTimeHex;
    std::string outTempMaxTimeHex;
    std::string outTempMinTimeHex;
    std::string windchillMaxTimeHex;
    std::string windchillMinTimeHex;
    std::string dewpointMaxTimeHex;
    std::string dewpointMinTimeHex;
    std::string absPresMaxTimeHex;
    std::string absPresMinTimeHex;
    std::string relPresMaxTimeHex;
    std::string relPresMinTimeHex;
    std::string windMaxTimeHex;
    std::string gustMaxTimeHex;
    std::string hourRainMaxTimeHex;
    std::string dayRainMaxTimeHex;
    std::string weekRainMaxTimeHex;
    std::string monthRainMaxTimeHex;
    std::string totalRainMaxTimeHex;
};

inline constexpr std::size_t kFixedBlockSize = 256;

// Which area of the block a decode or encode covers.
enum FixedBlockPart { kWholeBlock = 0, kBasicArea = 1, kAlarmArea = 2, kScopeArea = 3 };

// Decodes `part` of the block read from console address 0x00 into `settings` (for the basic
// area the first 32 bytes suffice). The value texts are written in any mode; with `raw` the
// companions and the area dumps too. Fields outside the part keep their values. False, and
// nothing decoded, for a missing block or an unknown part.
bool DecodeFixedBlock(const std::uint8_t* block, CWeatherSettings& settings, int part, bool raw);

// Encodes `part` of `settings` into `block`, which the caller clears to zero: bit fields are
// ORed in and an empty reserved text writes nothing. With `raw` the companions and dumps of the
// part are refreshed from the bytes just written, so a debug text shows what goes to the
// console. The texts are left as they are. False, and nothing written, for a missing block or
// an unknown part.
bool EncodeFixedBlock(CWeatherSettings& settings, std::uint8_t* block, int part, bool raw);
