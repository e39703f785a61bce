#include "station/records/HistoryList.h"

#include "station/records/RecordLayer.h"
#include "station/values/TimeText.h"
#include "station/values/UnitNames.h"
#include "station/values/WeatherFmt.h"
#include "texts/Env.h"
#include "texts/TextEntries.h"

#include <array>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace {

using RecordText = std::string CWeatherRecord::*;
using UnitText = std::string CWeatherSettings::*;
// The text a cell shows for a record field, given the unit of the column (or "").
using CellForm = std::string (*)(const std::string& text, std::string_view unit);

std::string AsHeld(const std::string& text, std::string_view) {
    return text;
}
std::string DisplayTime(const std::string& text, std::string_view) {
    return FormatDisplayTime(text);
}
// Records hold metric values; a cell shows them in its column's unit.
std::string Temperature(const std::string& text, std::string_view unit) {
    return FormatTemperatureFromMetric(text, 1.0f, unit);
}
std::string Pressure(const std::string& text, std::string_view unit) {
    return FormatPressureFromMetric(text, 1.0f, unit);
}
std::string WindSpeed(const std::string& text, std::string_view unit) {
    return FormatWindSpeedFromMetric(text, 1.0f, unit);
}
std::string Rain(const std::string& text, std::string_view unit) {
    return FormatRainFromMetric(text, 1.0f, unit);
}
// Unlike the live display, a stored light is shown whatever its size: only an empty text,
// "---" and the sensor's 24-bit "no reading" hold no value.
std::string Light(const std::string& text, std::string_view unit) {
    return FormatLight(text, 1.0f, kUnitLux, unit);
}

// A title that is the column's suffix alone in every language.
constexpr std::optional<TextEntry> kFixedTitle;

struct HistoryColumn {
    // Text-table entry that begins the title, or kFixedTitle.
    std::optional<TextEntry> text;
    // What follows the text in the title.
    const char* suffix;
    // The settings' unit of the column, shown in brackets after the text; null for none.
    UnitText unit;
    int width;
    RecordText field;
    CellForm cell;
};

using R = CWeatherRecord;
using S = CWeatherSettings;

constexpr std::array<HistoryColumn, kHistoryColumnCount> kColumns = {{
    {kFixedTitle, "No", nullptr, 60, &R::recordNo, AsHeld},
    {kTextTime, "", nullptr, 120, &R::recordTime, DisplayTime},
    {kTextInterval, "(mi)", nullptr, 90, &R::sampleCircle, AsHeld},
    {kTextIndoorHumidity, "(%)", nullptr, 180, &R::indHumi, AsHeld},
    {kTextIndoorTemperature, "", &S::indTempUnit, 180, &R::indTemp, Temperature},
    {kTextOutdoorHumidity, "(%)", nullptr, 180, &R::outHumi, AsHeld},
    {kTextOutdoorTemperature, "", &S::outTempUnit, 180, &R::outTemp, Temperature},
    {kTextAbsolutePressure, "", &S::presUnit, 150, &R::absPres, Pressure},
    {kTextWind, "", &S::windUnit, 100, &R::winds, WindSpeed},
    {kTextGust, "", &S::windUnit, 100, &R::gust, WindSpeed},
    {kTextDirection, "", nullptr, 80, &R::windDirDesc, AsHeld},
    {kTextRelativePressure, "", &S::presUnit, 150, &R::relPres, Pressure},
    {kTextDewpoint, "", &S::outTempUnit, 100, &R::dewPoint, Temperature},
    {kTextWindchill, "", &S::outTempUnit, 150, &R::windChill, Temperature},
    {kTextHourRainfall, "", &S::rainUnit, 150, &R::hourRain, Rain},
    {kTextDayRainfall, "", &S::rainUnit, 180, &R::dayRain, Rain},
    {kTextWeekRainfall, "", &S::rainUnit, 150, &R::weekRain, Rain},
    {kTextMonthRainfall, "", &S::rainUnit, 180, &R::monthRain, Rain},
    {kTextTotalRainfall, "", &S::rainUnit, 180, &R::totalRain, Rain},
    {kTextWindLevel, "(bft)", nullptr, 120, &R::windsLevel, AsHeld},
    {kTextGustLevel, "(bft)", nullptr, 150, &R::gustLevel, AsHeld},
    {kTextLightmeter, "", &S::lightmeterUnit, 180, &R::lightmeter, Light},
    {kTextUv, "", nullptr, 80, &R::uv, AsHeld},
    {kFixedTitle, "windDir", nullptr, 0, &R::windDir, AsHeld},
    {kTextRain, "(Hz)", nullptr, 0, &R::rain, AsHeld},
    {kTextRain, "", &S::rainUnit, 0, &R::rainMm, Rain},
    {kTextIncrement, "", &S::rainUnit, 0, &R::increment, Rain},
    {kFixedTitle, "flag1", nullptr, 0, &R::flag1, AsHeld},
    {kFixedTitle, "flag2", nullptr, 0, &R::flag2, AsHeld},
    {kFixedTitle, "flag3", nullptr, 0, &R::flag3, AsHeld},
    {kFixedTitle, "flag4", nullptr, 0, &R::flag4, AsHeld},
    {kFixedTitle, "flag5", nullptr, 0, &R::flag5, AsHeld},
    {kFixedTitle, "flag6", nullptr, 0, &R::flag6, AsHeld},
    {kFixedTitle, "flag7", nullptr, 0, &R::flag7, AsHeld},
    {kFixedTitle, "flag8", nullptr, 0, &R::flag8, AsHeld},
    {kFixedTitle, "saveTime", nullptr, 0, &R::saveTime, AsHeld},
}};

