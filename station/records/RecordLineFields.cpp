#include "station/records/RecordLineFields.h"

#include "station/values/Clock.h"
#include "station/values/TimeText.h"

namespace {

// The rain counter stands apart from the temperatures and winds before it.
constexpr std::size_t kRainCounterField = 18;

} // namespace

int ParseRecordLine(CWeatherRecord& record, std::string_view line) {
    RecordLineReader reader(line);
    std::string_view piece;
    int count = 0;
    while (reader.Next(piece)) {
        if (static_cast<std::size_t>(count) < kRecordLineReadPieces) {
            (record.*kRecordLineFieldTable[count].text).assign(piece);
        }
        ++count;
    }
    return count;
}

std::string FormatRecordLine(CWeatherRecord& record) {
    record.saveTime = FormatRecordTime(CurrentTime());
    std::string line;
    line.reserve(320);
    for (std::size_t i = 0; i < kRecordLineFieldTable.size(); ++i) {
        if (i > 0) {
            line += i == kRainCounterField ? ", \t\t" : ", ";
        }
        const std::string& text = record.*kRecordLineFieldTable[i].text;
        if (text.size() < kRecordLineFieldTable[i].width) {
            line.append(kRecordLineFieldTable[i].width - text.size(), ' ');
        }
        line += text;
    }
    line += '\n';
    return line;
}

RecordFieldViews FieldViewsOf(const CWeatherRecord& record) {
    RecordFieldViews fields;
    for (std::size_t piece = 0; piece < fields.size(); ++piece)
        fields[piece] = record.*kRecordLineFieldTable[piece].text;
    return fields;
}

void AssignFields(CWeatherRecord& record, const RecordFieldViews& fields) {
    for (std::size_t piece = 0; piece < fields.size(); ++piece)
        (record.*kRecordLineFieldTable[piece].text).assign(fields[piece]);
}
