#pragma once

#include "station/ListControl.h"
#include "station/RecordLineFields.h"
#include "station/WeatherRecord.h"
#include "station/WeatherSet.h"

#include <array>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

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

// How the list makes each column's cell from its record field, in the display units of one
// settings object: the time in display form, temperatures, pressures, speeds, rain and light
// converted from the metric units of the data file, every other field as the record holds it.
// A list may keep it beside field texts and make a cell when it is asked for.
class HistoryCellForms {
public:
    explicit HistoryCellForms(const CWeatherSettings& settings);

    // The record's texts behind the columns, in column order, from the texts of its line.
    using Fields = std::array<std::string_view, kHistoryColumnCount>;
    static void ReadFields(const RecordFieldViews& record, Fields& fields);
    // Whether column `column` shows its field text unchanged.
    static bool ShowsFieldAsHeld(int column);
    // The text column `column` shows for the field text `field`.
    std::string Cell(int column, const std::string& field) const;
    // The cell texts of every column, for the record whose column fields are `fields`.
    std::vector<std::string> Cells(std::span<const std::string_view> fields) const;

private:
    // The unit of each column's cell ("" for a column without one).
    std::array<std::string, kHistoryColumnCount> m_units;
};
