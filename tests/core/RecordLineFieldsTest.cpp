#include "station/records/RecordLineFields.h"

#include "station/console/WeatherRecord.h"
#include "tests/core/FixedClock.h"
#include "tests/core/RecordSamples.h"
#include "tests/core/ScopedTimeZone.h"

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
    CWeatherRecord record = ScaledRecord();
    EXPECT_EQ(FormatRecordLine(record),
              "    17, 2024-03-05 14:30:27, 2024-03-05 14:25:00,   5,   45,  -5.2,   90,   2.1,"
              "   0.6,   2.1,  1000.2,  1013.7,  1.2,   1,  2.0,   2,   6, ESE, \t\t  298,"
              "    89.4,     0.3,     0.6,     1.2,     4.8,    12.0,    350.1,   1000.0,   3,"
              " 0, 0, 0, 0, 0, 0, 1, 0, 00A0F4,   12, "
              "05 2D 34 80 5A 15 00 1A 27 0C 14 00 06 2A 01 40 10 27 00 03 ,       \n");
}

TEST_F(WeatherRecordLine, ReadBackInEitherFormEveryFieldButTheNewestAddressSurvives) {
    CWeatherRecord written = ScaledRecord();
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
    CWeatherRecord read = ScaledRecord();
    EXPECT_EQ(ParseRecordLine(read, line), 39);
    for (std::size_t i = 0; i + 1 < kLineOrder.size(); ++i) {
        EXPECT_EQ(read.*kLineOrder[i], written.*kLineOrder[i]) << "field " << i + 1;
    }
}

TEST_F(WeatherRecordLine, TextsWiderThanTheirFieldsAreWrittenWholeAndReadBack) {
    CWeatherRecord written = ScaledRecord();
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

// A line that lacks fields gives them the texts of a new record, never what the record held:
// a record read from a line cut short shows no value there.
TEST(WeatherRecordParse, AShortLineFillsItsFieldsAndGivesTheRestNoValue) {
    CWeatherRecord record = ScaledRecord();
    EXPECT_EQ(ParseRecordLine(record, "1, 2024-01-01 00:00:00, 2024-01-01 00:05:00, 5, 40, 20.5,"
                                      " 60, 10.0, 2.5, 9.0"),
              10);
    EXPECT_EQ(record.recordNo, "1");
    EXPECT_EQ(record.recordTime, "2024-01-01 00:05:00");
    EXPECT_EQ(record.windChill, "9.0");
    EXPECT_EQ(record.absPres, "---");
    EXPECT_EQ(record.uv, "---");
    EXPECT_EQ(record.flag7, "");
    EXPECT_EQ(record.hexValue, "");
    // Members the line has no place for stay as they were.
    EXPECT_EQ(record.indTempRaw, ScaledRecord().indTempRaw);
    EXPECT_EQ(record.flag_bin, ScaledRecord().flag_bin);
}

TEST(WeatherRecordParse, TwoAdjacentCommasEndTheReadingThere) {
    CWeatherRecord record = ScaledRecord();
    EXPECT_EQ(ParseRecordLine(record, "9, 2024-01-01 00:00:00,, 7, 50"), 2);
    EXPECT_EQ(record.recordNo, "9");
    EXPECT_EQ(record.saveTime, "2024-01-01 00:00:00");
    EXPECT_EQ(record.recordTime, "");
    EXPECT_EQ(record.sampleCircle, "---");
}

TEST(WeatherRecordParse, APieceOfBlanksCountsAndReadsAsEmpty) {
    CWeatherRecord record = ScaledRecord();
    EXPECT_EQ(ParseRecordLine(record, "3, \t ,2024-01-01 00:00:00\r"), 3);
    EXPECT_EQ(record.saveTime, "");
    EXPECT_EQ(record.recordTime, "2024-01-01 00:00:00");
}

TEST(WeatherRecordParse, NothingIsReadFromAnEmptyLineOrOneThatStartsWithAComma) {
    for (const char* line : {"", ",1, 2024-01-01 00:00:00"}) {
        CWeatherRecord record = ScaledRecord();
        EXPECT_EQ(ParseRecordLine(record, line), 0);
        EXPECT_EQ(record.recordNo, "0");
        EXPECT_EQ(record.indTemp, "---");
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

} // namespace
