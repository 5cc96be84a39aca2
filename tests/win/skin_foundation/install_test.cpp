// installSkin and the release of the skin, on the real sheet. installSkin
// runs once per process, so this program's tests build on each other and
// run in the order written (no shuffling).
#include "attach_recorder.h"
#include "skin_atlas.h"
#include "test_window.h"
#include "window_props.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

bool atlasIsZero(const SkinAtlas& atlas) {
    static const SkinAtlas zero{};
    return std::memcmp(&atlas, &zero, sizeof atlas) == 0;
}

bool isZero(const RECT& r) { return !r.left && !r.top && !r.right && !r.bottom; }

bool sameRect(const RECT& r, LONG x, LONG y, LONG w, LONG h) {
    return r.left == x && r.top == y && r.right == w && r.bottom == h;
}

HWND mainWindow = 0;
HICON bigIcon = 0;

TEST(InstallSkin, AtlasIsAllZeroUntilInstalled) {
    allocateSkinAtlas();
    ASSERT_NE(skinAtlas, nullptr);
    EXPECT_TRUE(atlasIsZero(*skinAtlas));
    EXPECT_EQ(skinInstalled, 0u);
    EXPECT_EQ(skinSheetDC, nullptr);
}

// The main window has only a big icon: the fallback must find it.
TEST(InstallSkin, FirstCallSetsUpSheetAtlasAndIconThenAttaches) {
    mainWindow = createTestWindow("Varnotel 1.1");
    bigIcon = LoadIconA(NULL, IDI_WARNING);
    SendMessageA(mainWindow, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon));

    installSkin(mainWindow);

    EXPECT_EQ(skinInstalled, 1u);
    EXPECT_EQ(skinMainWindow, mainWindow);
    EXPECT_EQ(skinMainIcon, bigIcon);
    EXPECT_EQ(attachCalls, 1);
    EXPECT_EQ(attachedWindow, mainWindow);

    ASSERT_NE(skinSheetDC, nullptr);
    EXPECT_EQ(GetObjectType(skinSheetDC), static_cast<DWORD>(OBJ_MEMDC));
    BITMAP sheet{};
    GetObjectA(GetCurrentObject(skinSheetDC, OBJ_BITMAP), sizeof sheet, &sheet);
    EXPECT_EQ(sheet.bmWidth, 218);
    EXPECT_EQ(sheet.bmHeight, 342);
    EXPECT_EQ(skinBackgroundColor, 0xF3E1CAu);
}

TEST(InstallSkin, AtlasHoldsTheFixedValues) {
    SkinAtlas expected{};
    fillSkinAtlas(expected);
    EXPECT_EQ(std::memcmp(skinAtlas, &expected, sizeof expected), 0);

    const FrameSkin& f = skinAtlas->frame;
    // The frame's layout comes from these sizes: 3, 31, 3, 5.
    EXPECT_TRUE(sameRect(f.leftBorder.active.source, 41, 217, 3, 14));
    EXPECT_TRUE(sameRect(f.caption.active.source, 0, 31, 169, 31));
    EXPECT_TRUE(sameRect(f.caption.active.margins, 46, 7, 53, 0));
    EXPECT_TRUE(sameRect(f.caption.inactive.margins, 42, 7, 46, 0));
    EXPECT_TRUE(sameRect(f.rightBorder.active.source, 215, 81, 3, 14));
    EXPECT_TRUE(sameRect(f.bottomBorder.active.source, 193, 26, 24, 5));
    EXPECT_TRUE(sameRect(f.closeButton.dimmed, 169, 31, 42, 18));
    EXPECT_TRUE(sameRect(f.backgroundSample, 37, 155, 20, 20));
    EXPECT_TRUE(sameRect(skinAtlas->scrollBar.sizeGrip.margins, 208, 49, 10, 10));
    EXPECT_TRUE(sameRect(skinAtlas->pushButton.hot.margins, 5, 5, 5, 4));
    EXPECT_TRUE(sameRect(skinAtlas->scrollBar.vertical.button3.hot.margins, 3, 3, 3, 3));
    EXPECT_TRUE(sameRect(skinAtlas->scrollBar.vertical.button1.hot.margins, 2, 2, 2, 2));
    EXPECT_EQ(skinAtlas->textColor, 0x800000u);
    EXPECT_EQ(skinAtlas->pushButton.textColor, 0x800000u);
    EXPECT_EQ(skinAtlas->checkBox.checked.textColor, 0u);
}

TEST(InstallSkin, FrameColourKeysAreZeroOnlyForSidesAndMaximize) {
    const FrameSkin& f = skinAtlas->frame;
    struct Key { const char* name; COLORREF actual; COLORREF expected; };
    const Key keys[] = {
        {"leftBorder", f.leftBorder.transparentColor, 0},
        {"rightBorder", f.rightBorder.transparentColor, 0},
        {"maximizeButton", f.maximizeButton.transparentColor, 0},
        {"caption", f.caption.transparentColor, 0xFF00FF},
        {"bottomBorder", f.bottomBorder.transparentColor, 0xFF00FF},
        {"minimizeButton", f.minimizeButton.transparentColor, 0xFF00FF},
        {"closeButton", f.closeButton.transparentColor, 0xFF00FF},
        {"restoreButton", f.restoreButton.transparentColor, 0xFF00FF},
        {"pushButton", skinAtlas->pushButton.transparentColor, 0xFF00FF},
        {"scrollBar", skinAtlas->scrollBar.transparentColor, 0xFF00FF},
        {"scrollBar.horizontal.track", skinAtlas->scrollBar.horizontal.track.transparentColor, 0},
    };
    for (const Key& k : keys)
        EXPECT_EQ(k.actual, k.expected) << k.name;
}

