// Starts the desktop program and uses it from outside: clicks with the
// mouse, types with the keyboard, answers its message boxes and its save
// dialog. Works whether or not the skin is on those windows.
#include <windows.h>
#include <ole2.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "drop_data.h"
#include "symbol_codec.h"
#include "text_helpers.h"

namespace {

// Where the controls lie in the main window's client area.
constexpr POINT TEXT_BOX = {8, 24};       // 编辑框1
constexpr POINT SYMBOL_BOX = {8, 216};    // 编辑框2
constexpr POINT FILE_SYMBOLS = {352, 144}; // 编辑框3
constexpr POINT TARGET_BOX = {352, 264};  // 编辑框4
constexpr POINT DROP_ZONE = {352, 56};    // 标签4
constexpr POINT DOWN_BUTTON = {88, 184};  // 按钮1 "↓"
constexpr POINT UP_BUTTON = {192, 184};   // 按钮2 "↑"
constexpr POINT BROWSE_BUTTON = {592, 264}; // 按钮3 "浏览"
constexpr POINT DECRYPT_BUTTON = {352, 296}; // 按钮4 "开始解密"

constexpr char SAVE_DIALOG_TITLE[] = "请选择解密的目标文件路径：";

// The build path of the program as Wine sees it (drive Z: is the root).
std::string programPath() {
    std::string path = std::string("Z:") + VARNOTEL_APP_PATH;
    for (char& c : path) {
        if (c == '/') {
            c = '\\';
        }
    }
    return path;
}

bool waitFor(const std::function<bool()>& condition, DWORD milliseconds = 15000) {
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > milliseconds) {
            return false;
        }
        Sleep(50);
    }
    return true;
}

std::string windowText(HWND window) {
    char buffer[4096] = "";
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG,
                        5000, nullptr);
    return buffer;
}

void sendInputs(INPUT* inputs, UINT count) {
    ASSERT_EQ(SendInput(count, inputs, sizeof(INPUT)), count);
}

// One mouse event at a screen position.
void mouse(POINT at, DWORD flags) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = at.x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = at.y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    sendInputs(&input, 1);
}

POINT centreOf(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

// A real left click at the centre of the window.
void click(HWND window) {
    const POINT at = centreOf(window);
    mouse(at, 0);
    mouse(at, MOUSEEVENTF_LEFTDOWN);
    mouse(at, MOUSEEVENTF_LEFTUP);
    Sleep(200);
}

// Drags while the left button is held; drops where it is let go.
class LeftButtonDropSource final : public IDropSource {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDropSource)) {
            *object = static_cast<IDropSource*>(this);
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escape, DWORD keys) override {
        dragging = true;
        if (escape) {
            return DRAGDROP_S_CANCEL;
        }
        // The asynchronous state as well: Wine may deliver the release to
        // the window under the pointer instead of the drag's capture.
        const bool held = (keys & MK_LBUTTON) && (GetAsyncKeyState(VK_LBUTTON) & 0x8000);
        return held ? S_OK : DRAGDROP_S_DROP;
    }
    HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }

    std::atomic<bool> dragging{false};
};

// Types the text (code page 936) as Unicode key strokes.
void type(const std::string& text) {
    std::wstring wide(text.size() + 1, L'\0');
    wide.resize(MultiByteToWideChar(936, 0, text.c_str(), -1, wide.data(), static_cast<int>(wide.size())) - 1);
    for (wchar_t c : wide) {
        INPUT inputs[2] = {};
        for (INPUT& input : inputs) {
            input.type = INPUT_KEYBOARD;
            input.ki.wScan = c;
            input.ki.dwFlags = KEYEVENTF_UNICODE;
        }
        inputs[1].ki.dwFlags |= KEYEVENTF_KEYUP;
        sendInputs(inputs, 2);
    }
    Sleep(200);
}

