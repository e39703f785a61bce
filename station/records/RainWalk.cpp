#include "station/records/RainWalk.h"

#include "station/values/TimeText.h"
#include "station/values/UnitConversions.h"
#include "station/values/ValueText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace {

using RecordText = std::string CWeatherRecord::*;

// The counter wraps at 65536 counts; a rise above 512 counts between two records is a glitch.
const float kCounterWrapMm = RainCountToMm(65536.0f);
const float kGlitchLimitMm = RainCountToMm(512.0f);

constexpr int kHour = static_cast<int>(CalendarPeriod::kHour);
constexpr CalendarPeriod kPeriods[] = {CalendarPeriod::kHour, CalendarPeriod::kDay,
                                       CalendarPeriod::kWeek, CalendarPeriod::kMonth};
constexpr RecordText kPeriodSums[] = {&CWeatherRecord::hourRain, &CWeatherRecord::dayRain,
                                      &CWeatherRecord::weekRain, &CWeatherRecord::monthRain};
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

long long TenthsOf(float mm) {
    return std::llround(double(mm) * 10);
}

// "%.1f" of a number of tenths.
std::string TenthsText(long long tenths) {
    const unsigned long long whole = tenths < 0 ? 0ULL - tenths : tenths;
    return (tenths < 0 ? "-" : "") + std::to_string(whole / 10) + "." + std::to_string(whole % 10);
}

float Read(std::string_view text) {
    return ReadFloat(std::string(text));
}

// A row's clock seconds as ClockSecondsOf gives them, and back.
std::optional<long long> OptionalSeconds(long long clockSeconds) {
    if (clockSeconds == RainRow::kNoClockSeconds)
        return std::nullopt;
    return clockSeconds;
}

long long ClockSecondsOrNone(std::string_view time) {
    return ClockSecondsOf(time).value_or(RainRow::kNoClockSeconds);
}

// The minutes of an interval text; 0 for one that holds none.
int Minutes(std::string_view text) {
    int minutes = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), minutes);
    return error == std::errc() && end == text.data() + text.size() && minutes > 0 ? minutes : 0;
}

// The rise of the counter from `stored` (in mm) to `record`; raises the record's counter across
// a wrap.
float CounterRise(CWeatherRecord& record, float stored) {
    const float now = ReadFloat(record.rainMm);
    float rise = now - stored;
    if (rise < 0) {
        rise += kCounterWrapMm;
        if (rise >= 0 && rise <= kGlitchLimitMm)
            record.rainMm = Tenths(now + kCounterWrapMm);
    }
    return rise < 0 || rise > kGlitchLimitMm ? 0.0f : rise;
}

} // namespace

RainRow MakeRainRow(std::string_view time, std::string_view interval, std::string_view rainMm,
                    std::string_view increment, std::string_view totalRain) {
    RainRow row;
    row.periods = PeriodsOf(time);
    row.clockSeconds = ClockSecondsOrNone(time);
    row.interval = Minutes(interval);
    row.rainMm = Read(rainMm);
    row.totalRain = Read(totalRain);
    row.incrementTenths = TenthsOf(Read(increment));
    return row;
}

bool HasRainValue(std::string_view rainMm) {
    return !rainMm.empty() && rainMm != kNoValueText;
}

void RainWalk::MarkHourAgainAfterNewest(std::optional<PeriodKey>& hour, long long clockSeconds,
                                        int interval) const {
    if (!m_rows.empty())
        MarkHourAgain(hour, OptionalSeconds(clockSeconds), interval, m_rows.back().periods[kHour],
                      OptionalSeconds(m_rows.back().clockSeconds));
}

void RainWalk::Add(RainRow row) {
    MarkHourAgainAfterNewest(row.periods[kHour], row.clockSeconds, row.interval);
    const int index = static_cast<int>(m_rows.size());
    for (const CalendarPeriod period : kPeriods) {
        PeriodTrack& track = m_tracks[static_cast<int>(period)];
        const std::optional<PeriodKey>& key = row.periods[static_cast<int>(period)];
        const std::optional<PeriodKey>* before =
            index > 0 ? &m_rows.back().periods[static_cast<int>(period)] : nullptr;
        if (!key || !before || !*before || **before != *key)
            track.runStart = index;
        track.ordered = track.ordered && key && (!before || (*before && **before <= *key));
        if (track.built && key)
            track.rows[*key].push_back(index);
    }
    m_rows.push_back(row);
    m_before.push_back(m_before.back() + row.incrementTenths);
}

