#include "push_button_skin.h"

#include "control_constants.h"
#include "control_paint.h"
#include "frame_layout.h"
#include "skin_atlas.h"
#include "sprite.h"
#include "window_props.h"

namespace {

PushButtonState readState(HWND window) {
    return static_cast<PushButtonState>(readSkinProp(window, SkinProp::buttonState));
}

void writeState(HWND window, PushButtonState state) {
    writeSkinProp(window, SkinProp::buttonState, state);
}

// The state a button falls back to when it is neither hot nor pressed.
PushButtonState restingState(HWND window) {
    return readSkinProp(window, SkinProp::focus) ? Focused : Normal;
}

HGLOBAL titleBlockOf(HWND window) {
    return reinterpret_cast<HGLOBAL>(readSkinProp(window, SkinProp::titleBlock));
}

// The face stretched to width x height: corners keyed (their magenta
// pixels let the parent show through), edges and centre opaque.
void drawButtonFace(HDC dc, const SkinPiece& piece, int width, int height, COLORREF key) {
    const int sx = piece.source.left, sy = piece.source.top;
    const int sw = piece.source.right, sh = piece.source.bottom;
    const int l = piece.margins.left, t = piece.margins.top;
    const int r = piece.margins.right, b = piece.margins.bottom;
    const int midW = width - l - r, midH = height - t - b;
    const int srcMidW = sw - l - r, srcMidH = sh - t - b;
    struct Slice {
        RECT destination;
        RECT source;
        int keyed;
    };
    const Slice slices[] = {
        {skinRect(0, 0, l, t), skinRect(sx, sy, l, t), 1},
        {skinRect(0, t, l, midH), skinRect(sx, sy + t, l, srcMidH), 0},
        {skinRect(0, height - b, l, b), skinRect(sx, sy + sh - b, l, b), 1},
        {skinRect(l, 0, midW, t), skinRect(sx + l, sy, srcMidW, t), 0},
        {skinRect(l, height - b, midW, b), skinRect(sx + l, sy + sh - b, srcMidW, b), 0},
        {skinRect(width - r, 0, r, t), skinRect(sx + sw - r, sy, r, t), 1},
        {skinRect(width - r, t, r, midH), skinRect(sx + sw - r, sy + t, r, srcMidH), 0},
        {skinRect(width - r, height - b, r, b), skinRect(sx + sw - r, sy + sh - b, r, b), 1},
        {skinRect(l, t, midW, midH), skinRect(sx + l, sy + t, srcMidW, srcMidH), 0},
    };
    for (const Slice& slice : slices) {
        drawSkinPiece(dc, slice.destination, slice.source, key, slice.keyed);
    }
}

void gainFocus(HWND window) {
    writeSkinProp(window, SkinProp::focus, 1);
    if (readState(window) == Pressed) return;
    writeState(window, Focused);
    paintPushButton(window, nullptr);
}

// Only the focused look falls back; a hot button stays hot.
void loseFocus(HWND window) {
    writeSkinProp(window, SkinProp::focus, 0);
    if (readState(window) == Focused) writeState(window, Normal);
}

void paintNonClient(HWND window, WPARAM region) {
    HDC dc = nullptr;
    if (region != 1) dc = GetDCEx(window, reinterpret_cast<HRGN>(region), nonClientPaintDcFlags);
    if (!dc) dc = GetWindowDC(window);
    paintPushButton(window, dc);
    ReleaseDC(window, dc);
}

// The title block lives as long as the button; message boxes make and
// destroy buttons all the time.
void freeTitleBlock(HWND window) {
    GlobalFree(titleBlockOf(window));
    writeSkinProp(window, SkinProp::titleBlock, 0);
}

}  // namespace

void installPushButtonSkin(HWND window) {
    rememberPreviousProc(window);
    writeSkinProp(window, SkinProp::titleBlock, reinterpret_cast<LONG_PTR>(createTitleBlock(window)));
    writeState(window, IsWindowEnabled(window) ? Normal : Disabled);
    writeSkinProp(window, SkinProp::focus, 0);
    writeSkinProp(window, SkinProp::mouseDown, 0);
    setSkinProc(window, pushButtonSkinProc);
    // The skin procedure is in place, so the WM_SETFOCUS this delivers
    // paints the focused face at once.
    if (GetWindowLongA(window, GWL_STYLE) & BS_DEFPUSHBUTTON) SetFocus(window);
}

