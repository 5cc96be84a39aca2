// Sizes and fixed texts of the command-line tool, in one place.
#pragma once

#include <cstddef>

namespace cli {

inline constexpr const char* PROGRAM_NAME = "varnotel";

// The file name that stands for standard input or output.
inline constexpr const char* STANDARD_STREAM = "-";

// Bytes read from the input per call.
inline constexpr std::size_t READ_CHUNK = 256 * 1024;

// Block bytes handed to zlib's inflate per call. A zlib stream inflates at
// most about 1032 times, so the bytes one call can yield stay near 4 MiB
// however well the data compressed.
inline constexpr std::size_t INFLATE_FEED_CHUNK = 4 * 1024;

// Filled buffers waiting between the two threads of encode and decode.
inline constexpr std::size_t QUEUE_DEPTH = 4;

// Output is collected up to this size before it is written.
inline constexpr std::size_t WRITE_CHUNK = 256 * 1024;

// The automatic charset choice of decode looks at this much text from the
// first byte of 0x80 or above (the ASCII before it reads the same in both
// charsets).
inline constexpr std::size_t CHARSET_DETECT_WINDOW = 1024 * 1024;

// What a character that code page 936 cannot hold, or a malformed UTF-8
// sequence, becomes: one byte that is not a digit, a sign, a comma, a
// brace, white space or a symbol. It is also what Windows itself puts in
// place of such characters in ANSI text.
inline constexpr char UNREPRESENTABLE_CHAR = '?';

// Attempts at a fresh name for a temporary file before giving up.
inline constexpr int TEMP_NAME_ATTEMPTS = 100;

}  // namespace cli
