// Window properties, forwarding to the previous procedure, title blocks.
#include "test_window.h"
#include "window_props.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct NamedProp {
    const char* name;
    const char* cp936;  // the name's bytes after "Tov."
};

const NamedProp PROPS[] = {
    {SkinProp::closeButton, "\xB9\xD8\xB1\xD5\xB0\xB4\xC5\xA5"},
    {SkinProp::systemMenu, "\xCF\xB5\xCD\xB3\xB2\xCB\xB5\xA5"},
    {SkinProp::caption, "\xB1\xEA\xCC\xE2\xC0\xB8"},
    {SkinProp::maximizeButton, "\xD7\xEE\xB4\xF3\xBB\xAF\xB0\xB4\xC5\xA5"},
    {SkinProp::minimizeButton, "\xD7\xEE\xD0\xA1\xBB\xAF\xB0\xB4\xC5\xA5"},
    {SkinProp::titleBlock, "\xB4\xB0\xBF\xDA\xB1\xEA\xCC\xE2"},
    {SkinProp::icon, "\xCD\xBC\xB1\xEA\xBE\xE4\xB1\xFA"},
    {SkinProp::previousProc, "\xB4\xB0\xBF\xDA\xB9\xFD\xB3\xCC"},
    {SkinProp::timerRunning, "\xCA\xB1\xD6\xD3\xD7\xB4\xCC\xAC"},
    {SkinProp::restoreMode, "\xBB\xB9\xD4\xAD\xB0\xB4\xC5\xA5"},
    {SkinProp::active, "\xBC\xA4\xBB\xEE\xD7\xB4\xCC\xAC"},
    {SkinProp::buttonState, "\xB5\xB1\xC7\xB0\xD7\xB4\xCC\xAC"},
    {SkinProp::focus, "\xBD\xB9\xB5\xE3"},
    {SkinProp::mouseDown, "\xCA\xF3\xB1\xEA\xB0\xB4\xCF\xC2"},
};

class WindowProps : public ::testing::Test {
protected:
    void SetUp() override { window = createTestWindow("title"); }
    void TearDown() override { DestroyWindow(window); }
    HWND window = 0;
};

// Other programs' windows and the skin's own units meet on these bytes.
TEST(SkinPropNames, AreCodePage936BytesAfterTheTovPrefix) {
    for (const NamedProp& p : PROPS)
        EXPECT_EQ(std::string(p.name), std::string("Tov.") + p.cp936);
}

TEST_F(WindowProps, NeverSetPropertiesReadZeroAndEachNameHoldsItsOwnValue) {
    for (const NamedProp& p : PROPS)
        EXPECT_EQ(readSkinProp(window, p.name), 0) << p.cp936;

    LONG_PTR value = 1;
    for (const NamedProp& p : PROPS)
        writeSkinProp(window, p.name, value++);
    value = 1;
    for (const NamedProp& p : PROPS)
        EXPECT_EQ(readSkinProp(window, p.name), value++) << p.cp936;
}

TEST_F(WindowProps, HandleSizedValuesSurvive) {
    const LONG_PTR handleLike = static_cast<LONG_PTR>(0x7FFE1234);
    writeSkinProp(window, SkinProp::icon, handleLike);
    EXPECT_EQ(readSkinProp(window, SkinProp::icon), handleLike);
}

int skinProcMessages = 0;

LRESULT CALLBACK countingSkinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    ++skinProcMessages;
    return callPreviousProc(window, message, wParam, lParam);
}

TEST_F(WindowProps, SubclassedWindowForwardsToItsPreviousProcedure) {
    const LONG_PTR original = GetWindowLongPtrA(window, GWLP_WNDPROC);
    rememberPreviousProc(window);
    EXPECT_EQ(readSkinProp(window, SkinProp::previousProc), original);
    setSkinProc(window, countingSkinProc);

    skinProcMessages = 0;
    testWindowLog = {};
    EXPECT_EQ(SendMessageA(window, TEST_QUERY, 0, 0), TEST_ANSWER);
    EXPECT_EQ(skinProcMessages, 1);
    EXPECT_EQ(testWindowLog.lastMessage, TEST_QUERY);
}

TEST_F(WindowProps, WithoutASavedProcedureDefWindowProcAnswers) {
    testWindowLog = {};
    EXPECT_EQ(callPreviousProc(window, TEST_QUERY, 0, 0), 0);
    EXPECT_TRUE(callPreviousProc(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("set by default")));
    EXPECT_EQ(testWindowLog.messages, 0) << "the class procedure must not be reached";

    char text[32] = {};
    GetWindowTextA(window, text, sizeof text);
    EXPECT_STREQ(text, "set by default");
}

struct TitleCase {
    const char* name;
    std::string windowText;
    std::string stored;
};

TEST(TitleBlock, IsMadeFromTheWindowTextCutAt127Bytes) {
    const TitleCase cases[] = {
        {"empty", "", ""},
        {"short", "Varnotel 1.1", "Varnotel 1.1"},
        {"Chinese", "真的要加密", "真的要加密"},
        {"127 bytes fit", std::string(127, 'a'), std::string(127, 'a')},
        {"longer is cut", std::string(200, 'b'), std::string(127, 'b')},
    };
    for (const TitleCase& c : cases) {
        SCOPED_TRACE(c.name);
        HWND window = createTestWindow(c.windowText.c_str());
        HGLOBAL block = createTitleBlock(window);
        EXPECT_EQ(readTitleBlock(block), c.stored);
        EXPECT_GE(GlobalSize(block), c.stored.size() + 1);
        EXPECT_EQ(GlobalFlags(block) & GMEM_DISCARDED, 0u);
        EXPECT_NE(GlobalHandle(GlobalLock(block)), nullptr) << "a movable block";
        GlobalUnlock(block);
        GlobalFree(block);
        DestroyWindow(window);
    }
}

TEST(TitleBlock, RewriteKeepsTheHandleAndFitsEachNewText) {
    HWND window = createTestWindow("start");
    HGLOBAL block = createTitleBlock(window);
    const std::string longText(300, 'L');

    rewriteTitleBlock(block, longText.c_str());
    EXPECT_EQ(readTitleBlock(block), longText) << "a rewrite is not cut at 127 bytes";
    EXPECT_GE(GlobalSize(block), 301u);

    rewriteTitleBlock(block, "short");
    EXPECT_EQ(readTitleBlock(block), "short");
    EXPECT_LT(GlobalSize(block), 301u) << "the block shrinks with its text";

    rewriteTitleBlock(block, nullptr);
    EXPECT_EQ(readTitleBlock(block), "");
    EXPECT_GE(GlobalSize(block), 1u);

    GlobalFree(block);
    DestroyWindow(window);
}

TEST(TitleBlock, NoBlockReadsEmptyAndIsNotWritten) {
    EXPECT_EQ(readTitleBlock(0), "");
    rewriteTitleBlock(0, "nowhere");  // a window without a block: nothing happens
}

}  // namespace
