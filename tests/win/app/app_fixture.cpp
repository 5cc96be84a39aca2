#include "app_fixture.h"

#include <ole2.h>

#include "platform_dialogs.h"
#include "window_text.h"

Script script;

namespace {

int WINAPI scriptedMessageBox(HWND owner, LPCSTR text, LPCSTR title, UINT flags) {
    const HWND notice = controlWindow(Control::标签9);
    script.messages.push_back({text, title, flags, owner, IsWindowVisible(notice) != FALSE, readWindowText(notice)});
    if (!script.answers.empty()) {
        const int answer = script.answers.front();
        script.answers.pop_front();
        return answer;
    }
    if ((flags & 0xF) != MB_OK) {
        ADD_FAILURE() << "unscripted question: " << text;
        return IDCANCEL;
    }
    return IDOK;
}

BOOL WINAPI scriptedSaveDialog(LPOPENFILENAMEA dialog) {
    script.dialogs.push_back({dialog->lpstrTitle ? dialog->lpstrTitle : "", dialog->lpstrFile, dialog->Flags,
                              dialog->hwndOwner, dialog->lpstrFilter != nullptr, dialog->lpstrDefExt != nullptr,
                              dialog->lpstrInitialDir != nullptr});
    if (script.dialogAnswers.empty()) {
        ADD_FAILURE() << "unscripted save dialog";
        return FALSE;
    }
    const std::optional<std::string> answer = script.dialogAnswers.front();
    script.dialogAnswers.pop_front();
    // A cancelled dialog may leave junk in the buffer; the program must not use it.
    const std::string written = answer ? *answer : std::string("C:\\cancelled");
    lstrcpynA(dialog->lpstrFile, written.c_str(), static_cast<int>(dialog->nMaxFile));
    return answer ? TRUE : FALSE;
}

// OLE for the drop receiver, once per test program.
class OleEnvironment : public testing::Environment {
public:
    void SetUp() override { ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr))); }
    void TearDown() override { OleUninitialize(); }
};
const auto* const oleEnvironment = testing::AddGlobalTestEnvironment(new OleEnvironment);

constexpr UINT PROBE_MESSAGE = WM_APP + 7;

struct ProbeSeen {
    bool dispatched = false;
    bool noticeVisible = false;
    std::string noticeText;
};

LRESULT CALLBACK probeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == PROBE_MESSAGE) {
        auto* seen = reinterpret_cast<ProbeSeen*>(GetWindowLongPtrA(window, GWLP_USERDATA));
        const HWND notice = controlWindow(Control::标签9);
        seen->dispatched = true;
        seen->noticeVisible = IsWindowVisible(notice) != FALSE;
        seen->noticeText = readWindowText(notice);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

ProbeSeen* seenOf(HWND window) {
    return reinterpret_cast<ProbeSeen*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

}  // namespace

std::string textOf(Control control) {
    return readWindowText(controlWindow(control));
}

void setText(Control control, const std::string& text) {
    ASSERT_TRUE(SetWindowTextA(controlWindow(control), text.c_str()));
}

bool visible(Control control) {
    return IsWindowVisible(controlWindow(control)) != FALSE;
}

PendingEventProbe::PendingEventProbe() {
    static const bool registered = [] {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = probeProc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "VarnotelTestProbe";
        return RegisterClassA(&windowClass) != 0;
    }();
    EXPECT_TRUE(registered);
    window_ = CreateWindowExA(0, "VarnotelTestProbe", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
    SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(new ProbeSeen));
    PostMessageA(window_, PROBE_MESSAGE, 0, 0);
}

PendingEventProbe::~PendingEventProbe() {
    delete seenOf(window_);
    DestroyWindow(window_);
}

bool PendingEventProbe::dispatched() const {
    return seenOf(window_)->dispatched;
}

bool PendingEventProbe::noticeVisible() const {
    return seenOf(window_)->noticeVisible;
}

std::string PendingEventProbe::noticeText() const {
    return seenOf(window_)->noticeText;
}

TempFolder::TempFolder() {
    char base[MAX_PATH];
    GetTempPathA(MAX_PATH, base);
    static int serial = 0;
    folder_ = std::string(base) + "varnotel-test-" + std::to_string(GetCurrentProcessId()) + "-" +
              std::to_string(++serial);
    CreateDirectoryA(folder_.c_str(), nullptr);
}

TempFolder::~TempFolder() {
    for (const std::string& name : names()) {
        const std::string file = path(name);
        SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (!DeleteFileA(file.c_str())) {
            RemoveDirectoryA(file.c_str());
        }
    }
    RemoveDirectoryA(folder_.c_str());
}

std::string TempFolder::path(const std::string& name) const {
    return folder_ + "\\" + name;
}

std::string TempFolder::write(const std::string& name, const std::string& content) const {
    const std::string file = path(name);
    const HANDLE handle = CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    EXPECT_NE(handle, INVALID_HANDLE_VALUE) << file << " error " << GetLastError();
    DWORD written = 0;
    WriteFile(handle, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    CloseHandle(handle);
    return file;
}

std::vector<std::string> TempFolder::names() const {
    std::vector<std::string> found;
    WIN32_FIND_DATAA entry;
    const HANDLE search = FindFirstFileA((folder_ + "\\*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) {
        return found;
    }
    do {
        const std::string name = entry.cFileName;
        if (name != "." && name != "..") {
            found.push_back(name);
        }
    } while (FindNextFileA(search, &entry));
    FindClose(search);
    return found;
}

std::optional<std::string> readFile(const std::string& path) {
    const HANDLE handle =
        CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    std::string content(GetFileSize(handle, nullptr), '\0');
    DWORD got = 0;
    ReadFile(handle, content.data(), static_cast<DWORD>(content.size()), &got, nullptr);
    CloseHandle(handle);
    content.resize(got);
    return content;
}

void AppTest::SetUpTestSuite() {
    platformDialogs = {scriptedMessageBox, scriptedSaveDialog};
    if (!mainWindow()) {
        ASSERT_NE(createMainWindow(GetModuleHandleA(nullptr), SW_SHOW), nullptr);
    }
}

void AppTest::SetUp() {
    ASSERT_NE(mainWindow(), nullptr);
    script = Script{};
    for (Control box : {Control::编辑框1, Control::编辑框2, Control::编辑框3, Control::编辑框4}) {
        setText(box, "");
    }
    ShowWindow(controlWindow(Control::标签9), SW_HIDE);
}
