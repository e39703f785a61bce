#pragma once

#include "station/console/WeatherSet.h"
#include "station/records/RecordLineFields.h"

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <sys/types.h>

// The graph's lean record: the record time and the numeric values a chart draws, read from a
// stored record as the record's own formatters read them, so that a chart of them shows the
// very points that whole records converted to display units would give. About 80 bytes, where
// a whole record takes two kilobytes: ten years of records fit a small computer.
// The humidities come first and UV last, as CGraphRecord keeps them.

enum GraphValue {
    kGraphIndoorHumidity,
    kGraphOutdoorHumidity,
    kGraphIndoorTemperature,
    kGraphOutdoorTemperature,
    kGraphDewPoint,
    kGraphWindChill,
    kGraphAbsolutePressure,
    kGraphRelativePressure,
    kGraphWindSpeed,
    kGraphGustSpeed,
    kGraphHourRain,
    kGraphDayRain,
    kGraphWeekRain,
    kGraphMonthRain,
    kGraphTotalRain,
    kGraphLight,
    kGraphUv,
    kGraphValueCount
};

// Each value is kept in the form its formatter reads it, so nothing is rounded on the way: the
// humidities as whole numbers, the values with units as 32-bit floats, UV as a double.
class CGraphRecord {
public:
    double time = 0; // the record time as an OLE automation date

    // Whether the record time is a whole time text (19 characters or more): only such records
    // are drawn.
    bool HasWholeTime() const { return m_present & kWholeTime; }
    void SetWholeTime(double oleDate);

    bool Has(GraphValue value) const { return m_present & (1u << value); }
    // The number the value's formatter reads from the stored text.
    double Number(GraphValue value) const;
    void SetNumber(GraphValue value, double number);

private:
    static constexpr std::uint32_t kWholeTime = 1u << 31;
    static constexpr int kFirstMeasure = kGraphIndoorTemperature;

    double m_uv = 0;
    std::uint32_t m_present = 0; // one bit per GraphValue that holds a value, and kWholeTime
    std::int32_t m_humidity[2] = {};
    float m_measures[kGraphUv - kFirstMeasure] = {};
};

// Chunked, so that a list of ten years never needs its whole size twice while it grows.
using CGraphRecordArray = std::deque<CGraphRecord>;

// The lean record of the record whose line fields are `fields`, or of a whole record.
CGraphRecord MakeGraphRecord(const RecordFieldViews& fields);
CGraphRecord MakeGraphRecord(const CWeatherRecord& record);

// The records of the span, oldest first, in place of those `records` held: the records that
// LoadRecordsForGraph would load, each made lean. A data file that stays busy, or holds no line,
// leaves `records` as it was. Long spans are read in parts of `partBytes` of the file, side by
// side on the machine's cores.
inline constexpr off_t kGraphReadPartBytes = off_t{64} << 10;
void LoadGraphRecords(CGraphRecordArray& records, const std::string& start, const std::string& end,
                      off_t partBytes = kGraphReadPartBytes);

// The value drawn for `value` of `record` in the display units of `settings`: atof of the text
// that ConvertRecordToUserUnits makes of it. Nothing where that text holds no value ("---", or
// a leading integer of -32767).
std::optional<double> GraphDisplayValue(const CGraphRecord& record, GraphValue value,
                                        const CWeatherSettings& settings);
