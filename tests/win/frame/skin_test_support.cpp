#include "skin_test_support.h"

#include <utility>

#include "skin_atlas.h"

namespace {

std::vector<std::pair<HWND, UINT>> previousProcLog;

LRESULT CALLBACK testWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    previousProcLog.emplace_back(window, message);
    if (message == WM_SIZE || message == WM_DESTROY || message == kPlainMessage)
        return kPreviousProcResult;
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

void registerTestWindowClass() {
    static bool registered = false;
    if (registered)
        return;
    WNDCLASSA wc{};
    wc.lpfnWndProc = testWindowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = "WTWindow";
    RegisterClassA(&wc);
    registered = true;
}

bool previousProcSaw(HWND window, UINT message) {
    for (const auto& entry : previousProcLog)
        if (entry.first == window && entry.second == message)
            return true;
    return false;
}

void clearPreviousProcLog() {
    previousProcLog.clear();
}

HWND ensureSkinInstalled() {
    static HWND mainWindow = nullptr;
    if (mainWindow)
        return mainWindow;
    allocateSkinAtlas();
    registerTestWindowClass();
    mainWindow = CreateWindowExA(0, "WTWindow", "Main", WS_CAPTION | WS_SYSMENU, 50, 50, 400, 300, nullptr,
                                 nullptr, GetModuleHandleA(nullptr), nullptr);
    SendMessageA(mainWindow, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(createSolidIcon(RGB(0, 160, 0))));
    installSkin(mainWindow);
    return mainWindow;
}

HWND createFramedWindow(int width, int height, DWORD style, int x, int y) {
    ensureSkinInstalled();
    HWND window = CreateWindowExA(0, "WTWindow", "Test", style, x, y, width, height, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    SetWindowPos(window, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    return window;
}

HICON createSolidIcon(COLORREF color) {
    HDC screen = GetDC(nullptr);
    HBITMAP colour = CreateCompatibleBitmap(screen, 16, 16);
    HDC dc = CreateCompatibleDC(screen);
    HGDIOBJ previous = SelectObject(dc, colour);
    HBRUSH brush = CreateSolidBrush(color);
    RECT all{0, 0, 16, 16};
    FillRect(dc, &all, brush);
    DeleteObject(brush);
    SelectObject(dc, previous);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);

    const WORD opaqueMask[16] = {};  // AND mask all 0: every pixel opaque
    HBITMAP mask = CreateBitmap(16, 16, 1, 1, opaqueMask);
    ICONINFO info{TRUE, 0, 0, mask, colour};
    HICON icon = CreateIconIndirect(&info);
    DeleteObject(mask);
    DeleteObject(colour);
    return icon;
}

void pumpMessages(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    do {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(10);
    } while (GetTickCount() - start < milliseconds);
}

std::vector<MSG> takePosted(HWND window, UINT message) {
    std::vector<MSG> taken;
    MSG msg;
    while (PeekMessageA(&msg, window, message, message, PM_REMOVE))
        taken.push_back(msg);
    return taken;
}

POINT windowOrigin(HWND window) {
    RECT bounds;
    GetWindowRect(window, &bounds);
    return POINT{bounds.left, bounds.top};
}

LPARAM screenPoint(HWND window, int x, int y) {
    const POINT origin = windowOrigin(window);
    return MAKELPARAM(static_cast<WORD>(origin.x + x), static_cast<WORD>(origin.y + y));
}

std::string className(HWND window) {
    char name[128] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}
