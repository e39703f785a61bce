#pragma once

#include "station/records/ListControl.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The history list's export: the entries by which the column chooser offers the list's columns
// and hands back the chosen ones, and the CSV file made of the chosen columns.

// An offered column: "%d.%s-%d" of its 1-based number, its title and its width in pixels
// ("2.Time-120").
std::string OfferedColumnEntry(int column, const std::string& title, int width);
// What the chooser shows of an entry and hands back when it is chosen: the part before the
// first hyphen ("2.Time").
std::string ChosenColumnLabel(const std::string& entry);
// Whether the chooser starts with the entry selected: the part after the first hyphen is not
// "0".
bool IsEntryPreselected(const std::string& entry);
// The list column of a chosen label (the number before its first full stop, minus one) and the
// header cell of that column (the text after the first full stop).
int ChosenColumnIndex(const std::string& label);
std::string ChosenColumnTitle(const std::string& label);

// One cell of the file. A text holding the separator, a double quote, a carriage return or a
// line feed goes in double quotes with each of its double quotes doubled, so that spreadsheets
// read it as one cell; every other text is written exactly as it is.
std::string CsvCell(std::string_view text, std::string_view separator);

// The file's text: when `header` is set, a line of the chosen columns' titles; then one line
// per row of the list, all rows in list order, with the cells of the chosen columns (labels as
// ChosenColumnLabel gives them) in the chosen order, as the list shows them. Cells are joined
// by `separator`; every line, the last one too, ends with "\r\n".
std::string BuildGridCsv(const IListControl& list, const std::vector<std::string>& chosen,
                         bool header, std::string_view separator);

// The longest path an export accepts, in characters.
inline constexpr std::size_t kMaxExportPathLength = 220;
// Whether `path` (UTF-8) has more characters than an export accepts.
bool IsExportPathTooLong(std::string_view path);
