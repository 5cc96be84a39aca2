// What the skin frame draws: borders, caption bar, icon, caption buttons,
// caption text, and the flat client background.
#include <array>
#include <string>

#include "frame.h"
#include "frame_layout.h"
#include "sprite.h"
#include "window_props.h"

namespace {

// A colour key of 0 means the piece is opaque: black is never a frame key.
void drawKeyedPiece(HDC dc, const RECT& destination, const RECT& source, COLORREF key) {
    drawSkinPiece(dc, destination, source, key, key != 0);
}

void drawOpaquePiece(HDC dc, const RECT& destination, const RECT& source) {
    drawSkinPiece(dc, destination, source, 0, 0);
}

SIZE windowSize(HWND window) {
    RECT bounds;
    GetWindowRect(window, &bounds);
    return SIZE{bounds.right - bounds.left, bounds.bottom - bounds.top};
}

struct FramePiece {
    RECT destination;
    RECT source;
    COLORREF key;  // 0: opaque
};

// The eleven pieces of the frame in drawing order: left border, the
// caption's 2 x 3 grid (corners and sides at sprite size, top edge and body
// stretched in width), right border, then the three bottom pieces over the
// lowest rows of the side borders.
std::array<FramePiece, 11> framePieces(const FrameSkin& frame, bool active, int W, int H) {
    auto state = [active](const BorderSkin& border) -> const SkinPiece& {
        return active ? border.active : border.inactive;
    };
    const RECT& c = state(frame.caption).source;
    const RECT& cm = state(frame.caption).margins;
    const RECT& lb = state(frame.leftBorder).source;
    const RECT& rb = state(frame.rightBorder).source;
    const RECT& b = state(frame.bottomBorder).source;
    const RECT& bm = state(frame.bottomBorder).margins;
    const int cx = c.left, cy = c.top, cw = c.right, ch = c.bottom;
    const int ml = cm.left, mt = cm.top, mr = cm.right;
    const int bx = b.left, by = b.top, bw = b.right, bh = b.bottom;
    const int bl = bm.left, br = bm.right;
    const COLORREF captionKey = frame.caption.transparentColor;
    const COLORREF bottomKey = frame.bottomBorder.transparentColor;

    return {{
        {skinRect(0, ch, lb.right, H - ch), lb, frame.leftBorder.transparentColor},
        {skinRect(0, 0, ml, mt), skinRect(cx, cy, ml, mt), captionKey},
        {skinRect(0, mt, ml, ch - mt), skinRect(cx, cy + mt, ml, ch - mt), 0},
        {skinRect(ml, 0, W - ml - mr, mt), skinRect(cx + ml, cy, cw - ml - mr, mt), 0},
        {skinRect(ml, mt, W - ml - mr, ch - mt), skinRect(cx + ml, cy + mt, cw - ml - mr, ch - mt), 0},
        {skinRect(W - mr, 0, mr, mt), skinRect(cx + cw - mr, cy, mr, mt), captionKey},
        {skinRect(W - mr, mt, mr, ch - mt), skinRect(cx + cw - mr, cy + mt, mr, ch - mt), 0},
        {skinRect(W - rb.right, ch, rb.right, H - ch), rb, frame.rightBorder.transparentColor},
        {skinRect(0, H - bh, bl, bh), skinRect(bx, by, bl, bh), bottomKey},
        {skinRect(bl, H - bh, W - bl - br, bh), skinRect(bx + bl, by, bw - bl - br, bh), 0},
        {skinRect(W - br, H - bh, br, bh), skinRect(bx + bw - br, by, br, bh), bottomKey},
    }};
}

}  // namespace

void paintNonClient(HWND window, WPARAM region) {
    HDC dc = nullptr;
    if (region != 1)
        dc = GetDCEx(window, reinterpret_cast<HRGN>(region), DCX_WINDOW | DCX_CACHE | DCX_INTERSECTRGN);
    if (!dc)
        dc = GetWindowDC(window);
    paintFrame(dc, window);
    ReleaseDC(window, dc);
}

