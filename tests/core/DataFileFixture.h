#pragma once

#include "station/console/WeatherRecord.h"
#include "station/records/RecordLineFields.h"
#include "store/FDB.h"
#include "tests/core/FileTestSupport.h"

#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

// Gives the program's data-file store g_fdb a data file of its own in a fresh folder, closed
// and with a clear busy flag, as the record layer finds it between operations.
class DataFileTest : public testing::Test {
protected:
    DataFileTest() {
        g_fdb.Close();
        g_fdb.m_busy = false;
        EXPECT_TRUE(g_fdb.Open(DataPath()));
        g_fdb.Close();
    }
    ~DataFileTest() override {
        g_fdb.Close();
        g_fdb.m_busy = false;
    }

    std::string DataPath() const { return m_folder.Path("Talvorin.dat"); }
    // Replaces the data file by these lines, each ended by CR LF.
    void WriteLines(const std::vector<std::string>& lines) const {
        std::string bytes;
        for (const std::string& line : lines)
            bytes += line + "\r\n";
        WriteBytes(DataPath(), bytes);
    }
    std::string Bytes() const { return ReadBytes(DataPath()); }

    TempFolder m_folder;
};

// A stored record as the monitor thread appends it: metric values, rain sums, the history
// bytes. Only the fields given differ between records.
inline CWeatherRecord StoredRecord(const std::string& number, const std::string& time,
                                   const std::string& rainMm = "100.2",
                                   const std::string& increment = "0.3",
                                   const std::string& totalRain = "350.1") {
    CWeatherRecord r;
    r.recordNo = number;
    r.recordTime = time;
    r.sampleCircle = "5";
    r.indHumi = "45";
    r.indTemp = "21.5";
    r.outHumi = "80";
    r.outTemp = "-3.4";
    r.dewPoint = "-6.2";
    r.windChill = "-7.9";
    r.absPres = "1000.2";
    r.relPres = "1013.7";
    r.winds = "4.2";
    r.windsLevel = "3";
    r.gust = "6.8";
    r.gustLevel = "4";
    r.windDir = "6";
    r.windDirDesc = "ESE";
    r.rain = "334";
    r.rainMm = rainMm;
    r.increment = increment;
    r.hourRain = "0.6";
    r.dayRain = "1.2";
    r.weekRain = "3.3";
    r.monthRain = "12.9";
    r.totalRain = totalRain;
    r.lightmeter = "5120.0";
    r.uv = "2";
    for (std::string* flag :
         {&r.flag1, &r.flag2, &r.flag3, &r.flag4, &r.flag5, &r.flag6, &r.flag7, &r.flag8})
        *flag = "0";
    r.hexAddr = "00A0F4";
    r.sequenceNo = "  12";
    r.hexValue = "05 2D 34 80 5A 15 00 1A 27 0C 14 00 06 2A 01 40 10 27 00 03 ";
    return r;
}

// A line of garbage as found in a data file in place of a record's line: its first field is no
// record number, and it has no record time.
inline constexpr char kGarbageLine[] = "this line is garbage, it holds no record";

// The bytes of a data file as found damaged: garbage in place of the line numbered `garbage`
// (from 1, as an editor counts them) and the line numbered `cut` cut short after its record time,
// both keeping their line ends; every other byte as it was.
inline std::string WithDamagedLines(const std::string& bytes, std::size_t garbage,
                                    std::size_t cut) {
    std::string damaged;
    std::size_t start = 0;
    for (std::size_t number = 1; start < bytes.size(); ++number) {
        const std::size_t next = std::min(bytes.find('\n', start), bytes.size() - 1) + 1;
        std::string line = bytes.substr(start, next - start);
        const std::size_t ending = std::min(line.find_first_of("\r\n"), line.size());
        std::string text = line.substr(0, ending);
        if (number == garbage)
            text = kGarbageLine;
        if (number == cut)
            text.resize(text.find(',', text.find(',', text.find(',') + 1) + 1));
        damaged += text + line.substr(ending);
        start = next;
    }
    return damaged;
}

// The data-file line of a record, without its line end; the record itself is not changed.
inline std::string LineOf(CWeatherRecord record) {
    std::string line = FormatRecordLine(record);
    line.pop_back();
    return line;
}

// Every field of a record in one text, for comparing two records whole.
inline std::string AllFields(CWeatherRecord record) {
    const std::string saveTime = record.saveTime;
    std::string text = FormatRecordLine(record);
    // Formatting stamped the save time with the current time; put the record's own back.
    const std::size_t start = text.find(", ") + 2;
    text.replace(start, text.find(", ", start) - start, saveTime);
    return text + record.stackAddr + "\n" + record.FormatDebugText();
}
