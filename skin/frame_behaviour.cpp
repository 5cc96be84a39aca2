// How the skin frame behaves: its message table, activation, the rounded
// region and restore mode, the non-client hit test and the caption-button
// state machine with its hover timer.
#include <climits>

#include "frame.h"
#include "frame_layout.h"
#include "window_props.h"

namespace {

int slotState(HWND window, int slot) {
    return static_cast<int>(readSkinProp(window, captionSlotStateProp(slot)));
}

void setSlotState(HWND window, int slot, int state) {
    writeSkinProp(window, captionSlotStateProp(slot), state);
}

// Hot and pressed buttons other than `keptSlot` fall back to normal.
// Returns whether any state changed.
bool clearHotAndPressed(HWND window, int keptSlot = -1) {
    bool changed = false;
    for (int slot = 0; slot < captionSlotCount; ++slot) {
        const int state = slotState(window, slot);
        if (slot != keptSlot && (state == captionHot || state == captionPressed)) {
            setSlotState(window, slot, captionNormal);
            changed = true;
        }
    }
    return changed;
}

UINT_PTR hoverTimerId(HWND window) {
    return reinterpret_cast<UINT_PTR>(window);
}

void stopHoverTimer(HWND window) {
    KillTimer(window, hoverTimerId(window));
    writeSkinProp(window, SkinProp::timerRunning, 0);
}

void handleSize(HWND window, WPARAM kind) {
    if (readSkinProp(window, SkinProp::caption) == 0)
        return;
    applyFrameRegion(window);
    if (kind == SIZE_MAXIMIZED || kind == SIZE_MINIMIZED)
        writeSkinProp(window, SkinProp::restoreMode, 1);
    else if (kind == SIZE_RESTORED)
        writeSkinProp(window, SkinProp::restoreMode, 0);
    paintCaptionButtons(window, nullptr);
}

// The command a click on a slot asks for; restore mode turns the slot that
// shows the restore sprite into SC_RESTORE.
void postSlotCommand(HWND window, int slot) {
    const bool restoreMode = readSkinProp(window, SkinProp::restoreMode) != 0;
    const bool zoomed = IsZoomed(window) != FALSE;
    switch (slot) {
    case leftSlot:
        PostMessageA(window, WM_SYSCOMMAND, restoreMode && !zoomed ? SC_RESTORE : SC_MINIMIZE, 0);
        break;
    case middleSlot:
        PostMessageA(window, WM_SYSCOMMAND, restoreMode && zoomed ? SC_RESTORE : SC_MAXIMIZE, 0);
        break;
    default:
        PostMessageA(window, WM_CLOSE, 0, 0);
        break;
    }
}

struct ResizeZone {
    LRESULT code;
    int xMin, xMax, yMin, yMax;  // inclusive
};

}  // namespace

LRESULT CALLBACK frameSkinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCPAINT:
        paintNonClient(window, wParam);
        return 0;
    case WM_NCCALCSIZE:
        insetClientArea(*reinterpret_cast<RECT*>(lParam));
        return 0;
    case WM_PAINT:
        paintClientBackground(window);
        return 0;
    case WM_ERASEBKGND:
        eraseClientBackground(window, reinterpret_cast<HDC>(wParam));
        return 1;
    case WM_SETTEXT:
        storeFrameTitle(window, wParam, lParam);
        return 0;
    case WM_NCACTIVATE:
        return setFrameActive(window, static_cast<int>(wParam));
    case WM_ACTIVATE:
        setFrameActive(window, LOWORD(wParam));
        return 0;
    case WM_SIZE:
        handleSize(window, wParam);
        return callPreviousProc(window, message, wParam, lParam);
    case WM_NCHITTEST:
        return hitTestFrame(window, lParam);
    case 0x00AE:  // the system's own caption redraw; the skin draws the caption
        return 0;
    case WM_NCMOUSEMOVE:
        trackCaptionHover(window, static_cast<int>(wParam));
        return 0;
    case WM_NCLBUTTONDOWN:
        return pressCaptionButton(window, message, wParam, lParam);
    case WM_NCLBUTTONUP:
        releaseCaptionButton(window, static_cast<int>(wParam));
        return 0;
    case WM_NCLBUTTONDBLCLK:
        pressCaptionButton(window, message, wParam, lParam);
        return 0;
    case WM_DESTROY:
        releaseFrameSkin(window);
        return callPreviousProc(window, message, wParam, lParam);
    default:
        return callPreviousProc(window, message, wParam, lParam);
    }
}

LRESULT setFrameActive(HWND window, int value) {
    if (value != readSkinProp(window, SkinProp::active)) {
        writeSkinProp(window, SkinProp::active, value);
        paintNonClient(window, 1);
    }
    if (value == 1)
        return 0;
    ReleaseCapture();
    return 1;
}

void applyFrameRegion(HWND window) {
    RECT bounds;
    GetWindowRect(window, &bounds);
    const HRGN region = CreateRoundRectRgn(0, 0, bounds.right - bounds.left + 1, bounds.bottom - bounds.top + 1,
                                           FrameLayout::regionEllipseWidth, FrameLayout::regionEllipseHeight);
    SetWindowRgn(window, region, TRUE);  // the window owns the region from now on
}

