// Push-button skin: installation, the state machine, hover tracking, the
// nine-slice face, the caption, and the caption and title block over the
// button's life.
#include <string>

#include "push_button_skin.h"
#include "skin_fixture.h"
#include "window_props.h"

namespace {

int clicks;

LRESULT CALLBACK countClicksProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == 7) ++clicks;
    return DefWindowProcA(window, message, wParam, lParam);
}

class PushButtonSkinTest : public ControlSkinTest {
protected:
    // Child position inside the parent, whose hover area (the parent's
    // rectangle less 3, 31, 3, 5) is screen (103, 131) to (417, 315).
    static constexpr int buttonX = 50, buttonY = 50, buttonWidth = 80, buttonHeight = 30;

    HWND createButton(DWORD style = BS_PUSHBUTTON, const char* caption = "OK") {
        HWND button = createChild("Button", caption, style, buttonX, buttonY, buttonWidth, buttonHeight, 7);
        installPushButtonSkin(button);
        return button;
    }

    static LONG_PTR state(HWND button) { return readSkinProp(button, SkinProp::buttonState); }
    static LONG_PTR focus(HWND button) { return readSkinProp(button, SkinProp::focus); }
    static LONG_PTR down(HWND button) { return readSkinProp(button, SkinProp::mouseDown); }
    static std::string title(HWND button) {
        return readTitleBlock(reinterpret_cast<HGLOBAL>(readSkinProp(button, SkinProp::titleBlock)));
    }
};

TEST_F(PushButtonSkinTest, InstallationSetsStateFlagsTitleAndDefaultFocus) {
    const std::string longCaption(200, 'x');
    const struct {
        const char* name;
        DWORD style;
        const char* caption;
        LONG_PTR state, focus;
        std::string title;
    } cases[] = {
        {"push button", BS_PUSHBUTTON, "OK", Normal, 0, "OK"},
        {"disabled", BS_PUSHBUTTON | WS_DISABLED, "OK", Disabled, 0, "OK"},
        {"default button takes the focus", BS_DEFPUSHBUTTON, "Yes", Focused, 1, "Yes"},
        {"caption cut to 127 bytes", BS_PUSHBUTTON, longCaption.c_str(), Normal, 0,
         std::string(127, 'x')},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SetFocus(parent());
        HWND button = createButton(c.style, c.caption);
        EXPECT_EQ(state(button), c.state);
        EXPECT_EQ(focus(button), c.focus);
        EXPECT_EQ(down(button), 0);
        EXPECT_EQ(title(button), c.title);
        EXPECT_EQ(GetWindowLongPtrA(button, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(pushButtonSkinProc));
        EXPECT_EQ(GetFocus() == button, c.focus == 1);
        DestroyWindow(button);
    }
}

TEST_F(PushButtonSkinTest, FocusAndHighlightMessagesMoveTheState) {
    const struct {
        const char* name;
        LONG_PTR fromState, fromFocus;
        UINT message;
        WPARAM wParam;
        LONG_PTR toState, toFocus;
    } cases[] = {
        {"focus gained at rest", Normal, 0, WM_SETFOCUS, 0, Focused, 1},
        {"focus gained while hot", Hot, 0, WM_SETFOCUS, 0, Focused, 1},
        {"focus gained while disabled", Disabled, 0, WM_SETFOCUS, 0, Focused, 1},
        {"focus gained while pressed", Pressed, 0, WM_SETFOCUS, 0, Pressed, 1},
        {"focus lost while focused", Focused, 1, WM_KILLFOCUS, 0, Normal, 0},
        {"focus lost while hot", Hot, 1, WM_KILLFOCUS, 0, Hot, 0},
        {"focus lost while pressed", Pressed, 1, WM_KILLFOCUS, 0, Pressed, 0},
        {"highlight on", Normal, 0, BM_SETSTATE, 1, Pressed, 0},
        {"highlight on while disabled", Disabled, 1, BM_SETSTATE, 1, Pressed, 1},
        {"highlight off with focus", Pressed, 1, BM_SETSTATE, 0, Focused, 1},
        {"highlight off without focus", Pressed, 0, BM_SETSTATE, 0, Normal, 0},
        {"highlight 2 counts as off", Pressed, 0, BM_SETSTATE, 2, Normal, 0},
        {"highlight 2 with focus", Disabled, 1, BM_SETSTATE, 2, Focused, 1},
    };
    HWND button = createButton();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        writeSkinProp(button, SkinProp::buttonState, c.fromState);
        writeSkinProp(button, SkinProp::focus, c.fromFocus);
        SendMessageA(button, c.message, c.wParam, 0);
        EXPECT_EQ(state(button), c.toState);
        EXPECT_EQ(focus(button), c.toFocus);
    }
}

