// Writes bytes as a list of their decimal values in one alphabet (decimal
// digits and ",", or the symbols): a table of each byte value's text, so
// the whole list is one pass of copies.
#pragma once

#include <cstddef>
#include <cstdint>

#include "byte_types.h"
#include "symbol_alphabet.h"

class ByteListWriter {
public:
    explicit ByteListWriter(const ListAlphabet& alphabet);

    // Appends the values of `bytes` to `out`, with a separator before each
    // value except the first of the whole list.
    void append(const std::uint8_t* bytes, std::size_t size, AnsiText& out);
    // The number of characters append() would add: lets a caller reserve
    // the whole text once instead of growing it step by step.
    std::size_t measure(const std::uint8_t* bytes, std::size_t size) const;

private:
    // A separator and up to three digits of two bytes each, padded so every
    // entry is copied as eight bytes.
    struct Entry {
        char text[8];
        std::uint8_t length;
    };
    Entry table_[256];
    bool first_ = true;
};
