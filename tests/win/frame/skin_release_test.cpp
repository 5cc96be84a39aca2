// The end of the skin: another framed window's WM_DESTROY leaves the hook
// and the sheet in place; the main window's WM_DESTROY takes both, so later
// windows are not skinned while skinned ones keep forwarding.
#include <windows.h>

#include <gtest/gtest.h>

#include "frame.h"
#include "skin_atlas.h"
#include "skin_test_support.h"
#include "window_props.h"

namespace {

bool isSkinned(HWND window) {
    return readSkinProp(window, SkinProp::previousProc) != 0;
}

HWND createTopLevel() {
    return CreateWindowExA(0, "WTWindow", "Later", WS_OVERLAPPEDWINDOW, 100, 100, 300, 200, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

TEST(SkinRelease, OnlyTheMainWindowTakesTheHookAndTheSheet) {
    HWND mainWindow = ensureSkinInstalled();
    HWND survivor = createTopLevel();
    ASSERT_TRUE(isSkinned(survivor));

    HWND other = createTopLevel();
    const HGLOBAL otherBlock = reinterpret_cast<HGLOBAL>(readSkinProp(other, SkinProp::titleBlock));
    const HGLOBAL survivorBlock = reinterpret_cast<HGLOBAL>(readSkinProp(survivor, SkinProp::titleBlock));
    DestroyWindow(other);
    EXPECT_EQ(GlobalSize(otherBlock), 0u) << "its own title block is freed";
    EXPECT_NE(GlobalSize(survivorBlock), 0u);
    EXPECT_EQ(GetObjectType(skinSheetDC), static_cast<DWORD>(OBJ_MEMDC));
    HWND stillSkinned = createTopLevel();
    EXPECT_TRUE(isSkinned(stillSkinned)) << "the hook stays";
    DestroyWindow(stillSkinned);

    const HDC sheet = skinSheetDC;
    DestroyWindow(mainWindow);
    EXPECT_EQ(GetObjectType(sheet), 0u) << "the sheet DC is deleted";
    HWND afterwards = createTopLevel();
    EXPECT_FALSE(isSkinned(afterwards));
    EXPECT_NE(GetWindowLongPtrA(afterwards, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(frameSkinProc));
    HWND button = CreateWindowExA(0, "Button", "", WS_CHILD | BS_PUSHBUTTON, 0, 0, 50, 20, afterwards, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    EXPECT_FALSE(isSkinned(button));

    clearPreviousProcLog();
    EXPECT_EQ(SendMessageA(survivor, kPlainMessage, 0, 0), kPreviousProcResult);
    EXPECT_TRUE(previousProcSaw(survivor, kPlainMessage)) << "a skinned window keeps forwarding";
    DestroyWindow(afterwards);
    DestroyWindow(survivor);
}

}  // namespace
