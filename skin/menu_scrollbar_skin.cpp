#include "menu_scrollbar_skin.h"

#include "control_paint.h"
#include "frame.h"
#include "skin_atlas.h"
#include "sprite.h"
#include "window_props.h"

void installPopupMenuSkin(HWND window) {
    rememberPreviousProc(window);
    setSkinProc(window, popupMenuSkinProc);
}

// The region is set before the menu's own procedure sees its new size.
LRESULT CALLBACK popupMenuSkinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SIZE) applyFrameRegion(window);
    return callPreviousProc(window, message, wParam, lParam);
}

void installHorizontalScrollBarSkin(HWND) {}

void installVerticalScrollBarSkin(HWND) {}

void installSizeBoxSkin(HWND window) {
    rememberPreviousProc(window);
    setSkinProc(window, sizeBoxSkinProc);
}

LRESULT CALLBACK sizeBoxSkinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_PAINT) return callPreviousProc(window, message, wParam, lParam);
    runPaintCycle(window, [window](HDC dc, const RECT& paintRect) {
        paintSizeBox(window, dc, paintRect);
    });
    return 0;
}

// The grip sprite is kept in sizeGrip.margins (its source stays empty). A
// box smaller than the grip shows only the grip's bottom-right part.
void paintSizeBox(HWND window, HDC dc, const RECT& paintRect) {
    fillSkinBackground(dc, paintRect);
    RECT client;
    GetClientRect(window, &client);
    const RECT& grip = skinAtlas->scrollBar.sizeGrip.margins;
    const RECT destination{client.right - grip.right, client.bottom - grip.bottom, grip.right,
                           grip.bottom};
    drawSkinPiece(dc, destination, grip, skinAtlas->scrollBar.transparentColor, 1);
}
