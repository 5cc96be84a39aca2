// Per-window skin state: window properties named "Tov.…" (code page 936),
// the title block, forwarding to the previous window procedure.
#pragma once

#include <windows.h>

#include <string>

namespace SkinProp {
inline constexpr char closeButton[] = "Tov.关闭按钮";
inline constexpr char systemMenu[] = "Tov.系统菜单";
inline constexpr char caption[] = "Tov.标题栏";
inline constexpr char maximizeButton[] = "Tov.最大化按钮";
inline constexpr char minimizeButton[] = "Tov.最小化按钮";
inline constexpr char titleBlock[] = "Tov.窗口标题";
inline constexpr char icon[] = "Tov.图标句柄";
inline constexpr char previousProc[] = "Tov.窗口过程";
inline constexpr char timerRunning[] = "Tov.时钟状态";
inline constexpr char restoreMode[] = "Tov.还原按钮";
inline constexpr char active[] = "Tov.激活状态";
inline constexpr char buttonState[] = "Tov.当前状态";
inline constexpr char focus[] = "Tov.焦点";
inline constexpr char mouseDown[] = "Tov.鼠标按下";
}  // namespace SkinProp

// A property's value; 0 when it was never set.
LONG_PTR readSkinProp(HWND window, const char* name);
void writeSkinProp(HWND window, const char* name, LONG_PTR value);

// Subclassing, in two steps because installers work in between: first the
// procedure in force is kept in "Tov.窗口过程", then the skin's is set.
void rememberPreviousProc(HWND window);
void setSkinProc(HWND window, WNDPROC proc);

// The default forwarding of every skin procedure: the saved procedure, or
// DefWindowProcA when none was saved.
LRESULT callPreviousProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Title block: a movable global block holding the window text (at most 127
// bytes when made from the window) and a terminating zero.
HGLOBAL createTitleBlock(HWND window);
void rewriteTitleBlock(HGLOBAL block, const char* text);  // NULL: empty title
std::string readTitleBlock(HGLOBAL block);                // "" for a 0 handle

// WM_DESTROY of a framed window: the main window also takes the hook and
// the sheet DC (with its bitmap) with it; every framed window frees its
// title block and clears "Tov.窗口标题".
void releaseFrameSkin(HWND window);
