// The program's own skin sheet, decoded and selected into a memory DC.
#pragma once

#include <windows.h>

class DecodedSheet {
public:
    DecodedSheet();
    ~DecodedSheet();
    DecodedSheet(const DecodedSheet&) = delete;
    DecodedSheet& operator=(const DecodedSheet&) = delete;

    // False when the sheet did not decode; dc() is then null.
    bool ok() const { return bitmap_ != nullptr; }
    HBITMAP bitmap() const { return bitmap_; }
    HDC dc() const { return dc_; }

private:
    HBITMAP bitmap_;
    HDC dc_ = nullptr;
    HGDIOBJ oldBitmap_ = nullptr;
};
