// The skin sheet: the program's GIF picture, held as constant data, and its
// decoding into a bitmap.
#pragma once

#include <windows.h>

#include <cstddef>

// The GIF bytes, generated at build time from resources/skin_sheet.gif.
extern const unsigned char skinSheetGif[];
extern const std::size_t skinSheetGifSize;

// Decodes the sheet into a new 32-bpp DIB section owned by the caller;
// 0 if the platform's picture decoder fails.
HBITMAP decodeSkinSheet();
