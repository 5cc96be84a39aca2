// The two value types every part of the codec passes around.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A counted array of bytes; empty is a valid value.
using ByteArray = std::vector<std::uint8_t>;

// Text in code page 936: a byte of 0x80 or above and the byte after it form
// one character. It never holds a zero byte (std::string's own terminator
// is the text's end).
using AnsiText = std::string;
