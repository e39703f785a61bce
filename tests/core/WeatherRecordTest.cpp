#include "station/console/WeatherRecord.h"

#include "tests/core/RecordSamples.h"

#include <string>

#include <gtest/gtest.h>

namespace {

using Text = std::string CWeatherRecord::*;

TEST(WeatherRecordState, ResetClearsValuesButKeepsWhatCameFromTheConsole) {
    const CWeatherRecord decoded = ScaledRecord();
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
    CWeatherRecord r = ScaledRecord();
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
