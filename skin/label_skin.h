// Label skin: text labels drawn on the skin's background in the skin's
// text colour, icon labels stretched over their client area, every other
// kind of static control left blank. Only painting is taken over.
#pragma once

#include <windows.h>

void installStaticSkin(HWND window);
LRESULT CALLBACK staticSkinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Paints the label on dc; paintRect is the area that needs painting (the
// background fill covers only it).
void paintStatic(HWND window, HDC dc, const RECT& paintRect);
