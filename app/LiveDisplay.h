#pragma once

#include "station/console/WeatherRecord.h"
#include "station/console/WeatherSet.h"

#include <array>
#include <string>
#include <vector>

// The texts and bell states of the main form, item by item, for a record and the settings it
// was read with. Every text is the value text, one blank and its unit, also for "---"; the
// wind direction's name stands alone.

struct ItemText {
    int item;
    std::string text;
};

// The twenty live value texts, for a record already in the settings' display units.
std::vector<ItemText> LiveValueTexts(const CWeatherRecord& record,
                                     const CWeatherSettings& settings);

// The twenty-five min/max texts, for settings whose min/max values are in display units. The
// first kScopeValueCount items are the min/max labels, in their binding order.
std::vector<ItemText> MinMaxTexts(const CWeatherSettings& settings);
inline constexpr std::size_t kScopeValueCount = 23;
std::array<int, kScopeValueCount> ScopeValueItems();

struct BellState {
    int item;
    bool enabled; // its alarm is switched on
    bool active;  // and the reading is past its threshold
};

inline constexpr std::size_t kBellCount = 25;

// The bells, in binding order, for a record in display units and the settings as read from
// the console (thresholds not yet scaled). A bell is active only for a reading above 0, and
// only when the reading is strictly above (high) or below (low) its threshold; a direction
// alarm needs the alarm direction and some wind.
std::array<BellState, kBellCount> AlarmBellStates(const CWeatherRecord& record,
                                                  CWeatherSettings settings);
std::array<int, kBellCount> BellItems();
