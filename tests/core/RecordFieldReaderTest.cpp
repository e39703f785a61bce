#include "station/records/RecordFieldReader.h"

#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

std::vector<std::string> Texts(const RecordFieldViews& fields) {
    return {fields.begin(), fields.end()};
}

// A line of `fields` fields, each a few characters padded as the record layer pads them; the
// field texts differ from line to line so that a field kept from the wrong line shows.
std::string Line(std::mt19937& random, std::size_t fields, int lineNo) {
    std::uniform_int_distribution<int> pad(0, 4);
    std::string line;
    for (std::size_t field = 0; field < fields; ++field) {
        if (field > 0)
            line += ", ";
        line.append(static_cast<std::size_t>(pad(random)), ' ');
        line += std::to_string(lineNo) + "." + std::to_string(field);
    }
    return line;
}

// The reader's fields are those of a record that parses the same lines in turn, whatever the
// lengths of the lines, and stay so when the caller's copy of each line is gone.
TEST(RecordFieldReader, HoldsTheFieldsOfARecordThatParsedTheSameLines) {
    std::mt19937 random(7);
    std::uniform_int_distribution<std::size_t> fields(0, kRecordLineFields + 2);
    RecordFieldReader reader;
    CWeatherRecord record;
    EXPECT_EQ(Texts(reader.Fields()), Texts(FieldViewsOf(record)));
    for (int lineNo = 0; lineNo < 2000; ++lineNo) {
        // Mostly whole lines, now and then runs of short ones.
        const std::size_t count = lineNo % 7 < 4 ? kRecordLineFields : fields(random);
        auto line = std::make_unique<std::string>(Line(random, count, lineNo));
        const std::size_t read = reader.Read(*line);
        EXPECT_EQ(read, std::min<std::size_t>(count, kRecordLineReadPieces)) << *line;
        ParseRecordLine(record, *line);
        line->assign(line->size(), '#');
        line.reset();
        ASSERT_EQ(Texts(reader.Fields()), Texts(FieldViewsOf(record))) << lineNo;
    }
}

TEST(RecordFieldReader, AssignedFieldsMakeTheRecordTheLineGives) {
    RecordFieldReader reader;
    reader.Read("    17, 2024-03-05 14:30:27, 2024-03-05 14:25:00,   5,   45,  21.5");
    CWeatherRecord record;
    AssignFields(record, reader.Fields());
    EXPECT_EQ(record.recordNo, "17");
    EXPECT_EQ(record.recordTime, "2024-03-05 14:25:00");
    EXPECT_EQ(record.indTemp, "21.5");
    EXPECT_EQ(record.outHumi, CWeatherRecord().outHumi);
    EXPECT_EQ(LinePieceOf(&CWeatherRecord::recordTime), kRecordTimePiece);
    EXPECT_EQ(LinePieceOf(&CWeatherRecord::rainMm), kRecordRainMmPiece);
}

} // namespace
