#include "menu_scrollbar_skin.h"

#include "control_paint.h"
#include "control_proc.h"
#include "frame.h"
#include "skin_atlas.h"
#include "sprite.h"

void installPopupMenuSkin(HWND window) {
    installControlSkin(window, popupMenuSkinProc);
}

// The region is set before the menu's own procedure sees its new size.
LRESULT CALLBACK popupMenuSkinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SIZE) applyFrameRegion(window);
    return callPreviousProc(window, message, wParam, lParam);
}

void installHorizontalScrollBarSkin(HWND) {}

void installVerticalScrollBarSkin(HWND) {}

void installSizeBoxSkin(HWND window) {
    installControlSkin(window, sizeBoxSkinProc);
}

LRESULT CALLBACK sizeBoxSkinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return paintOnlySkinProc(window, message, wParam, lParam, paintSizeBox);
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
