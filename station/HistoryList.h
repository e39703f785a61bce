#pragma once

#include "station/ListControl.h"
#include "station/WeatherRecord.h"
#include "station/WeatherSet.h"

#include <array>
#include <string>

// The history list: one stored record per row, one record field per column, every value in
// the display unit the console is set to. Columns 23 to 35 are hidden (width 0) but filled,
// read back and exported like the others. Every column is centred.
inline constexpr int kHistoryColumnCount = 36;

// Inserts the 36 columns at positions 0..35 of an empty list: titles in the current language,
// unit names from `settings`. Returns the number of columns inserted.
int InsertRecordColumns(IListControl& list, const CWeatherSettings& settings);

// Inserts at index `row` the row that shows `record`: the time in display form, temperatures,
// pressures, speeds, rain and light converted from the metric units of the data file to the
// units of `settings`, every other field as the record holds it.
void FillHistoryRow(const CWeatherRecord& record, IListControl& list, int row,
                    const CWeatherSettings& settings);

// FillHistoryRow for many rows with the same settings. Consecutive records mostly repeat their
// values (a pressure, a rain sum, a temperature stays for hours), so each cell's text is kept
// with the field text it came from and reused while the field text stays the same.
class HistoryRowFormatter {
public:
    explicit HistoryRowFormatter(const CWeatherSettings& settings) : m_settings(settings) {}

    void Fill(const CWeatherRecord& record, IListControl& list, int row);

private:
    struct LastCell {
        bool known = false;
        std::string field;
        std::string cell;
    };

    const CWeatherSettings& m_settings;
    std::array<LastCell, kHistoryColumnCount> m_last;
};
