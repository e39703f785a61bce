#include "station/records/RecordLineReader.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

using Word = std::uint64_t;
constexpr std::size_t kWordChars = 64;
constexpr std::size_t kMaskedLineChars = 1024;

// One bit per character of a word of 64: where the commas are, and the characters that are no
// white space (RecordLineReader::IsWhiteSpace).
struct WordMasks {
    Word commas = 0;
    Word white = 0;
};

#if defined(__SSE2__)
WordMasks MaskWord(const char* chars) {
    WordMasks masks;
    const __m128i comma = _mm_set1_epi8(',');
    const __m128i blank = _mm_set1_epi8(' ');
    const __m128i belowTab = _mm_set1_epi8('\t' - 1);
    const __m128i aboveCr = _mm_set1_epi8('\r' + 1);
    for (std::size_t part = 0; part < kWordChars / 16; ++part) {
        const __m128i c = _mm_loadu_si128(reinterpret_cast<const __m128i*>(chars + part * 16));
        const __m128i control =
            _mm_and_si128(_mm_cmpgt_epi8(c, belowTab), _mm_cmplt_epi8(c, aboveCr));
        const __m128i space = _mm_or_si128(_mm_cmpeq_epi8(c, blank), control);
        masks.commas |= Word(std::uint16_t(_mm_movemask_epi8(_mm_cmpeq_epi8(c, comma))))
                        << (part * 16);
        masks.white |= Word(std::uint16_t(_mm_movemask_epi8(space))) << (part * 16);
    }
    return masks;
}
#else
WordMasks MaskWord(const char* chars) {
    WordMasks masks;
    for (std::size_t i = 0; i < kWordChars; ++i) {
        const char c = chars[i];
        masks.commas |= Word(c == ',') << i;
        masks.white |= Word(RecordLineReader::IsWhiteSpace(c)) << i;
    }
    return masks;
}
#endif

// The masks of the word of `line` that begins at `from`; past the line's end there is neither
// a comma nor white space.
WordMasks MaskLineWord(std::string_view line, std::size_t from) {
    if (line.size() - from >= kWordChars)
        return MaskWord(line.data() + from);
    std::array<char, kWordChars> tail{};
    std::memcpy(tail.data(), line.data() + from, line.size() - from);
    return MaskWord(tail.data());
}

// Appends the positions of the set bits of `bits`, in a word beginning at `base`.
std::uint16_t* TakePositions(Word bits, std::size_t base, std::uint16_t* positions) {
    for (; bits != 0; bits &= bits - 1)
        *positions++ = static_cast<std::uint16_t>(base + std::countr_zero(bits));
    return positions;
}

} // namespace

std::size_t SplitRecordLine(std::string_view line, std::span<std::string_view> pieces) {
    if (line.size() > kMaskedLineChars) {
        RecordLineReader reader(line);
        std::size_t count = 0;
        while (count < pieces.size() && reader.Next(pieces[count]))
            ++count;
        return count;
    }
    // Every piece ends at a comma, the last one at the line's end. Every piece begins with its
    // first character that is no white space: adding a one just past each comma to the mask of
    // white space carries it over the white space that follows, to that character, for all
    // pieces of a word at once. A piece of white space only lands on its own end.
    const std::size_t size = line.size();
    const std::size_t most = pieces.size();
    // Room for a piece at every character, and one past the end.
    std::array<std::uint16_t, kMaskedLineChars + kWordChars> ends;
    std::array<std::uint16_t, kMaskedLineChars + kWordChars> firsts;
    std::uint16_t* endsTaken = ends.data();
    std::uint16_t* firstsTaken = firsts.data();
    Word startsBefore = 1; // the line begins a piece
    bool carry = false;
    for (std::size_t base = 0; base <= size && endsTaken - ends.data() < std::ptrdiff_t(most);
         base += kWordChars) {
        const WordMasks masks = MaskLineWord(line, base);
        Word commas = masks.commas;
        if (size - base < kWordChars)
            commas |= Word(1) << (size - base);
        const Word starts = (commas << 1) | startsBefore;
        startsBefore = commas >> (kWordChars - 1);
        // Both sums may carry into the next word, never both at once.
        const Word sum = masks.white + starts;
        const Word landed = sum + Word(carry);
        carry = sum < starts || landed < sum;
        firstsTaken = TakePositions(landed & ~masks.white, base, firstsTaken);
        endsTaken = TakePositions(commas, base, endsTaken);
    }
    const auto endCount = std::min(most, static_cast<std::size_t>(endsTaken - ends.data()));
    std::size_t count = 0;
    for (std::size_t start = 0; count < endCount; ++count) {
        const std::size_t end = ends[count];
        if (end == start)
            break;
        const std::size_t first = firsts[count];
        std::size_t last = end;
        while (last > first && RecordLineReader::IsWhiteSpace(line[last - 1]))
            --last;
        pieces[count] = std::string_view(line.data() + first, last - first);
        start = end + 1;
        if (end == size) {
            ++count;
            break;
        }
    }
    return count;
}
