// The codec's chain written literally, pass by pass over whole texts, as
// the reference the one-pass code is checked against.
#pragma once

#include "byte_types.h"

// Braces removed with replaceAll, pieces cut with splitText, each piece's
// textToNumber truncated to 64 bits and cut to its low byte.
ByteArray literalParseByteList(const AnsiText& text);

// The block bytes a symbol text stands for: "{" text "}", the eleven
// symbol passes, then literalParseByteList.
ByteArray literalSymbolTextBlock(const AnsiText& text);

// formatByteList of the block, braces removed, the eleven symbol passes.
AnsiText literalSymbolText(const ByteArray& block);