std::string_view ColumnUnit(const HistoryColumn& column, const CWeatherSettings& settings) {
    return column.unit ? std::string_view(settings.*column.unit) : std::string_view();
}

std::string ColumnTitle(const HistoryColumn& column, const CWeatherSettings& settings) {
    if (!column.text)
        return column.suffix;
    std::string title = Tr(*column.text);
    title += column.suffix;
    if (column.unit)
        title += "(" + settings.*column.unit + ")";
    return title;
}

} // namespace

int InsertRecordColumns(IListControl& list, const CWeatherSettings& settings) {
    for (int i = 0; i < kHistoryColumnCount; ++i)
        list.InsertColumn(i, ColumnTitle(kColumns[i], settings), kColumns[i].width,
                          ListColumnFormat::kCenter);
    return kHistoryColumnCount;
}

// Where in the data-file line each column's field stands.
constexpr std::array<std::size_t, kHistoryColumnCount> kColumnPieces = [] {
    std::array<std::size_t, kHistoryColumnCount> pieces{};
    for (int i = 0; i < kHistoryColumnCount; ++i)
        pieces[i] = LinePieceOf(kColumns[i].field);
    return pieces;
}();

void FillHistoryRow(const CWeatherRecord& record, IListControl& list, int row,
                    const CWeatherSettings& settings) {
    HistoryCellForms::Fields fields;
    HistoryCellForms::ReadFields(FieldViewsOf(record), fields);
    CHistoryRows rows;
    rows.InsertRecord(-1, fields, std::make_shared<const HistoryCellForms>(settings));
    list.InsertRows(row, std::move(rows));
}

void ReadHistoryRow(CWeatherRecord& record, const IListControl& list, int row) {
    for (int i = 0; i < kHistoryColumnCount; ++i)
        record.*kColumns[i].field = list.CellText(row, i);
}

void LoadRecordsInRange(IListControl& list, const std::string& start, const std::string& end,
                        const CWeatherSettings& settings, off_t partBytes) {
    // Of the type the rows keep, so that no row made converts it: a conversion would touch its
    // shared count from every reading thread at once.
    const std::shared_ptr<const IRowCellForms> forms =
        std::make_shared<const HistoryCellForms>(settings);
    std::vector<CHistoryRows> parts;
    const bool anyLine = VisitRecordsInRange(
        start, end, partBytes,
        [&](const std::vector<std::size_t>& most) { parts.resize(most.size()); },
        [&](std::size_t part, const RecordFieldViews& fields) {
            HistoryCellForms::Fields columns;
            HistoryCellForms::ReadFields(fields, columns);
            parts[part].InsertRecord(-1, columns, forms);
        });
    if (!anyLine)
        return;
    list.BeginUpdate();
    list.DeleteAllRows();
    for (CHistoryRows& part : parts)
        list.InsertRows(-1, std::move(part));
    list.EndUpdate();
}

HistoryCellForms::HistoryCellForms(const CWeatherSettings& settings) {
    for (int i = 0; i < kHistoryColumnCount; ++i)
        m_units[i] = ColumnUnit(kColumns[i], settings);
}

void HistoryCellForms::ReadFields(const RecordFieldViews& record, Fields& fields) {
    for (int i = 0; i < kHistoryColumnCount; ++i)
        fields[i] = record[kColumnPieces[i]];
}

std::string HistoryCellForms::Cell(int column, std::string_view field) const {
    if (column < 0 || column >= kHistoryColumnCount || kColumns[column].cell == AsHeld)
        return std::string(field);
    return kColumns[column].cell(std::string(field), m_units[column]);
}
