// The labels' own class, without any skin: it paints its text on the
// button face and repaints when the text changes (the wait notice).
#include <windows.h>

#include <gtest/gtest.h>

#include "label_control.h"
#include "skin_install.h"

namespace {

class LabelControlTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(registerLabelClass(GetModuleHandleA(nullptr)));
        parent_ = CreateWindowExA(0, "Static", "", WS_POPUP | WS_VISIBLE, 0, 0, 200, 100, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(parent_, nullptr);
    }
    void TearDown() override { DestroyWindow(parent_); }

    HWND createLabel(const char* text) {
        return CreateWindowExA(0, SKIN_LABEL_CLASS, text, WS_CHILD | WS_VISIBLE | SS_LEFT, 0, 0, 120, 40, parent_,
                               nullptr, GetModuleHandleA(nullptr), nullptr);
    }

    // The label drawn into a bitmap: how many pixels are not button face.
    static int inkedPixels(HWND label) {
        RECT client;
        GetClientRect(label, &client);
        const HDC screen = GetDC(nullptr);
        const HDC dc = CreateCompatibleDC(screen);
        const HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
        const HGDIOBJ previous = SelectObject(dc, bitmap);
        RECT all = client;
        FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        SendMessageA(label, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
        int inked = 0;
        const COLORREF face = GetNearestColor(dc, GetSysColor(COLOR_BTNFACE));
        for (int y = 0; y < client.bottom; ++y) {
            for (int x = 0; x < client.right; ++x) {
                inked += GetPixel(dc, x, y) != face;
            }
        }
        SelectObject(dc, previous);
        DeleteObject(bitmap);
        DeleteDC(dc);
        ReleaseDC(nullptr, screen);
        return inked;
    }

    HWND parent_ = nullptr;
};

TEST_F(LabelControlTest, PaintsItsTextOnTheButtonFace) {
    EXPECT_EQ(inkedPixels(createLabel("")), 0);
    EXPECT_GT(inkedPixels(createLabel("等一下，正在加密……")), 20);
}

TEST_F(LabelControlTest, NewTextIsRepainted) {
    const HWND label = createLabel("");
    UpdateWindow(label);
    ASSERT_FALSE(GetUpdateRect(label, nullptr, FALSE));
    SetWindowTextA(label, "等一下，正在解密……");
    EXPECT_TRUE(GetUpdateRect(label, nullptr, FALSE));
}

TEST_F(LabelControlTest, KeepsTheFontItIsGiven) {
    const HWND label = createLabel("x");
    EXPECT_EQ(SendMessageA(label, WM_GETFONT, 0, 0), 0);
    const HGDIOBJ font = GetStockObject(DEFAULT_GUI_FONT);
    SendMessageA(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    EXPECT_EQ(SendMessageA(label, WM_GETFONT, 0, 0), reinterpret_cast<LRESULT>(font));
}

}  // namespace
