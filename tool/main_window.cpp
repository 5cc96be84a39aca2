#include "main_window.h"

#include <cstring>
#include <new>

#include "drop_target.h"
#include "file_workflows.h"
#include "label_control.h"
#include "main_window_layout.h"
#include "platform_dialogs.h"
#include "skin_atlas.h"
#include "ui_texts.h"

namespace {

HWND theMainWindow;
HWND controls[static_cast<int>(Control::count)];
IDropTarget* dropReceiver;

// Command identifiers of the controls: the row index plus this base.
constexpr int FIRST_CONTROL_ID = 100;

// A handler that runs out of memory says so instead of taking the
// program down.
template <typename Handler>
void runHandler(Handler handler) {
    try {
        handler();
    } catch (const std::bad_alloc&) {
        showMessage(UiText::outOfMemory, MB_OK | MB_ICONEXCLAMATION);
    }
}

void dropReceived(const AnsiText& droppedText) {
    runHandler([&] { fileDropped(droppedText); });
}

void clicked(int commandId) {
    const int row = commandId - FIRST_CONTROL_ID;
    if (row >= 0 && row < static_cast<int>(Control::count) && CONTROL_LAYOUT[row].onClick) {
        runHandler(CONTROL_LAYOUT[row].onClick);
    }
}

LRESULT CALLBACK mainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND: {
        RECT client;
        GetClientRect(window, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, GetSysColorBrush(COLOR_BTNFACE));
        return 1;
    }
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED && lParam != 0) {
            clicked(LOWORD(wParam));
            return 0;
        }
        break;
    case WM_DESTROY:
        RevokeDragDrop(controls[static_cast<int>(Control::标签4)]);
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

bool registerMainWindowClass(HINSTANCE instance) {
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    windowClass.lpfnWndProc = mainWindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.lpszClassName = MAIN_WINDOW_CLASS;
    return RegisterClassExA(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

void setIcons(HWND window, HINSTANCE instance) {
    const auto loadIcon = [instance](int size) {
        return reinterpret_cast<LPARAM>(LoadImageA(instance, "DEFAULT_ICON", IMAGE_ICON, size, size, LR_SHARED));
    };
    SendMessageA(window, WM_SETICON, ICON_BIG, loadIcon(GetSystemMetrics(SM_CXICON)));
    SendMessageA(window, WM_SETICON, ICON_SMALL, loadIcon(GetSystemMetrics(SM_CXSMICON)));
}

void createControls(HWND window, HINSTANCE instance) {
    const auto font = reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT));
    SendMessageA(window, WM_SETFONT, font, FALSE);
    for (int row = 0; row < static_cast<int>(Control::count); ++row) {
        const ControlLayout& layout = CONTROL_LAYOUT[row];
        const HWND control = CreateWindowExA(
            layout.extendedStyle, layout.className, layout.text, layout.style, layout.x, layout.y,
            layout.width, layout.height, window,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(FIRST_CONTROL_ID + row)), instance, nullptr);
        SendMessageA(control, WM_SETFONT, font, FALSE);
        // The default limit of an edit box is far below what a file's
        // symbol text needs.
        if (std::strcmp(layout.className, EDIT_CLASS) == 0) {
            SendMessageA(control, EM_LIMITTEXT, 0, 0);
        }
        controls[static_cast<int>(layout.control)] = control;
    }
}

}  // namespace

HWND createMainWindow(HINSTANCE instance, int showCommand) {
    if (!registerMainWindowClass(instance) || !registerLabelClass(instance)) {
        return nullptr;
    }
    const int left = (GetSystemMetrics(SM_CXSCREEN) - MAIN_WINDOW_WIDTH) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - MAIN_WINDOW_HEIGHT) / 2;
    // Made hidden and shown once complete, so the skin's growing of the
    // frame happens before anything is seen.
    theMainWindow = CreateWindowExA(0, MAIN_WINDOW_CLASS, UiText::windowCaption, MAIN_WINDOW_STYLE, left, top,
                                    MAIN_WINDOW_WIDTH, MAIN_WINDOW_HEIGHT, nullptr, nullptr, instance, nullptr);
    if (!theMainWindow) {
        return nullptr;
    }
    setIcons(theMainWindow, instance);
    createControls(theMainWindow, instance);
    mainWindowCreated();
    ShowWindow(theMainWindow, showCommand);
    UpdateWindow(theMainWindow);
    return theMainWindow;
}

HWND mainWindow() {
    return theMainWindow;
}

HWND controlWindow(Control control) {
    return controls[static_cast<int>(control)];
}

void mainWindowCreated() {
    installSkin(theMainWindow);
    if (!dropReceiver) {
        dropReceiver = createFileDropTarget(dropReceived);
    }
    // A failed registration leaves a drop zone that does nothing.
    RegisterDragDrop(controlWindow(Control::标签4), dropReceiver);
}

IDropTarget* fileDropReceiver() {
    return dropReceiver;
}
