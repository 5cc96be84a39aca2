// Shows a dialog with check boxes, radio buttons, labels and push buttons
// in the full skin, for looking at the control skins (screenshots). A
// hidden main window carries the skin installation; the dialog is created
// from an in-memory template and skinned by the thread hook.
//   skinned_dialog_demo [seconds]   closes itself after that long (default 30)
#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "skin_atlas.h"

namespace {

constexpr char demoMainClass[] = "WTWindow";

// Builds a DLGTEMPLATE with its items, WORD- and DWORD-aligned as the
// dialog manager reads it.
class DialogTemplate {
public:
    DialogTemplate(const char* caption, short width, short height) {
        DLGTEMPLATE header = {};
        header.style = DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE;
        header.cx = width;
        header.cy = height;
        append(&header, sizeof header);
        word(0);  // no menu
        word(0);  // the dialog class
        text(caption);
        word(9);  // point size
        text("MS Shell Dlg");
    }

    void item(WORD id, WORD systemClass, DWORD style, short x, short y, short cx, short cy,
              const char* caption) {
        align(4);
        DLGITEMTEMPLATE entry = {};
        entry.style = WS_CHILD | WS_VISIBLE | style;
        entry.x = x;
        entry.y = y;
        entry.cx = cx;
        entry.cy = cy;
        entry.id = id;
        append(&entry, sizeof entry);
        word(0xFFFF);
        word(systemClass);
        text(caption);
        word(0);  // no creation data
        ++reinterpret_cast<DLGTEMPLATE*>(bytes_.data())->cdit;
    }

    const DLGTEMPLATE* get() const { return reinterpret_cast<const DLGTEMPLATE*>(bytes_.data()); }

private:
    void append(const void* data, size_t size) {
        const auto* p = static_cast<const BYTE*>(data);
        bytes_.insert(bytes_.end(), p, p + size);
    }
    void word(WORD value) { append(&value, sizeof value); }
    void text(const char* ansi) {
        int length = MultiByteToWideChar(CP_ACP, 0, ansi, -1, nullptr, 0);
        std::wstring wide(length, L'\0');
        MultiByteToWideChar(CP_ACP, 0, ansi, -1, wide.data(), length);
        append(wide.data(), length * sizeof(wchar_t));
    }
    void align(size_t to) {
        while (bytes_.size() % to) bytes_.push_back(0);
    }

    std::vector<BYTE> bytes_;
};

constexpr WORD buttonClass = 0x0080, staticClass = 0x0082;

INT_PTR CALLBACK demoDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        CheckDlgButton(dialog, 101, BST_CHECKED);
        CheckRadioButton(dialog, 201, 202, 201);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) DestroyWindow(dialog);
        return TRUE;
    case WM_DESTROY:
        PostQuitMessage(0);
        return TRUE;
    }
    return FALSE;
}

}  // namespace

int main(int argc, char** argv) {
    const UINT seconds = argc > 1 ? static_cast<UINT>(std::atoi(argv[1])) : 30;
    HINSTANCE instance = GetModuleHandleA(nullptr);
    allocateSkinAtlas();

    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = instance;
    wc.lpszClassName = demoMainClass;
    RegisterClassA(&wc);
    HWND main = CreateWindowExA(0, demoMainClass, "demo", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
                                0, 0, 100, 100, nullptr, nullptr, instance, nullptr);
    installSkin(main);

    DialogTemplate dialog("复选框和单选按钮", 200, 120);
    dialog.item(101, buttonClass, BS_AUTOCHECKBOX | WS_TABSTOP, 10, 10, 120, 12, "已选的复选框");
    dialog.item(102, buttonClass, BS_AUTOCHECKBOX | WS_TABSTOP, 10, 26, 120, 12, "未选的复选框");
    dialog.item(201, buttonClass, BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, 10, 46, 120, 12,
                "已选的单选按钮");
    dialog.item(202, buttonClass, BS_AUTORADIOBUTTON, 10, 62, 120, 12, "未选的单选按钮");
    dialog.item(301, staticClass, SS_LEFT, 10, 80, 180, 10, "标签：背景色与文字色来自皮肤");
    dialog.item(IDOK, buttonClass, BS_DEFPUSHBUTTON | WS_TABSTOP, 84, 98, 50, 14, "确定");
    dialog.item(IDCANCEL, buttonClass, BS_PUSHBUTTON | WS_TABSTOP, 140, 98, 50, 14, "取消");
    HWND shown = CreateDialogIndirectParamA(instance, dialog.get(), main, demoDialogProc, 0);
    if (!shown) return 1;
    SetWindowPos(shown, HWND_TOP, 40, 40, 0, 0, SWP_NOSIZE);
    SetTimer(nullptr, 0, seconds * 1000, nullptr);

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (message.message == WM_TIMER && !message.hwnd) break;
        if (!IsDialogMessageA(shown, &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    return 0;
}
