#include "station/records/HistoryRows.h"

#include <algorithm>
#include <cstring>
#include <iterator>

namespace {

// Rows are packed into blocks of this size; a larger row gets a block of its own.
constexpr std::size_t kBlockBytes = std::size_t{1} << 20;
// Inserted rows of fewer bytes are copied rather than taken over with their block, which would
// stand mostly empty: a row inserted alone would hold a block of its own.
constexpr std::size_t kCopiedBytes = kBlockBytes / 16;

// A packed row: its forms number, its text count, then each text as its length and its bytes.
// Numbers are written seven bits a byte, low bits first, the high bit marking that more follow:
// field texts are short, so a length takes one byte.
std::size_t NumberSize(std::size_t number) {
    std::size_t size = 1;
    for (; number >= 0x80; number >>= 7)
        ++size;
    return size;
}

char* PutNumber(char* out, std::size_t number) {
    for (; number >= 0x80; number >>= 7)
        *out++ = static_cast<char>((number & 0x7F) | 0x80);
    *out++ = static_cast<char>(number);
    return out;
}

std::size_t GetNumber(const char*& in) {
    std::size_t number = 0;
    for (int shift = 0;; shift += 7) {
        const auto byte = static_cast<unsigned char>(*in++);
        number |= static_cast<std::size_t>(byte & 0x7F) << shift;
        if (byte < 0x80)
            return number;
    }
}

// Copies a text of a few bytes without a library call: field texts are mostly shorter than 8
// bytes, and a call for each of a row's 36 of them would cost more than the copying. Two copies
// of fixed size that overlap cover every length up to twice their size.
char* PutText(char* out, std::string_view text) {
    const char* in = text.data();
    const std::size_t size = text.size();
    if (size > 16) {
        std::memcpy(out, in, size);
    } else if (size >= 8) {
        std::memcpy(out, in, 8);
        std::memcpy(out + size - 8, in + size - 8, 8);
    } else if (size >= 4) {
        std::memcpy(out, in, 4);
        std::memcpy(out + size - 4, in + size - 4, 4);
    } else if (size >= 2) {
        std::memcpy(out, in, 2);
        std::memcpy(out + size - 2, in + size - 2, 2);
    } else if (size == 1) {
        *out = *in;
    }
    return out + size;
}

int InsertIndex(int row, int count) {
    return row < 0 || row > count ? count : row;
}

// Where the texts of a packed row end, from its text count on.
const char* TextsEnd(const char* in) {
    for (std::size_t count = GetNumber(in); count > 0; --count)
        in += GetNumber(in);
    return in;
}

} // namespace

CHistoryRows::CHistoryRows() = default;
CHistoryRows::~CHistoryRows() = default;
CHistoryRows::CHistoryRows(CHistoryRows&&) noexcept = default;
CHistoryRows& CHistoryRows::operator=(CHistoryRows&&) noexcept = default;

void CHistoryRows::Clear() {
    m_blocks.clear();
    m_blockUsed = m_blockBytes = 0;
    m_rows.clear();
    m_rows.shrink_to_fit();
    m_forms.clear();
}

CHistoryRows::Place CHistoryRows::Allocate(std::size_t size) {
    if (m_blocks.empty() || m_blockUsed + size > kBlockBytes) {
        m_blocks.push_back(std::make_unique_for_overwrite<char[]>(std::max(size, kBlockBytes)));
        m_blockBytes += std::max(size, kBlockBytes);
        m_blockUsed = 0;
    }
    const Place place{static_cast<std::uint32_t>(m_blocks.size() - 1),
                      static_cast<std::uint32_t>(m_blockUsed)};
    // A row larger than a block fills its block: the next row starts a new one.
    m_blockUsed = size > kBlockBytes ? kBlockBytes : m_blockUsed + size;
    return place;
}

std::uint32_t CHistoryRows::FormsNumber(const std::shared_ptr<const IRowCellForms>& forms) {
    if (m_forms.empty() || m_forms.back() != forms)
        m_forms.push_back(forms);
    return static_cast<std::uint32_t>(m_forms.size());
}

