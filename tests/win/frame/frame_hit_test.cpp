// The non-client hit test of a 300 x 80 framed window: every listed point,
// the maximized window, both side buttons unavailable, no system menu, and
// windows left of and above the screen.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "skin_test_support.h"
#include "window_props.h"

namespace {

// Every point of the inclusive rectangle x0, y0 .. x1, y1 (window-relative)
// gives `code`.
struct HitZone {
    int x0, y0, x1, y1;
    LRESULT code;
};

class FrameHitTest : public ::testing::Test {
protected:
    void SetUp() override {
        window = createFramedWindow(300, 80);
        icon = createSolidIcon(RGB(0, 255, 0));
        writeSkinProp(window, SkinProp::icon, reinterpret_cast<LONG_PTR>(icon));
    }
    void TearDown() override {
        DestroyWindow(window);
        DestroyIcon(icon);
    }
    LRESULT hitAt(int x, int y) { return SendMessageA(window, WM_NCHITTEST, 0, screenPoint(window, x, y)); }
    void expectZones(std::initializer_list<HitZone> zones) {
        for (const HitZone& zone : zones) {
            for (int y = zone.y0; y <= zone.y1; ++y)
                for (int x = zone.x0; x <= zone.x1; ++x)
                    ASSERT_EQ(hitAt(x, y), zone.code) << "at " << x << "," << y;
        }
    }
    HWND window = nullptr;
    HICON icon = nullptr;
};

TEST_F(FrameHitTest, WindowWithAllButtons) {
    expectZones({
        {0, 0, 0, 0, HTTOPLEFT},
        {10, 0, 10, 0, HTTOP},
        {287, 0, 287, 0, HTTOP},
        {291, 0, 291, 0, HTTOPRIGHT},
        {193, 0, 217, 18, HTMINBUTTON},
        {218, 0, 244, 18, HTMAXBUTTON},  // the boundary columns belong to the middle slot
        {245, 3, 286, 18, HTCLOSE},
        {200, 19, 200, 19, HTCLIENT},
        {8, 7, 23, 22, HTSYSMENU},
        {24, 10, 24, 10, HTCLIENT},
        {28, 7, 188, 30, HTCAPTION},
        {189, 20, 189, 20, HTCLIENT},
        {100, 6, 100, 6, HTCLIENT},
        {2, 10, 2, 10, HTLEFT},
        {2, 70, 2, 70, HTLEFT},
        {5, 70, 5, 70, HTBOTTOMLEFT},
        {298, 40, 298, 40, HTRIGHT},
        {150, 76, 150, 79, HTBOTTOM},
        {299, 79, 299, 79, HTBOTTOMRIGHT},
        {150, 40, 150, 40, HTCLIENT},
    });
}

TEST_F(FrameHitTest, WithoutIconThereIsNoSystemMenuZone) {
    writeSkinProp(window, SkinProp::icon, 0);
    expectZones({
        {8, 7, 23, 30, HTCAPTION},  // the drag area starts at 8
        {7, 20, 7, 20, HTCLIENT},
    });
}

TEST_F(FrameHitTest, MaximizedWindowHasNoResizeZones) {
    ShowWindow(window, SW_MAXIMIZE);
    ASSERT_TRUE(IsZoomed(window));
    RECT bounds;
    GetWindowRect(window, &bounds);
    const int W = bounds.right - bounds.left, H = bounds.bottom - bounds.top;
    expectZones({
        {0, 0, 0, 0, HTCLIENT},
        {W / 2, 0, W / 2, 0, HTCLIENT},
        {W - 1, 0, W - 1, 0, HTCLIENT},
        {2, 40, 2, 40, HTCLIENT},
        {W - 2, 40, W - 2, 40, HTCLIENT},
        {W / 2, H - 2, W / 2, H - 2, HTCLIENT},
        {0, H - 1, 0, H - 1, HTCLIENT},
        {W - 1, H - 1, W - 1, H - 1, HTCLIENT},
        {12, 12, 12, 12, HTSYSMENU},
        {100, 20, 100, 20, HTCAPTION},
        {W - 20, 5, W - 20, 5, HTCLOSE},
    });
}

TEST_F(FrameHitTest, OnlyTheCloseButtonWhenBothSideButtonsAreUnavailable) {
    writeSkinProp(window, SkinProp::minimizeButton, 3);
    writeSkinProp(window, SkinProp::maximizeButton, 3);
    expectZones({
        {244, 0, 285, 17, HTCLOSE},
        {286, 3, 286, 3, HTTOP},
        {250, 18, 250, 18, HTCLIENT},
        {200, 10, 239, 10, HTCAPTION},  // the drag area reaches x = 239
        {240, 10, 240, 10, HTCLIENT},
    });
}

TEST_F(FrameHitTest, WithoutSystemMenu) {
    writeSkinProp(window, SkinProp::systemMenu, 0);
    writeSkinProp(window, SkinProp::closeButton, 3);
    expectZones({
        {8, 7, 23, 22, HTCAPTION},      // no system-menu zone
        {295, 20, 299, 30, HTCAPTION},  // the drag area runs to the right edge
        {193, 0, 217, 18, HTMINBUTTON},  // the slots are still reported
        {218, 0, 244, 18, HTMAXBUTTON},
        {245, 0, 286, 18, HTCLOSE},
        {7, 20, 7, 20, HTCLIENT},
    });
}

TEST_F(FrameHitTest, NegativeScreenXIsSigned) {
    SetWindowPos(window, nullptr, -22, 100, 300, 80, SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_EQ(windowOrigin(window).x, -22);
    EXPECT_EQ(SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(static_cast<WORD>(-20), 140)), HTLEFT);
}

TEST_F(FrameHitTest, IconSquareOfAWindowAboveTheScreenTopSitsOnePixelLower) {
    // T + 7.5 is truncated toward zero: T + 7 for T >= -7, T + 8 below.
    SetWindowPos(window, nullptr, 100, -20, 300, 80, SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_EQ(windowOrigin(window).y, -20);
    expectZones({
        {8, 7, 8, 7, HTTOPLEFT},
        {8, 8, 23, 23, HTSYSMENU},
    });
    SetWindowPos(window, nullptr, 100, -7, 300, 80, SWP_NOZORDER | SWP_NOACTIVATE);
    expectZones({
        {8, 7, 23, 22, HTSYSMENU},
        {20, 23, 20, 23, HTCLIENT},
    });
}

}  // namespace
