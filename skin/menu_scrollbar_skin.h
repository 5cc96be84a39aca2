// Popup-menu windows get the frame's rounded region on every resize; size
// boxes are painted as the skin's background with the size grip in the
// bottom-right corner. Plain scroll bars keep the system's look.
#pragma once

#include <windows.h>

void installPopupMenuSkin(HWND window);
LRESULT CALLBACK popupMenuSkinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Plain horizontal and vertical scroll bars: nothing to install.
void installHorizontalScrollBarSkin(HWND window);
void installVerticalScrollBarSkin(HWND window);

void installSizeBoxSkin(HWND window);
LRESULT CALLBACK sizeBoxSkinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Paints the size box on dc; the background fill covers only paintRect.
void paintSizeBox(HWND window, HDC dc, const RECT& paintRect);