int CHistoryRows::InsertPacked(int row, std::uint32_t forms,
                               std::span<const std::string_view> texts) {
    std::size_t size = NumberSize(forms) + NumberSize(texts.size());
    for (std::string_view text : texts)
        size += NumberSize(text.size()) + text.size();
    const Place place = Allocate(size);
    char* out = m_blocks[place.block].get() + place.offset;
    out = PutNumber(out, forms);
    out = PutNumber(out, texts.size());
    for (std::string_view text : texts) {
        out = PutNumber(out, text.size());
        out = PutText(out, text);
    }
    row = InsertIndex(row, Count());
    m_rows.insert(m_rows.begin() + row, place);
    return row;
}

int CHistoryRows::InsertRecord(int row, std::span<const std::string_view> fields,
                               const std::shared_ptr<const IRowCellForms>& forms) {
    return InsertPacked(row, FormsNumber(forms), fields);
}

int CHistoryRows::InsertCells(int row, const std::vector<std::string>& cells, int columns) {
    const std::size_t count =
        std::min(cells.size(), static_cast<std::size_t>(std::max(columns, 0)));
    const std::vector<std::string_view> texts(cells.begin(), cells.begin() + count);
    return InsertPacked(row, 0, texts);
}

std::vector<CHistoryRows::Place> CHistoryRows::Copy(const CHistoryRows& rows) {
    std::vector<Place> places;
    places.reserve(rows.m_rows.size());
    for (const Place from : rows.m_rows) {
        const char* in = rows.m_blocks[from.block].get() + from.offset;
        std::uint32_t forms = static_cast<std::uint32_t>(GetNumber(in));
        if (forms != 0)
            forms = FormsNumber(rows.m_forms[forms - 1]);
        const std::size_t texts = static_cast<std::size_t>(TextsEnd(in) - in);
        const Place place = Allocate(NumberSize(forms) + texts);
        std::memcpy(PutNumber(m_blocks[place.block].get() + place.offset, forms), in, texts);
        places.push_back(place);
    }
    return places;
}

int CHistoryRows::Insert(int row, CHistoryRows&& rows) {
    row = InsertIndex(row, Count());
    if (m_forms.empty() && m_rows.empty())
        m_forms = rows.m_forms;
    // Room for exactly the rows of a part: a long span comes in many parts, and room to spare
    // would be held as long as the list shows them. A row inserted alone grows the room as
    // a vector does.
    if (rows.Count() > 1)
        m_rows.reserve(m_rows.size() + rows.m_rows.size());
    const bool takeOver =
        m_forms == rows.m_forms && (rows.m_blocks.size() > 1 || rows.m_blockUsed >= kCopiedBytes);
    if (takeOver) {
        const auto firstBlock = static_cast<std::uint32_t>(m_blocks.size());
        const auto inserted =
            m_rows.insert(m_rows.begin() + row, rows.m_rows.begin(), rows.m_rows.end());
        for (auto place = inserted; place != inserted + rows.Count(); ++place)
            place->block += firstBlock;
        std::move(rows.m_blocks.begin(), rows.m_blocks.end(), std::back_inserter(m_blocks));
        m_blockUsed = rows.m_blockUsed;
        m_blockBytes += rows.m_blockBytes;
    } else {
        const std::vector<Place> places = Copy(rows);
        m_rows.insert(m_rows.begin() + row, places.begin(), places.end());
    }
    rows.Clear();
    return row;
}

void CHistoryRows::Remove(int row) {
    if (row >= 0 && row < Count())
        m_rows.erase(m_rows.begin() + row);
}

std::string_view CHistoryRows::RowText(int row, int column, std::uint32_t& forms) const {
    const Place place = m_rows[row];
    const char* in = m_blocks[place.block].get() + place.offset;
    forms = static_cast<std::uint32_t>(GetNumber(in));
    const std::size_t count = GetNumber(in);
    if (static_cast<std::size_t>(column) >= count)
        return {};
    for (int skipped = 0; skipped < column; ++skipped)
        in += GetNumber(in);
    const std::size_t size = GetNumber(in);
    return std::string_view(in, size);
}

std::string CHistoryRows::CellText(int row, int column) const {
    if (row < 0 || row >= Count() || column < 0)
        return {};
    std::uint32_t forms = 0;
    const std::string_view text = RowText(row, column, forms);
    if (forms == 0)
        return std::string(text);
    return m_forms[forms - 1]->Cell(column, text);
}

std::size_t CHistoryRows::HeldBytes() const {
    return m_blockBytes + m_rows.capacity() * sizeof(Place) +
           m_forms.capacity() * sizeof(m_forms.front());
}