LRESULT CALLBACK pushButtonSkinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        runPaintCycle(window, [window](HDC dc, const RECT&) { paintPushButton(window, dc); });
        return 0;
    case WM_ERASEBKGND:
        paintPushButton(window, reinterpret_cast<HDC>(wParam));
        return 1;
    case WM_NCPAINT:
        paintNonClient(window, wParam);
        return 0;
    case WM_SETTEXT: {
        // The button's own procedure keeps its window text (GetWindowTextA,
        // the result of SetWindowTextA) and may draw itself; the skin's
        // caption and face are painted after it.
        LRESULT result = callPreviousProc(window, message, wParam, lParam);
        storePushButtonCaption(window, lParam);
        return result;
    }
    case WM_SETFOCUS:
        gainFocus(window);
        return 0;
    case WM_KILLFOCUS:
        loseFocus(window);
        return 0;
    case WM_MOUSEMOVE:
        trackPushButtonHover(window);
        break;
    case BM_SETSTATE:
        writeState(window, wParam == 1 ? Pressed : restingState(window));
        break;
    case WM_LBUTTONDOWN:
        writeSkinProp(window, SkinProp::mouseDown, 1);
        break;
    case WM_LBUTTONUP:
        writeSkinProp(window, SkinProp::mouseDown, 0);
        break;
    case WM_DESTROY:
        freeTitleBlock(window);
        break;
    }
    return callPreviousProc(window, message, wParam, lParam);
}

void trackPushButtonHover(HWND window) {
    const PushButtonState state = readState(window);
    const bool down = readSkinProp(window, SkinProp::mouseDown) != 0;

    POINT pointer;
    GetCursorPos(&pointer);
    RECT button;
    GetWindowRect(window, &button);
    // The parent's window rectangle less the skin frame's thickness: the
    // client area of a skinned parent.
    const FrameSkin& frame = skinAtlas->frame;
    RECT hoverArea;
    GetWindowRect(GetParent(window), &hoverArea);
    hoverArea.left += frame.leftBorder.active.source.right;
    hoverArea.top += frame.caption.active.source.bottom;
    hoverArea.right -= frame.rightBorder.active.source.right;
    hoverArea.bottom -= frame.bottomBorder.active.source.bottom;

    if (!PtInRect(&hoverArea, pointer)) {
        if (!down) ReleaseCapture();
        writeState(window, restingState(window));
        return;
    }
    // With the left button held the button's own BM_SETSTATE messages
    // decide between pressed and not.
    if (state == Disabled || down) return;
    if (PtInRect(&button, pointer)) {
        if (state == Hot) return;
        SetCapture(window);
        writeState(window, Hot);
    } else {
        ReleaseCapture();
        writeState(window, restingState(window));
    }
}

void paintPushButton(HWND window, HDC dc) {
    const PushButtonState state = readState(window);
    const std::string caption = readTitleBlock(titleBlockOf(window));

    HDC target = dc ? dc : GetWindowDC(window);
    RECT bounds;
    GetWindowRect(window, &bounds);
    const StateSkin& skin = skinAtlas->pushButton;
    drawButtonFace(target, stateSkinPiece(skin, state), bounds.right - bounds.left,
                   bounds.bottom - bounds.top, skin.transparentColor);

    RECT captionArea;
    GetClientRect(window, &captionArea);
    if (state == Pressed) {
        captionArea.left += pressedCaptionShift;
        captionArea.top += pressedCaptionShift;
    }
    drawSkinText(target, caption.c_str(), static_cast<int>(caption.size()), captionArea,
                 pushButtonCaptionFormat);
    if (!dc) ReleaseDC(window, target);
}

void storePushButtonCaption(HWND window, LPARAM text) {
    rewriteTitleBlock(titleBlockOf(window), reinterpret_cast<const char*>(text));
    paintPushButton(window, nullptr);
}
