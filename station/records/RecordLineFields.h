#pragma once

#include "station/console/WeatherRecord.h"
#include "station/records/RecordLineReader.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

// A record's line in the data file: the fields it holds, reading a record from its line and
// writing the line of a record.

// The fields of a data-file line, in line order, each with the record field it holds.
struct RecordLineField {
    std::string CWeatherRecord::*text;
    std::size_t width; // right-aligned to at least this many characters; longer texts stay whole
};

// Readers find the fields by their commas, so the widths only make the file pleasant to read.
inline constexpr std::array<RecordLineField, kRecordLineFields> kRecordLineFieldTable = {{
    {&CWeatherRecord::recordNo, 6},    {&CWeatherRecord::saveTime, 19},
    {&CWeatherRecord::recordTime, 19}, {&CWeatherRecord::sampleCircle, 3},
    {&CWeatherRecord::indHumi, 4},     {&CWeatherRecord::indTemp, 5},
    {&CWeatherRecord::outHumi, 4},     {&CWeatherRecord::outTemp, 5},
    {&CWeatherRecord::dewPoint, 5},    {&CWeatherRecord::windChill, 5},
    {&CWeatherRecord::absPres, 7},     {&CWeatherRecord::relPres, 7},
    {&CWeatherRecord::winds, 4},       {&CWeatherRecord::windsLevel, 3},
    {&CWeatherRecord::gust, 4},        {&CWeatherRecord::gustLevel, 3},
    {&CWeatherRecord::windDir, 3},     {&CWeatherRecord::windDirDesc, 3},
    {&CWeatherRecord::rain, 5},        {&CWeatherRecord::rainMm, 7},
    {&CWeatherRecord::increment, 7},   {&CWeatherRecord::hourRain, 7},
    {&CWeatherRecord::dayRain, 7},     {&CWeatherRecord::weekRain, 7},
    {&CWeatherRecord::monthRain, 7},   {&CWeatherRecord::totalRain, 8},
    {&CWeatherRecord::lightmeter, 8},  {&CWeatherRecord::uv, 3},
    {&CWeatherRecord::flag1, 1},       {&CWeatherRecord::flag2, 1},
    {&CWeatherRecord::flag3, 1},       {&CWeatherRecord::flag4, 1},
    {&CWeatherRecord::flag5, 1},       {&CWeatherRecord::flag6, 1},
    {&CWeatherRecord::flag7, 1},       {&CWeatherRecord::flag8, 1},
    {&CWeatherRecord::hexAddr, 6},     {&CWeatherRecord::sequenceNo, 4},
    {&CWeatherRecord::hexValue, 0},    {&CWeatherRecord::stackAddr, 6},
}};

// The texts of the fields a record reads back from its line, by their place in the line. Readers
// that keep less than a whole record take these instead of a CWeatherRecord.
using RecordFieldViews = std::array<std::string_view, kRecordLineReadPieces>;

// The place in the line of the field that holds `text`; only for fields a record reads back.
constexpr std::size_t LinePieceOf(std::string CWeatherRecord::*text) {
    std::size_t piece = 0;
    while (piece < kRecordLineReadPieces && kRecordLineFieldTable[piece].text != text)
        ++piece;
    return piece;
}

// The record's own texts of those fields; the views point into `record`.
RecordFieldViews FieldViewsOf(const CWeatherRecord& record);
// Sets the record's fields to `fields`, leaving every other member as it is.
void AssignFields(CWeatherRecord& record, const RecordFieldViews& fields);

// Fills `record` from one data-file line, read by the rule of RecordLineReader: the first 39
// pieces go to the line's fields in order, fields without a piece keep their values (the record
// is not reset first). Returns the number of pieces found.
int ParseRecordLine(CWeatherRecord& record, std::string_view line);
// The data-file line of `record`, "\n" included: 40 fields right-aligned to their widths,
// separated by ", ". Stamps the record's saveTime with the current time first.
std::string FormatRecordLine(CWeatherRecord& record);
