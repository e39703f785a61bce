#pragma once

#include "station/console/WeatherRecord.h"
#include "station/values/CalendarPeriod.h"

#include <array>
#include <ctime>
#include <limits>
#include <map>
#include <optional>
#include <string_view>
#include <vector>

// A stored record as the rain sums see it: the calendar periods of its time and its rain. Kept
// small: the sums of the live record copy a month of rows every minute.
struct RainRow {
    static constexpr long long kNoClockSeconds = std::numeric_limits<long long>::min();

    PeriodKeys periods;
    long long clockSeconds = kNoClockSeconds; // of its time on the wall clock (ClockSecondsOf)
    long long incrementTenths = 0;
    int interval = 0; // minutes since the record before, 0 when unknown
    float rainMm = 0;
    float totalRain = 0;
};

// The row of a record's time, interval and rain texts.
RainRow MakeRainRow(std::string_view time, std::string_view interval, std::string_view rainMm,
                    std::string_view increment, std::string_view totalRain);
// Whether a stored record's rain text gives it a place in the rain sums: the walk over the
// stored records passes over those without one.
bool HasRainValue(std::string_view rainMm);

// The rain sums of records against the stored records that have a rain value, oldest first,
// in time linear in their number: each sum is a difference of two running totals in tenths of
// a millimetre, and where each calendar period's sum ends is found without walking the
// records (a lookup by period is built only for records whose times are out of order). The
// results are those of AccumulateRain's walk (RainSum.h) over the same records.
class RainWalk {
public:
    // A stored record with a rain value, later in the file than those added before. Its hour
    // key is marked as the second time round of a repeated hour when the chain says so.
    void Add(RainRow row);
    // AccumulateRain of `record`, a record the console finished, against the rows added so far.
    bool Sum(CWeatherRecord& record);
    // The same for the live record, dated by the clock at about `now`: the clock tells which
    // time round of a repeated hour its time is. Its interval is the console's setting, not the
    // time since the record before.
    bool SumLive(CWeatherRecord& record, time_t now);

private:
    struct PeriodTrack {
        int runStart = 0;    // first row of the run of rows in the newest row's period
        bool ordered = true; // every row has a period, none earlier than the row before
        std::map<PeriodKey, std::vector<int>> rows; // rows of each period, once built
        bool built = false;
    };

    // Marks the hour key of a time that follows the newest row (MarkHourAgain).
    void MarkHourAgainAfterNewest(std::optional<PeriodKey>& hour, long long clockSeconds,
                                  int interval) const;
    // The sums of `record`, whose time falls in the periods `own`.
    bool SumIn(CWeatherRecord& record, const PeriodKeys& own);
    // The newest row outside `key`'s period, -1 when there is none.
    int LastOutside(CalendarPeriod period, const std::optional<PeriodKey>& key) const;
    // The oldest row from `from` on inside `key`'s period, -1 when there is none.
    int FirstInside(CalendarPeriod period, const std::optional<PeriodKey>& key, int from);

    std::vector<RainRow> m_rows;
    std::vector<long long> m_before{0}; // m_before[k]: increments of the rows before row k
    std::array<PeriodTrack, 4> m_tracks;
};