LRESULT hitTestFrame(HWND window, LPARAM lParam) {
    // Signed: monitors left of or above the primary one have negative coordinates.
    const POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    switch (hitTestCaptionButtons(window, point)) {
    case 3: return HTCLOSE;
    case 2: return HTMAXBUTTON;
    case 1: return HTMINBUTTON;
    default: break;
    }

    RECT bounds;
    GetWindowRect(window, &bounds);
    const int L = bounds.left, T = bounds.top, R = bounds.right, B = bounds.bottom;

    RECT dragArea{L + FrameLayout::iconX, T + captionTopMargin(), R, T + captionBarHeight()};
    if (readSkinProp(window, SkinProp::systemMenu) != 0) {
        if (hitTestCaptionIcon(window, point))
            return HTSYSMENU;
        dragArea.left = L + captionTextLeft(window);
        dragArea.right = captionTextRight(window, R);
    }
    if (PtInRect(&dragArea, point))
        return HTCAPTION;
    if (IsZoomed(window))
        return HTCLIENT;  // a maximized window cannot be resized

    // First match wins: the edges before the corners, so a point 10 pixels
    // from a corner along an edge belongs to the edge.
    const int edge = FrameLayout::resizeEdge, reach = FrameLayout::resizeCornerReach;
    const ResizeZone zones[] = {
        {HTLEFT, L, L + edge, T + reach, B - reach},
        {HTRIGHT, R - edge, R, T + reach, B - reach},
        {HTTOP, L + reach, R - reach, T, T + edge},
        {HTBOTTOM, L + reach, R - reach, B - edge, B},
        {HTTOPLEFT, INT_MIN, L + reach, INT_MIN, T + reach},
        {HTTOPRIGHT, R - reach, INT_MAX, INT_MIN, T + reach},
        {HTBOTTOMLEFT, INT_MIN, L + reach, B - reach, INT_MAX},
        {HTBOTTOMRIGHT, R - reach, INT_MAX, B - reach, INT_MAX},
    };
    for (const ResizeZone& zone : zones) {
        if (zone.xMin <= point.x && point.x <= zone.xMax && zone.yMin <= point.y && point.y <= zone.yMax)
            return zone.code;
    }
    return HTCLIENT;
}

int hitTestCaptionButtons(HWND window, POINT point) {
    RECT bounds;
    GetWindowRect(window, &bounds);
    const FrameSkin& frame = skinAtlas->frame;
    const CaptionStrip strip = layoutCaptionStrip(window, bounds.right, captionNormal);
    const int x = point.x, y = point.y, T = bounds.top;

    if (!strip.sideSlots) {
        const CaptionSlotLayout& close = strip.slots[closeSlot];
        const bool inClose = close.x <= x && x < close.x + close.width && T <= y &&
                             y < T + frame.closeButton.normal.bottom;
        return inClose ? 3 : 0;
    }

    // The strip's bounds are inclusive, and the columns between two slots
    // belong to the middle one.
    const int stripLeft = strip.slots[leftSlot].x;
    const int stripRight = bounds.right - FrameLayout::buttonRightMargin;
    if (x < stripLeft || x > stripRight || y < T || y > T + frame.minimizeButton.normal.bottom)
        return 0;
    const int b1 = stripLeft + strip.slots[leftSlot].width;
    const int b2 = b1 + frame.maximizeButton.normal.right;
    if (x < b1)
        return 1;
    return x <= b2 ? 2 : 3;
}

bool hitTestCaptionIcon(HWND window, POINT point) {
    RECT bounds;
    GetWindowRect(window, &bounds);
    // The half-pixel centre is truncated toward zero, so for a window more
    // than 7 pixels above the screen's top the square sits one pixel lower.
    const int top =
        static_cast<int>(bounds.top + (captionBarHeight() - FrameLayout::iconSize) / 2.0);
    const int left = bounds.left + FrameLayout::iconX;
    const RECT square{left, top, left + FrameLayout::iconSize, top + FrameLayout::iconSize};
    return PtInRect(&square, point) && readSkinProp(window, SkinProp::icon) != 0;
}

void trackCaptionHover(HWND window, int hitCode) {
    const int slot = captionSlotOfHitCode(static_cast<WPARAM>(hitCode));
    bool changed = false;
    if (slot >= 0) {
        if (readSkinProp(window, SkinProp::timerRunning) == 0) {
            writeSkinProp(window, SkinProp::timerRunning, 1);
            SetTimer(window, hoverTimerId(window), FrameLayout::hoverTimerInterval, captionHoverTimerProc);
        }
        if (slotState(window, slot) == captionNormal) {
            setSlotState(window, slot, captionHot);
            changed = true;
        }
        changed = clearHotAndPressed(window, slot) || changed;
    } else if (readSkinProp(window, SkinProp::timerRunning) != 0) {
        stopHoverTimer(window);
        changed = clearHotAndPressed(window);
    }
    if (changed)
        paintCaptionButtons(window, nullptr);
}

void CALLBACK captionHoverTimerProc(HWND window, UINT, UINT_PTR id, DWORD) {
    POINT cursor;
    GetCursorPos(&cursor);
    if (hitTestCaptionButtons(window, cursor) != 0)
        return;  // moving between buttons is the pointer moves' work
    KillTimer(window, id);
    writeSkinProp(window, SkinProp::timerRunning, 0);
    if (clearHotAndPressed(window))
        paintCaptionButtons(window, nullptr);
}

LRESULT pressCaptionButton(HWND window, UINT message, WPARAM hitCode, LPARAM lParam) {
    const int slot = captionSlotOfHitCode(hitCode);
    if (slot < 0 || slotState(window, slot) == captionUnavailable)
        return DefWindowProcA(window, message, hitCode, lParam);  // move, size, system menu
    setSlotState(window, slot, captionPressed);
    paintCaptionButtons(window, nullptr);
    return 0;
}

void releaseCaptionButton(HWND window, int hitCode) {
    const int slot = captionSlotOfHitCode(static_cast<WPARAM>(hitCode));
    if (slot >= 0 && slotState(window, slot) == captionPressed) {
        setSlotState(window, slot, captionHot);  // the pointer is still over it
        postSlotCommand(window, slot);
    }
    paintCaptionButtons(window, nullptr);
}
