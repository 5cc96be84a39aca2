#include "literal_chain.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <utility>

#include "symbol_codec.h"
#include "text_helpers.h"

namespace {

const std::pair<const char*, const char*> SYMBOL_PASSES[] = {
    {"0", "\xA3\xA1"}, {"1", "@"}, {"2", "#"}, {"3", "\xA3\xA4"}, {"4", "%"}, {"5", "^"},
    {"6", "&"},        {"7", "*"}, {"8", "-"}, {"9", "+"},        {",", "="},
};

std::uint8_t truncatedLowByte(double value) {
    double whole = std::trunc(value);
    std::int64_t integer = std::numeric_limits<std::int64_t>::min();
    if (whole >= -9223372036854775808.0 && whole < 9223372036854775808.0)
        integer = static_cast<std::int64_t>(whole);
    return static_cast<std::uint8_t>(integer & 0xFF);
}

}  // namespace

ByteArray literalParseByteList(const AnsiText& text) {
    AnsiText bare = replaceAll(replaceAll(text, "{", ""), "}", "");
    ByteArray bytes;
    for (const AnsiText& piece : splitText(bare, ",")) bytes.push_back(truncatedLowByte(textToNumber(piece)));
    return bytes;
}

ByteArray literalSymbolTextBlock(const AnsiText& text) {
    AnsiText list = "{" + AnsiText(text.c_str()) + "}";  // the text ends at a zero byte
    for (const auto& [digit, symbol] : SYMBOL_PASSES) list = replaceAll(list, symbol, digit);
    return literalParseByteList(list);
}

AnsiText literalSymbolText(const ByteArray& block) {
    AnsiText text = replaceAll(replaceAll(formatByteList(block), "{", ""), "}", "");
    for (const auto& [digit, symbol] : SYMBOL_PASSES) text = replaceAll(text, digit, symbol);
    return text;
}
