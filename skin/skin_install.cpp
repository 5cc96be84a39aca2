// Which windows wear the skin and how it is attached: the frame installer,
// the class table of the dispatcher, and the thread hook.
#include <cstring>

#include "control_dispatch.h"
#include "frame.h"
#include "label_skin.h"
#include "menu_scrollbar_skin.h"
#include "skin_atlas.h"
#include "skin_install.h"
#include "window_props.h"

namespace {

// Class name -> installer, compared byte for byte (case-sensitive); the
// first matching row decides, a class in no row keeps its own look.
struct SkinClassRow {
    const char* className;
    void (*install)(HWND window);
};

const SkinClassRow skinClassTable[] = {
    {"WTWindow", installFrameSkin},
    {"#32770", installFrameSkin},
    {"Static", installStaticSkin},
    {"Afx:10000000:b:10003:1900015:0", installStaticSkin},
    {"Afx:400000:b:10003:1900015:0", installStaticSkin},
    {SKIN_LABEL_CLASS, installStaticSkin},
    {"Button", installButtonSkin},  // by kind: push button, check box, radio button
    {"#32768", installPopupMenuSkin},
    {"ScrollBar", installScrollBarSkin},  // by kind: size box, plain bars
};

constexpr DWORD fullCaption = WS_CAPTION;  // both WS_BORDER and WS_DLGFRAME

LONG_PTR stateFromStyle(DWORD style, DWORD bit) {
    return (style & bit) ? 0 : 3;  // 3: the style provides no such button
}

// The window's own small or big icon, else the main window's.
HICON chooseCaptionIcon(HWND window) {
    const HICON icon = fetchWindowIcon(window);
    return icon ? icon : skinMainIcon;
}

}  // namespace

void attachSkinToMainWindow(HWND mainWindow) {
    installFrameSkin(mainWindow);
    // Direct children only; grandchildren that exist now stay as they are.
    for (HWND child = FindWindowExA(mainWindow, nullptr, nullptr, nullptr); child;
         child = FindWindowExA(mainWindow, child, nullptr, nullptr))
        dispatchSkin(child);
    installSkinHook();
}

void installFrameSkin(HWND window) {
    const DWORD style = static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE));
    const bool systemMenu = (style & WS_SYSMENU) != 0;
    const bool caption = (style & fullCaption) == fullCaption;
    writeSkinProp(window, SkinProp::closeButton, stateFromStyle(style, WS_SYSMENU));
    writeSkinProp(window, SkinProp::systemMenu, systemMenu ? 1 : 0);
    writeSkinProp(window, SkinProp::caption, caption ? 1 : 0);
    writeSkinProp(window, SkinProp::maximizeButton, stateFromStyle(style, WS_MAXIMIZEBOX));
    writeSkinProp(window, SkinProp::minimizeButton, stateFromStyle(style, WS_MINIMIZEBOX));
    writeSkinProp(window, SkinProp::titleBlock, reinterpret_cast<LONG_PTR>(createTitleBlock(window)));
    writeSkinProp(window, SkinProp::icon, reinterpret_cast<LONG_PTR>(chooseCaptionIcon(window)));
    rememberPreviousProc(window);
    writeSkinProp(window, SkinProp::timerRunning, 0);
    writeSkinProp(window, SkinProp::restoreMode, 0);
    writeSkinProp(window, SkinProp::active, 0);
    RECT client;
    GetClientRect(window, &client);
    setSkinProc(window, frameSkinProc);

    if (!caption)
        return;  // without a full caption the window keeps its size
    // Grow the window so that its client area keeps its size inside the
    // skin frame; the WM_SIZE this causes gives it its rounded region.
    const FrameSkin& frame = skinAtlas->frame;
    const int width = client.right + frame.leftBorder.active.source.right + frame.rightBorder.active.source.right;
    const int height = client.bottom + frame.caption.active.source.bottom + frame.bottomBorder.active.source.bottom;
    SetWindowPos(window, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER);
}

void dispatchSkin(HWND window) {
    char className[128] = "";
    GetClassNameA(window, className, sizeof className);
    for (const SkinClassRow& row : skinClassTable) {
        if (std::strcmp(className, row.className) == 0) {
            row.install(window);
            return;
        }
    }
}

void installSkinHook() {
    skinHook = SetWindowsHookExA(WH_CALLWNDPROC, skinHookProc, GetModuleHandleA(nullptr), GetCurrentThreadId());
}

LRESULT CALLBACK skinHookProc(int code, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = CallNextHookEx(skinHook, code, wParam, lParam);
    const CWPSTRUCT& call = *reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (call.message == WM_CREATE)
        dispatchSkin(call.hwnd);
    return result;
}
