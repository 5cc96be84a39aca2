// The charset step of decode: brings the input text to code page 936, the
// form the decoder reads.
//
// Automatic rule: the ASCII before the first byte of 0x80 or above reads
// the same in both charsets and passes at once. From that byte on, up to
// CHARSET_DETECT_WINDOW bytes are held back (all of a shorter text) and
// decide: well-formed UTF-8 means the whole text is UTF-8 and is converted;
// anything else means the text already is code page 936. Memory stays
// bounded by the window whatever the input's size.
#pragma once

#include <cstddef>
#include <string>

#include "charset.h"
#include "command_line.h"
#include "outcome.h"

namespace cli {

class DecodeCharset {
public:
    explicit DecodeCharset(Charset charset);

    Outcome open();
    // Appends the code page 936 form of the next chunk of input.
    void feed(const char* data, std::size_t size, std::string& out);
    void finish(std::string& out);

private:
    enum class Reading { Undecided, Utf8, Cp936 };

    void decide(bool textGoesOn, std::string& out);
    void pass(const char* data, std::size_t size, std::string& out);

    Reading reading_;
    std::string window_;
    Utf8ToCp936 utf8_;
};

}  // namespace cli
