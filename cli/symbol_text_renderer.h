// The output step of encode: writes the encoder's symbol text (code page
// 936) in the chosen charset, wraps it, and ends it with a line feed.
//
// Wrapping breaks only right after a "=" separator, with a line feed, so
// the break leads the next number, whose reader skips white space: wrapped
// text decodes as it is. A line holds as many whole numbers as fit in the
// width; a number wider than the width alone gets a line of its own.
// Columns are character cells: "！" and "￥" are full-width and take two,
// so a piece of code page 936 text takes as many columns as it has bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace cli {

class SymbolTextRenderer {
public:
    // wrapColumns 0: no wrapping.
    SymbolTextRenderer(bool utf8, std::uint64_t wrapColumns);

    void feed(const char* text, std::size_t size, std::string& out);
    void finish(std::string& out);

private:
    // Appends `text` in the output charset.
    void convert(const char* text, std::size_t size, std::string& out);
    void placePiece(std::string& out);

    bool utf8_;
    std::uint64_t wrapColumns_;
    bool haveLead_ = false;  // a two-byte symbol was cut by the last chunk
    char lead_ = 0;
    std::string piece_;  // the number being collected, when wrapping
    std::uint64_t lineColumns_ = 0;
};

}  // namespace cli
