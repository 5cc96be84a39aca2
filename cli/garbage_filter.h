// --ignore-garbage: keeps only what the decoder reads as part of a number
// list (the eleven symbols, the ASCII digits, the full-width digits, which
// the decoder reads as digits too, the comma and the braces) and drops every
// other character of the code page 936 text: quote marks, spaces, line
// breaks, no-break and zero-width spaces and byte-order marks (these last
// arrive as the replacement of an unrepresentable character).
#pragma once

#include <cstddef>
#include <string>

namespace cli {

class GarbageFilter {
public:
    void feed(const char* data, std::size_t size, std::string& out);

private:
    bool haveLead_ = false;  // a two-byte character was cut by the last chunk
    char lead_ = 0;
};

}  // namespace cli