class DesktopProgram : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(GetACP(), 936u);
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        folder_ = std::string(temp) + "varnotel-e2e-" + std::to_string(GetCurrentProcessId());
        CreateDirectoryA(folder_.c_str(), nullptr);

        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        std::string commandLine = "\"" + programPath() + "\"";
        ASSERT_TRUE(CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                   folder_.c_str(), &startup, &process_))
            << commandLine << " error " << GetLastError();
        ASSERT_TRUE(waitFor([&] { return (main_ = programWindow("WTWindow", "Varnotel 1.1")) != nullptr; }))
            << "the main window did not appear";
        ASSERT_TRUE(waitFor([&] { return IsWindowVisible(main_) != FALSE; }));
    }

    void TearDown() override {
        if (process_.hProcess) {
            PostMessageA(main_, WM_CLOSE, 0, 0);
            EXPECT_EQ(WaitForSingleObject(process_.hProcess, 15000), WAIT_OBJECT_0) << "the program did not end";
            DWORD exitCode = 1;
            GetExitCodeProcess(process_.hProcess, &exitCode);
            EXPECT_EQ(exitCode, 0u);
            TerminateProcess(process_.hProcess, 1);
            CloseHandle(process_.hThread);
            CloseHandle(process_.hProcess);
        }
        DeleteFileA(path("target.bin").c_str());
        RemoveDirectoryA(folder_.c_str());
    }

    // A top-level window of the program with this class and title.
    HWND programWindow(const char* className, const char* title) const {
        for (HWND window = FindWindowExA(nullptr, nullptr, className, title); window;
             window = FindWindowExA(nullptr, window, className, title)) {
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == process_.dwProcessId && IsWindowVisible(window)) {
                return window;
            }
        }
        return nullptr;
    }

    // The main window's control whose top-left corner is at `corner`.
    HWND control(POINT corner) const {
        for (HWND child = GetWindow(main_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            RECT rect;
            GetWindowRect(child, &rect);
            MapWindowPoints(nullptr, main_, reinterpret_cast<POINT*>(&rect), 2);
            if (rect.left == corner.x && rect.top == corner.y) {
                return child;
            }
        }
        ADD_FAILURE() << "no control at " << corner.x << ", " << corner.y;
        return nullptr;
    }

    // Waits for a message box or dialog of the program with this title.
    HWND waitForDialog(const char* title) const {
        HWND dialog = nullptr;
        EXPECT_TRUE(waitFor([&] { return (dialog = programWindow("#32770", title)) != nullptr; }))
            << "no window titled " << title;
        Sleep(300);  // let it finish laying out its buttons
        return dialog;
    }

    // The texts of a message box's static controls, joined.
    static std::string boxText(HWND box) {
        std::string text;
        for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            char className[32];
            GetClassNameA(child, className, sizeof className);
            if (lstrcmpiA(className, "Static") == 0) {
                text += windowText(child);
            }
        }
        return text;
    }

    // Clicks the dialog's button with this identifier and waits until the
    // dialog has gone.
    void answer(HWND dialog, int buttonId) const {
        const HWND button = GetDlgItem(dialog, buttonId);
        ASSERT_NE(button, nullptr) << "button " << buttonId;
        click(button);
        ASSERT_TRUE(waitFor([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); })) << "still open";
    }

    std::string path(const std::string& name) const { return folder_ + "\\" + name; }

    PROCESS_INFORMATION process_ = {};
    HWND main_ = nullptr;
    std::string folder_;
};

