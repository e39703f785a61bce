#include "station/console/WeatherSet.h"

#include "station/console/FixedBlockMap.h"

// Before the first read every value shows "no value" and every unit its metric name.
CWeatherSettings::CWeatherSettings() {
    for (const FixedBlockField& field : FixedBlockFields())
        if (field.initial)
            this->*field.text = field.initial;
}
