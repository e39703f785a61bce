#include "station/records/RecordLineFields.h"

#include "station/values/Clock.h"
#include "station/values/TimeFields.h"
#include "station/values/TimeText.h"

#include <algorithm>
#include <array>

namespace {

// The rain counter stands apart from the temperatures and winds before it.
constexpr std::size_t kRainCounterField = 18;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

const RecordFieldViews& NewRecordFields() {
    static const CWeatherRecord fresh;
    static const RecordFieldViews fields = FieldViewsOf(fresh);
    return fields;
}

bool IsRecordNumberText(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), IsDigit);
}

bool IsRecordTimeText(std::string_view text) {
    // "YYYY-MM-DD hh:mm:ss": where each number's digits stand, and what stands between them.
    static constexpr std::string_view kForm = "9999-99-99 99:99:99";
    if (text.size() != kForm.size())
        return false;
    for (std::size_t i = 0; i < kForm.size(); ++i) {
        if (kForm[i] == '9' ? !IsDigit(text[i]) : text[i] != kForm[i])
            return false;
    }
    TimeFields f;
    ReadTimeFields(text, f);
    // A day the calendar has: before the first of the next month.
    return ClampTimeFields(f.year, f.month, f.day, f.hour, f.minute, f.second) &&
           DayNumber(f.year, f.month, f.day) < DayNumber(f.year, f.month + 1, 1);
}

bool HoldsRecord(const RecordFieldViews& fields) {
    return IsRecordNumberText(fields[kRecordNoPiece]) && IsRecordTimeText(fields[kRecordTimePiece]);
}

std::optional<RecordKey> ReadRecordKey(std::string_view line) {
    std::array<std::string_view, kRecordTimePiece + 1> pieces;
    if (SplitRecordLine(line, pieces) < pieces.size() ||
        !IsRecordNumberText(pieces[kRecordNoPiece]) || !IsRecordTimeText(pieces[kRecordTimePiece]))
        return std::nullopt;
    return RecordKey{pieces[kRecordNoPiece], pieces[kRecordTimePiece]};
}

bool ReadRecordFields(std::string_view line, RecordFieldViews& fields) {
    const std::size_t count = SplitRecordLine(line, fields);
    const RecordFieldViews& fresh = NewRecordFields();
    std::copy(fresh.begin() + static_cast<std::ptrdiff_t>(count), fresh.end(),
              fields.begin() + static_cast<std::ptrdiff_t>(count));
    return HoldsRecord(fields);
}

int ParseRecordLine(CWeatherRecord& record, std::string_view line) {
    RecordLineReader reader(line);
    std::string_view piece;
    std::size_t count = 0;
    while (reader.Next(piece)) {
        if (count < kRecordLineReadPieces) {
            (record.*kRecordLineFieldTable[count].text).assign(piece);
        }
        ++count;
    }
    const RecordFieldViews& fresh = NewRecordFields();
    for (std::size_t field = count; field < kRecordLineReadPieces; ++field)
        (record.*kRecordLineFieldTable[field].text).assign(fresh[field]);
    return static_cast<int>(count);
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
