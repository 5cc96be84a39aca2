#include "garbage_filter.h"

#include <array>
#include <cstring>

#include "symbol_forms.h"

namespace cli {
namespace {

// One-byte characters that stay: the one-byte symbols, the ASCII digits,
// the comma and the braces.
std::array<bool, 128> keptOneByteCharacters() {
    std::array<bool, 128> kept{};
    for (const ListAlphabet* alphabet : {&DECIMAL_ALPHABET, &SYMBOL_ALPHABET}) {
        for (const char* digit : alphabet->digits) {
            if (std::strlen(digit) == 1) {
                kept[static_cast<unsigned char>(digit[0])] = true;
            }
        }
        kept[static_cast<unsigned char>(alphabet->separator[0])] = true;
    }
    kept[static_cast<unsigned char>(LIST_OPEN)] = true;
    kept[static_cast<unsigned char>(LIST_CLOSE)] = true;
    return kept;
}

bool keepsOneByte(unsigned char c) {
    static const std::array<bool, 128> kept = keptOneByteCharacters();
    return kept[c];
}

bool keepsTwoBytes(char lead, char trail) {
    const auto trailByte = static_cast<unsigned char>(trail);
    return findWideSymbol(lead, trail) != nullptr ||
           (static_cast<unsigned char>(lead) == FULL_WIDTH_LEAD && trailByte >= FULL_WIDTH_DIGIT_ZERO_TRAIL &&
            trailByte <= FULL_WIDTH_DIGIT_NINE_TRAIL);
}

}  // namespace

void GarbageFilter::feed(const char* data, std::size_t size, std::string& out) {
    std::size_t pos = 0;
    if (haveLead_ && size > 0) {
        if (keepsTwoBytes(lead_, data[0])) {
            out.push_back(lead_);
            out.push_back(data[0]);
        }
        haveLead_ = false;
        pos = 1;
    }
    while (pos < size) {
        const auto c = static_cast<unsigned char>(data[pos]);
        if (c < 0x80) {
            if (keepsOneByte(c)) {
                out.push_back(data[pos]);
            }
            ++pos;
        } else if (pos + 1 < size) {
            if (keepsTwoBytes(data[pos], data[pos + 1])) {
                out.append(data + pos, 2);
            }
            pos += 2;
        } else {
            haveLead_ = true;
            lead_ = data[pos];
            ++pos;
        }
    }
}

}  // namespace cli
