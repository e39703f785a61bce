#include "station/records/RecordFieldReader.h"

#include <algorithm>

RecordFieldReader::RecordFieldReader() {
    const CWeatherRecord fresh;
    for (std::size_t piece = 0; piece < kRecordLineReadPieces; ++piece) {
        m_carried[piece] = fresh.*kRecordLineFieldTable[piece].text;
        m_fields[piece] = m_carried[piece];
        m_isCarried[piece] = true;
    }
}

std::size_t RecordFieldReader::Read(std::string_view line) {
    std::string& copy = m_lines[m_lineSlot];
    m_lineSlot ^= 1;
    copy.assign(line);
    const std::size_t count = SplitRecordLine(copy, m_fields);
    std::fill_n(m_isCarried.begin(), count, false);
    // The fields of a short line's tail still point into the line before, which the next line
    // will overwrite: they move to storage of their own.
    for (std::size_t piece = count; piece < kRecordLineReadPieces; ++piece) {
        if (!m_isCarried[piece]) {
            m_carried[piece].assign(m_fields[piece]);
            m_fields[piece] = m_carried[piece];
            m_isCarried[piece] = true;
        }
    }
    return count;
}