void paintFrame(HDC dc, HWND window) {
    if (readSkinProp(window, SkinProp::caption) == 0)
        return;
    const SIZE size = windowSize(window);
    const bool active = readSkinProp(window, SkinProp::active) != 0;

    for (const FramePiece& piece : framePieces(skinAtlas->frame, active, size.cx, size.cy)) {
        // A window too small for the sprite corners gives the stretched
        // pieces no room; they are left out rather than drawn mirrored.
        if (piece.destination.right <= 0 || piece.destination.bottom <= 0)
            continue;
        drawKeyedPiece(dc, piece.destination, piece.source, piece.key);
    }

    const HICON icon = reinterpret_cast<HICON>(readSkinProp(window, SkinProp::icon));
    if (readSkinProp(window, SkinProp::systemMenu) != 0 && icon)
        DrawIconEx(dc, FrameLayout::iconX, captionIconTop(), icon, FrameLayout::iconSize,
                   FrameLayout::iconSize, 0, nullptr, DI_NORMAL);
    paintCaptionButtons(window, dc);
    paintCaptionText(window, dc);
}

void paintCaptionButtons(HWND window, HDC dc) {
    if (readSkinProp(window, SkinProp::systemMenu) == 0)
        return;
    const bool ownDC = dc == nullptr;
    if (ownDC)
        dc = GetWindowDC(window);

    const bool active = readSkinProp(window, SkinProp::active) != 0;
    const CaptionStrip strip =
        layoutCaptionStrip(window, windowSize(window).cx, active ? captionNormal : captionUnavailable);
    for (int slot = 0; slot < captionSlotCount; ++slot) {
        if (slot != closeSlot && !strip.sideSlots)
            continue;
        const CaptionSlotLayout& layout = strip.slots[slot];
        const int state = static_cast<int>(readSkinProp(window, captionSlotStateProp(slot)));
        const RECT& sprite = captionButtonLook(*layout.record, active ? state : captionUnavailable);
        drawKeyedPiece(dc, skinRect(layout.x, FrameLayout::buttonY, layout.width, layout.height), sprite,
                       layout.record->transparentColor);
    }

    if (ownDC)
        ReleaseDC(window, dc);
}

void paintCaptionText(HWND window, HDC dc) {
    const std::string title =
        readTitleBlock(reinterpret_cast<HGLOBAL>(readSkinProp(window, SkinProp::titleBlock)));
    if (readSkinProp(window, SkinProp::caption) == 0)
        return;

    const int top = captionIconTop();
    RECT area{captionTextLeft(window), top, captionTextRight(window, windowSize(window).cx),
              top + FrameLayout::iconSize};
    SetTextColor(dc, skinAtlas->textColor);
    SetBkMode(dc, TRANSPARENT);
    const HGDIOBJ previousFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    DrawTextA(dc, title.c_str(), static_cast<int>(title.size()), &area,
              DT_SINGLELINE | DT_WORDBREAK | DT_VCENTER);
    SelectObject(dc, previousFont);
}

void storeFrameTitle(HWND window, WPARAM wParam, LPARAM lParam) {
    callPreviousProc(window, WM_SETTEXT, wParam, lParam);
    rewriteTitleBlock(reinterpret_cast<HGLOBAL>(readSkinProp(window, SkinProp::titleBlock)),
                      reinterpret_cast<const char*>(lParam));
    if (readSkinProp(window, SkinProp::caption) == 0)
        return;

    // Only the caption strip changes on screen.
    const HRGN clip = CreateRectRgn(0, 0, windowSize(window).cx, captionBarHeight());
    const HDC dc = GetWindowDC(window);
    SelectObject(dc, clip);
    paintFrame(dc, window);
    DeleteObject(clip);
    ReleaseDC(window, dc);
}

void insetClientArea(RECT& bounds) {
    const FrameSkin& frame = skinAtlas->frame;
    bounds.left += frame.leftBorder.active.source.right;
    bounds.top += frame.caption.active.source.bottom;
    bounds.right -= frame.rightBorder.active.source.right;
    bounds.bottom -= frame.bottomBorder.active.source.bottom;
}

void eraseClientBackground(HWND window, HDC dc) {
    RECT client;
    GetClientRect(window, &client);
    drawOpaquePiece(dc, skinRect(0, 0, client.right, client.bottom), skinAtlas->frame.backgroundSample);
}

void paintClientBackground(HWND window) {
    PAINTSTRUCT ps;
    BeginPaint(window, &ps);
    const RECT& p = ps.rcPaint;
    drawOpaquePiece(ps.hdc, skinRect(p.left, p.top, p.right - p.left, p.bottom - p.top),
                    skinAtlas->frame.backgroundSample);
    EndPaint(window, &ps);
}
