#pragma once

#include "station/HistoryList.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The rows of a history list, kept small enough for ten years of records: a row of a stored
// record keeps only the texts of its 36 column fields, packed one after the other into large
// blocks, and the cell forms of its units; a cell's text is made when it is asked for. A row
// of ready cell texts keeps those texts and shows them as they are.
class CHistoryRows {
public:
    CHistoryRows();
    ~CHistoryRows();
    CHistoryRows(const CHistoryRows&) = delete;
    CHistoryRows& operator=(const CHistoryRows&) = delete;
    CHistoryRows(CHistoryRows&&) noexcept;
    CHistoryRows& operator=(CHistoryRows&&) noexcept;

    int Count() const { return static_cast<int>(m_rows.size()); }
    void Clear();
    // Inserts at `row` (0..Count(), anything else appends) and returns the row's index.
    // `fields` are the record's texts behind the columns (HistoryCellForms::Fields).
    int InsertRecord(int row, std::span<const std::string_view> fields,
                     const std::shared_ptr<const HistoryCellForms>& forms);
    // A row of `cells`; cells beyond `columns` are dropped.
    int InsertCells(int row, const std::vector<std::string>& cells, int columns);
    void Remove(int row);
    // Appends the rows of `rows` and leaves it empty. Rows made with the forms these rows use
    // (or rows added to rows without forms) are taken over as they are packed, without copying.
    void Append(CHistoryRows&& rows);

    // The text of one cell; "" outside the rows or beyond the row's cells.
    std::string CellText(int row, int column) const;

    // Bytes held for the rows, for the benchmark.
    std::size_t HeldBytes() const;

private:
    // Where a row's packed texts begin.
    struct Place {
        std::uint32_t block;
        std::uint32_t offset;
    };

    // Reserves `size` bytes for one row and returns where they are.
    Place Allocate(std::size_t size);
    int InsertPacked(int row, std::uint32_t forms, std::span<const std::string_view> texts);
    // The row's texts; `forms` 0 for ready cells, else the index in m_forms plus one.
    std::string_view RowText(int row, int column, std::uint32_t& forms) const;
    // The number of texts of the row.
    int TextCount(int row) const;

    std::vector<std::unique_ptr<char[]>> m_blocks;
    std::size_t m_blockUsed = 0;
    std::size_t m_blockBytes = 0;
    std::vector<Place> m_rows;
    std::vector<std::shared_ptr<const HistoryCellForms>> m_forms;
};
