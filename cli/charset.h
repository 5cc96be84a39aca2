// UTF-8 to code page 936, streamed. Characters are mapped by the platform
// (iconv on Linux, WideCharToMultiByte on Windows, both without best-fit
// guesses, so no character becomes a digit it is not); a character code
// page 936 cannot hold, and a malformed UTF-8 sequence, become
// UNREPRESENTABLE_CHAR.
#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <string>

#include "outcome.h"

namespace cli {

// Whether `data` is well-formed UTF-8. A character cut by the end of
// `data` counts as well-formed when the text goes on after it.
bool isWellFormedUtf8(const char* data, std::size_t size, bool textGoesOn);

class Utf8ToCp936 {
public:
    Utf8ToCp936();
    ~Utf8ToCp936();
    Utf8ToCp936(const Utf8ToCp936&) = delete;
    Utf8ToCp936& operator=(const Utf8ToCp936&) = delete;

    // Prepares the platform converter; fails when the system has none.
    Outcome open();
    // Appends the converted chunk; a character cut by the chunk's end is
    // completed by the next call.
    void feed(const char* data, std::size_t size, std::string& out);
    // The text ended: a character left incomplete is malformed.
    void finish(std::string& out);

private:
    struct Platform;

    // Converts the character at `p` to `out`, which it advances; returns the
    // bytes it took, or 0 when the `available` bytes end inside it.
    std::size_t convertOne(const unsigned char* p, std::size_t available, char*& out);
    // Writes the code page 936 form of a non-ASCII character.
    char* putMapped(char32_t codePoint, const unsigned char* utf8, std::size_t length, char* out);

    // Code points seen recently and their bytes: the platform is asked once
    // per distinct character, not once per occurrence.
    struct CacheEntry {
        char32_t codePoint = 0;  // 0 (ASCII, never cached) marks a free slot
        unsigned char length = 0;
        char bytes[2] = {};
    };
    static constexpr std::size_t CACHE_SLOTS = 4096;

    std::unique_ptr<Platform> platform_;
    std::array<CacheEntry, CACHE_SLOTS> cache_;
    std::string cut_;  // the start of a character cut by the last chunk
};

}  // namespace cli
