// The main window: its class, its controls, its created handler.
#pragma once

#include <windows.h>
#include <ole2.h>

// The windowed controls, in creation order (which is also the tab order).
// The save dialog 通用对话框1 and the drop receiver 拖放对象1 have no window.
enum class Control {
    标签1,
    标签2,
    编辑框1,
    编辑框2,
    标签3,
    标签4,
    编辑框3,
    标签5,
    按钮1,
    按钮2,
    标签6,
    标签7,
    标签8,
    编辑框4,
    按钮3,
    按钮4,
    标签9,
    图片框1,
    count,
};

inline constexpr char MAIN_WINDOW_CLASS[] = "WTWindow";

// Registers the classes, creates the centred main window with every
// control, runs mainWindowCreated, then shows the window. Returns 0 when
// the window could not be made.
HWND createMainWindow(HINSTANCE instance, int showCommand);

HWND mainWindow();
HWND controlWindow(Control control);

// The created event: skin on the window and its controls, then the drop
// receiver 拖放对象1 registered on 标签4.
void mainWindowCreated();

// 拖放对象1, the receiver registered on 标签4.
IDropTarget* fileDropReceiver();
