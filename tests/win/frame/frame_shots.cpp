// Not a test: shows a framed window in one look, for screenshots.
//   frame_shots SCENE RECT-FILE
// SCENE is active, inactive, close-hot, close-pressed, message-box or
// save-dialog. Once the scene stands, the screen rectangle of the window to
// look at is written to RECT-FILE as "x y width height"; the program then
// runs until it is killed.
#include <windows.h>
#include <commdlg.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "skin_atlas.h"
#include "window_props.h"

namespace {

const char* rectFile;
HWND mainWindow;

LRESULT CALLBACK shotWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY)
        PostQuitMessage(0);
    return DefWindowProcA(window, message, wParam, lParam);
}

BOOL CALLBACK findVisibleDialog(HWND window, LPARAM result) {
    char name[16] = "";
    GetClassNameA(window, name, sizeof name);
    if (std::strcmp(name, "#32770") != 0 || !IsWindowVisible(window))
        return TRUE;
    *reinterpret_cast<HWND*>(result) = window;
    return FALSE;
}

HWND visibleDialog() {
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), findVisibleDialog, reinterpret_cast<LPARAM>(&found));
    return found;
}

// Writes the rectangle of the dialog when one shows, else of the main window.
void CALLBACK writeRectProc(HWND, UINT, UINT_PTR id, DWORD) {
    const HWND dialog = visibleDialog();
    RECT r;
    GetWindowRect(dialog ? dialog : mainWindow, &r);
    if (FILE* out = std::fopen(rectFile, "w")) {
        std::fprintf(out, "%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
        std::fclose(out);
    }
    KillTimer(nullptr, id);
}

void pointAtCloseButton(UINT message) {
    RECT r;
    GetWindowRect(mainWindow, &r);
    const POINT close{r.right - 14 - 21, r.top + 9};
    SetCursorPos(close.x, close.y);
    SendMessageA(mainWindow, WM_NCMOUSEMOVE, HTCLOSE, MAKELPARAM(close.x, close.y));
    if (message)
        SendMessageA(mainWindow, message, HTCLOSE, MAKELPARAM(close.x, close.y));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3)
        return 2;
    const std::string scene = argv[1];
    rectFile = argv[2];
    const HINSTANCE instance = GetModuleHandleA(nullptr);

    allocateSkinAtlas();
    WNDCLASSA wc{};
    wc.lpfnWndProc = shotWindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = "WTWindow";
    RegisterClassA(&wc);
    mainWindow = CreateWindowExA(0, "WTWindow", "Varnotel 1.1", WS_OVERLAPPEDWINDOW, 240, 160, 420, 240, nullptr,
                                 nullptr, instance, nullptr);
    SendMessageA(mainWindow, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(LoadIcon(nullptr, IDI_APPLICATION)));
    CreateWindowExA(WS_EX_CLIENTEDGE, "Edit", "编辑框", WS_CHILD | WS_VISIBLE, 16, 16, 240, 24, mainWindow, nullptr,
                    instance, nullptr);
    installSkin(mainWindow);
    ShowWindow(mainWindow, SW_SHOW);
    UpdateWindow(mainWindow);
    SetForegroundWindow(mainWindow);

    if (scene == "inactive")
        SendMessageA(mainWindow, WM_NCACTIVATE, FALSE, 0);
    else if (scene == "close-hot")
        pointAtCloseButton(0);
    else if (scene == "close-pressed")
        pointAtCloseButton(WM_NCLBUTTONDOWN);

    SetTimer(nullptr, 0, 1500, writeRectProc);
    if (scene == "message-box") {
        MessageBoxA(mainWindow, "真的要加密C:\\data\\file.txt", "信息：", MB_YESNO | MB_ICONQUESTION | MB_TASKMODAL);
    } else if (scene == "save-dialog") {
        char path[MAX_PATH] = "";
        OPENFILENAMEA ofn{};
        ofn.lStructSize = sizeof ofn;
        ofn.hwndOwner = mainWindow;
        ofn.lpstrFile = path;
        ofn.nMaxFile = sizeof path;
        ofn.lpstrTitle = "请选择解密的目标文件路径：";
        ofn.Flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;
        GetSaveFileNameA(&ofn);
    }
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
