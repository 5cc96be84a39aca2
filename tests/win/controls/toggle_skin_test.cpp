// Check-box and radio-button skin: which sprite is drawn where, and the
// text beside it.
#include <string>

#include "skin_fixture.h"
#include "toggle_skin.h"

namespace {

constexpr int toggleId = 21;

// A previous procedure that answers BM_GETCHECK with the indeterminate 2.
WNDPROC buttonProc;
LRESULT CALLBACK indeterminateProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == BM_GETCHECK) return BST_INDETERMINATE;
    return CallWindowProcA(buttonProc, window, message, wParam, lParam);
}

class ToggleSkinTest : public ControlSkinTest {
protected:
    HWND createToggle(DWORD style, const char* text = "", int width = 100, int height = 20) {
        return createChild("Button", text, style, 10, 10, width, height, toggleId);
    }

    static void install(HWND toggle) {
        const LONG kind = GetWindowLongA(toggle, GWL_STYLE) & 15;
        if (kind == BS_RADIOBUTTON || kind == BS_AUTORADIOBUTTON) {
            installRadioButtonSkin(toggle);
        } else {
            installCheckBoxSkin(toggle);
        }
    }

    static const ToggleSkin& toggleSkinOf(HWND toggle) {
        const LONG kind = GetWindowLongA(toggle, GWL_STYLE) & 15;
        return kind == BS_RADIOBUTTON || kind == BS_AUTORADIOBUTTON ? skinAtlas->radioButton
                                                                    : skinAtlas->checkBox;
    }

    // Paints the whole control onto canvas through the skin's painter.
    static void paint(HWND toggle, MemoryCanvas& canvas) {
        RECT all{0, 0, canvas.width(), canvas.height()};
        paintToggleButton(toggle, canvas.dc(), all, toggleSkinOf(toggle));
    }
};

TEST_F(ToggleSkinTest, DrawsTheNormalPieceOfTheSetTheParentReports) {
    enum Setup { Unchecked, Checked, Indeterminate, CheckedSiblingWithTheSameId, DisabledChecked };
    const struct {
        const char* name;
        DWORD style;
        Setup setup;
        RECT source;
    } cases[] = {
        {"check box, unchecked", BS_AUTOCHECKBOX, Unchecked, {130, 182, 15, 15}},
        {"check box, checked", BS_CHECKBOX, Checked, {192, 155, 15, 15}},
        {"check box, indeterminate 2 counts as checked", BS_AUTOCHECKBOX, Indeterminate,
         {192, 155, 15, 15}},
        {"check box, disabled: same sprite", BS_AUTOCHECKBOX | WS_DISABLED, DisabledChecked,
         {192, 155, 15, 15}},
        {"radio button, unchecked", BS_AUTORADIOBUTTON, Unchecked, {175, 137, 15, 15}},
        {"radio button, checked", BS_RADIOBUTTON, Checked, {130, 137, 15, 15}},
        {"unchecked radio shows an earlier sibling's state", BS_AUTORADIOBUTTON,
         CheckedSiblingWithTheSameId, {130, 137, 15, 15}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        HWND sibling = nullptr;
        if (c.setup == CheckedSiblingWithTheSameId) {
            sibling = createChild("Button", "", BS_AUTOCHECKBOX, 0, 100, 50, 20, toggleId);
            SendMessageA(sibling, BM_SETCHECK, BST_CHECKED, 0);
        }
        HWND toggle = createToggle(c.style);
        if (c.setup == Checked || c.setup == DisabledChecked) {
            SendMessageA(toggle, BM_SETCHECK, BST_CHECKED, 0);
        }
        if (c.setup == Indeterminate) {
            buttonProc = reinterpret_cast<WNDPROC>(
                SetWindowLongPtrA(toggle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(indeterminateProc)));
        }
        install(toggle);
        MemoryCanvas canvas(100, 20);
        PieceRecorder recorder;
        paint(toggle, canvas);
        ASSERT_EQ(recorder.calls().size(), 1u);
        EXPECT_EQ(recorder.calls()[0].source, c.source);
        EXPECT_EQ(recorder.calls()[0].transparent, 1);
        EXPECT_EQ(recorder.calls()[0].transparentColor, SheetColor::key);
        DestroyWindow(toggle);
        if (sibling) DestroyWindow(sibling);
    }
}

TEST_F(ToggleSkinTest, BoxSitsAtTheLeftEdgeHalfwayDownTruncated) {
    const struct {
        int clientHeight;
        RECT destination;
    } cases[] = {
        {20, {0, 2, 15, 15}},
        {16, {0, 0, 15, 15}},
        {12, {0, -1, 15, 15}},
    };
    for (DWORD style : {DWORD(BS_AUTOCHECKBOX), DWORD(BS_AUTORADIOBUTTON)}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(testing::Message() << "style " << style << ", height " << c.clientHeight);
            HWND toggle = createToggle(style, "", 100, c.clientHeight);
            install(toggle);
            MemoryCanvas canvas(100, c.clientHeight);
            PieceRecorder recorder;
            paint(toggle, canvas);
            ASSERT_EQ(recorder.calls().size(), 1u);
            EXPECT_EQ(recorder.calls()[0].destination, c.destination);
            DestroyWindow(toggle);
        }
    }
}

TEST_F(ToggleSkinTest, TextIsOneLineSeventeenPixelsInWhateverTheStyle) {
    const std::string longText = "one two three four five six seven eight nine ten eleven";
    const struct {
        const char* name;
        DWORD style;
    } cases[] = {
        {"check box", BS_AUTOCHECKBOX},
        {"BS_LEFTTEXT", BS_AUTOCHECKBOX | BS_LEFTTEXT},
        {"BS_PUSHLIKE", BS_AUTOCHECKBOX | BS_PUSHLIKE},
        {"BS_MULTILINE", BS_AUTORADIOBUTTON | BS_MULTILINE},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        HWND toggle = createToggle(c.style, longText.c_str(), 120, 40);
        install(toggle);
        MemoryCanvas canvas(120, 40);
        PieceRecorder recorder;
        paint(toggle, canvas);
        ASSERT_EQ(recorder.calls().size(), 1u);
        EXPECT_EQ(recorder.calls()[0].destination.left, 0);

        // Ink right of the box: the text, starting at x = 17, one line
        // centred in the 40-pixel height, cut at the right edge.
        RECT text = canvas.inkBounds({SheetColor::background, SheetColor::checkBoxUnchecked,
                                      SheetColor::radioUnchecked});
        EXPECT_GE(text.left, 17);
        EXPECT_LE(text.left, 19);
        EXPECT_GE(text.right, 110);
        EXPECT_GT(text.top, 8);
        EXPECT_LT(text.bottom, 32);
        EXPECT_TRUE(canvas.contains(SheetColor::text));
        DestroyWindow(toggle);
    }
}

}  // namespace
