// The message table of the frame procedure (result, and whether the
// window's own procedure sees the message), activation, and the size
// handling with the rounded region and the restore mode.
#include <windows.h>

#include <gtest/gtest.h>

#include "frame.h"
#include "skin_test_support.h"
#include "window_props.h"

namespace {

class FrameMessages : public ::testing::Test {
protected:
    void SetUp() override {
        window = createFramedWindow(400, 300);
        clearPreviousProcLog();
    }
    void TearDown() override { DestroyWindow(window); }
    HWND window = nullptr;
};

TEST_F(FrameMessages, ConsumedAndForwardedMessages) {
    MemoryCanvas canvas(400, 300, RGB(0, 0, 0));
    RECT bounds{0, 0, 400, 300};
    struct Row {
        const char* name;
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        LRESULT result;
        bool passedOn;
    } rows[] = {
        {"WM_NCPAINT", WM_NCPAINT, 1, 0, 0, false},
        {"WM_NCCALCSIZE", WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&bounds), 0, false},
        {"WM_PAINT", WM_PAINT, 0, 0, 0, false},
        {"WM_ERASEBKGND", WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas.dc()), 0, 1, false},
        {"WM_SETTEXT", WM_SETTEXT, 0, reinterpret_cast<LPARAM>("title"), 0, true},
        {"WM_NCACTIVATE TRUE", WM_NCACTIVATE, TRUE, 0, 0, false},
        {"WM_NCACTIVATE FALSE", WM_NCACTIVATE, FALSE, 0, 1, false},
        {"WM_ACTIVATE", WM_ACTIVATE, WA_ACTIVE, 0, 0, false},
        {"WM_SIZE", WM_SIZE, SIZE_RESTORED, MAKELPARAM(394, 264), kPreviousProcResult, true},
        {"WM_NCHITTEST", WM_NCHITTEST, 0, screenPoint(window, 150, 150), HTCLIENT, false},
        {"0x00AE", 0x00AE, 0, 0, 0, false},
        {"WM_NCMOUSEMOVE", WM_NCMOUSEMOVE, HTCAPTION, 0, 0, false},
        {"WM_NCLBUTTONDOWN", WM_NCLBUTTONDOWN, HTCLOSE, 0, 0, false},
        {"WM_NCLBUTTONUP", WM_NCLBUTTONUP, HTCAPTION, 0, 0, false},
        {"WM_NCLBUTTONDBLCLK", WM_NCLBUTTONDBLCLK, HTCLOSE, 0, 0, false},
        {"any other message", kPlainMessage, 0, 0, kPreviousProcResult, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        clearPreviousProcLog();
        EXPECT_EQ(SendMessageA(window, row.message, row.wParam, row.lParam), row.result);
        EXPECT_EQ(previousProcSaw(window, row.message), row.passedOn);
    }
}

TEST_F(FrameMessages, DestroyFreesTheTitleBlockAndForwards) {
    const HGLOBAL block = reinterpret_cast<HGLOBAL>(readSkinProp(window, SkinProp::titleBlock));
    ASSERT_NE(GlobalSize(block), 0u);
    EXPECT_EQ(SendMessageA(window, WM_DESTROY, 0, 0), kPreviousProcResult);
    EXPECT_TRUE(previousProcSaw(window, WM_DESTROY));
    EXPECT_EQ(GlobalSize(block), 0u);
    writeSkinProp(window, SkinProp::titleBlock, 0);  // the real destruction must not free it again
}

TEST_F(FrameMessages, DoubleClickOnTheCaptionRunsTheDefaultMaximize) {
    EXPECT_EQ(SendMessageA(window, WM_NCLBUTTONDBLCLK, HTCAPTION, screenPoint(window, 100, 15)), 0);
    EXPECT_FALSE(previousProcSaw(window, WM_NCLBUTTONDBLCLK));
    EXPECT_TRUE(IsZoomed(window));
}

