#include "charset.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>
#endif

#include "cli_constants.h"

namespace cli {
namespace {

constexpr std::size_t MAX_UTF8_LENGTH = 4;

enum class Utf8Step { Character, Incomplete, Malformed };

// Reads one UTF-8 character (the well-formed sequences of Unicode, no
// overlong forms, no surrogates, nothing above U+10FFFF).
Utf8Step readUtf8(const unsigned char* p, std::size_t available, char32_t& codePoint, std::size_t& length) {
    const unsigned char lead = p[0];
    unsigned char low = 0x80;   // range of the second byte
    unsigned char high = 0xBF;
    if (lead < 0x80) {
        codePoint = lead;
        length = 1;
        return Utf8Step::Character;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        codePoint = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        codePoint = lead & 0x0F;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        codePoint = lead & 0x07;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return Utf8Step::Malformed;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if (i >= available) {
            return Utf8Step::Incomplete;
        }
        const unsigned char next = p[i];
        if (next < (i == 1 ? low : 0x80) || next > (i == 1 ? high : 0xBF)) {
            return Utf8Step::Malformed;
        }
        codePoint = (codePoint << 6) | (next & 0x3F);
    }
    return Utf8Step::Character;
}

}  // namespace

bool isWellFormedUtf8(const char* data, std::size_t size, bool textGoesOn) {
    const auto* p = reinterpret_cast<const unsigned char*>(data);
    std::size_t pos = 0;
    while (pos < size) {
        if (p[pos] < 0x80) {
            ++pos;
            continue;
        }
        char32_t codePoint = 0;
        std::size_t length = 0;
        const Utf8Step step = readUtf8(p + pos, size - pos, codePoint, length);
        if (step == Utf8Step::Malformed) {
            return false;
        }
        if (step == Utf8Step::Incomplete) {
            return textGoesOn;
        }
        pos += length;
    }
    return true;
}

// ---- Platform mapping of one character -----------------------------------

#ifdef _WIN32

struct Utf8ToCp936::Platform {
    static constexpr UINT CODE_PAGE = 936;

    Outcome open() { return Outcome::success(); }

    // Bytes written to `out`, 0 when code page 936 has no such character.
    std::size_t map(char32_t codePoint, const unsigned char*, std::size_t, char out[2]) {
        wchar_t wide[2];
        int units = 1;
        if (codePoint >= 0x10000) {
            wide[0] = static_cast<wchar_t>(0xD800 + ((codePoint - 0x10000) >> 10));
            wide[1] = static_cast<wchar_t>(0xDC00 + ((codePoint - 0x10000) & 0x3FF));
            units = 2;
        } else {
            wide[0] = static_cast<wchar_t>(codePoint);
        }
        BOOL usedDefault = FALSE;
        const int written =
            WideCharToMultiByte(CODE_PAGE, WC_NO_BEST_FIT_CHARS, wide, units, out, 2, nullptr, &usedDefault);
        return written > 0 && !usedDefault ? static_cast<std::size_t>(written) : 0;
    }
};

#else

struct Utf8ToCp936::Platform {
    iconv_t converter = reinterpret_cast<iconv_t>(-1);

    ~Platform() {
        if (converter != reinterpret_cast<iconv_t>(-1)) {
            iconv_close(converter);
        }
    }

    Outcome open() {
        converter = iconv_open("CP936", "UTF-8");
        if (converter == reinterpret_cast<iconv_t>(-1)) {
            return Outcome::inputOutput("UTF-8 to code page 936 conversion", std::strerror(errno));
        }
        return Outcome::success();
    }

