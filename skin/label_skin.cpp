#include "label_skin.h"

#include "control_constants.h"
#include "control_paint.h"
#include "control_proc.h"

namespace {

// Text labels are drawn left-aligned whatever their SS_CENTER or SS_RIGHT
// bit says, from the top-left corner of the client area.
void paintTextLabel(HWND window, HDC dc, const RECT& paintRect) {
    fillSkinBackground(dc, paintRect);
    std::string text = readControlText(window);
    RECT client;
    GetClientRect(window, &client);
    drawSkinText(dc, text.c_str(), -1, client, labelTextFormat);
}

// The icon fills the whole client area; nothing is filled behind it, so
// its transparent pixels show what the control's own erase left.
void paintIconLabel(HWND window, HDC dc) {
    HICON icon = reinterpret_cast<HICON>(SendMessageA(window, STM_GETICON, 0, 0));
    RECT client;
    GetClientRect(window, &client);
    DrawIconEx(dc, 0, 0, icon, client.right - client.left, client.bottom - client.top, 0, nullptr,
               DI_NORMAL);
}

}  // namespace

void installStaticSkin(HWND window) {
    installControlSkin(window, staticSkinProc);
}

LRESULT CALLBACK staticSkinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return paintOnlySkinProc(window, message, wParam, lParam, paintStatic);
}

void paintStatic(HWND window, HDC dc, const RECT& paintRect) {
    LONG kind = GetWindowLongA(window, GWL_STYLE) & labelKindMask;
    if (kind <= SS_RIGHT) {
        paintTextLabel(window, dc, paintRect);
    } else if (kind == SS_ICON) {
        paintIconLabel(window, dc);
    }
    // Frames, rectangles, bitmaps, etched lines, owner-drawn: left blank.
}
