#include "label_control.h"

#include "skin_install.h"
#include "window_text.h"

namespace {

// The font given with WM_SETFONT lives in the window's extra bytes.
constexpr int FONT_SLOT = 0;

HFONT labelFont(HWND label) {
    const auto font = reinterpret_cast<HFONT>(GetWindowLongPtrA(label, FONT_SLOT));
    return font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

// Button face, then the text from the top-left corner, broken at its own
// line breaks and wrapped at the client width.
void paintLabel(HWND label, HDC dc) {
    RECT client;
    GetClientRect(label, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    const AnsiText text = readWindowText(label);
    if (text.empty()) {
        return;
    }
    const HGDIOBJ previousFont = SelectObject(dc, labelFont(label));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &client, DT_WORDBREAK);
    SelectObject(dc, previousFont);
}

LRESULT CALLBACK labelProc(HWND label, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        const HDC dc = BeginPaint(label, &paint);
        paintLabel(label, dc);
        EndPaint(label, &paint);
        return 0;
    }
    case WM_PRINTCLIENT:
        paintLabel(label, reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_ERASEBKGND:
        return 1;  // the paint fills the whole label
    case WM_SETFONT:
        SetWindowLongPtrA(label, FONT_SLOT, static_cast<LONG_PTR>(wParam));
        if (LOWORD(lParam)) {
            InvalidateRect(label, nullptr, FALSE);
        }
        return 0;
    case WM_GETFONT:
        return GetWindowLongPtrA(label, FONT_SLOT);
    case WM_SETTEXT: {
        // A child without a caption is not repainted by the default.
        const LRESULT result = DefWindowProcA(label, message, wParam, lParam);
        InvalidateRect(label, nullptr, FALSE);
        return result;
    }
    default:
        return DefWindowProcA(label, message, wParam, lParam);
    }
}

}  // namespace

bool registerLabelClass(HINSTANCE instance) {
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = labelProc;
    windowClass.cbWndExtra = sizeof(LONG_PTR);
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.lpszClassName = SKIN_LABEL_CLASS;
    return RegisterClassExA(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}
