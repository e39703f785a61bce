// The settings object's defaults, and the communication log's view of it: per field its bytes,
// its integer and its text side by side. Only raw-mode decodes and encodes fill the bytes and
// integers, so an object without area dumps gives no text at all.

#include "station/console/FixedBlockMap.h"
#include "station/console/WeatherSet.h"

#include <span>

namespace {

using S = CWeatherSettings;
using Text = std::string S::*;
using Int = int S::*;

// One line: label, then "hex->", "raw->" when present, the text, the note, the time pair.
struct DebugLine {
    const char* label;
    Text hex = nullptr;
    Int raw = nullptr;
    bool isSigned = false;
    Text text = nullptr;
    const char* note = "";
    Text timeHex = nullptr;
    Text time = nullptr;
};

constexpr DebugLine Plain(const char* label, Text text, const char* note = "") {
    return {.label = label, .text = text, .note = note};
}

constexpr DebugLine WithHex(const char* label, Text hex, Text text, const char* note = "") {
    return {.label = label, .hex = hex, .text = text, .note = note};
}

constexpr DebugLine WithRaw(const char* label, Int raw, Text text, const char* note) {
    return {.label = label, .raw = raw, .text = text, .note = note};
}

constexpr DebugLine Number(const char* label, Text hex, Int raw, Text text, const char* note = "") {
    return {.label = label, .hex = hex, .raw = raw, .text = text, .note = note};
}

constexpr DebugLine Signed(const char* label, Text hex, Int raw, Text text) {
    return {.label = label, .hex = hex, .raw = raw, .isSigned = true, .text = text};
}

constexpr DebugLine WithTime(DebugLine line, Text timeHex, Text time) {
    line.timeHex = timeHex;
    line.time = time;
    return line;
}

// The members of a field follow one naming rule; the label is the field's own name.
#define LABEL(name) #name ": "
#define FLAG(name) Plain(LABEL(name), &S::name)
#define NUMBER(name) LABEL(name), &S::name##Hex, &S::name##Raw, &S::name
#define TIME_OF(name) &S::name##TimeHex, &S::name##Time

constexpr DebugLine kBasicLines[] = {
    Plain("hexBasic(00H-1FH): ", &S::hexBasic),
    WithHex(LABEL(initFlag1), &S::initFlag1Hex, &S::initFlag1, "(EEPROM初始化标志 固定值：55H)"),
    WithHex(LABEL(initFlag2), &S::initFlag2Hex, &S::initFlag2, "(EEPROM初始化标志 固定值：AAH)"),
    Number(NUMBER(rainFactor)),
    Number(NUMBER(windFactor)),
    Number(NUMBER(historyCircle)),
    WithRaw(LABEL(indTempUnit), &S::indTempUnitRaw, &S::indTempUnit, "(0 - ℃，1 - ℉)"),
    WithRaw(LABEL(outTempUnit), &S::outTempUnitRaw, &S::outTempUnit, "(0 - ℃，1 - ℉)"),
    WithRaw(LABEL(rainUnit), &S::rainUnitRaw, &S::rainUnit, "(0 - mm,1 - inch)"),
    WithHex(LABEL(presUnit), &S::presUnitBits, &S::presUnit, "(bit5~Hpa, bit6~inHg, bit7~mmHg )"),
    WithHex(LABEL(windUnit), &S::windUnitBits, &S::windUnit,
            "(bit0~m/s, bit1~km/h, bit2~knot, bit3~m/h, bit4~bft)"),
    Plain(LABEL(presFmt), &S::presFmt, "(0 - 绝对压力,1 - 相对压力)"),
    Plain(LABEL(windFmt), &S::windFmt, "(0 - 平均风速,1 - 阵风风速)"),
    Plain(LABEL(hourFmt), &S::hourFmt, "(0 - 24小时制,1 - 12小时制)"),
    Plain(LABEL(dateFmt), &S::dateFmt, "(0 - DD_MM_YY,1 - MM_DD_YY)"),
    Plain(LABEL(axisFmt), &S::axisFmt, "(0 - 12小时轴, 1 - 24小时轴)"),
    WithHex(LABEL(timeFmt), &S::timeFmtBits, &S::timeFmt, "(0-完整日期, 1-日期和星期, 2-报警时间)"),
    WithHex(LABEL(outTempFmt), &S::outTempFmtBits, &S::outTempFmt, "(0-温度, 1-风寒, 2-露点)"),
    WithHex(LABEL(rainFmt), &S::rainFmtBits, &S::rainFmt,
            "(0-小时雨量, 1-24小时雨量, 2-星期雨量, 3-月度雨量, 4-总雨量)"),
    FLAG(timeAlarmFlag),
    FLAG(windDirAlarmFlag),
    FLAG(indHumiLowAlarmFlag),
    FLAG(indHumiHighAlarmFlag),
    // The log has always shown this one without its colon; tools reading the log may rely on it.
    Plain("outHumiLowAlarmFlag ", &S::outHumiLowAlarmFlag),
    FLAG(outHumiHighAlarmFlag),
    FLAG(windAlarmFlag),
    FLAG(gustAlarmFlag),
    FLAG(hourRainAlarmFlag),
    FLAG(dayRainAlarmFlag),
    FLAG(absPresLowAlarmFlag),
    FLAG(absPresHighAlarmFlag),
    FLAG(relPresLowAlarmFlag),
    FLAG(relPresHighAlarmFlag),
    FLAG(indTempLowAlarmFlag),
    FLAG(indTempHighAlarmFlag),
    FLAG(outTempLowAlarmFlag),
    FLAG(outTempHighAlarmFlag),
    FLAG(windchillLowAlarmFlag),
    FLAG(windchillHighAlarmFlag),
    FLAG(dewpointLowAlarmFlag),
    FLAG(dewpointHighAlarmFlag),
    Signed(NUMBER(timeZone)),
    WithHex(LABEL(updateFlag), &S::updateFlagHex, &S::updateFlag, "(0-设置未改变,AA-设置已改变)"),
    Number(NUMBER(historyRecords), "(历史记录组数)"),
    WithRaw(LABEL(lightmeterUnit), &S::lightmeterUnitRaw, &S::lightmeterUnit,
            "(光照单位 lx 和 fc )"),
    Plain(LABEL(uvUnit), &S::uvUnit),
    FLAG(lightmeterHighAlarmFlag),
    FLAG(uvHighAlarmFlag),
    WithHex(LABEL(historyStackAddr), &S::historyStackAddrHex, &S::historyStackAddr,
            "(历史记录堆栈地址)"),
};

constexpr DebugLine kAlarmLines[] = {
    Plain("hexAlarm(20H-60H): ", &S::hexAlarm),
    Number(NUMBER(relPres)),
    Number(NUMBER(absPres)),
    Number(NUMBER(indHumiHighAlarm)),
    Number(NUMBER(indHumiLowAlarm)),
    Signed(NUMBER(indTempHighAlarm)),
    Signed(NUMBER(indTempLowAlarm)),
    Number(NUMBER(outHumiHighAlarm)),
    Number(NUMBER(outHumiLowAlarm)),
    Signed(NUMBER(outTempHighAlarm)),
    Signed(NUMBER(outTempLowAlarm)),
    Signed(NUMBER(windchillHighAlarm)),
    Signed(NUMBER(windchillLowAlarm)),
    Signed(NUMBER(dewpointHighAlarm)),
    Signed(NUMBER(dewpointLowAlarm)),
    Number(NUMBER(absPresHighAlarm)),
    Number(NUMBER(absPresLowAlarm)),
    Number(NUMBER(relPresHighAlarm)),
    Number(NUMBER(relPresLowAlarm)),
    Number(NUMBER(windsLevelAlarm)),
    Number(NUMBER(windAlarm)),
    Number(NUMBER(gustLevelAlarm)),
    Number(NUMBER(gustAlarm)),
    Number(NUMBER(windDirAlarm)),
    Number(NUMBER(hourRainAlarm)),
    Number(NUMBER(dayRainAlarm)),
    Number(NUMBER(lightmeterHighAlarm)),
    Number(NUMBER(uvHighAlarm)),
    Plain(LABEL(timeAlarmHour), &S::timeAlarmHour),
    Plain(LABEL(timeAlarmMinute), &S::timeAlarmMinute),
};

constexpr DebugLine kScopeLines[] = {
    Plain("hexScope(60H-FFH): ", &S::hexScope),
    WithTime(Number(NUMBER(indHumiMax)), TIME_OF(indHumiMax)),
    WithTime(Number(NUMBER(indHumiMin)), TIME_OF(indHumiMin)),
    WithTime(Number(NUMBER(outHumiMax)), TIME_OF(outHumiMax)),
    WithTime(Number(NUMBER(outHumiMin)), TIME_OF(outHumiMin)),
    WithTime(Signed(NUMBER(indTempMax)), TIME_OF(indTempMax)),
    WithTime(Signed(NUMBER(indTempMin)), TIME_OF(indTempMin)),
    WithTime(Signed(NUMBER(outTempMax)), TIME_OF(outTempMax)),
    WithTime(Signed(NUMBER(outTempMin)), TIME_OF(outTempMin)),
    WithTime(Signed(NUMBER(windchillMax)), TIME_OF(windchillMax)),
    WithTime(Signed(NUMBER(windchillMin)), TIME_OF(windchillMin)),
    WithTime(Signed(NUMBER(dewpointMax)), TIME_OF(dewpointMax)),
    WithTime(Signed(NUMBER(dewpointMin)), TIME_OF(dewpointMin)),
    WithTime(Number(NUMBER(absPresMax)), TIME_OF(absPresMax)),
    WithTime(Number(NUMBER(absPresMin)), TIME_OF(absPresMin)),
    WithTime(Number(NUMBER(relPresMax)), TIME_OF(relPresMax)),
    WithTime(Number(NUMBER(relPresMin)), TIME_OF(relPresMin)),
    WithTime(Number(NUMBER(windMax)), TIME_OF(windMax)),
    WithTime(Number(NUMBER(gustMax)), TIME_OF(gustMax)),
    WithTime(Number(NUMBER(hourRainMax)), TIME_OF(hourRainMax)),
    WithTime(Number(NUMBER(dayRainMax)), TIME_OF(dayRainMax)),
    WithTime(Number(NUMBER(weekRainMax)), TIME_OF(weekRainMax)),
    WithTime(Number(NUMBER(monthRainMax)), TIME_OF(monthRainMax)),
    WithTime(Number(NUMBER(totalRainMax)), TIME_OF(totalRainMax)),
    WithTime(Number(NUMBER(lightmeterMax)), TIME_OF(lightmeterMax)),
    WithTime(Number(NUMBER(uvMax)), TIME_OF(uvMax)),
};

#undef LABEL
#undef FLAG
#undef NUMBER
#undef TIME_OF

void AppendLine(const DebugLine& line, const CWeatherSettings& s, std::string& out) {
    out += line.label;
    if (line.hex)
        out += s.*line.hex + "->";
    if (line.raw) {
        const int raw = s.*line.raw;
        out += (line.isSigned ? std::to_string(raw) : std::to_string(static_cast<unsigned>(raw)));
        out += "->";
    }
    out += s.*line.text;
    out += line.note;
    if (line.time)
        out += ", Time: " + s.*line.timeHex + "->" + s.*line.time;
    out += "\r\n";
}

} // namespace

// Before the first read every value shows "no value" and every unit its metric name.
CWeatherSettings::CWeatherSettings() {
    for (const FixedBlockField& field : FixedBlockFields())
        if (field.initial)
            this->*field.text = field.initial;
}

std::string CWeatherSettings::FormatDebugText() const {
    std::string out;
    for (std::span<const DebugLine> section :
         {std::span<const DebugLine>(kBasicLines), std::span<const DebugLine>(kAlarmLines),
          std::span<const DebugLine>(kScopeLines)}) {
        // A section's first line is its area dump; without it the area was never dumped.
        if ((this->*section.front().text).empty())
            continue;
        for (const DebugLine& line : section)
            AppendLine(line, *this, out);
    }
    return out;
}
