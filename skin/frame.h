// The skin frame of top-level windows: painting of the non-client area and
// client background, and the frame's behaviour (activation, region, hit
// testing, caption buttons).
#pragma once

#include <windows.h>

LRESULT CALLBACK frameSkinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Painting.
void paintNonClient(HWND window, WPARAM region);
void paintFrame(HDC dc, HWND window);
void paintCaptionButtons(HWND window, HDC dc);  // dc NULL: takes the window DC itself
void paintCaptionText(HWND window, HDC dc);
void storeFrameTitle(HWND window, WPARAM wParam, LPARAM lParam);
void insetClientArea(RECT& bounds);                  // WM_NCCALCSIZE: always 3, 31, 3, 5
void eraseClientBackground(HWND window, HDC dc);     // WM_ERASEBKGND
void paintClientBackground(HWND window);             // WM_PAINT

// Behaviour.
LRESULT setFrameActive(HWND window, int value);
LRESULT hitTestFrame(HWND window, LPARAM lParam);
// 0 none, 1 left slot, 2 middle slot, 3 close slot; point in screen coordinates.
int hitTestCaptionButtons(HWND window, POINT point);
bool hitTestCaptionIcon(HWND window, POINT point);
void trackCaptionHover(HWND window, int hitCode);
void CALLBACK captionHoverTimerProc(HWND window, UINT message, UINT_PTR id, DWORD time);
LRESULT pressCaptionButton(HWND window, UINT message, WPARAM hitCode, LPARAM lParam);
void releaseCaptionButton(HWND window, int hitCode);

// The rounded region of framed windows and popup menus.
void applyFrameRegion(HWND window);
