// Installation and class dispatch: the frame on the main window and its
// direct children, the frame installer's properties and growth, the hook
// skinning later windows (message boxes, the save dialog), exact class
// names, and a second installSkin changing nothing.
#include <windows.h>
#include <commdlg.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "frame.h"
#include "label_skin.h"
#include "push_button_skin.h"
#include "skin_atlas.h"
#include "skin_install.h"
#include "skin_test_support.h"
#include "window_props.h"

namespace {

SIZE sizeOf(const RECT& r) {
    return SIZE{r.right - r.left, r.bottom - r.top};
}

bool runsProc(HWND window, WNDPROC proc) {
    return GetWindowLongPtrA(window, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(proc);
}

// How many of a dialog's buttons and texts there are, and how many run their skin.
struct ChildSkins {
    int buttons = 0, skinnedButtons = 0, statics = 0, skinnedStatics = 0;
};

ChildSkins childSkinsOf(HWND dialog) {
    ChildSkins found;
    for (HWND child = FindWindowExA(dialog, nullptr, nullptr, nullptr); child;
         child = FindWindowExA(dialog, child, nullptr, nullptr)) {
        char name[128] = "";
        GetClassNameA(child, name, sizeof name);
        if (std::string(name) == "Button") {
            ++found.buttons;
            found.skinnedButtons += runsProc(child, pushButtonSkinProc);
        } else if (std::string(name) == "Static") {
            ++found.statics;
            found.skinnedStatics += runsProc(child, staticSkinProc);
        }
    }
    return found;
}

bool isFramed(HWND window) {
    return GetWindowLongPtrA(window, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(frameSkinProc) &&
           readSkinProp(window, SkinProp::previousProc) != 0;
}

bool isSkinned(HWND window) {
    return readSkinProp(window, SkinProp::previousProc) != 0;
}

// Window and client rectangles of every window around the skin's handling
// of its WM_CREATE: this hook is installed after the skin's, so it runs
// first and wraps the skin's hook in its CallNextHookEx.
struct Creation {
    HWND window;
    std::string className;
    RECT windowBefore, clientBefore, windowAfter, clientAfter;
};
std::vector<Creation> creations;
HHOOK creationHook;

LRESULT CALLBACK creationObserverProc(int code, WPARAM wParam, LPARAM lParam) {
    const CWPSTRUCT& call = *reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (call.message != WM_CREATE)
        return CallNextHookEx(creationHook, code, wParam, lParam);
    Creation c{call.hwnd, className(call.hwnd), {}, {}, {}, {}};
    GetWindowRect(call.hwnd, &c.windowBefore);
    GetClientRect(call.hwnd, &c.clientBefore);
    const LRESULT result = CallNextHookEx(creationHook, code, wParam, lParam);
    GetWindowRect(call.hwnd, &c.windowAfter);
    GetClientRect(call.hwnd, &c.clientAfter);
    creations.push_back(c);
    return result;
}

const Creation* creationOf(HWND window) {
    for (const Creation& c : creations)
        if (c.window == window)
            return &c;
    return nullptr;
}

// The frame keeps the client size and puts the 3, 31, 3, 5 frame around it.
void expectGrownAroundClient(const Creation& c) {
    const SIZE client = sizeOf(c.clientBefore);
    EXPECT_EQ(sizeOf(c.windowAfter).cx, client.cx + 6);
    EXPECT_EQ(sizeOf(c.windowAfter).cy, client.cy + 36);
    EXPECT_EQ(sizeOf(c.clientAfter).cx, client.cx);
    EXPECT_EQ(sizeOf(c.clientAfter).cy, client.cy);
}

struct Installed {
    HWND mainWindow;
    HICON mainIcon;
    RECT mainClientBefore;
    HWND child;
    HWND grandchild;
};

const Installed& installed() {
    static Installed state = [] {
        Installed s{};
        allocateSkinAtlas();
        registerTestWindowClass();
        const HINSTANCE instance = GetModuleHandleA(nullptr);
        s.mainWindow = CreateWindowExA(0, "WTWindow", "Varnotel 1.1", WS_CAPTION | WS_SYSMENU, 60, 60, 500, 400,
                                       nullptr, nullptr, instance, nullptr);
        s.mainIcon = createSolidIcon(RGB(0, 128, 255));
        SendMessageA(s.mainWindow, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(s.mainIcon));
        s.child = CreateWindowExA(0, "WTWindow", "", WS_CHILD, 0, 0, 50, 50, s.mainWindow, nullptr, instance,
                                  nullptr);
        s.grandchild =
            CreateWindowExA(0, "WTWindow", "", WS_CHILD, 0, 0, 20, 20, s.child, nullptr, instance, nullptr);
        GetClientRect(s.mainWindow, &s.mainClientBefore);
        installSkin(s.mainWindow);
        creationHook = SetWindowsHookExA(WH_CALLWNDPROC, creationObserverProc, nullptr, GetCurrentThreadId());
        return s;
    }();
    return state;
}

class SkinInstall : public ::testing::Test {
protected:
    static void SetUpTestSuite() { installed(); }
};

TEST_F(SkinInstall, MainWindowIsFramedAndGrownAroundItsClientArea) {
    const Installed& s = installed();
    ASSERT_TRUE(isFramed(s.mainWindow));
    EXPECT_EQ(skinMainWindow, s.mainWindow);
    RECT window, client;
    GetWindowRect(s.mainWindow, &window);
    GetClientRect(s.mainWindow, &client);
    EXPECT_EQ(sizeOf(window).cx, s.mainClientBefore.right + 6);
    EXPECT_EQ(sizeOf(window).cy, s.mainClientBefore.bottom + 36);
    EXPECT_EQ(client.right, s.mainClientBefore.right);
    EXPECT_EQ(client.bottom, s.mainClientBefore.bottom);
    // No minimize or maximize box: the main window shows the close button only.
    EXPECT_EQ(readSkinProp(s.mainWindow, SkinProp::minimizeButton), 3);
    EXPECT_EQ(readSkinProp(s.mainWindow, SkinProp::maximizeButton), 3);
    EXPECT_EQ(readSkinProp(s.mainWindow, SkinProp::closeButton), 0);
    // Only a big icon: that one is shown, and it is the fallback of other frames.
    EXPECT_EQ(readSkinProp(s.mainWindow, SkinProp::icon), reinterpret_cast<LONG_PTR>(s.mainIcon));
    EXPECT_EQ(skinMainIcon, s.mainIcon);
}

TEST_F(SkinInstall, DirectChildrenAreDispatchedGrandchildrenAreNot) {
    EXPECT_TRUE(isFramed(installed().child));
    EXPECT_FALSE(isSkinned(installed().grandchild));
}

TEST_F(SkinInstall, FrameInstallerReadsTheStyle) {
    struct Row {
        const char* name;
        DWORD style;
        int close, systemMenu, caption, maximize, minimize;
    } rows[] = {
        {"overlapped window", WS_OVERLAPPEDWINDOW, 0, 1, 1, 0, 0},
        {"caption and system menu", WS_CAPTION | WS_SYSMENU, 0, 1, 1, 3, 3},
        {"maximize box only", WS_CAPTION | WS_SYSMENU | WS_MAXIMIZEBOX, 0, 1, 1, 0, 3},
        {"no system menu", WS_POPUP | WS_CAPTION, 3, 0, 1, 3, 3},
        {"dialog frame without border", WS_POPUP | WS_DLGFRAME | WS_SYSMENU, 0, 1, 0, 3, 3},
        {"border only", WS_POPUP | WS_BORDER, 3, 0, 0, 3, 3},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        HWND window = CreateWindowExA(0, "WTWindow", "Styled", row.style, 100, 100, 300, 200, nullptr, nullptr,
                                      GetModuleHandleA(nullptr), nullptr);
        ASSERT_TRUE(isFramed(window));
        EXPECT_EQ(readSkinProp(window, SkinProp::closeButton), row.close);
        EXPECT_EQ(readSkinProp(window, SkinProp::systemMenu), row.systemMenu);
        EXPECT_EQ(readSkinProp(window, SkinProp::caption), row.caption);
        EXPECT_EQ(readSkinProp(window, SkinProp::maximizeButton), row.maximize);
        EXPECT_EQ(readSkinProp(window, SkinProp::minimizeButton), row.minimize);
        EXPECT_EQ(readSkinProp(window, SkinProp::timerRunning), 0);
        EXPECT_EQ(readSkinProp(window, SkinProp::restoreMode), 0);
        // Starts at 0; growing the window may activate it, which is recorded.
        EXPECT_EQ(readSkinProp(window, SkinProp::active), GetActiveWindow() == window ? 1 : 0);
        EXPECT_EQ(readSkinProp(window, SkinProp::icon), reinterpret_cast<LONG_PTR>(skinMainIcon));
        EXPECT_EQ(readTitleBlock(reinterpret_cast<HGLOBAL>(readSkinProp(window, SkinProp::titleBlock))), "Styled");
        const Creation* c = creationOf(window);
        ASSERT_NE(c, nullptr);
        if (row.caption) {
            expectGrownAroundClient(*c);
        } else {
            EXPECT_EQ(sizeOf(c->windowAfter).cx, sizeOf(c->windowBefore).cx);
            EXPECT_EQ(sizeOf(c->windowAfter).cy, sizeOf(c->windowBefore).cy);
        }
        DestroyWindow(window);
    }
}

TEST_F(SkinInstall, TitleBlockHoldsAtMost127Bytes) {
    const std::string title(200, 't');
    HWND window = CreateWindowExA(0, "WTWindow", title.c_str(), WS_OVERLAPPEDWINDOW, 100, 100, 300, 200, nullptr,
                                  nullptr, GetModuleHandleA(nullptr), nullptr);
    const HGLOBAL block = reinterpret_cast<HGLOBAL>(readSkinProp(window, SkinProp::titleBlock));
    EXPECT_EQ(GlobalSize(block), 128u);
    EXPECT_EQ(readTitleBlock(block), title.substr(0, 127));
    DestroyWindow(window);
}

TEST_F(SkinInstall, ClassNamesAreMatchedExactly) {
    // A class spelled like a table entry but in other letter case. Class
    // names are case-insensitive to the system, so the variant is
    // registered for another module instance to coexist with "WTWindow".
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA("gdi32.dll");
    wc.lpszClassName = "wtWindow";
    ASSERT_NE(RegisterClassA(&wc), 0);
    HWND variant = CreateWindowExA(0, "wtWindow", "", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr,
                                   wc.hInstance, nullptr);
    ASSERT_NE(variant, nullptr);
    ASSERT_EQ(className(variant), "wtWindow");
    EXPECT_FALSE(isSkinned(variant));
    DestroyWindow(variant);
    UnregisterClassA("wtWindow", wc.hInstance);
}

TEST_F(SkinInstall, ClassesOutsideTheTableKeepTheirLook) {
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    for (const char* name : {"Edit", "ListBox", "ComboBox"}) {
        SCOPED_TRACE(name);
        HWND control = CreateWindowExA(0, name, "", WS_CHILD, 0, 0, 50, 20, installed().mainWindow, nullptr,
                                       instance, nullptr);
        ASSERT_NE(control, nullptr);
        EXPECT_FALSE(isSkinned(control));
        DestroyWindow(control);
    }
}

// Runs `inspect` on the first visible top-level "#32770" window of this
// thread once it shows, from a thread timer that the dialog's own message
// loop dispatches; `inspect` then closes it.
std::function<void(HWND)> dialogInspector;
UINT_PTR dialogTimer;

BOOL CALLBACK findDialog(HWND window, LPARAM found) {
    if (className(window) == "#32770" && IsWindowVisible(window)) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

void CALLBACK dialogTimerProc(HWND, UINT, UINT_PTR, DWORD) {
    HWND dialog = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), findDialog, reinterpret_cast<LPARAM>(&dialog));
    if (!dialog)
        return;
    KillTimer(nullptr, dialogTimer);
    dialogInspector(dialog);
}

void whenDialogShows(std::function<void(HWND)> inspect) {
    dialogInspector = std::move(inspect);
    dialogTimer = SetTimer(nullptr, 0, 100, dialogTimerProc);
}

TEST_F(SkinInstall, MessageBoxGetsTheFrame) {
    HWND box = nullptr;
    ChildSkins children;
    whenDialogShows([&box, &children](HWND dialog) {
        box = dialog;
        EXPECT_TRUE(isFramed(dialog));
        EXPECT_EQ(readSkinProp(dialog, SkinProp::caption), 1);
        EXPECT_EQ(readSkinProp(dialog, SkinProp::systemMenu), 1);
        children = childSkinsOf(dialog);
        PostMessageA(dialog, WM_COMMAND, IDNO, 0);
    });
    const int answer = MessageBoxA(nullptr, "真的要加密C:\\file.txt", "信息：", MB_YESNO | MB_ICONQUESTION | MB_TASKMODAL);
    EXPECT_EQ(answer, IDNO);
    ASSERT_NE(box, nullptr);
    const Creation* c = creationOf(box);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->className, "#32770");
    expectGrownAroundClient(*c);
    // Yes and No wear the push-button skin; the text and the icon the label skin.
    EXPECT_EQ(children.buttons, 2);
    EXPECT_EQ(children.skinnedButtons, children.buttons);
    EXPECT_GE(children.statics, 2);
    EXPECT_EQ(children.skinnedStatics, children.statics);
}

TEST_F(SkinInstall, SaveDialogGetsTheFrame) {
    bool framed = false;
    whenDialogShows([&framed](HWND dialog) {
        framed = isFramed(dialog) && readSkinProp(dialog, SkinProp::caption) == 1;
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    char path[MAX_PATH] = "";
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = installed().mainWindow;
    ofn.lpstrFile = path;
    ofn.nMaxFile = sizeof path;
    ofn.lpstrTitle = "请选择解密的目标文件路径：";
    ofn.Flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;
    EXPECT_FALSE(GetSaveFileNameA(&ofn));
    EXPECT_TRUE(framed);
}

TEST_F(SkinInstall, SecondInstallSkinInstallsNothing) {
    const HHOOK hook = skinHook;
    const HDC sheet = skinSheetDC;
    const HWND mainWindow = skinMainWindow;
    HWND other = CreateWindowExA(0, "Edit", "", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    HWND otherChild = CreateWindowExA(0, "WTWindow", "", WS_CHILD, 0, 0, 20, 20, other, nullptr,
                                      GetModuleHandleA(nullptr), nullptr);
    ASSERT_TRUE(isFramed(otherChild));  // made by the hook, as every later window
    installSkin(other);
    EXPECT_FALSE(isSkinned(other));
    EXPECT_EQ(skinHook, hook);
    EXPECT_EQ(skinSheetDC, sheet);
    EXPECT_EQ(skinMainWindow, mainWindow);
    DestroyWindow(other);
}

}  // namespace
