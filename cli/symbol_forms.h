// What the tool adds to the core's alphabet: the UTF-8 forms of the two
// two-byte symbols, and the full-width digits, which the decoder reads as
// digits too.
#pragma once

#include "symbol_alphabet.h"

namespace cli {

struct WideSymbolForm {
    const char* cp936;  // two bytes
    const char* utf8;   // three bytes
};

// "！" (U+FF01) for 0 and "￥" (U+FFE5) for 3.
inline constexpr WideSymbolForm WIDE_SYMBOL_FORMS[] = {
    {SYMBOL_ALPHABET.digits[0], "\xEF\xBC\x81"},
    {SYMBOL_ALPHABET.digits[3], "\xEF\xBF\xA5"},
};
inline constexpr std::size_t WIDE_SYMBOL_UTF8_LENGTH = 3;

// "０" to "９" in code page 936: 0xA3 0xB0 to 0xA3 0xB9.
inline constexpr unsigned char FULL_WIDTH_LEAD = 0xA3;
inline constexpr unsigned char FULL_WIDTH_DIGIT_ZERO_TRAIL = 0xB0;
inline constexpr unsigned char FULL_WIDTH_DIGIT_NINE_TRAIL = 0xB9;

// The wide symbol whose code page 936 bytes are `lead` `trail`, or null.
inline const WideSymbolForm* findWideSymbol(char lead, char trail) {
    for (const WideSymbolForm& form : WIDE_SYMBOL_FORMS) {
        if (form.cp936[0] == lead && form.cp936[1] == trail) {
            return &form;
        }
    }
    return nullptr;
}

}  // namespace cli