TEST_F(PushButtonSkinTest, FocusGainPaintsAtOnceAndFocusLossPaintsNothing) {
    HWND button = createButton();
    PieceRecorder recorder;
    SendMessageA(button, WM_SETFOCUS, 0, 0);
    ASSERT_EQ(recorder.calls().size(), 9u);
    EXPECT_EQ(recorder.calls()[0].source.left, 59);  // the focused face
    recorder.clear();
    SendMessageA(button, WM_KILLFOCUS, 0, 0);
    EXPECT_TRUE(recorder.calls().empty());
}

TEST_F(PushButtonSkinTest, AClickStillReachesTheButtonAndItsParent) {
    clicks = 0;
    HWND button = createButton();
    SetWindowLongPtrA(parent(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(countClicksProc));

    SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_EQ(down(button), 1);
    EXPECT_EQ(state(button), Pressed);  // the button's own BM_SETSTATE
    SendMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(down(button), 0);
    EXPECT_EQ(state(button), Focused);
    EXPECT_EQ(clicks, 1);
}

TEST_F(PushButtonSkinTest, MouseMovesFollowTheHoverAreaAndCaptureRules) {
    const POINT onButton{parentX + buttonX + 10, parentY + buttonY + 10};
    const POINT offButton{parentX + 250, parentY + 150};
    const POINT aboveArea{parentX + 60, parentY + 20};        // on the parent, above its client
    const POINT areaRightEdge{parentX + parentWidth - 3, parentY + 150};  // right edge is outside
    enum { NoCapture, Captured };
    const struct {
        const char* name;
        LONG_PTR state, focus, down;
        POINT pointer;
        int captureBefore;
        LONG_PTR toState;
        int captureAfter;
    } cases[] = {
        {"enter from rest", Normal, 0, 0, onButton, NoCapture, Hot, Captured},
        {"enter while focused", Focused, 1, 0, onButton, NoCapture, Hot, Captured},
        {"enter while pressed", Pressed, 0, 0, onButton, NoCapture, Hot, Captured},
        {"already hot takes nothing", Hot, 0, 0, onButton, NoCapture, Hot, NoCapture},
        {"leave to the area, focused", Hot, 1, 0, offButton, Captured, Focused, NoCapture},
        {"leave to the area", Hot, 0, 0, offButton, Captured, Normal, NoCapture},
        {"disabled on the button", Disabled, 0, 0, onButton, NoCapture, Disabled, NoCapture},
        {"disabled off the button", Disabled, 0, 0, offButton, Captured, Disabled, Captured},
        {"down on the button", Normal, 0, 1, onButton, NoCapture, Normal, NoCapture},
        {"down off the button", Pressed, 0, 1, offButton, Captured, Pressed, Captured},
        {"out of the area", Hot, 0, 0, aboveArea, Captured, Normal, NoCapture},
        {"out of the area at its right edge", Hot, 0, 0, areaRightEdge, Captured, Normal, NoCapture},
        {"out of the area, down and focused", Pressed, 1, 1, aboveArea, Captured, Focused, Captured},
        {"out of the area while disabled", Disabled, 0, 0, aboveArea, NoCapture, Normal, NoCapture},
    };
    HWND button = createButton();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        writeSkinProp(button, SkinProp::buttonState, c.state);
        writeSkinProp(button, SkinProp::focus, c.focus);
        writeSkinProp(button, SkinProp::mouseDown, c.down);
        ReleaseCapture();
        if (c.captureBefore == Captured) SetCapture(button);
        SetCursorPos(c.pointer.x, c.pointer.y);
        SendMessageA(button, WM_MOUSEMOVE, 0, 0);
        EXPECT_EQ(state(button), c.toState);
        EXPECT_EQ(GetCapture() == button, c.captureAfter == Captured);
    }
    ReleaseCapture();
}

