// The live main window against the layout the program promises: classes,
// styles, positions, texts, visibility, centring, icon and font.
#include "app_fixture.h"

#include <ole2.h>

#include "skin_install.h"

namespace {

constexpr char DROP_ZONE[] =
    "---------------------------\r\n"
    "|                         |\r\n"
    "|         拖进来！        |\r\n"
    "|                         |\r\n"
    "---------------------------";

// The bits a row fixes: the child and tab-stop flags, the scroll bars, a
// border, the disabled flag and the whole control-specific low word.
constexpr DWORD CHECKED_STYLE = WS_CHILD | WS_TABSTOP | WS_HSCROLL | WS_VSCROLL | WS_BORDER | WS_DISABLED | 0xFFFF;
constexpr DWORD CHECKED_EXTENDED = WS_EX_CLIENTEDGE | WS_EX_STATICEDGE;

constexpr DWORD LABEL = WS_CHILD | SS_LEFT;
constexpr DWORD BUTTON = WS_CHILD | WS_TABSTOP | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE;
constexpr DWORD WRAPPING_BOX = WS_CHILD | WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;

struct ExpectedControl {
    Control control;
    const char* name;
    const char* className;
    DWORD style;
    DWORD extendedStyle;
    int x, y, width, height;
    const char* text;
    bool visible;
};

const ExpectedControl EXPECTED[] = {
    {Control::图片框1, "图片框1", "WTLabel", LABEL, WS_EX_STATICEDGE, 328, 0, 8, 384, "", true},
    {Control::标签9, "标签9", "WTLabel", LABEL, 0, 352, 344, 288, 32, "", false},
    {Control::按钮4, "按钮4", "Button", BUTTON, 0, 352, 296, 288, 40, "开始解密", true},
    {Control::按钮3, "按钮3", "Button", BUTTON, 0, 592, 264, 48, 24, "浏览", true},
    {Control::编辑框4, "编辑框4", "Edit", WS_CHILD | WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, 352, 264, 232, 24,
     "", true},
    {Control::标签8, "标签8", "WTLabel", LABEL, 0, 352, 240, 280, 24, "解密目标路径↓  欲解密的内容写在上面↑", true},
    {Control::标签7, "标签7", "WTLabel", LABEL, 0, 224, 192, 40, 16, "←解密", true},
    {Control::标签6, "标签6", "WTLabel", LABEL, 0, 48, 192, 40, 16, "加密→", true},
    {Control::按钮2, "按钮2", "Button", BUTTON, 0, 192, 184, 24, 32, "↑", true},
    {Control::按钮1, "按钮1", "Button", BUTTON, 0, 88, 184, 24, 32, "↓", true},
    {Control::标签5, "标签5", "WTLabel", LABEL, 0, 360, 120, 264, 16, "下面是加密结果↓（厉害吧，文件加密成文本^_^)",
     true},
    {Control::编辑框3, "编辑框3", "Edit", WRAPPING_BOX | ES_AUTOHSCROLL | WS_HSCROLL | WS_VSCROLL, WS_EX_CLIENTEDGE,
     352, 144, 280, 88, "", true},
    {Control::标签4, "标签4", "WTLabel", LABEL, 0, 352, 56, 168, 64, DROP_ZONE, true},
    {Control::标签3, "标签3", "WTLabel", LABEL, 0, 344, 32, 304, 16,
     "请把欲加密的文件拖入这里↓只适合加密一些文档等文件", true},
    {Control::编辑框2, "编辑框2", "Edit", WRAPPING_BOX, WS_EX_CLIENTEDGE, 8, 216, 312, 160, "", true},
    {Control::编辑框1, "编辑框1", "Edit", WRAPPING_BOX, WS_EX_CLIENTEDGE, 8, 24, 312, 160, "", true},
    {Control::标签2, "标签2", "WTLabel", LABEL, 0, 8, 8, 232, 16, "加/解密文本：", true},
    {Control::标签1, "标签1", "WTLabel", LABEL, 0, 344, 8, 232, 16, "加/解密文件：", true},
};

constexpr UINT WINDOW_CLASS_STYLE = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;

class MainWindowTest : public AppTest {};

TEST_F(MainWindowTest, EveryControlHasItsClassStyleRectangleTextAndVisibility) {
    ASSERT_EQ(std::size(EXPECTED), static_cast<std::size_t>(Control::count));
    for (const ExpectedControl& expected : EXPECTED) {
        SCOPED_TRACE(expected.name);
        const HWND control = controlWindow(expected.control);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(GetParent(control), mainWindow());
        char className[64];
        GetClassNameA(control, className, sizeof className);
        EXPECT_STRCASEEQ(className, expected.className);
        const auto style = static_cast<DWORD>(GetWindowLongPtrA(control, GWL_STYLE));
        EXPECT_EQ(style & CHECKED_STYLE, expected.style) << std::hex << style;
        const auto extended = static_cast<DWORD>(GetWindowLongPtrA(control, GWL_EXSTYLE));
        EXPECT_EQ(extended & CHECKED_EXTENDED, expected.extendedStyle) << std::hex << extended;
        RECT rect;
        GetWindowRect(control, &rect);
        MapWindowPoints(nullptr, mainWindow(), reinterpret_cast<POINT*>(&rect), 2);
        EXPECT_EQ(rect.left, expected.x);
        EXPECT_EQ(rect.top, expected.y);
        EXPECT_EQ(rect.right - rect.left, expected.width);
        EXPECT_EQ(rect.bottom - rect.top, expected.height);
        EXPECT_EQ(textOf(expected.control), expected.text);
        EXPECT_EQ(IsWindowVisible(control) != FALSE, expected.visible);
        EXPECT_TRUE(IsWindowEnabled(control));
        EXPECT_EQ(SendMessageA(control, WM_GETFONT, 0, 0), reinterpret_cast<LRESULT>(GetStockObject(DEFAULT_GUI_FONT)));
    }
}

TEST_F(MainWindowTest, EditBoxesHaveNoLengthLimitOfTheirOwn) {
    for (Control box : {Control::编辑框1, Control::编辑框2, Control::编辑框3, Control::编辑框4}) {
        EXPECT_GE(SendMessageA(controlWindow(box), EM_GETLIMITTEXT, 0, 0), 0x7FFFFFFE);
    }
}

TEST_F(MainWindowTest, WindowIsCentredWithTheFixedFrameAndCloseButtonOnly) {
    const HWND window = mainWindow();
    char className[64];
    GetClassNameA(window, className, sizeof className);
    EXPECT_STREQ(className, "WTWindow");
    char caption[64];
    GetWindowTextA(window, caption, sizeof caption);
    EXPECT_STREQ(caption, "Varnotel 1.1");

    const auto style = static_cast<DWORD>(GetWindowLongPtrA(window, GWL_STYLE));
    for (DWORD present : {WS_CAPTION, WS_SYSMENU, WS_CLIPCHILDREN, WS_VISIBLE}) {
        EXPECT_EQ(style & present, present) << std::hex << present;
    }
    for (DWORD absent : {WS_THICKFRAME, WS_MINIMIZEBOX, WS_MAXIMIZEBOX, WS_CHILD, WS_DISABLED}) {
        EXPECT_EQ(style & absent, 0u) << std::hex << absent;
    }
    EXPECT_EQ(GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    EXPECT_NE(GetSystemMenu(window, FALSE), nullptr);

    RECT outer;
    GetWindowRect(window, &outer);
    EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - 652) / 2);
    EXPECT_EQ(outer.top, (GetSystemMetrics(SM_CYSCREEN) - 415) / 2);

