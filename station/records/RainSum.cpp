#include "station/records/RainSum.h"

#include "station/records/RainRecords.h"
#include "station/records/RainWalk.h"
#include "station/values/CalendarPeriod.h"
#include "station/values/Clock.h"
#include "station/values/ValueText.h"
#include "texts/Env.h"
#include "texts/TextEntries.h"

#include <cstdio>

namespace {

void SetSumsMissing(CWeatherRecord& record) {
    for (std::string* sum : {&record.increment, &record.hourRain, &record.dayRain, &record.weekRain,
                             &record.monthRain, &record.totalRain})
        *sum = kNoValueText;
}

RainRow RowOf(const CWeatherRecord& record) {
    return MakeRainRow(record.recordTime, record.sampleCircle, record.rainMm, record.increment,
                       record.totalRain);
}

} // namespace

bool AccumulateRain(CWeatherRecord& record, const CWeatherRecordArray& stored) {
    // The walk ends at the newest stored record of another month that has a rain value.
    const std::optional<PeriodKey> month = PeriodOf(record.recordTime, CalendarPeriod::kMonth);
    auto first = stored.end();
    while (first != stored.begin()) {
        --first;
        if (HasRainValue(first->rainMm) &&
            (!month || PeriodOf(first->recordTime, CalendarPeriod::kMonth) != month))
            break;
    }
    RainWalk walk;
    for (auto s = first; s != stored.end(); ++s) {
        if (HasRainValue(s->rainMm))
            walk.Add(RowOf(*s));
    }
    return walk.Sum(record);
}

bool AccumulateRainForList(CWeatherRecordArray& records, IStatusTextTarget* window) {
    std::vector<std::string> times;
    times.reserve(records.size());
    for (const CWeatherRecord& record : records)
        times.push_back(record.recordTime);
    std::vector<RainRow> stored;
    if (!LoadRainRows(times, stored)) {
        for (CWeatherRecord& record : records)
            SetSumsMissing(record);
        return true;
    }
    RainWalk walk;
    for (const RainRow& row : stored)
        walk.Add(row);
    const int n = static_cast<int>(records.size());
    // Each text goes to the window once: from the monitor thread every text is a call that
    // waits for the user-interface thread, and a full ring would make thousands of them.
    int reported = -1;
    for (int i = n - 1; i >= 0; --i) {
        const int percent = (n - i) * 100 / n;
        if (percent != reported) {
            reported = percent;
            std::snprintf(g_statusText, kStatusTextSize, "%s %d : %d%% ...", Tr(kTextComputeRain),
                          n, percent);
            SetStatusText(window, g_statusText);
        }
        walk.Sum(records[i]);
        if (HasRainValue(records[i].rainMm))
            walk.Add(RowOf(records[i]));
    }
    return true;
}

bool AccumulateRainForRecord(CWeatherRecord& record) {
    std::vector<RainRow> stored;
    if (!LoadRainRows({record.recordTime}, stored)) {
        SetSumsMissing(record);
        return true;
    }
    RainWalk walk;
    for (const RainRow& row : stored)
        walk.Add(row);
    walk.SumLive(record, CurrentTime());
    return true;
}
