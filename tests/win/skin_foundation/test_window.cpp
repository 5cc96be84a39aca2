#include "test_window.h"

TestWindowLog testWindowLog;

namespace {

constexpr char TEST_CLASS[] = "VarnotelSkinTestWindow";

LRESULT CALLBACK testWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    ++testWindowLog.messages;
    testWindowLog.lastMessage = message;
    if (message == TEST_QUERY)
        return TEST_ANSWER;
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

HWND createTestWindow(const char* title) {
    static const ATOM registered = [] {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = testWindowProc;
        windowClass.hInstance = GetModuleHandleA(NULL);
        windowClass.lpszClassName = TEST_CLASS;
        return RegisterClassA(&windowClass);
    }();
    (void)registered;
    return CreateWindowExA(0, TEST_CLASS, title, WS_OVERLAPPEDWINDOW, 0, 0, 200, 150, NULL, NULL,
                           GetModuleHandleA(NULL), NULL);
}
