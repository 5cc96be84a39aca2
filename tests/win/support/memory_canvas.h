// A 32-bpp top-down DIB section selected into its own memory DC: pixels
// that tests can paint, blit and read back exactly.
#pragma once

#include <windows.h>

#include <vector>

class MemoryCanvas {
public:
    // What a canvas shows where nothing has painted, unless told otherwise.
    static constexpr COLORREF defaultFill = 0xFFFFFF;

    MemoryCanvas(int width, int height, COLORREF fill = defaultFill);
    ~MemoryCanvas();
    MemoryCanvas(const MemoryCanvas&) = delete;
    MemoryCanvas& operator=(const MemoryCanvas&) = delete;

    HDC dc() const { return dc_; }
    int width() const { return width_; }
    int height() const { return height_; }

    void fillRect(int x, int y, int width, int height, COLORREF color);
    void set(int x, int y, COLORREF color);
    COLORREF pixel(int x, int y) const;
    // Bounds (exclusive right/bottom) of the pixels that are none of
    // `ground`; an empty RECT if there are none.
    RECT inkBounds(const std::vector<COLORREF>& ground) const;
    bool contains(COLORREF color) const;

private:
    int width_, height_;
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ oldBitmap_;
    const UINT32* bits_;
};

// Bounding box (inclusive right/bottom) of the pixels that differ between
// two canvases of the same size; empty (right < left) when none differ.
RECT differingPixels(const MemoryCanvas& a, const MemoryCanvas& b);
