#include "memory_canvas.h"

#include <algorithm>

namespace {

// A DIB pixel (0x00RRGGBB) as a COLORREF (0x00BBGGRR).
COLORREF toColor(UINT32 pixel) {
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

}  // namespace

MemoryCanvas::MemoryCanvas(int width, int height, COLORREF fill) : width_(width), height_(height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    dc_ = CreateCompatibleDC(nullptr);
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    oldBitmap_ = SelectObject(dc_, bitmap_);
    bits_ = static_cast<const UINT32*>(bits);
    fillRect(0, 0, width, height, fill);
}

MemoryCanvas::~MemoryCanvas() {
    SelectObject(dc_, oldBitmap_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
}

void MemoryCanvas::fillRect(int x, int y, int width, int height, COLORREF color) {
    HBRUSH brush = CreateSolidBrush(color);
    RECT area{x, y, x + width, y + height};
    FillRect(dc_, &area, brush);
    DeleteObject(brush);
}

void MemoryCanvas::set(int x, int y, COLORREF color) {
    SetPixel(dc_, x, y, color);
}

// Reads the DIB bits directly (after flushing pending GDI work), which is
// exact and much faster than GetPixel for whole-canvas scans.
COLORREF MemoryCanvas::pixel(int x, int y) const {
    GdiFlush();
    return toColor(bits_[y * width_ + x]);
}

RECT MemoryCanvas::inkBounds(const std::vector<COLORREF>& ground) const {
    GdiFlush();
    RECT bounds{width_, height_, 0, 0};
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            const COLORREF color = toColor(bits_[y * width_ + x]);
            if (std::find(ground.begin(), ground.end(), color) != ground.end()) continue;
            bounds.left = std::min<LONG>(bounds.left, x);
            bounds.top = std::min<LONG>(bounds.top, y);
            bounds.right = std::max<LONG>(bounds.right, x + 1);
            bounds.bottom = std::max<LONG>(bounds.bottom, y + 1);
        }
    }
    if (bounds.right == 0) return RECT{};
    return bounds;
}

bool MemoryCanvas::contains(COLORREF color) const {
    GdiFlush();
    for (int i = 0; i < width_ * height_; ++i) {
        if (toColor(bits_[i]) == color) return true;
    }
    return false;
}

RECT differingPixels(const MemoryCanvas& a, const MemoryCanvas& b) {
    RECT box{a.width(), a.height(), -1, -1};
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) == b.pixel(x, y)) continue;
            box.left = std::min<LONG>(box.left, x);
            box.top = std::min<LONG>(box.top, y);
            box.right = std::max<LONG>(box.right, x);
            box.bottom = std::max<LONG>(box.bottom, y);
        }
    }
    return box;
}
