#include "garbage_filter.h"

#include <cstring>

#include "symbol_alphabet.h"

namespace cli {
namespace {

bool keepsOneByte(unsigned char c) {
    return (c >= '0' && c <= '9') || c == ',' || c == '{' || c == '}' ||
           (c != 0 && std::strchr(ONE_BYTE_SYMBOLS, c) != nullptr);
}

bool keepsTwoBytes(unsigned char lead, unsigned char trail) {
    return lead == FULL_WIDTH_LEAD &&
           (trail == ZERO_SYMBOL_TRAIL || trail == THREE_SYMBOL_TRAIL ||
            (trail >= FULL_WIDTH_DIGIT_ZERO_TRAIL && trail <= FULL_WIDTH_DIGIT_NINE_TRAIL));
}

}  // namespace

void GarbageFilter::feed(const char* data, std::size_t size, std::string& out) {
    const auto* p = reinterpret_cast<const unsigned char*>(data);
    std::size_t pos = 0;
    if (haveLead_ && size > 0) {
        if (keepsTwoBytes(lead_, p[0])) {
            out.push_back(static_cast<char>(lead_));
            out.push_back(data[0]);
        }
        haveLead_ = false;
        pos = 1;
    }
    while (pos < size) {
        const unsigned char c = p[pos];
        if (c < 0x80) {
            if (keepsOneByte(c)) {
                out.push_back(static_cast<char>(c));
            }
            ++pos;
        } else if (pos + 1 < size) {
            if (keepsTwoBytes(c, p[pos + 1])) {
                out.append(data + pos, 2);
            }
            pos += 2;
        } else {
            haveLead_ = true;
            lead_ = c;
            ++pos;
        }
    }
}

}  // namespace cli
