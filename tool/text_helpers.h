// Text helpers of the codec. Their behaviour at the edges (two-byte
// characters, lone lead bytes, empty pieces, junk numbers) decides what a
// damaged symbol text decodes to, so it is part of the format.
#pragma once

#include <vector>

#include "byte_types.h"

// Every occurrence of `search` replaced by `replacement`, matched only at
// character boundaries; a lone lead byte right before the end is dropped.
AnsiText replaceAll(const AnsiText& text, const AnsiText& search, const AnsiText& replacement);

// Pieces between delimiters; a trailing empty piece is not returned.
std::vector<AnsiText> splitText(const AnsiText& text, const AnsiText& delimiter);

// The longest decimal-number prefix (full-width forms folded, exponent
// letters e, E, d, D) rounded to the nearest double; 0 without one.
double textToNumber(const AnsiText& text);

// The text's bytes without a terminator.
ByteArray textToBytes(const AnsiText& text);

// The bytes up to, not including, the first zero byte.
AnsiText bytesToText(const ByteArray& bytes);