TEST_F(PushButtonSkinTest, FaceIsANineSliceInItsOrderWithKeyedCorners) {
    const struct {
        const char* name;
        int width, height;
        LONG_PTR state;
        PieceCall calls[9];
    } cases[] = {
        {"10 x 8, normal face 87, 182, 13, 21 / 3, 4, 3, 3", 10, 8, Normal,
         {{{0, 0, 3, 4}, {87, 182, 3, 4}, 0xFF00FF, 1},
          {{0, 4, 3, 1}, {87, 186, 3, 14}, 0xFF00FF, 0},
          {{0, 5, 3, 3}, {87, 200, 3, 3}, 0xFF00FF, 1},
          {{3, 0, 4, 4}, {90, 182, 7, 4}, 0xFF00FF, 0},
          {{3, 5, 4, 3}, {90, 200, 7, 3}, 0xFF00FF, 0},
          {{7, 0, 3, 4}, {97, 182, 3, 4}, 0xFF00FF, 1},
          {{7, 4, 3, 1}, {97, 186, 3, 14}, 0xFF00FF, 0},
          {{7, 5, 3, 3}, {97, 200, 3, 3}, 0xFF00FF, 1},
          {{3, 4, 4, 1}, {90, 186, 7, 14}, 0xFF00FF, 0}}},
        {"5 x 6, hot face 28, 182, 16, 21 / 5, 5, 5, 4: negative middle", 5, 6, Hot,
         {{{0, 0, 5, 5}, {28, 182, 5, 5}, 0xFF00FF, 1},
          {{0, 5, 5, -3}, {28, 187, 5, 12}, 0xFF00FF, 0},
          {{0, 2, 5, 4}, {28, 199, 5, 4}, 0xFF00FF, 1},
          {{5, 0, -5, 5}, {33, 182, 6, 5}, 0xFF00FF, 0},
          {{5, 2, -5, 4}, {33, 199, 6, 4}, 0xFF00FF, 0},
          {{0, 0, 5, 5}, {39, 182, 5, 5}, 0xFF00FF, 1},
          {{0, 5, 5, -3}, {39, 187, 5, 12}, 0xFF00FF, 0},
          {{0, 2, 5, 4}, {39, 199, 5, 4}, 0xFF00FF, 1},
          {{5, 5, -5, -3}, {33, 187, 6, 12}, 0xFF00FF, 0}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        HWND button = createChild("Button", "", BS_PUSHBUTTON, 0, 0, c.width, c.height);
        installPushButtonSkin(button);
        writeSkinProp(button, SkinProp::buttonState, c.state);
        MemoryCanvas canvas(c.width, c.height);
        PieceRecorder recorder;
        paintPushButton(button, canvas.dc());
        ASSERT_EQ(recorder.calls().size(), 9u);
        for (int i = 0; i < 9; ++i) {
            SCOPED_TRACE(i + 1);
            const PieceCall& call = recorder.calls()[i];
            EXPECT_EQ(call.destination, c.calls[i].destination);
            EXPECT_EQ(call.source, c.calls[i].source);
            EXPECT_EQ(call.transparent, c.calls[i].transparent);
            if (call.transparent) {
                EXPECT_EQ(call.transparentColor, c.calls[i].transparentColor);
            }
        }
        DestroyWindow(button);
    }
}

TEST_F(PushButtonSkinTest, PaintMessagesDrawTheFaceAndAnswerAsTheSkin) {
    HWND button = createButton();
    MemoryCanvas canvas(buttonWidth, buttonHeight);
    const struct {
        const char* name;
        UINT message;
        WPARAM wParam;
        LRESULT result;
    } cases[] = {
        {"WM_PAINT", WM_PAINT, 0, 0},
        {"WM_ERASEBKGND on the given DC", WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas.dc()), 1},
        {"WM_NCPAINT, whole window", WM_NCPAINT, 1, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        InvalidateRect(button, nullptr, FALSE);
        PieceRecorder recorder;
        EXPECT_EQ(SendMessageA(button, c.message, c.wParam, 0), c.result);
        EXPECT_EQ(recorder.calls().size(), 9u);
    }
    // The erase drew the real face onto the canvas: its colour, with the
    // keyed corner pixel left as the canvas was.
    EXPECT_EQ(canvas.pixel(40, 15), SheetColor::buttonFace[Normal]);
    EXPECT_EQ(canvas.pixel(0, 0), SheetColor::canvas);
}

TEST_F(PushButtonSkinTest, CaptionIsCentredAndAPressedOneMovesByHalfOfTwenty) {
    // A 24 x 32 button: pressed, the caption rectangle is (20, 20)-(24, 32).
    const struct {
        const char* name;
        LONG_PTR state;
        RECT inside;  // where all of the caption's ink must lie
        int centreX, centreY;
    } cases[] = {
        {"normal", Normal, {0, 0, 24, 32}, 12, 16},
        {"pressed", Pressed, {20, 20, 24, 32}, 22, 26},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        HWND button = createChild("Button", "WW", BS_PUSHBUTTON, 0, 0, 24, 32);
        installPushButtonSkin(button);
        writeSkinProp(button, SkinProp::buttonState, c.state);
        MemoryCanvas canvas(24, 32);
        paintPushButton(button, canvas.dc());
        RECT ink = canvas.inkBounds({SheetColor::buttonFace[c.state], SheetColor::canvas});
        ASSERT_LT(ink.left, ink.right) << "no caption drawn";
        EXPECT_GE(ink.left, c.inside.left);
        EXPECT_GE(ink.top, c.inside.top);
        EXPECT_LE(ink.right, c.inside.right);
        EXPECT_LE(ink.bottom, c.inside.bottom);
        EXPECT_NEAR((ink.top + ink.bottom) / 2, c.centreY, 3);
        if (c.state == Normal) {
            EXPECT_NEAR((ink.left + ink.right) / 2, c.centreX, 2);
        }
        EXPECT_TRUE(canvas.contains(SheetColor::text));
        DestroyWindow(button);
    }
}

TEST_F(PushButtonSkinTest, CaptionAmpersandsArePrefixes) {
    auto inkOf = [this](const char* caption) {
        HWND button = createChild("Button", caption, BS_PUSHBUTTON, 0, 0, 60, 24);
        installPushButtonSkin(button);
        MemoryCanvas canvas(60, 24);
        paintPushButton(button, canvas.dc());
        DestroyWindow(button);
        return canvas.inkBounds({SheetColor::buttonFace[Normal], SheetColor::canvas});
    };
    EXPECT_EQ(inkOf("&&"), inkOf("&"));
    EXPECT_GT(inkOf("&A").bottom, inkOf("A").bottom);  // the underline
    EXPECT_EQ(inkOf(""), RECT{});                        // face only
}

TEST_F(PushButtonSkinTest, SetTextReachesTheButtonAndRepaintsTheSkinCaption) {
    const std::string longCaption(300, 'y');
    const struct {
        const char* name;
        const char* text;  // nullptr: WM_SETTEXT with a null pointer
        std::string shown;
    } cases[] = {
        {"new caption", "Cancel", "Cancel"},
        {"longer than 127 bytes", longCaption.c_str(), longCaption},
        {"null text", nullptr, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        HWND button = createButton(BS_PUSHBUTTON, "OK");
        PieceRecorder recorder;
        EXPECT_TRUE(SendMessageA(button, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(c.text)));
        EXPECT_EQ(recorder.calls().size(), 9u);  // painted at once
        EXPECT_EQ(title(button), c.shown);
        char text[512] = {};
        GetWindowTextA(button, text, sizeof text);
        EXPECT_EQ(std::string(text), c.shown);
        DestroyWindow(button);
    }
}

TEST_F(PushButtonSkinTest, DestroyingTheButtonFreesItsTitleBlock) {
    HWND button = createButton();
    HGLOBAL block = reinterpret_cast<HGLOBAL>(readSkinProp(button, SkinProp::titleBlock));
    ASSERT_NE(GlobalFlags(block), GMEM_INVALID_HANDLE);
    DestroyWindow(button);
    EXPECT_EQ(GlobalFlags(block), GMEM_INVALID_HANDLE);
}

}  // namespace
