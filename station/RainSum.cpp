#include "station/RainSum.h"

#include "station/CalendarPeriod.h"
#include "station/RainRecords.h"
#include "station/UnitConversions.h"
#include "station/ValueText.h"
#include "texts/Env.h"

#include <cstdio>

namespace {

using RecordText = std::string CWeatherRecord::*;

// The counter wraps at 65536 counts; a rise above 512 counts between two records is a glitch.
const float kCounterWrapMm = RainCountToMm(65536.0f);
const float kGlitchLimitMm = RainCountToMm(512.0f);

constexpr RecordText kSums[] = {
    &CWeatherRecord::increment, &CWeatherRecord::hourRain,  &CWeatherRecord::dayRain,
    &CWeatherRecord::weekRain,  &CWeatherRecord::monthRain, &CWeatherRecord::totalRain,
};

void SetSums(CWeatherRecord& record, const char* text) {
    for (const RecordText sum : kSums)
        record.*sum = text;
}

std::string Tenths(float mm) {
    return PrintDecimals(mm, 1);
}

// The rise of the counter from `stored` to `record`; raises the record's counter across a wrap.
float CounterRise(CWeatherRecord& record, const CWeatherRecord& stored) {
    const float now = ReadFloat(record.rainMm);
    float rise = now - ReadFloat(stored.rainMm);
    if (rise < 0) {
        rise += kCounterWrapMm;
        if (rise >= 0 && rise <= kGlitchLimitMm)
            record.rainMm = Tenths(now + kCounterWrapMm);
    }
    return rise < 0 || rise > kGlitchLimitMm ? 0.0f : rise;
}

// A sum over the stored records of one calendar period, newest first. It takes the running sum
// while the records lie in the period and once more at the first record outside it.
struct PeriodSum {
    const char* period;
    RecordText sum;
    bool open = true;
};

} // namespace

bool AccumulateRain(CWeatherRecord& record, const CWeatherRecordArray& stored) {
    if (IsNoValueText(record.rainMm)) {
        record.rainMm = kNoValueText;
        SetSums(record, kNoValueText);
        return false;
    }
    SetSums(record, "0.0");
    PeriodSum periods[] = {
        {"hour", &CWeatherRecord::hourRain},
        {"day", &CWeatherRecord::dayRain},
        {"week", &CWeatherRecord::weekRain},
    };
    float sum = 0;
    bool first = true;
    for (auto s = stored.rbegin(); s != stored.rend(); ++s) {
        if (IsMissingText(s->rainMm))
            continue;
        if (first) {
            const float rise = CounterRise(record, *s);
            record.totalRain = Tenths(ReadFloat(s->totalRain) + rise);
            record.increment = Tenths(rise);
            sum += rise;
            first = false;
        }
        for (PeriodSum& p : periods) {
            const bool inside = SamePeriod(s->recordTime, record.recordTime, p.period);
            if (inside || p.open)
                record.*p.sum = Tenths(sum);
            p.open = p.open && inside;
        }
        record.monthRain = Tenths(sum);
        if (!SamePeriod(s->recordTime, record.recordTime, "month"))
            break;
        sum += ReadFloat(s->increment);
    }
    return true;
}

bool AccumulateRainForList(CWeatherRecordArray& records, IStatusTextTarget* window) {
    std::vector<std::string> times;
    times.reserve(records.size());
    for (const CWeatherRecord& record : records)
        times.push_back(record.recordTime);
    CWeatherRecordArray walked;
    if (!LoadRecordsForRain(times, walked)) {
        for (CWeatherRecord& record : records)
            SetSums(record, kNoValueText);
        return true;
    }
    const int n = static_cast<int>(records.size());
    for (int i = n - 1; i >= 0; --i) {
        std::snprintf(g_statusText, kStatusTextSize, "%s %d : %d%% ...", Tr(150), n,
                      (n - i) * 100 / n);
        SetStatusText(window, g_statusText);
        AccumulateRain(records[i], walked);
        walked.push_back(records[i]);
    }
    return true;
}

bool AccumulateRainForRecord(CWeatherRecord& record) {
    CWeatherRecordArray stored;
    if (!LoadRecordsForRain({record.recordTime}, stored)) {
        SetSums(record, kNoValueText);
        return true;
    }
    AccumulateRain(record, stored);
    return true;
}