    // The client area of a 652 x 415 window with the system frame; the skin,
    // when present, grows the frame around it and keeps it.
    RECT frame = {0, 0, 0, 0};
    AdjustWindowRectEx(&frame, style & ~WS_VISIBLE, FALSE, static_cast<DWORD>(GetWindowLongPtrA(window, GWL_EXSTYLE)));
    RECT client;
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, 652 - (frame.right - frame.left));
    EXPECT_EQ(client.bottom, 415 - (frame.bottom - frame.top));
}

TEST_F(MainWindowTest, ClassesHaveTheirStylesArrowCursorAndNoBrush) {
    for (const char* name : {"WTWindow", SKIN_LABEL_CLASS}) {
        SCOPED_TRACE(name);
        WNDCLASSEXA windowClass = {};
        windowClass.cbSize = sizeof windowClass;
        ASSERT_TRUE(GetClassInfoExA(GetModuleHandleA(nullptr), name, &windowClass));
        EXPECT_EQ(windowClass.style, WINDOW_CLASS_STYLE);
        EXPECT_EQ(windowClass.hbrBackground, nullptr);
        EXPECT_EQ(windowClass.hCursor, LoadCursorA(nullptr, IDC_ARROW));
    }
}

TEST_F(MainWindowTest, ProgramIconIsTheLargeAndSmallIcon) {
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    const auto bigIcon = reinterpret_cast<HICON>(SendMessageA(mainWindow(), WM_GETICON, ICON_BIG, 0));
    const auto smallIcon = reinterpret_cast<HICON>(SendMessageA(mainWindow(), WM_GETICON, ICON_SMALL, 0));
    const int big = GetSystemMetrics(SM_CXICON);
    const int small = GetSystemMetrics(SM_CXSMICON);
    EXPECT_EQ(bigIcon, LoadImageA(instance, "DEFAULT_ICON", IMAGE_ICON, big, big, LR_SHARED));
    EXPECT_EQ(smallIcon, LoadImageA(instance, "DEFAULT_ICON", IMAGE_ICON, small, small, LR_SHARED));
    EXPECT_NE(bigIcon, nullptr);
    EXPECT_NE(smallIcon, nullptr);
}

TEST_F(MainWindowTest, DropReceiverIsRegisteredOnTheDropZone) {
    ASSERT_NE(fileDropReceiver(), nullptr);
    EXPECT_EQ(RegisterDragDrop(controlWindow(Control::标签4), fileDropReceiver()), DRAGDROP_E_ALREADYREGISTERED);
    EXPECT_EQ(RevokeDragDrop(controlWindow(Control::标签1)), DRAGDROP_E_NOTREGISTERED);
}

}  // namespace
