// Subclassing shared by the control skins that take over painting only
// (labels, check boxes, radio buttons, size boxes) and by the popup menu.
#pragma once

#include <windows.h>

#include "control_paint.h"
#include "window_props.h"

// Keeps the procedure in force in "Tov.窗口过程", then sets `proc`.
inline void installControlSkin(HWND window, WNDPROC proc) {
    rememberPreviousProc(window);
    setSkinProc(window, proc);
}

// WM_PAINT: one paint cycle around paint(window, dc, paint rectangle),
// answered 0. Every other message goes to the control's own procedure.
template <typename Painter>
LRESULT paintOnlySkinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, Painter paint) {
    if (message != WM_PAINT) return callPreviousProc(window, message, wParam, lParam);
    runPaintCycle(window, [&](HDC dc, const RECT& paintRect) { paint(window, dc, paintRect); });
    return 0;
}
