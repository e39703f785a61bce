#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// How rows kept as the field texts of records show their cells: each cell's text is made from
// its field's when it is asked for.
class IRowCellForms {
public:
    // The text column `column` (0 or more) shows for the field text `field`.
    virtual std::string Cell(int column, std::string_view field) const = 0;

protected:
    ~IRowCellForms() = default;
};

// The rows of a history list, kept small enough for ten years of records: a row of a stored
// record keeps only the texts of its fields, packed one after the other into large blocks, and
// the cell forms of its units; a cell's text is made when it is asked for. A row of ready cell
// texts keeps those texts and shows them as they are.
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
    // `fields` are the record's texts behind the columns, in column order.
    int InsertRecord(int row, std::span<const std::string_view> fields,
                     const std::shared_ptr<const IRowCellForms>& forms);
    // A row of `cells`; cells beyond `columns` are dropped.
    int InsertCells(int row, const std::vector<std::string>& cells, int columns);
    // Inserts the rows of `rows`, in their order, at `row` (as above), leaves `rows` empty and
    // returns the index of the first. Rows made with the forms these rows use (or inserted into
    // rows without any) are taken over as they are packed, without copying, unless they are a
    // few kilobytes that are copied instead.
    int Insert(int row, CHistoryRows&& rows);
    void Remove(int row);

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
    // The number a row of `forms` carries among these rows (the index in m_forms plus one).
    std::uint32_t FormsNumber(const std::shared_ptr<const IRowCellForms>& forms);
    // Copies the rows of `rows` into these rows' blocks, their forms numbered among these
    // rows', and returns where they are; the rows are not yet among the rows.
    std::vector<Place> Copy(const CHistoryRows& rows);
    // The row's texts; `forms` 0 for ready cells, else the index in m_forms plus one.
    std::string_view RowText(int row, int column, std::uint32_t& forms) const;

    std::vector<std::unique_ptr<char[]>> m_blocks;
    std::size_t m_blockUsed = 0;
    std::size_t m_blockBytes = 0;
    std::vector<Place> m_rows;
    std::vector<std::shared_ptr<const IRowCellForms>> m_forms;
};
