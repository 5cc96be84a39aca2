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

// The rounded region of framed windows and popup menus.
void applyFrameRegion(HWND window);
