// A 32-bpp DIB section selected into its own memory DC: pixels that tests
// can paint, blit and read back exactly.
#pragma once

#include <windows.h>

class MemoryCanvas {
public:
    MemoryCanvas(int width, int height, COLORREF fill) : width_(width), height_(height) {
        BITMAPINFO format{};
        format.bmiHeader.biSize = sizeof format.bmiHeader;
        format.bmiHeader.biWidth = width;
        format.bmiHeader.biHeight = -height;
        format.bmiHeader.biPlanes = 1;
        format.bmiHeader.biBitCount = 32;
        format.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        bitmap_ = CreateDIBSection(NULL, &format, DIB_RGB_COLORS, &bits, NULL, 0);
        dc_ = CreateCompatibleDC(NULL);
        old_ = SelectObject(dc_, bitmap_);
        fillRect(0, 0, width, height, fill);
    }
    ~MemoryCanvas() {
        SelectObject(dc_, old_);
        DeleteDC(dc_);
        DeleteObject(bitmap_);
    }
    MemoryCanvas(const MemoryCanvas&) = delete;
    MemoryCanvas& operator=(const MemoryCanvas&) = delete;

    HDC dc() const { return dc_; }
    int width() const { return width_; }
    int height() const { return height_; }

    void fillRect(int x, int y, int w, int h, COLORREF colour) {
        HBRUSH brush = CreateSolidBrush(colour);
        RECT area = {x, y, x + w, y + h};
        FillRect(dc_, &area, brush);
        DeleteObject(brush);
    }
    void set(int x, int y, COLORREF colour) { SetPixel(dc_, x, y, colour); }
    COLORREF at(int x, int y) const { return GetPixel(dc_, x, y); }

private:
    int width_;
    int height_;
    HBITMAP bitmap_;
    HDC dc_;
    HGDIOBJ old_;
};
