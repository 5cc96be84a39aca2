// The symbols as the command-line tool meets them in code page 936 text,
// and the UTF-8 forms of the two full-width ones.
#pragma once

namespace cli {

// Lead byte of "！" and "￥" and of the full-width digits.
inline constexpr unsigned char FULL_WIDTH_LEAD = 0xA3;
inline constexpr unsigned char ZERO_SYMBOL_TRAIL = 0xA1;   // "！" stands for 0
inline constexpr unsigned char THREE_SYMBOL_TRAIL = 0xA4;  // "￥" stands for 3
inline constexpr unsigned char FULL_WIDTH_DIGIT_ZERO_TRAIL = 0xB0;
inline constexpr unsigned char FULL_WIDTH_DIGIT_NINE_TRAIL = 0xB9;

// U+FF01 and U+FFE5.
inline constexpr const char ZERO_SYMBOL_UTF8[] = "\xEF\xBC\x81";
inline constexpr const char THREE_SYMBOL_UTF8[] = "\xEF\xBF\xA5";

// The one-byte symbols, standing for 1, 2, 4, 5, 6, 7, 8, 9 and the comma.
inline constexpr const char ONE_BYTE_SYMBOLS[] = "@#%^&*-+=";
inline constexpr char SEPARATOR_SYMBOL = '=';

}  // namespace cli