TEST_F(FrameMessages, ActivationStoresTheValueAndRepaintsOnChange) {
    struct Row {
        const char* name;
        UINT message;
        WPARAM wParam;
        LRESULT result;
        int stored;
        bool repaint;
        bool captureKept;
    } rows[] = {
        {"click activation stores 2", WM_ACTIVATE, WA_CLICKACTIVE, 0, 2, true, false},
        {"then WM_NCACTIVATE TRUE stores 1", WM_NCACTIVATE, TRUE, 0, 1, true, true},
        {"the same value again does not repaint", WM_NCACTIVATE, TRUE, 0, 1, false, true},
        {"WM_ACTIVATE keeps the low word only", WM_ACTIVATE, MAKEWPARAM(WA_ACTIVE, 1), 0, 1, false, true},
        {"deactivation proceeds", WM_NCACTIVATE, FALSE, 1, 0, true, false},
        {"WA_INACTIVE", WM_ACTIVATE, WA_INACTIVE, 0, 0, false, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        SetCapture(window);
        ASSERT_EQ(GetCapture(), window);
        PieceRecorder recorder;
        EXPECT_EQ(SendMessageA(window, row.message, row.wParam, 0), row.result);
        EXPECT_EQ(readSkinProp(window, SkinProp::active), row.stored);
        EXPECT_EQ(recorder.calls().size() >= 11, row.repaint);
        EXPECT_EQ(GetCapture() == window, row.captureKept);
        ReleaseCapture();
    }
}

TEST_F(FrameMessages, SizeRenewsTheRoundedRegion) {
    HRGN actual = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(window, actual), ERROR);
    HRGN expected = CreateRoundRectRgn(0, 0, 401, 301, 8, 9);
    HRGN difference = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(CombineRgn(difference, actual, expected, RGN_XOR), NULLREGION);
    DeleteObject(difference);
    DeleteObject(expected);
    DeleteObject(actual);
}

TEST_F(FrameMessages, SizeSwitchesTheRestoreMode) {
    struct Row {
        WPARAM kind;
        int before, after;
    } rows[] = {
        {SIZE_MAXIMIZED, 0, 1}, {SIZE_MINIMIZED, 0, 1}, {SIZE_RESTORED, 1, 0},
        {SIZE_MAXSHOW, 1, 1},   {SIZE_MAXSHOW, 0, 0},   {SIZE_MAXHIDE, 1, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.kind);
        writeSkinProp(window, SkinProp::restoreMode, row.before);
        SetWindowRgn(window, nullptr, FALSE);
        PieceRecorder recorder;
        clearPreviousProcLog();
        EXPECT_EQ(SendMessageA(window, WM_SIZE, row.kind, MAKELPARAM(394, 264)), kPreviousProcResult);
        EXPECT_TRUE(previousProcSaw(window, WM_SIZE));
        EXPECT_EQ(readSkinProp(window, SkinProp::restoreMode), row.after);
        HRGN region = CreateRectRgn(0, 0, 0, 0);
        EXPECT_NE(GetWindowRgn(window, region), ERROR) << "region renewed";
        DeleteObject(region);
        EXPECT_EQ(recorder.calls().size(), 3u) << "caption buttons repainted";
    }
}

TEST_F(FrameMessages, SizeOfAWindowWithoutCaptionOnlyForwards) {
    writeSkinProp(window, SkinProp::caption, 0);
    writeSkinProp(window, SkinProp::restoreMode, 0);
    SetWindowRgn(window, nullptr, FALSE);
    PieceRecorder recorder;
    EXPECT_EQ(SendMessageA(window, WM_SIZE, SIZE_MAXIMIZED, MAKELPARAM(394, 264)), kPreviousProcResult);
    EXPECT_EQ(readSkinProp(window, SkinProp::restoreMode), 0);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetWindowRgn(window, region), ERROR);
    DeleteObject(region);
    EXPECT_TRUE(recorder.calls().empty());
}

}  // namespace
