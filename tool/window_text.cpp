#include "window_text.h"

AnsiText readWindowText(HWND window) {
    const int length = GetWindowTextLengthA(window);
    if (length <= 0) {
        return {};
    }
    // GetWindowTextLengthA may overstate the length, never understate it.
    AnsiText text(static_cast<std::size_t>(length) + 1, '\0');
    const int copied = GetWindowTextA(window, text.data(), length + 1);
    text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    return text;
}