TEST_F(DesktopProgram, TypedTextGoesDownAndUpAndBrokenTextIsReported) {
    const std::string typed = "Hello 你好，世界";
    click(control(TEXT_BOX));
    type(typed);
    ASSERT_TRUE(waitFor([&] { return windowText(control(TEXT_BOX)) == typed; }))
        << "typed: " << windowText(control(TEXT_BOX));

    click(control(DOWN_BUTTON));
    const AnsiText symbols = encodeSymbolText(textToBytes(typed));
    ASSERT_TRUE(waitFor([&] { return windowText(control(SYMBOL_BOX)) == symbols; }));

    SendMessageA(control(TEXT_BOX), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
    click(control(UP_BUTTON));
    ASSERT_TRUE(waitFor([&] { return windowText(control(TEXT_BOX)) == typed; }));

    // Type junk over the symbol text: "↑" keeps the plain text and says so.
    SendMessageA(control(SYMBOL_BOX), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
    click(control(SYMBOL_BOX));
    type("hello");
    click(control(UP_BUTTON));
    const HWND box = waitForDialog("信息：");
    ASSERT_NE(box, nullptr);
    EXPECT_NE(boxText(box).find("解不出来哈"), std::string::npos) << boxText(box);
    answer(box, IDOK);
    EXPECT_EQ(windowText(control(TEXT_BOX)), typed);
}

TEST_F(DesktopProgram, DraggedFileIsConfirmedAndEncoded) {
    const std::string file = path("abc.txt");
    const HANDLE handle = CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(handle, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(handle, "abc", 3, &written, nullptr);
    CloseHandle(handle);

    // A person drags the file from a window of this process, the way a file
    // manager offers it, onto the drop zone, then answers the three boxes.
    // The drag follows the mouse only while that window is in front.
    const HWND folderWindow = CreateWindowExA(WS_EX_TOPMOST, "Static", "folder", WS_POPUP | WS_VISIBLE | WS_BORDER,
                                              0, 0, 120, 80, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(folderWindow, nullptr);
    click(folderWindow);
    const POINT source = centreOf(folderWindow);
    const POINT target = centreOf(control(DROP_ZONE));
    std::vector<std::string> texts;
    LeftButtonDropSource dropSource;
    std::thread person([&] {
        if (!waitFor([&] { return dropSource.dragging.load(); }, 5000)) {
            mouse(source, MOUSEEVENTF_LEFTUP);
            return;
        }
        for (int step = 1; step <= 10; ++step) {
            mouse({source.x + (target.x - source.x) * step / 10, source.y + (target.y - source.y) * step / 10}, 0);
            Sleep(50);
        }
        Sleep(300);  // rests over the drop zone before letting go
        mouse(target, MOUSEEVENTF_LEFTUP);
        const struct {
            const char* title;
            int button;
        } answers[] = {{"询问", IDYES}, {"信息：", IDOK}, {"信息：", IDOK}};
        for (const auto& a : answers) {
            const HWND box = waitForDialog(a.title);
            if (!box) {
                // The program holds the drag inside its drop: end it.
                TerminateProcess(process_.hProcess, 1);
                return;
            }
            texts.push_back(boxText(box));
            answer(box, a.button);
        }
    });
    ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
    OneFormatData data(CF_HDROP, dropFiles({file}, true));
    mouse(source, MOUSEEVENTF_LEFTDOWN);
    DWORD effect = DROPEFFECT_NONE;
    // The press has to reach this thread before the drag starts.
    ASSERT_TRUE(waitFor([] {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageA(&message);
        }
        return (GetKeyState(VK_LBUTTON) & 0x8000) != 0;
    }));
    EXPECT_EQ(DoDragDrop(&data, &dropSource, DROPEFFECT_COPY, &effect), DRAGDROP_S_DROP);
    person.join();
    OleUninitialize();
    DestroyWindow(folderWindow);

    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_COPY));
    const std::vector<std::string> expected = {"真的要加密" + file, "好吧，按下确认后，你必须等一下，别乱动哈！",
                                               "呼呼，累死我也，终于加密好了！"};
    EXPECT_EQ(texts, expected);
    EXPECT_EQ(windowText(control(FILE_SYMBOLS)), encodeSymbolText({'a', 'b', 'c'}));
    DeleteFileA(file.c_str());
}

TEST_F(DesktopProgram, SaveDialogCancelledThenConfirmedAndTheFileWritten) {
    click(control(DECRYPT_BUTTON));
    HWND box = waitForDialog("信息：");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(boxText(box), "您还没填解密目标路径呢！");
    answer(box, IDOK);

    const std::string target = path("target.bin");
    const HANDLE file = CreateFileA(target.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    CloseHandle(file);

    click(control(BROWSE_BUTTON));
    HWND dialog = waitForDialog(SAVE_DIALOG_TITLE);
    ASSERT_NE(dialog, nullptr);
    answer(dialog, IDCANCEL);
    EXPECT_EQ(windowText(control(TARGET_BOX)), "");

    click(control(BROWSE_BUTTON));
    dialog = waitForDialog(SAVE_DIALOG_TITLE);
    ASSERT_NE(dialog, nullptr);
    // The file name field is the dialog's only edit box (inside a combo
    // box in the explorer-style dialog).
    HWND nameField = nullptr;
    EnumChildWindows(
        dialog,
        [](HWND child, LPARAM found) -> BOOL {
            char className[16];
            GetClassNameA(child, className, sizeof className);
            if (lstrcmpiA(className, "Edit") != 0) {
                return TRUE;
            }
            *reinterpret_cast<HWND*>(found) = child;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&nameField));
    ASSERT_NE(nameField, nullptr);
    click(nameField);
    SendMessageA(nameField, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
    type(target);
    click(GetDlgItem(dialog, IDOK));
    // The file exists: the dialog asks before it may be replaced.
    HWND replace = nullptr;
    ASSERT_TRUE(waitFor([&] {
        for (HWND w = FindWindowExA(nullptr, nullptr, "#32770", nullptr); w; w = FindWindowExA(nullptr, w, "#32770", nullptr)) {
            DWORD owner = 0;
            GetWindowThreadProcessId(w, &owner);
            if (owner == process_.dwProcessId && w != dialog && IsWindowVisible(w) && GetDlgItem(w, IDYES)) {
                replace = w;
                return true;
            }
        }
        return false;
    })) << "no question before replacing";
    Sleep(300);
    answer(replace, IDYES);
    ASSERT_TRUE(waitFor([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); }));
    ASSERT_TRUE(waitFor([&] { return lstrcmpiA(windowText(control(TARGET_BOX)).c_str(), target.c_str()) == 0; }))
        << windowText(control(TARGET_BOX));

    // A pasted symbol text is written to the chosen file.
    const AnsiText symbols = encodeSymbolText({'a', 0, 'b', 0xFF});
    SendMessageA(control(FILE_SYMBOLS), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(symbols.c_str()));
    click(control(DECRYPT_BUTTON));
    box = waitForDialog("信息：");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(boxText(box), "呼呼，累死我也，终于解密好了！");
    answer(box, IDOK);

    char content[8] = {};
    DWORD got = 0;
    const HANDLE written = CreateFileA(target.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(written, INVALID_HANDLE_VALUE);
    ReadFile(written, content, sizeof content, &got, nullptr);
    CloseHandle(written);
    EXPECT_EQ(std::string(content, got), std::string("a\0b\xFF", 4));
}

}  // namespace
