#include "station/records/GraphRecords.h"

#include "station/console/WeatherRecord.h"
#include "station/records/RecordLayer.h"
#include "station/values/TimeText.h"
#include "station/values/UnitNames.h"
#include "station/values/WeatherFmt.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace {

struct GraphSlot {
    std::string CWeatherRecord::*field;
    MetricQuantity quantity;
    std::string CWeatherSettings::*unit; // nullptr: the quantity has one unit only
};

// By GraphValue, with the display unit each field takes in ConvertRecordToUserUnits.
constexpr GraphSlot kSlots[kGraphValueCount] = {
    {&CWeatherRecord::indHumi, MetricQuantity::kHumidity, nullptr},
    {&CWeatherRecord::outHumi, MetricQuantity::kHumidity, nullptr},
    {&CWeatherRecord::indTemp, MetricQuantity::kTemperature, &CWeatherSettings::indTempUnit},
    {&CWeatherRecord::outTemp, MetricQuantity::kTemperature, &CWeatherSettings::outTempUnit},
    {&CWeatherRecord::dewPoint, MetricQuantity::kTemperature, &CWeatherSettings::outTempUnit},
    {&CWeatherRecord::windChill, MetricQuantity::kTemperature, &CWeatherSettings::outTempUnit},
    {&CWeatherRecord::absPres, MetricQuantity::kPressure, &CWeatherSettings::presUnit},
    {&CWeatherRecord::relPres, MetricQuantity::kPressure, &CWeatherSettings::presUnit},
    {&CWeatherRecord::winds, MetricQuantity::kWindSpeed, &CWeatherSettings::windUnit},
    {&CWeatherRecord::gust, MetricQuantity::kWindSpeed, &CWeatherSettings::windUnit},
    {&CWeatherRecord::hourRain, MetricQuantity::kRain, &CWeatherSettings::rainUnit},
    {&CWeatherRecord::dayRain, MetricQuantity::kRain, &CWeatherSettings::rainUnit},
    {&CWeatherRecord::weekRain, MetricQuantity::kRain, &CWeatherSettings::rainUnit},
    {&CWeatherRecord::monthRain, MetricQuantity::kRain, &CWeatherSettings::rainUnit},
    {&CWeatherRecord::totalRain, MetricQuantity::kRain, &CWeatherSettings::rainUnit},
    {&CWeatherRecord::lightmeter, MetricQuantity::kLight, &CWeatherSettings::lightmeterUnit},
    {&CWeatherRecord::uv, MetricQuantity::kUv, nullptr},
};

// Where in the data-file line each value's field stands.
constexpr std::array<std::size_t, kGraphValueCount> kSlotPieces = [] {
    std::array<std::size_t, kGraphValueCount> pieces{};
    for (int value = 0; value < kGraphValueCount; ++value)
        pieces[value] = LinePieceOf(kSlots[value].field);
    return pieces;
}();

// The length of "YYYY-MM-DD hh:mm:ss".
constexpr std::size_t kWholeTimeLength = 19;

// A display text whose leading integer is this holds no value.
constexpr double kNoValueNumber = -32767;

} // namespace

void CGraphRecord::SetWholeTime(double oleDate) {
    time = oleDate;
    m_present |= kWholeTime;
}

double CGraphRecord::Number(GraphValue value) const {
    if (value == kGraphUv)
        return m_uv;
    if (value < kFirstMeasure)
        return m_humidity[value];
    return m_measures[value - kFirstMeasure];
}

void CGraphRecord::SetNumber(GraphValue value, double number) {
    m_present |= 1u << value;
    if (value == kGraphUv)
        m_uv = number;
    else if (value < kFirstMeasure)
        m_humidity[value] = static_cast<std::int32_t>(number);
    else
        m_measures[value - kFirstMeasure] = static_cast<float>(number);
}

namespace {

// The number read from one value's field text, kept while the records that follow repeat the
// text: a humidity, a pressure or a rain sum stays the same for hours.
class LastReading {
public:
    std::optional<double> Read(MetricQuantity quantity, std::string_view text) {
        if (!m_known || !Holds(text)) {
            m_number = ReadMetricNumber(quantity, text);
            m_known = text.size() <= m_text.size();
            m_size = m_known ? text.size() : 0;
            std::copy_n(text.data(), m_size, m_text.data());
        }
        return m_number;
    }

private:
    // A plain loop: the texts are a few characters long, too short for a library call to pay.
    bool Holds(std::string_view text) const {
        if (text.size() != m_size)
            return false;
        for (std::size_t i = 0; i < m_size; ++i) {
            if (text[i] != m_text[i])
                return false;
        }
        return true;
    }

    bool m_known = false;
    std::size_t m_size = 0;
    std::array<char, 16> m_text;
    std::optional<double> m_number;
};

using LastReadings = std::array<LastReading, kGraphValueCount>;

CGraphRecord MakeGraphRecord(const RecordFieldViews& fields, LastReadings& readings) {
    CGraphRecord lean;
    const std::string_view time = fields[kRecordTimePiece];
    if (time.size() >= kWholeTimeLength)
        lean.SetWholeTime(TextToOleDateTime(time));
    for (int value = 0; value < kGraphValueCount; ++value) {
        if (const std::optional<double> number =
                readings[value].Read(kSlots[value].quantity, fields[kSlotPieces[value]]))
            lean.SetNumber(static_cast<GraphValue>(value), *number);
    }
    return lean;
}

} // namespace

CGraphRecord MakeGraphRecord(const RecordFieldViews& fields) {
    LastReadings readings;
    return MakeGraphRecord(fields, readings);
}

CGraphRecord MakeGraphRecord(const CWeatherRecord& record) {
    return MakeGraphRecord(FieldViewsOf(record));
}

void LoadGraphRecords(CGraphRecordArray& records, const std::string& start, const std::string& end,
                      off_t partBytes) {
    struct Part {
        LastReadings readings;
        std::vector<CGraphRecord> records;
    };
    std::vector<Part> parts;
    const bool anyLine = VisitRecordsInRange(
        start, end, partBytes,
        [&](const std::vector<std::size_t>& most) {
            // Room for every record at once: a growing part would hold up to twice its records.
            parts.resize(most.size());
            for (std::size_t part = 0; part < most.size(); ++part)
                parts[part].records.reserve(most[part]);
        },
        [&](std::size_t part, const RecordFieldViews& fields) {
            parts[part].records.push_back(MakeGraphRecord(fields, parts[part].readings));
        });
    if (!anyLine)
        return;
    records.clear();
    for (Part& part : parts) {
        records.insert(records.end(), part.records.begin(), part.records.end());
        // Each part's memory goes back as soon as it is copied: ten years are not held twice.
        std::vector<CGraphRecord>().swap(part.records);
    }
}

std::optional<double> GraphDisplayValue(const CGraphRecord& record, GraphValue value,
                                        const CWeatherSettings& settings) {
    if (!record.Has(value))
        return std::nullopt;
    const GraphSlot& slot = kSlots[value];
    const std::string_view unit = slot.unit ? std::string_view(settings.*slot.unit) : kUnitPercent;
    const double shown = DisplayNumberFromMetric(slot.quantity, record.Number(value), unit);
    if (std::trunc(shown) == kNoValueNumber)
        return std::nullopt;
    return shown;
}
