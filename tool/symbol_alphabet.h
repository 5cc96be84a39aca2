// The two alphabets a byte list is written in: decimal digits with ","
// (the decimal list) and the eleven symbols (the symbol text). The
// two-byte symbols are code page 936 characters, spelled as bytes so the
// core reads the same under every execution character set.
#pragma once

struct ListAlphabet {
    const char* digits[10];  // "0" to "9"
    const char* separator;
};

inline constexpr ListAlphabet DECIMAL_ALPHABET = {
    {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"}, ","};

// "！" "@" "#" "￥" "%" "^" "&" "*" "-" "+" and "=".
inline constexpr ListAlphabet SYMBOL_ALPHABET = {
    {"\xA3\xA1", "@", "#", "\xA3\xA4", "%", "^", "&", "*", "-", "+"}, "="};

// Braces frame a decimal list; they are dropped wherever they appear.
inline constexpr char LIST_OPEN = '{';
inline constexpr char LIST_CLOSE = '}';
