#include "station/console/WeatherRecord.h"

#include "FixedClock.h"
#include "ScopedTimeZone.h"
#include "station/records/RecordLineFields.h"

#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

namespace {

using Text = std::string CWeatherRecord::*;

// The 40 fields of a data-file line, in line order.
const std::vector<Text> kLineOrder = {
    &CWeatherRecord::recordNo,     &CWeatherRecord::saveTime,   &CWeatherRecord::recordTime,
    &CWeatherRecord::sampleCircle, &CWeatherRecord::indHumi,    &CWeatherRecord::indTemp,
    &CWeatherRecord::outHumi,      &CWeatherRecord::outTemp,    &CWeatherRecord::dewPoint,
    &CWeatherRecord::windChill,    &CWeatherRecord::absPres,    &CWeatherRecord::relPres,
    &CWeatherRecord::winds,        &CWeatherRecord::windsLevel, &CWeatherRecord::gust,
    &CWeatherRecord::gustLevel,    &CWeatherRecord::windDir,    &CWeatherRecord::windDirDesc,
    &CWeatherRecord::rain,         &CWeatherRecord::rainMm,     &CWeatherRecord::increment,
    &CWeatherRecord::hourRain,     &CWeatherRecord::dayRain,    &CWeatherRecord::weekRain,
    &CWeatherRecord::monthRain,    &CWeatherRecord::totalRain,  &CWeatherRecord::lightmeter,
    &CWeatherRecord::uv,           &CWeatherRecord::flag1,      &CWeatherRecord::flag2,
    &CWeatherRecord::flag3,        &CWeatherRecord::flag4,      &CWeatherRecord::flag5,
    &CWeatherRecord::flag6,        &CWeatherRecord::flag7,      &CWeatherRecord::flag8,
    &CWeatherRecord::hexAddr,      &CWeatherRecord::sequenceNo, &CWeatherRecord::hexValue,
    &CWeatherRecord::stackAddr,
};

// A record as it stands after decoding, scaling and rain sums, before it is numbered.
CWeatherRecord StoredRecord() {
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

// What the data-file store does to each line it reads back.
std::string Trimmed(std::string_view line) {
    constexpr std::string_view kWhiteSpace = " \t\r\n\v\f";
    const std::size_t first = line.find_first_not_of(kWhiteSpace);
    if (first == std::string_view::npos) {
        return {};
    }
    return std::string(line.substr(first, line.find_last_not_of(kWhiteSpace) - first + 1));
}

class WeatherRecordLine : public testing::Test {
protected:
    ScopedTimeZone m_zone{"UTC0"};
    FixedClock m_clock{1709649027}; // 2024-03-05 14:30:27 UTC
};

TEST_F(WeatherRecordLine, ANewRecordFormattedAtOnceShowsEveryFieldAsNoValue) {
    CWeatherRecord record;
    EXPECT_EQ(FormatRecordLine(record),
              "     0, 2024-03-05 14:30:27,                    , ---,  ---,   ---,  ---,   ---,"
              "   ---,   ---,     ---,     ---,  ---, ---,  ---, ---, ---, ---, \t\t  ---,"
              "     ---,     ---,     ---,     ---,     ---,     ---,      ---,      ---, ---,"
              "  ,  ,  ,  ,  ,  ,  ,  ,       ,     , ,       \n");
    EXPECT_EQ(record.saveTime, "2024-03-05 14:30:27");
}

TEST_F(WeatherRecordLine, AStoredLineKeepsItsWidthsAndEndsWithAnEmptyNewestAddress) {
    CWeatherRecord record = StoredRecord();
    EXPECT_EQ(FormatRecordLine(record),
              "    17, 2024-03-05 14:30:27, 2024-03-05 14:25:00,   5,   45,  -5.2,   90,   2.1,"
              "   0.6,   2.1,  1000.2,  1013.7,  1.2,   1,  2.0,   2,   6, ESE, \t\t  298,"
              "    89.4,     0.3,     0.6,     1.2,     4.8,    12.0,    350.1,   1000.0,   3,"
              " 0, 0, 0, 0, 0, 0, 1, 0, 00A0F4,   12, "
              "05 2D 34 80 5A 15 00 1A 27 0C 14 00 06 2A 01 40 10 27 00 03 ,       \n");
}

TEST_F(WeatherRecordLine, ReadBackInEitherFormEveryFieldButTheNewestAddressSurvives) {
    CWeatherRecord written = StoredRecord();
    written.stackAddr = "00A108";
    const std::string line = FormatRecordLine(written);
    written.stackAddr.clear();
    const std::string storedForm = Trimmed(FormatRecordLine(written));

    struct Form {
        std::string line;
        int pieces;
    };
    for (const Form& form : {Form{storedForm, 39}, Form{line, 40}, Form{Trimmed(line), 40}}) {
        CWeatherRecord read;
        read.stackAddr = "kept";
        EXPECT_EQ(ParseRecordLine(read, form.line), form.pieces) << form.line;
        for (std::size_t i = 0; i + 1 < kLineOrder.size(); ++i) {
            EXPECT_EQ(read.*kLineOrder[i], Trimmed(written.*kLineOrder[i])) << "field " << i + 1;
        }
        EXPECT_EQ(read.stackAddr, "kept");
    }
}

TEST_F(WeatherRecordLine, ANewRecordReadsBackAsEmptyTextsWhereItHadNone) {
    CWeatherRecord written;
    const std::string line = Trimmed(FormatRecordLine(written));
    CWeatherRecord read = StoredRecord();
    EXPECT_EQ(ParseRecordLine(read, line), 39);
    for (std::size_t i = 0; i + 1 < kLineOrder.size(); ++i) {
        EXPECT_EQ(read.*kLineOrder[i], written.*kLineOrder[i]) << "field " << i + 1;
    }
}

TEST_F(WeatherRecordLine, TextsWiderThanTheirFieldsAreWrittenWholeAndReadBack) {
    CWeatherRecord written = StoredRecord();
    written.recordNo = "12345678";
    written.totalRain = "1234567.8";
    written.lightmeter = "400000.0";
    const std::string line = FormatRecordLine(written);
    EXPECT_EQ(line.rfind("12345678, 2024-03-05 14:30:27, ", 0), 0u) << line;

    CWeatherRecord read;
    EXPECT_EQ(ParseRecordLine(read, Trimmed(line)), 39);
    EXPECT_EQ(read.recordNo, "12345678");
    EXPECT_EQ(read.totalRain, "1234567.8");
    EXPECT_EQ(read.lightmeter, "400000.0");
    EXPECT_EQ(read.hexValue, Trimmed(written.hexValue));
}

TEST(WeatherRecordParse, AShortLineFillsItsFieldsAndLeavesTheRest) {
    CWeatherRecord record = StoredRecord();
    EXPECT_EQ(ParseRecordLine(record, "1, 2024-01-01 00:00:00, 2024-01-01 00:05:00, 5, 40, 20.5,"
                                      " 60, 10.0, 2.5, 9.0"),
              10);
    EXPECT_EQ(record.recordNo, "1");
    EXPECT_EQ(record.recordTime, "2024-01-01 00:05:00");
    EXPECT_EQ(record.windChill, "9.0");
    EXPECT_EQ(record.absPres, "1000.2");
    EXPECT_EQ(record.hexValue, StoredRecord().hexValue);
}

TEST(WeatherRecordParse, TwoAdjacentCommasEndTheReadingThere) {
    CWeatherRecord record = StoredRecord();
    EXPECT_EQ(ParseRecordLine(record, "9, 2024-01-01 00:00:00,, 7, 50"), 2);
    EXPECT_EQ(record.recordNo, "9");
    EXPECT_EQ(record.saveTime, "2024-01-01 00:00:00");
    EXPECT_EQ(record.recordTime, "2024-03-05 14:25:00");
    EXPECT_EQ(record.sampleCircle, "5");
}

TEST(WeatherRecordParse, APieceOfBlanksCountsAndReadsAsEmpty) {
    CWeatherRecord record = StoredRecord();
    EXPECT_EQ(ParseRecordLine(record, "3, \t ,2024-01-01 00:00:00\r"), 3);
    EXPECT_EQ(record.saveTime, "");
    EXPECT_EQ(record.recordTime, "2024-01-01 00:00:00");
}

TEST(WeatherRecordParse, NothingIsReadFromAnEmptyLineOrOneThatStartsWithAComma) {
    for (const char* line : {"", ",1, 2024-01-01 00:00:00"}) {
        CWeatherRecord record = StoredRecord();
        EXPECT_EQ(ParseRecordLine(record, line), 0);
        EXPECT_EQ(record.recordNo, "  17");
    }
}

TEST(WeatherRecordParse, PiecesAfterTheHexBytesAreCountedButNotRead) {
    std::string line = "1";
    for (int i = 2; i <= 45; ++i) {
        line += ", " + std::to_string(i);
    }
    CWeatherRecord record;
    EXPECT_EQ(ParseRecordLine(record, line), 45);
    EXPECT_EQ(record.hexValue, "39");
    EXPECT_EQ(record.stackAddr, "");
}

TEST(WeatherRecordState, ResetClearsValuesButKeepsWhatCameFromTheConsole) {
    const CWeatherRecord decoded = StoredRecord();
    CWeatherRecord r = decoded;
    r.stackAddr = "00A108";
    r.saveTime = "2024-03-05 14:30:27";
    r.Reset();

    EXPECT_EQ(r.recordNo, "0");
    EXPECT_EQ(r.saveTime, "");
    EXPECT_EQ(r.recordTime, "");
    for (const Text value :
         {&CWeatherRecord::sampleCircle, &CWeatherRecord::indHumi, &CWeatherRecord::indTemp,
          &CWeatherRecord::relPres, &CWeatherRecord::totalRain, &CWeatherRecord::windDirDesc,
          &CWeatherRecord::lightmeter, &CWeatherRecord::uv}) {
        EXPECT_EQ(r.*value, "---");
    }
    EXPECT_EQ(r.flag7, "");
    EXPECT_EQ(r.flag1, "");

    EXPECT_EQ(r.hexAddr, decoded.hexAddr);
    EXPECT_EQ(r.hexValue, decoded.hexValue);
    EXPECT_EQ(r.stackAddr, "00A108");
    EXPECT_EQ(r.sequenceNo, decoded.sequenceNo);
    EXPECT_EQ(r.indTempHex, "34 80 ");
    EXPECT_EQ(r.sampleCircleHex, "05 ");
    EXPECT_EQ(r.indTempRaw, -52);
    EXPECT_EQ(r.sampleCircleRaw, 5);
    EXPECT_EQ(r.flag_bin, "00000010");
}

TEST(WeatherRecordDump, ShowsEighteenLinesWithRawValuesUnsigned) {
    CWeatherRecord r = StoredRecord();
    r.stackAddr = "00A108";
    r.indHumiHex = "2D ";
    r.indHumiRaw = 45;
    r.outTempHex = "15 00 ";
    r.outTempRaw = 21;
    r.lightmeterHex = "10 27 00 ";
    r.lightmeterRaw = 10000;
    EXPECT_EQ(r.FormatDebugText(),
              "(MEM-SYS)/SIZE=SUM: (010000-0100)/20=3264\r\n"
              "stackAddr: 00A108 hexAddr: 00A0F4\r\n"
              "hexValue:05 2D 34 80 5A 15 00 1A 27 0C 14 00 06 2A 01 40 10 27 00 03 \r\n"
              "sampleCircle: 05 ->5->5\r\n"
              "indHumi: 2D ->45->45\r\n"
              "indTemp: 34 80 ->4294967244->-5.2\r\n"
              "outHumi: ->0->90\r\n"
              "outTemp: 15 00 ->21->2.1\r\n"
              "dewPoint: 0.6, windChill:2.1\r\n"
              "absPres: ->0->1000.2, relPres:1013.7\r\n"
              "winds: ->0->1.2, windsLevel:1\r\n"
              "gust: ->0->2.0, gustLevel:2\r\n"
              "windDir: ->0->6, windDirDesc:ESE\r\n"
              "rain: ->0->298, rainMm:89.4, increment:0.3\r\n"
              "hourRain:0.6, dayRain:1.2, weekRain:4.8, monthRain:12.0, totalRain:350.1\r\n"
              "lightmeter: 10 27 00 ->10000->1000.0\r\n"
              "uv: ->0->3\r\n"
              "flag_bin: 00000010(bit7=1:NoRF; bit8=1:totalrain>9999.9mm)\r\n");
}

} // namespace
