#pragma once

#include "station/console/WeatherRecord.h"
#include "station/console/WeatherSet.h"
#include "station/records/HistoryRows.h"
#include "station/records/ListControl.h"
#include "station/records/RecordLineFields.h"

#include <array>
#include <string>
#include <string_view>
#include <sys/types.h>

// The history list: one stored record per row, one record field per column, every value in
// the display unit the console is set to. Columns 23 to 35 are hidden (width 0) but filled,
// read back and exported like the others. Every column is centred. The list makes its rows
// from the field texts the record layer hands out (RecordLayer.h).
inline constexpr int kHistoryColumnCount = 36;

// Inserts the 36 columns at positions 0..35 of an empty list: titles in the current language,
// unit names from `settings`. Returns the number of columns inserted.
int InsertRecordColumns(IListControl& list, const CWeatherSettings& settings);

// Inserts at index `row` the row that shows `record`: the time in display form, temperatures,
// pressures, speeds, rain and light converted from the metric units of the data file to the
// units of `settings`, every other field as the record holds it.
void FillHistoryRow(const CWeatherRecord& record, IListControl& list, int row,
                    const CWeatherSettings& settings);

// Takes into `record` the fields of the columns from the cells of row `row`, as they are shown
// (display units, display time form); fields without a column keep their values.
void ReadHistoryRow(CWeatherRecord& record, const IListControl& list, int row);

// Shows the stored records of the span from `start` to `end` (VisitRecordsInRange) in `list`,
// oldest first, one row each as FillHistoryRow makes it, in place of the rows it had. A data
// file without lines, or one that stays busy, leaves the rows as they are. The rows of a long
// span are made in parts of `partBytes` of the file, side by side on the machine's cores, and
// handed to the list part by part inside one update.
inline constexpr off_t kListReadPartBytes = off_t{4} << 20;
void LoadRecordsInRange(IListControl& list, const std::string& start, const std::string& end,
                        const CWeatherSettings& settings, off_t partBytes = kListReadPartBytes);

// How the list makes each column's cell from its record field, in the display units of one
// settings object: the time in display form, temperatures, pressures, speeds, rain and light
// converted from the metric units of the data file, every other field as the record holds it.
// Rows keep it beside their field texts and make a cell when it is asked for.
class HistoryCellForms final : public IRowCellForms {
public:
    explicit HistoryCellForms(const CWeatherSettings& settings);

    // The record's texts behind the columns, in column order, from the texts of its line.
    using Fields = std::array<std::string_view, kHistoryColumnCount>;
    static void ReadFields(const RecordFieldViews& record, Fields& fields);
    // The text column `column` shows for the field text `field`; a column beyond the list's
    // shows the text as it is.
    std::string Cell(int column, std::string_view field) const override;

private:
    // The unit of each column's cell ("" for a column without one).
    std::array<std::string, kHistoryColumnCount> m_units;
};
