#pragma once

#include "station/console/WeatherRecord.h"
#include "station/records/RecordLineReader.h"

#include <array>
#include <cstddef>
#include <optional>
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

// The texts a new record holds in those fields: what a line that lacks a field gives it.
const RecordFieldViews& NewRecordFields();

// Whether a line's fields make it a stored record: a record number of decimal digits alone and
// a record time "YYYY-MM-DD hh:mm:ss" of a day the calendar has, with an hour, minute and
// second on the clock. Any other line (garbage, a line cut short before its record time) holds
// no record: the readers pass over it, and the file keeps it as it stands.
bool IsRecordNumberText(std::string_view text);
bool IsRecordTimeText(std::string_view text);
bool HoldsRecord(const RecordFieldViews& fields);

// The record number and record time of a line that holds a record, read from the line's first
// three pieces alone; nothing for a line that holds none. The views point into the line.
struct RecordKey {
    std::string_view number;
    std::string_view time;
};
std::optional<RecordKey> ReadRecordKey(std::string_view line);

// Reads one data-file line into `fields` as into a new record, by the rule of RecordLineReader:
// the first 39 pieces in order, and the new record's text in each field the line lacks, never
// a text of another line. The views point into `line` or at the new record's texts. Returns
// whether the line holds a record (HoldsRecord).
bool ReadRecordFields(std::string_view line, RecordFieldViews& fields);

// Fills the line's fields of `record` from one data-file line as ReadRecordFields reads them: a
// field the line lacks gets a new record's text. Members without a place in the line (bytes,
// raw values, the newest address) keep theirs. Returns the number of pieces found.
int ParseRecordLine(CWeatherRecord& record, std::string_view line);
// The data-file line of `record`, "\n" included: 40 fields right-aligned to their widths,
// separated by ", ". Stamps the record's saveTime with the current time first.
std::string FormatRecordLine(CWeatherRecord& record);
