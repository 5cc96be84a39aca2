// Hidden top-level windows of a test class whose procedure counts the
// messages that reach it.
#pragma once

#include <windows.h>

struct TestWindowLog {
    int messages = 0;
    UINT lastMessage = 0;
};
extern TestWindowLog testWindowLog;

// The answer the test class gives to TEST_QUERY.
constexpr UINT TEST_QUERY = WM_APP + 1;
constexpr LRESULT TEST_ANSWER = 4711;

HWND createTestWindow(const char* title = "");
