// Drawing steps shared by the control painters: the skin's background
// fill, the skin's text, and a paint cycle around a painter.
#pragma once

#include <windows.h>

#include <string>

// Fills `area` of the DC with skinBackgroundColor.
void fillSkinBackground(HDC dc, const RECT& area);

// Draws `text` in `area` in the skin's text colour and the stock GUI font,
// on a transparent background. A length of -1 means zero-terminated.
void drawSkinText(HDC dc, const char* text, int length, RECT area, UINT format);

// The window text, at most controlTextLimit - 1 bytes.
std::string readControlText(HWND window);

// BeginPaint, painter(dc, paint rectangle), EndPaint.
template <typename Painter>
void runPaintCycle(HWND window, Painter paint) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    paint(dc, ps.rcPaint);
    EndPaint(window, &ps);
}
