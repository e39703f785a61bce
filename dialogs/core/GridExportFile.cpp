#include "dialogs/core/GridExportFile.h"

#include <cstdlib>

std::string OfferedColumnEntry(int column, const std::string& title, int width) {
    return std::to_string(column) + "." + title + "-" + std::to_string(width);
}

std::string ChosenColumnLabel(const std::string& entry) {
    return entry.substr(0, entry.find('-'));
}

bool IsEntryPreselected(const std::string& entry) {
    const std::size_t hyphen = entry.find('-');
    return hyphen == std::string::npos || entry.substr(hyphen + 1) != "0";
}

int ChosenColumnIndex(const std::string& label) {
    return std::atoi(label.substr(0, label.find('.')).c_str()) - 1;
}

std::string ChosenColumnTitle(const std::string& label) {
    const std::size_t stop = label.find('.');
    return stop == std::string::npos ? std::string() : label.substr(stop + 1);
}

std::string CsvCell(std::string_view text, std::string_view separator) {
    const bool special = text.find_first_of("\"\r\n") != std::string_view::npos ||
                         (!separator.empty() && text.find(separator) != std::string_view::npos);
    if (!special)
        return std::string(text);
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

namespace {

void AppendLine(std::string& text, const std::vector<std::string>& cells,
                std::string_view separator) {
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i > 0)
            text += separator;
        text += CsvCell(cells[i], separator);
    }
    text += "\r\n";
}

} // namespace

std::string BuildGridCsv(const IListControl& list, const std::vector<std::string>& chosen,
                         bool header, std::string_view separator) {
    std::vector<int> columns;
    std::vector<std::string> cells;
    for (const std::string& label : chosen) {
        columns.push_back(ChosenColumnIndex(label));
        cells.push_back(ChosenColumnTitle(label));
    }
    std::string text;
    if (header)
        AppendLine(text, cells, separator);
    for (int row = 0; row < list.RowCount(); ++row) {
        for (std::size_t i = 0; i < columns.size(); ++i)
            cells[i] = list.CellText(row, columns[i]);
        AppendLine(text, cells, separator);
    }
    return text;
}

bool IsExportPathTooLong(std::string_view path) {
    std::size_t characters = 0;
    for (char c : path) {
        // Every byte but a UTF-8 continuation byte begins a character.
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            ++characters;
    }
    return characters > kMaxExportPathLength;
}
