#include "symbol_window.h"

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace {

// A piece read here has at most this many digits, so its value's low byte
// is that of the exact integer, as the number reader gives it.
constexpr int MAX_WINDOW_PIECE_DIGITS = 15;
// The piece left open at a window's end: its value must stay exact in the
// 16-bit lanes (below 10^4) for the general path to carry it on.
constexpr unsigned MAX_OPEN_DIGITS = 4;

}  // namespace

SymbolWindowReader::SymbolWindowReader(const ListAlphabet& alphabet)
    : separator_(static_cast<unsigned char>(alphabet.separator[0])) {
    for (int value = 0; value < 10; ++value) {
        const auto* digit = reinterpret_cast<const unsigned char*>(alphabet.digits[value]);
        digitBytes_[value] = digit[1] ? digit[1] : digit[0];
        if (digit[1]) wideLead_ = digit[0];
    }
}

#ifdef __SSE2__

namespace {

unsigned popcount16(unsigned x) {
    x = x - ((x >> 1) & 0x5555u);
    x = (x & 0x3333u) + ((x >> 2) & 0x3333u);
    x = (x + (x >> 4)) & 0x0F0Fu;
    return (x + (x >> 8)) & 0x1Fu;
}

// One step of the prefix composition of the lanes' maps x -> m*x + a: each
// lane composes its map with that of the lane `SHIFT` below (identity below
// lane 0).
template <int SHIFT>
void composeWithLower(__m128i& m, __m128i& a, __m128i identityBelow) {
    __m128i lowerM = _mm_or_si128(_mm_slli_si128(m, 2 * SHIFT), identityBelow);
    __m128i lowerA = _mm_slli_si128(a, 2 * SHIFT);
    a = _mm_add_epi16(_mm_mullo_epi16(m, lowerA), a);
    m = _mm_mullo_epi16(m, lowerM);
}

void prefixCompose(__m128i& m, __m128i& a) {
    composeWithLower<1>(m, a, _mm_set_epi16(0, 0, 0, 0, 0, 0, 0, 1));
    composeWithLower<2>(m, a, _mm_set_epi16(0, 0, 0, 0, 0, 0, 1, 1));
    composeWithLower<4>(m, a, _mm_set_epi16(0, 0, 0, 0, 1, 1, 1, 1));
}

__m128i broadcastTopLane(__m128i x) {
    __m128i high = _mm_shufflehi_epi16(x, 0xFF);
    return _mm_unpackhi_epi64(high, high);
}

}  // namespace

// Each byte is a map of the piece value: a digit x -> 10x + d (a two-byte
// digit on its trail byte), the lead byte the identity, the separator
// x -> 0. A prefix composition in 16-bit lanes gives the value after every
// byte at once; a separator writes the value before it.
const unsigned char* SymbolWindowReader::read(const unsigned char* at, const unsigned char* end, int& digits,
                                              std::uint32_t& value, std::uint8_t*& written) const {
    __m128i symbols[10];
    __m128i values[10];
    for (int d = 0; d < 10; ++d) {
        symbols[d] = _mm_set1_epi8(static_cast<char>(digitBytes_[d]));
        values[d] = _mm_set1_epi8(static_cast<char>(d));
    }
    const __m128i separator = _mm_set1_epi8(static_cast<char>(separator_));
    const __m128i lead = _mm_set1_epi8(static_cast<char>(wideLead_));
    const __m128i zero = _mm_setzero_si128();
    const __m128i ten = _mm_set1_epi8(10);
    const __m128i one = _mm_set1_epi8(1);
    const __m128i lowByte = _mm_set1_epi16(0xFF);

    while (static_cast<std::size_t>(end - at) >= WINDOW) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
        __m128i isDigit = zero;
        __m128i add = zero;
        for (int d = 0; d < 10; ++d) {
            __m128i is = _mm_cmpeq_epi8(bytes, symbols[d]);
            isDigit = _mm_or_si128(isDigit, is);
            add = _mm_or_si128(add, _mm_and_si128(is, values[d]));
        }
        const __m128i isSeparator = _mm_cmpeq_epi8(bytes, separator);
        const __m128i isLead = _mm_cmpeq_epi8(bytes, lead);
        const unsigned digitMask = static_cast<unsigned>(_mm_movemask_epi8(isDigit));
        const unsigned separatorMask = static_cast<unsigned>(_mm_movemask_epi8(isSeparator));
        const unsigned leadMask = static_cast<unsigned>(_mm_movemask_epi8(isLead));
        const unsigned highMask = static_cast<unsigned>(_mm_movemask_epi8(bytes));
        if ((digitMask | separatorMask | leadMask) != 0xFFFFu || separatorMask == 0) break;
        // Every lead byte is followed by a two-byte symbol's trail and every
        // other high byte is one; a lead byte at the end waits for the next
        // window.
        if ((highMask & ~leadMask) != ((leadMask << 1) & 0xFFFFu)) break;
        const int firstSeparator = __builtin_ctz(separatorMask);
        if (digits + firstSeparator > MAX_WINDOW_PIECE_DIGITS) break;
        const int lastSeparator = 31 - __builtin_clz(separatorMask);
        const unsigned openDigits = popcount16(digitMask >> (lastSeparator + 1));
        if (openDigits > MAX_OPEN_DIGITS) break;

        const __m128i multiply = _mm_or_si128(_mm_and_si128(isDigit, ten), _mm_and_si128(isLead, one));
        __m128i mLow = _mm_unpacklo_epi8(multiply, zero);
        __m128i mHigh = _mm_unpackhi_epi8(multiply, zero);
        __m128i aLow = _mm_unpacklo_epi8(add, zero);
        __m128i aHigh = _mm_unpackhi_epi8(add, zero);
        prefixCompose(mLow, aLow);
        prefixCompose(mHigh, aHigh);
        aHigh = _mm_add_epi16(_mm_mullo_epi16(mHigh, broadcastTopLane(aLow)), aHigh);
        mHigh = _mm_mullo_epi16(mHigh, broadcastTopLane(mLow));
        const __m128i start = _mm_set1_epi16(static_cast<short>(value));
        const __m128i afterLow = _mm_add_epi16(_mm_mullo_epi16(mLow, start), aLow);
        const __m128i afterHigh = _mm_add_epi16(_mm_mullo_epi16(mHigh, start), aHigh);
        const __m128i after =
            _mm_packus_epi16(_mm_and_si128(afterLow, lowByte), _mm_and_si128(afterHigh, lowByte));

        // before[j]: the value before byte j.
        alignas(16) std::uint8_t before[WINDOW + 1];
        before[0] = static_cast<std::uint8_t>(value);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(before + 1), after);
        unsigned rest = separatorMask;
        const unsigned count = popcount16(rest);
        // Eight stores without a branch cover the common count; the room
        // past the output allows the extra ones.
        for (int i = 0; i < 8; ++i) {
            written[i] = before[__builtin_ctz(rest | 0x10000u)];
            rest &= rest - 1;
        }
        for (unsigned i = 8; i < count; ++i) {
            written[i] = before[__builtin_ctz(rest)];
            rest &= rest - 1;
        }
        written += count;
        digits = static_cast<int>(openDigits);
        value = static_cast<std::uint16_t>(_mm_extract_epi16(afterHigh, 7));
        at += WINDOW - (leadMask >> (WINDOW - 1));
    }
    return at;
}

#else

const unsigned char* SymbolWindowReader::read(const unsigned char* at, const unsigned char*, int&, std::uint32_t&,
                                              std::uint8_t*&) const {
    return at;
}

#endif
