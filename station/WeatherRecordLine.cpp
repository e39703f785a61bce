#include "station/Clock.h"
#include "station/RecordLineReader.h"
#include "station/TimeText.h"
#include "station/WeatherRecord.h"

#include <array>

namespace {

struct LineField {
    std::string CWeatherRecord::*text;
    std::size_t width; // right-aligned to at least this many characters; longer texts stay whole
};

// The data-file line, field by field. Readers find the fields by their commas, so the widths
// only make the file pleasant to read.
constexpr std::array<LineField, 40> kLineFields = {{
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

// The rain counter stands apart from the temperatures and winds before it.
constexpr std::size_t kRainCounterField = 18;

} // namespace

int CWeatherRecord::ParseRecordLine(std::string_view line) {
    RecordLineReader reader(line);
    std::string_view piece;
    int count = 0;
    while (reader.Next(piece)) {
        if (static_cast<std::size_t>(count) < kRecordLineReadPieces) {
            (this->*kLineFields[count].text).assign(piece);
        }
        ++count;
    }
    return count;
}

std::string CWeatherRecord::FormatRecordLine() {
    saveTime = FormatRecordTime(CurrentTime());
    std::string line;
    line.reserve(320);
    for (std::size_t i = 0; i < kLineFields.size(); ++i) {
        if (i > 0) {
            line += i == kRainCounterField ? ", \t\t" : ", ";
        }
        const std::string& text = this->*kLineFields[i].text;
        if (text.size() < kLineFields[i].width) {
            line.append(kLineFields[i].width - text.size(), ' ');
        }
        line += text;
    }
    line += '\n';
    return line;
}