int RainWalk::LastOutside(CalendarPeriod period, const std::optional<PeriodKey>& key) const {
    const int newest = static_cast<int>(m_rows.size()) - 1;
    const std::optional<PeriodKey>& last = m_rows.back().periods[static_cast<int>(period)];
    if (key && last && *last == *key)
        return m_tracks[static_cast<int>(period)].runStart - 1;
    return newest;
}

int RainWalk::FirstInside(CalendarPeriod period, const std::optional<PeriodKey>& key, int from) {
    if (!key)
        return -1;
    PeriodTrack& track = m_tracks[static_cast<int>(period)];
    const std::optional<PeriodKey>& last = m_rows.back().periods[static_cast<int>(period)];
    if (track.ordered) {
        // Rows of one period stand together: a period no older than the newest row's is the
        // newest run or none. An older one is looked up.
        if (*last == *key)
            return std::max(track.runStart, from);
        if (*key > *last)
            return -1;
    }
    if (!track.built) {
        for (int i = 0; i < static_cast<int>(m_rows.size()); ++i) {
            if (const auto& own = m_rows[i].periods[static_cast<int>(period)])
                track.rows[*own].push_back(i);
        }
        track.built = true;
    }
    const auto rows = track.rows.find(*key);
    if (rows == track.rows.end())
        return -1;
    const auto first = std::lower_bound(rows->second.begin(), rows->second.end(), from);
    return first == rows->second.end() ? -1 : *first;
}

bool RainWalk::Sum(CWeatherRecord& record) {
    PeriodKeys own = PeriodsOf(record.recordTime);
    MarkHourAgainAfterNewest(own[kHour], ClockSecondsOrNone(record.recordTime),
                             Minutes(record.sampleCircle));
    return SumIn(record, own);
}

bool RainWalk::SumLive(CWeatherRecord& record, time_t now) {
    PeriodKeys own = PeriodsOf(record.recordTime);
    if (own[kHour])
        own[kHour]->again = IsSecondTimeRound(record.recordTime, now);
    return SumIn(record, own);
}

bool RainWalk::SumIn(CWeatherRecord& record, const PeriodKeys& own) {
    if (IsNoValueText(record.rainMm)) {
        record.rainMm = kNoValueText;
        SetSums(record, kNoValueText);
        return false;
    }
    SetSums(record, "0.0");
    if (m_rows.empty())
        return true;
    const RainRow& newest = m_rows.back();
    const float rise = CounterRise(record, newest.rainMm);
    record.totalRain = Tenths(newest.totalRain + rise);
    record.increment = Tenths(rise);
    const long long risen = TenthsOf(ReadFloat(record.increment));
    const int rows = static_cast<int>(m_rows.size());
    // The sum a walk from the newest row back has reached at row k: the rise and the
    // increments of the rows after k.
    const auto sumAt = [&](int k) { return risen + m_before[rows] - m_before[k + 1]; };
    // The walk ends at the newest row of another month, which it takes into the month's sum.
    const int monthIndex = static_cast<int>(CalendarPeriod::kMonth);
    const int last = std::max(LastOutside(CalendarPeriod::kMonth, own[monthIndex]), 0);
    record.monthRain = TenthsText(sumAt(last));
    for (const CalendarPeriod period :
         {CalendarPeriod::kHour, CalendarPeriod::kDay, CalendarPeriod::kWeek}) {
        const int p = static_cast<int>(period);
        // A period's sum is taken at every row of the walk inside the period and at the
        // newest one outside it; the oldest of those counts.
        const int outside = LastOutside(period, own[p]);
        const int inside = FirstInside(period, own[p], last);
        // Without a row outside, every row of the walk is inside, the oldest at `last`.
        int until = std::max(outside, last);
        if (inside >= 0)
            until = std::min(until, inside);
        record.*kPeriodSums[p] = TenthsText(sumAt(until));
    }
    return true;
}
