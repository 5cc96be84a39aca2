// Which windows wear the skin, and attaching it: the frame installer, the
// class dispatcher and the thread hook that catches every later window.
#pragma once

#include <windows.h>

// Class of the main window's labels and picture box; it is skinned like
// "Static".
inline constexpr char SKIN_LABEL_CLASS[] = "WTLabel";

// The second half of installSkin: frame on the main window, each direct
// child dispatched by class, then the thread hook.
void attachSkinToMainWindow(HWND mainWindow);

void installFrameSkin(HWND window);
void dispatchSkin(HWND window);
void installSkinHook();
LRESULT CALLBACK skinHookProc(int code, WPARAM wParam, LPARAM lParam);
