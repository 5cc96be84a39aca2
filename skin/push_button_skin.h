// Push-button skin: a face from the skin sheet chosen by a five-value
// state, stretched as a nine-slice, with the caption centred on it. The
// button's own procedure stays behind the skin for clicks, keys and the
// notifications to the parent.
#pragma once

#include <windows.h>

// Value of "Tov.当前状态"; also the index into SkinAtlas.pushButton.
enum PushButtonState : LONG_PTR {
    Normal = 0,
    Hot = 1,
    Focused = 2,
    Pressed = 3,
    Disabled = 4,
};

void installPushButtonSkin(HWND window);
LRESULT CALLBACK pushButtonSkinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// WM_MOUSEMOVE: hot while the pointer is over the button inside the
// parent's client area. Takes the pointer from GetCursorPos.
void trackPushButtonHover(HWND window);

// Draws the whole button on dc (null: the button's window DC).
void paintPushButton(HWND window, HDC dc);

// WM_SETTEXT: keeps the new caption (NULL: empty) in the title block and
// repaints at once.
void storePushButtonCaption(HWND window, LPARAM text);