    std::size_t map(char32_t, const unsigned char* utf8, std::size_t length, char out[2]) {
        char* in = const_cast<char*>(reinterpret_cast<const char*>(utf8));
        std::size_t inLeft = length;
        char* target = out;
        std::size_t outLeft = 2;
        if (iconv(converter, &in, &inLeft, &target, &outLeft) == static_cast<std::size_t>(-1)) {
            iconv(converter, nullptr, nullptr, nullptr, nullptr);
            return 0;
        }
        return 2 - outLeft;
    }
};

#endif

// ---- Streaming -----------------------------------------------------------

Utf8ToCp936::Utf8ToCp936() : platform_(std::make_unique<Platform>()) {}

Utf8ToCp936::~Utf8ToCp936() = default;

Outcome Utf8ToCp936::open() {
    return platform_->open();
}

char* Utf8ToCp936::putMapped(char32_t codePoint, const unsigned char* utf8, std::size_t length, char* out) {
    CacheEntry& entry = cache_[codePoint % CACHE_SLOTS];
    if (entry.codePoint != codePoint) {
        char bytes[2];
        const std::size_t mapped = platform_->map(codePoint, utf8, length, bytes);
        entry.codePoint = codePoint;
        entry.length = static_cast<unsigned char>(mapped != 0 ? mapped : 1);
        entry.bytes[0] = mapped != 0 ? bytes[0] : UNREPRESENTABLE_CHAR;
        entry.bytes[1] = bytes[1];
    }
    out[0] = entry.bytes[0];
    out[1] = entry.bytes[1];
    return out + entry.length;
}

std::size_t Utf8ToCp936::convertOne(const unsigned char* p, std::size_t available, char*& out) {
    char32_t codePoint = 0;
    std::size_t length = 0;
    switch (readUtf8(p, available, codePoint, length)) {
        case Utf8Step::Character:
            if (codePoint < 0x80) {
                *out++ = static_cast<char>(codePoint);
            } else {
                out = putMapped(codePoint, p, length, out);
            }
            return length;
        case Utf8Step::Incomplete:
            return 0;
        case Utf8Step::Malformed:
            break;
    }
    *out++ = UNREPRESENTABLE_CHAR;
    return 1;
}

// The hot loop of decoding UTF-8 text: a character never grows in code
// page 936, so the output is written through a raw pointer into room of
// the input's size.
void Utf8ToCp936::feed(const char* data, std::size_t size, std::string& out) {
    const std::size_t before = out.size();
    out.resize(before + cut_.size() + size);
    char* written = out.data() + before;
    const auto* p = reinterpret_cast<const unsigned char*>(data);
    std::size_t pos = 0;
    if (!cut_.empty()) {
        // Finish the cut character with the first bytes of this chunk; it
        // ends within them, or the chunk is too short and the cut grows.
        const std::size_t borrowed = std::min(size, MAX_UTF8_LENGTH - 1);
        const std::string joined = cut_ + std::string(data, borrowed);
        const auto* q = reinterpret_cast<const unsigned char*>(joined.data());
        std::size_t at = 0;
        while (at < cut_.size()) {
            const std::size_t taken = convertOne(q + at, joined.size() - at, written);
            if (taken == 0) {
                cut_ = joined.substr(at);
                out.resize(static_cast<std::size_t>(written - out.data()));
                return;
            }
            at += taken;
        }
        pos = at - cut_.size();
        cut_.clear();
    }
    while (pos < size) {
        const unsigned char c = p[pos];
        if (c < 0x80) {
            *written++ = static_cast<char>(c);
            ++pos;
            continue;
        }
        // Fast path: a three-byte character already in the cache, as the
        // full-width symbols are after their first appearance.
        if (c >= 0xE1 && c != 0xED && c <= 0xEF && pos + 2 < size && (p[pos + 1] & 0xC0) == 0x80 &&
            (p[pos + 2] & 0xC0) == 0x80) {
            const char32_t codePoint = static_cast<char32_t>((c & 0x0F) << 12 | (p[pos + 1] & 0x3F) << 6 |
                                                             (p[pos + 2] & 0x3F));
            const CacheEntry& entry = cache_[codePoint % CACHE_SLOTS];
            if (entry.codePoint == codePoint) {
                written[0] = entry.bytes[0];
                written[1] = entry.bytes[1];
                written += entry.length;
                pos += 3;
                continue;
            }
        }
        const std::size_t taken = convertOne(p + pos, size - pos, written);
        if (taken == 0) {
            cut_.assign(data + pos, size - pos);
            break;
        }
        pos += taken;
    }
    out.resize(static_cast<std::size_t>(written - out.data()));
}

void Utf8ToCp936::finish(std::string& out) {
    if (!cut_.empty()) {
        out.push_back(UNREPRESENTABLE_CHAR);
        cut_.clear();
    }
}

}  // namespace cli
