// processPendingEvents dispatches what is queued and leaves WM_QUIT queued
// for the message loop.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "pending_events.h"

namespace {

std::vector<WPARAM> handled;

LRESULT CALLBACK recordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_APP) {
        handled.push_back(wParam);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

class PendingEvents : public testing::Test {
protected:
    void SetUp() override {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = recordingProc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "PendingEventsTest";
        RegisterClassA(&windowClass);
        window_ = CreateWindowA("PendingEventsTest", "", 0, 0, 0, 10, 10, HWND_MESSAGE, nullptr,
                                windowClass.hInstance, nullptr);
        ASSERT_NE(window_, nullptr);
        handled.clear();
    }
    void TearDown() override {
        DestroyWindow(window_);
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {}
    }
    HWND window_ = nullptr;
};

TEST_F(PendingEvents, DispatchesEverythingQueued) {
    for (WPARAM i = 1; i <= 3; ++i) PostMessageA(window_, WM_APP, i, 0);
    processPendingEvents();
    EXPECT_EQ(handled, (std::vector<WPARAM>{1, 2, 3}));
    MSG message;
    EXPECT_FALSE(PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE));
}

TEST_F(PendingEvents, StopsAtTheQuitMessageAndLeavesItQueued) {
    PostMessageA(window_, WM_APP, 1, 0);
    PostQuitMessage(7);
    processPendingEvents();
    EXPECT_EQ(handled, (std::vector<WPARAM>{1}));
    MSG message;
    ASSERT_TRUE(PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(message.message, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(message.wParam, 7u);
}

TEST_F(PendingEvents, MessagesPostedAfterTheQuitStayQueuedToo) {
    PostMessageA(window_, WM_QUIT, 3, 0);
    PostMessageA(window_, WM_APP, 2, 0);
    processPendingEvents();
    EXPECT_TRUE(handled.empty());
}

}  // namespace
