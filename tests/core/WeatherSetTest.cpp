#include "station/console/FixedBlockCodec.h"
#include "station/console/WeatherSet.h"
#include "tests/core/FixedBlockSamples.h"

#include <algorithm>
#include <cstdio>
#include <span>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

// The lines of a debug text, each checked for its CR LF ending, which is then dropped.
std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    EXPECT_EQ(start, text.size()) << "text does not end with CR LF";
    return lines;
}

bool HasLine(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// Every byte holds its own offset, so each line's bytes show where its field lies.
FixedBlock CountingBlock() {
    FixedBlock block;
    for (std::size_t i = 0; i < block.size(); ++i)
        block[i] = static_cast<std::uint8_t>(i);
    return block;
}

std::string CountingDump(const char* label, int first, int last) {
    std::string line = label;
    for (int i = first; i <= last; ++i) {
        char byte[8];
        std::snprintf(byte, sizeof byte, "%02X ", i);
        line += byte;
    }
    return line;
}

constexpr const char* kCountingBasicLines[] = {
    "initFlag1: 00 ->0(EEPROM初始化标志 固定值：55H)",
    "initFlag2: 01 ->0(EEPROM初始化标志 固定值：AAH)",
    "rainFactor: 02 03 ->770->770",
    "windFactor: 04 05 ->1284->1284",
    "historyCircle: 10 ->16->16",
    "indTempUnit: 1->°F(0 - ℃，1 - ℉)",
    "outTempUnit: 0->°C(0 - ℃，1 - ℉)",
    "rainUnit: 0->mm(0 - mm,1 - inch)",
    "presUnit: 000->(bit5~Hpa, bit6~inHg, bit7~mmHg )",
    "windUnit: 01001->km/h(bit0~m/s, bit1~km/h, bit2~knot, bit3~m/h, bit4~bft)",
    "presFmt: 1(0 - 绝对压力,1 - 相对压力)",
    "windFmt: 1(0 - 平均风速,1 - 阵风风速)",
    "hourFmt: 0(0 - 24小时制,1 - 12小时制)",
    "dateFmt: 0(0 - DD_MM_YY,1 - MM_DD_YY)",
    "axisFmt: 1(0 - 12小时轴, 1 - 24小时轴)",
    "timeFmt: 000->(0-完整日期, 1-日期和星期, 2-报警时间)",
    "outTempFmt: 001->2(0-温度, 1-风寒, 2-露点)",
    "rainFmt: 01000->1(0-小时雨量, 1-24小时雨量, 2-星期雨量, 3-月度雨量, 4-总雨量)",
    "timeAlarmFlag: 0",
    "windDirAlarmFlag: 1",
    "indHumiLowAlarmFlag: 1",
    "indHumiHighAlarmFlag: 0",
    "outHumiLowAlarmFlag 0",
    "outHumiHighAlarmFlag: 0",
    "windAlarmFlag: 0",
    "gustAlarmFlag: 1",
    "hourRainAlarmFlag: 1",
    "dayRainAlarmFlag: 0",
    "absPresLowAlarmFlag: 1",
    "absPresHighAlarmFlag: 0",
    "relPresLowAlarmFlag: 0",
    "relPresHighAlarmFlag: 0",
    "indTempLowAlarmFlag: 1",
    "indTempHighAlarmFlag: 1",
    "outTempLowAlarmFlag: 1",
    "outTempHighAlarmFlag: 0",
    "windchillLowAlarmFlag: 1",
    "windchillHighAlarmFlag: 0",
    "dewpointLowAlarmFlag: 0",
    "dewpointHighAlarmFlag: 0",
    "timeZone: 18 19 ->18->+18",
    "updateFlag: 1A ->0(0-设置未改变,AA-设置已改变)",
    "historyRecords: 1B 1C ->7195->7195(历史记录组数)",
    "lightmeterUnit: 1->fc(光照单位 lx 和 fc )",
    "uvUnit: ",
    "lightmeterHighAlarmFlag: 0",
    "uvHighAlarmFlag: 1",
    "historyStackAddr: 1E 1F ->7966(历史记录堆栈地址)",
};

constexpr const char* kCountingAlarmLines[] = {
    "relPres: 20 21 ->8480->8480",
    "absPres: 22 23 ->8994->8994",
    "indHumiHighAlarm: 30 ->48->48",
    "indHumiLowAlarm: 31 ->49->49",
    "indTempHighAlarm: 32 33 ->13106->13106",
    "indTempLowAlarm: 34 35 ->13620->13620",
    "outHumiHighAlarm: 36 ->54->54",
    "outHumiLowAlarm: 37 ->55->55",
    "outTempHighAlarm: 38 39 ->14648->14648",
    "outTempLowAlarm: 3A 3B ->15162->15162",
    "windchillHighAlarm: 3C 3D ->15676->15676",
    "windchillLowAlarm: 3E 3F ->16190->16190",
    "dewpointHighAlarm: 40 41 ->16704->16704",
    "dewpointLowAlarm: 42 43 ->17218->17218",
    "absPresHighAlarm: 44 45 ->17732->17732",
    "absPresLowAlarm: 46 47 ->18246->18246",
    "relPresHighAlarm: 48 49 ->18760->18760",
    "relPresLowAlarm: 4A 4B ->19274->19274",
    "windsLevelAlarm: 4C ->76->76",
    "windAlarm: 4D 4E ->20045->20045",
    "gustLevelAlarm: 4F ->79->79",
    "gustAlarm: 50 51 ->20816->20816",
    "windDirAlarm: 52 ->82->82",
    "hourRainAlarm: 53 54 ->21587->21587",
    "dayRainAlarm: 55 56 ->22101->22101",
    "lightmeterHighAlarm: 59 5A 5B ->5986905->5986905",
    "uvHighAlarm: 5C ->92->92",
    "timeAlarmHour: 57",
    "timeAlarmMinute: 58",
};

constexpr const char* kCountingScopeLines[] = {
    "indHumiMax: 62 ->98->98, Time: 8D8E8F9091->208D-8E-8F 90:91",
    "indHumiMin: 63 ->99->99, Time: 9293949596->2092-93-94 95:96",
    "outHumiMax: 64 ->100->100, Time: 9798999A9B->2097-98-99 9A:9B",
    "outHumiMin: 65 ->101->101, Time: 9C9D9E9FA0->209C-9D-9E 9F:A0",
    "indTempMax: 66 67 ->26470->26470, Time: A1A2A3A4A5->20A1-A2-A3 A4:A5",
    "indTempMin: 68 69 ->26984->26984, Time: A6A7A8A9AA->20A6-A7-A8 A9:AA",
    "outTempMax: 6A 6B ->27498->27498, Time: ABACADAEAF->20AB-AC-AD AE:AF",
    "outTempMin: 6C 6D ->28012->28012, Time: B0B1B2B3B4->20B0-B1-B2 B3:B4",
    "windchillMax: 6E 6F ->28526->28526, Time: B5B6B7B8B9->20B5-B6-B7 B8:B9",
    "windchillMin: 70 71 ->29040->29040, Time: BABBBCBDBE->20BA-BB-BC BD:BE",
    "dewpointMax: 72 73 ->29554->29554, Time: BFC0C1C2C3->20BF-C0-C1 C2:C3",
    "dewpointMin: 74 75 ->30068->30068, Time: C4C5C6C7C8->20C4-C5-C6 C7:C8",
    "absPresMax: 76 77 ->30582->30582, Time: C9CACBCCCD->20C9-CA-CB CC:CD",
    "absPresMin: 78 79 ->31096->31096, Time: CECFD0D1D2->20CE-CF-D0 D1:D2",
    "relPresMax: 7A 7B ->31610->31610, Time: D3D4D5D6D7->20D3-D4-D5 D6:D7",
    "relPresMin: 7C 7D ->32124->32124, Time: D8D9DADBDC->20D8-D9-DA DB:DC",
    "windMax: 7E 7F ->32638->32638, Time: DDDEDFE0E1->20DD-DE-DF E0:E1",
    "gustMax: 80 81 ->33152->33152, Time: E2E3E4E5E6->20E2-E3-E4 E5:E6",
    "hourRainMax: 82 83 ->33666->33666, Time: E7E8E9EAEB->20E7-E8-E9 EA:EB",
    "dayRainMax: 84 85 ->34180->34180, Time: ECEDEEEFF0->20EC-ED-EE EF:F0",
    "weekRainMax: 86 87 ->34694->34694, Time: F1F2F3F4F5->20F1-F2-F3 F4:F5",
    "monthRainMax: 88 89 8A 8B 8C ->821640->821640, Time: F6F7F8F9FA->20F6-F7-F8 F9:FA",
    "totalRainMax: 8A 8B 8C ->560010->560010, Time: FBFCFDFEFF->20FB-FC-FD FE:FF",
    "lightmeterMax: 5E 5F 60 ->6315870->6315870, Time: 060708090A->2006-07-08 09:0A",
    "uvMax: 5D ->93->93, Time: 0B0C0D0E0F->200B-0C-0D 0E:0F",
};

std::vector<std::string> CountingSection(std::string dump, std::span<const char* const> lines) {
    std::vector<std::string> section = {std::move(dump)};
    section.insert(section.end(), lines.begin(), lines.end());
    return section;
}

const std::vector<std::string> kBasicSection =
    CountingSection(CountingDump("hexBasic(00H-1FH): ", 0x00, 0x1F), kCountingBasicLines);
const std::vector<std::string> kAlarmSection =
    CountingSection(CountingDump("hexAlarm(20H-60H): ", 0x20, 0x60), kCountingAlarmLines);
const std::vector<std::string> kScopeSection =
    CountingSection(CountingDump("hexScope(60H-FFH): ", 0x60, 0xFF), kCountingScopeLines);

std::vector<std::string> Joined(std::initializer_list<const std::vector<std::string>*> sections) {
    std::vector<std::string> lines;
    for (const std::vector<std::string>* section : sections)
        lines.insert(lines.end(), section->begin(), section->end());
    return lines;
}

TEST(SettingsDebugText, ShowsEveryFieldOfTheThreeAreas) {
    const std::vector<std::string> lines = Lines(Decoded(CountingBlock()).FormatDebugText());
    const std::vector<std::string> expected =
        Joined({&kBasicSection, &kAlarmSection, &kScopeSection});
    ASSERT_EQ(lines.size(), expected.size());
    for (std::size_t i = 0; i < lines.size(); ++i)
        EXPECT_EQ(lines[i], expected[i]) << "line " << i;
}

TEST(SettingsDebugText, ShowsOnlyTheAreasThatWereDumped) {
    EXPECT_EQ(Lines(Decoded(CountingBlock(), kBasicArea).FormatDebugText()), kBasicSection);
    EXPECT_EQ(Lines(Decoded(CountingBlock(), kAlarmArea).FormatDebugText()), kAlarmSection);

    // The light and UV maxima close the scope section but belong to the other areas.
    std::vector<std::string> scope = kScopeSection;
    scope.end()[-2] = "lightmeterMax: ->0->---, Time: ->---";
    scope.end()[-1] = "uvMax: ->0->---, Time: ->---";
    EXPECT_EQ(Lines(Decoded(CountingBlock(), kScopeArea).FormatDebugText()), scope);

    EXPECT_EQ(CWeatherSettings().FormatDebugText(), "");
    EXPECT_EQ(Decoded(CountingBlock(), kWholeBlock, false).FormatDebugText(), "");
}

TEST(SettingsDebugText, SignedValuesKeepTheirSign) {
    FixedBlock block = kSimulatedBlock;
    block = WithBytes(block, 0x18, {0x92, 0x00});
    block = WithBytes(block, 0x32, {0x64, 0x80});
    block = WithBytes(block, 0x6C, {0x2C, 0x81});
    const std::vector<std::string> lines = Lines(Decoded(block).FormatDebugText());
    EXPECT_TRUE(HasLine(lines, "timeZone: 92 00 ->-12->-12"));
    EXPECT_TRUE(HasLine(lines, "indTempHighAlarm: 64 80 ->-100->-100"));
    EXPECT_TRUE(HasLine(lines, "outTempMin: 2C 81 ->-300->-300, Time: 0701011200->2007-01-01 "
                               "12:00"));
}

TEST(SettingsDebugText, OnlyTheTemperaturesAndTheZoneAreSigned) {
    FixedBlock block;
    block.fill(0xFF);
    std::vector<std::string> negative;
    for (const std::string& line : Lines(Decoded(block).FormatDebugText())) {
        // The integer stands between the first two arrows, where there are two.
        const std::size_t first = line.find("->"), second = line.find("->", first + 2);
        if (second != std::string::npos && line[first + 2] == '-')
            negative.push_back(line.substr(0, line.find(':')));
    }
    EXPECT_EQ(negative,
              (std::vector<std::string>{
                  "timeZone", "indTempHighAlarm", "indTempLowAlarm", "outTempHighAlarm",
                  "outTempLowAlarm", "windchillHighAlarm", "windchillLowAlarm", "dewpointHighAlarm",
                  "dewpointLowAlarm", "indTempMax", "indTempMin", "outTempMax", "outTempMin",
                  "windchillMax", "windchillMin", "dewpointMax", "dewpointMin"}));
}

TEST(SettingsDebugText, UnsignedIntegersPrintAsUnsigned) {
    CWeatherSettings settings = Decoded(kSimulatedBlock, kWholeBlock, false);
    settings.rainFactor = "-1";
    FixedBlock block{};
    EncodeFixedBlock(settings, block.data(), kWholeBlock, true);
    EXPECT_TRUE(HasLine(Lines(settings.FormatDebugText()), "rainFactor: FF FF ->4294967295->-1"));
}

TEST(SettingsDebugText, AfterARawEncodeShowsWhatGoesToTheConsole) {
    CWeatherSettings settings = Decoded(kSimulatedBlock, kWholeBlock, false);
    settings.updateFlag = "1";
    settings.presUnit = "mmHg";
    FixedBlock block{};
    EncodeFixedBlock(settings, block.data(), kWholeBlock, true);
    const std::vector<std::string> lines = Lines(settings.FormatDebugText());
    EXPECT_EQ(lines.size(), kBasicSection.size() + kAlarmSection.size() + kScopeSection.size());
    EXPECT_TRUE(HasLine(lines, "updateFlag: AA ->1(0-设置未改变,AA-设置已改变)"));
    EXPECT_TRUE(HasLine(lines, "presUnit: 001->mmHg(bit5~Hpa, bit6~inHg, bit7~mmHg )"));
}

// A new object shows "no value" for the interval, the 25 thresholds, the alarm time, the 25
// extremes and their 25 times: 78 texts, each printed once.
TEST(SettingsDebugText, ANewObjectShowsNoValueEverywhere) {
    CWeatherSettings settings;
    settings.hexBasic = settings.hexAlarm = settings.hexScope = "dump";
    const std::string text = settings.FormatDebugText();
    std::size_t count = 0;
    for (std::size_t at = text.find("---"); at != std::string::npos; at = text.find("---", at + 3))
        ++count;
    EXPECT_EQ(count, 78u);
    const std::vector<std::string> lines = Lines(text);
    EXPECT_TRUE(HasLine(lines, "relPresMin: ->0->---, Time: ->---"));
    EXPECT_TRUE(HasLine(lines, "indTempUnit: 0->°C(0 - ℃，1 - ℉)"));
    EXPECT_TRUE(
        HasLine(lines, "windUnit: ->m/s(bit0~m/s, bit1~km/h, bit2~knot, bit3~m/h, bit4~bft)"));
}

} // namespace
