// Reads the overwhelmingly common stretch of a symbol text, runs made only
// of the eleven symbols, 16 bytes per step with SSE2: the byte kinds of a
// whole window are known at once, so no character's position waits for the
// byte before it. Hosts without SSE2 read everything the general way.
#pragma once

#include <cstddef>
#include <cstdint>

#include "symbol_alphabet.h"

class SymbolWindowReader {
public:
    explicit SymbolWindowReader(const ListAlphabet& alphabet);

    // Reads whole windows from `at` (a character boundary) while each holds
    // only symbols, a separator, and no piece that needs the general rule;
    // returns where it stopped. `digits` and `value` are the current piece
    // (digits only, at most 9 of them, value exact), `written` the next
    // output byte. Bytes past the output may be written: the room after
    // `written` must be at least `end - at`.
    const unsigned char* read(const unsigned char* at, const unsigned char* end, int& digits,
                              std::uint32_t& value, std::uint8_t*& written) const;

    static constexpr std::size_t WINDOW = 16;
#ifdef __SSE2__
    static constexpr bool AVAILABLE = true;
#else
    static constexpr bool AVAILABLE = false;  // read() reads nothing
#endif

private:
    unsigned char digitBytes_[10];  // the last byte of each digit symbol
    unsigned char separator_;
    unsigned char wideLead_ = 0;    // the lead byte shared by the two-byte symbols
};
