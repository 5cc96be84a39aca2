#include "attach_recorder.h"

#include "skin_atlas.h"
#include "skin_install.h"

int attachCalls = 0;
HWND attachedWindow = 0;

namespace {

LRESULT CALLBACK passHookProc(int code, WPARAM wParam, LPARAM lParam) {
    return CallNextHookEx(0, code, wParam, lParam);
}

}  // namespace

void attachSkinToMainWindow(HWND mainWindow) {
    ++attachCalls;
    attachedWindow = mainWindow;
    skinHook = SetWindowsHookExA(WH_CALLWNDPROC, passHookProc, NULL, GetCurrentThreadId());
}