TEST(InstallSkin, UnfilledMembersStayZero) {
    const SkinAtlas& a = *skinAtlas;
    std::vector<const RECT*> zero = {&a.checkBox.checked.pressed.source, &a.scrollBar.sizeGrip.source};
    for (const ScrollBarParts* parts : {&a.scrollBar.horizontal, &a.scrollBar.vertical})
        for (const StateSkin* part : {&parts->button1, &parts->button2, &parts->track, &parts->button3}) {
            zero.push_back(&part->focused.source);
            zero.push_back(&part->focused.margins);
        }
    for (const ToggleSkin* toggle : {&a.checkBox, &a.radioButton})
        for (const StateSkin* set : {&toggle->unchecked, &toggle->checked})
            for (int i = 0; i < 5; ++i)
                zero.push_back(&stateSkinPiece(*set, i).margins);
    for (std::size_t i = 0; i < zero.size(); ++i)
        EXPECT_TRUE(isZero(*zero[i])) << "member " << i;
}

TEST(InstallSkin, SecondCallChangesNothing) {
    const SkinAtlas atlasBefore = *skinAtlas;
    const HDC dcBefore = skinSheetDC;
    const HHOOK hookBefore = skinHook;
    HWND other = createTestWindow("other");
    SendMessageA(other, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(LoadIconA(NULL, IDI_APPLICATION)));

    for (HWND window : {mainWindow, other})
        installSkin(window);

    EXPECT_EQ(std::memcmp(skinAtlas, &atlasBefore, sizeof atlasBefore), 0);
    EXPECT_EQ(skinSheetDC, dcBefore);
    EXPECT_EQ(skinHook, hookBefore);
    EXPECT_EQ(skinMainWindow, mainWindow);
    EXPECT_EQ(skinMainIcon, bigIcon);
    EXPECT_EQ(skinBackgroundColor, 0xF3E1CAu);
    EXPECT_EQ(attachCalls, 1);
    DestroyWindow(other);
}

bool isFreed(HGLOBAL block) { return GlobalFlags(block) == GMEM_INVALID_HANDLE; }

HGLOBAL giveTitleBlock(HWND window) {
    HGLOBAL block = createTitleBlock(window);
    writeSkinProp(window, SkinProp::titleBlock, reinterpret_cast<LONG_PTR>(block));
    return block;
}

TEST(ReleaseFrameSkin, AnotherWindowFreesOnlyItsOwnTitleBlock) {
    HWND dialog = createTestWindow("dialog");
    HGLOBAL dialogBlock = giveTitleBlock(dialog);
    HGLOBAL mainBlock = giveTitleBlock(mainWindow);
    const HHOOK hook = skinHook;
    const HDC sheet = skinSheetDC;

    releaseFrameSkin(dialog);

    EXPECT_TRUE(isFreed(dialogBlock));
    EXPECT_EQ(readSkinProp(dialog, SkinProp::titleBlock), 0) << "no handle left to a freed block";
    EXPECT_EQ(readTitleBlock(mainBlock), "Varnotel 1.1");
    EXPECT_EQ(skinHook, hook);
    EXPECT_EQ(skinSheetDC, sheet);
    EXPECT_EQ(GetObjectType(sheet), static_cast<DWORD>(OBJ_MEMDC));
    DestroyWindow(dialog);
}

// Last: the main window takes the hook and the sheet with it.
TEST(ReleaseFrameSkin, MainWindowRemovesHookAndSheet) {
    HGLOBAL mainBlock = reinterpret_cast<HGLOBAL>(readSkinProp(mainWindow, SkinProp::titleBlock));
    const HHOOK hook = skinHook;
    const HDC sheet = skinSheetDC;
    const HGDIOBJ sheetBitmap = GetCurrentObject(sheet, OBJ_BITMAP);
    ASSERT_NE(hook, nullptr);

    releaseFrameSkin(mainWindow);

    EXPECT_TRUE(isFreed(mainBlock));
    EXPECT_FALSE(UnhookWindowsHookEx(hook)) << "the hook is gone already";
    EXPECT_EQ(GetObjectType(sheet), 0u) << "the sheet DC is deleted";
    EXPECT_EQ(GetObjectType(sheetBitmap), 0u) << "and its bitmap with it";
    EXPECT_EQ(skinSheetDC, nullptr);
    EXPECT_EQ(skinHook, nullptr);
    EXPECT_EQ(skinInstalled, 1u) << "the skin is never installed twice";

    // Skinned windows still forward as before.
    EXPECT_EQ(callPreviousProc(mainWindow, TEST_QUERY, 0, 0), 0);
    DestroyWindow(mainWindow);
    freeSkinAtlas();
    EXPECT_EQ(skinAtlas, nullptr);
}

}  // namespace
