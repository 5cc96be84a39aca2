// Shared fixture of the frame and installation tests: a "WTWindow" class
// whose procedure records what reaches it and small helpers for windows
// and the message queue. Canvases and the drawSkinPiece recorder come from
// the shared test support.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "memory_canvas.h"
#include "piece_recorder.h"

// What the test class's own procedure answers, so that a forwarded
// message can be told from a consumed one by its result.
inline constexpr LRESULT kPreviousProcResult = 0x5EED;
// A message with no meaning to the skin ("any other message").
inline constexpr UINT kPlainMessage = WM_APP + 7;

// Registers "WTWindow" once; its procedure records every message it sees,
// answers WM_SIZE, WM_DESTROY and kPlainMessage with kPreviousProcResult
// and the rest with DefWindowProcA.
void registerTestWindowClass();
// Messages the test class procedure saw for `window` since the last clear.
bool previousProcSaw(HWND window, UINT message);
void clearPreviousProcLog();

// Allocates the atlas, makes a "WTWindow" main window and installs the skin
// on it, once per process. Returns the main window.
HWND ensureSkinInstalled();

// A top-level "WTWindow" (framed by the hook on its creation), then moved
// and sized to exactly x, y, width, height.
HWND createFramedWindow(int width, int height, DWORD style = WS_OVERLAPPEDWINDOW, int x = 100, int y = 100);

// A 16 x 16 icon of one opaque colour.
HICON createSolidIcon(COLORREF color);

// Dispatches the thread's messages for about `milliseconds`.
void pumpMessages(DWORD milliseconds);

// Removes and returns the messages of one kind posted to `window`.
std::vector<MSG> takePosted(HWND window, UINT message);

// A window's position relative to the screen, for turning window-relative
// test points into screen points.
POINT windowOrigin(HWND window);
LPARAM screenPoint(HWND window, int x, int y);

std::string className(HWND window);
