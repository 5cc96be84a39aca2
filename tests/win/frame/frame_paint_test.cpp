// What the skin frame draws: the piece lists of an active and an inactive
// window, the caption-button slots and looks, the icon and the caption text
// area, the client background, the client inset and the title block.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "frame.h"
#include "skin_atlas.h"
#include "skin_test_support.h"
#include "window_props.h"

namespace {

constexpr COLORREF kMagenta = 0xFF00FF;
constexpr COLORREF kClientBackground = RGB(202, 225, 243);

// x, y, width, height; transparent copies carry their key.
struct ExpectedPiece {
    RECT destination;
    RECT source;
    bool transparent;
    COLORREF key;
};
constexpr bool opaque = false;
constexpr bool keyed = true;

std::string describe(const RECT& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

void expectPieces(const std::vector<PieceCall>& calls, const std::vector<ExpectedPiece>& expected) {
    ASSERT_EQ(calls.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE("piece " + std::to_string(i + 1));
        EXPECT_EQ(describe(calls[i].destination), describe(expected[i].destination));
        EXPECT_EQ(describe(calls[i].source), describe(expected[i].source));
        EXPECT_EQ(calls[i].transparent, expected[i].transparent);
        if (expected[i].transparent) {
            EXPECT_EQ(calls[i].transparentColor, expected[i].key);
        }
    }
}

class FramePaint : public ::testing::Test {
protected:
    void SetUp() override {
        window = createFramedWindow(400, 300);
        icon = createSolidIcon(RGB(0, 255, 0));
        writeSkinProp(window, SkinProp::icon, reinterpret_cast<LONG_PTR>(icon));
        writeSkinProp(window, SkinProp::active, 1);
    }
    void TearDown() override {
        DestroyWindow(window);
        DestroyIcon(icon);
    }
    void setButtonStates(int minimize, int maximize, int close) {
        writeSkinProp(window, SkinProp::minimizeButton, minimize);
        writeSkinProp(window, SkinProp::maximizeButton, maximize);
        writeSkinProp(window, SkinProp::closeButton, close);
    }
    std::vector<PieceCall> paintedPieces() {
        MemoryCanvas canvas(400, 300, RGB(255, 0, 0));
        PieceRecorder recorder;
        paintFrame(canvas.dc(), window);
        return recorder.calls();
    }
    std::vector<PieceCall> paintedButtons() {
        MemoryCanvas canvas(400, 300, RGB(255, 0, 0));
        PieceRecorder recorder;
        paintCaptionButtons(window, canvas.dc());
        return recorder.calls();
    }
    HWND window = nullptr;
    HICON icon = nullptr;
};

const std::vector<ExpectedPiece> activeFrame400x300 = {
    {{0, 31, 3, 269}, {41, 217, 3, 14}, opaque, 0},
    {{0, 0, 46, 7}, {0, 31, 46, 7}, keyed, kMagenta},
    {{0, 7, 46, 24}, {0, 38, 46, 24}, opaque, 0},
    {{46, 0, 301, 7}, {46, 31, 70, 7}, opaque, 0},
    {{46, 7, 301, 24}, {46, 38, 70, 24}, opaque, 0},
    {{347, 0, 53, 7}, {116, 31, 53, 7}, keyed, kMagenta},
    {{347, 7, 53, 24}, {116, 38, 53, 24}, opaque, 0},
    {{397, 31, 3, 269}, {215, 81, 3, 14}, opaque, 0},
    {{0, 295, 6, 5}, {193, 26, 6, 5}, keyed, kMagenta},
    {{6, 295, 388, 5}, {199, 26, 12, 5}, opaque, 0},
    {{394, 295, 6, 5}, {211, 26, 6, 5}, keyed, kMagenta},
    // caption buttons: minimize, maximize (key 0: opaque), close
    {{293, 0, 25, 18}, {75, 137, 25, 18}, keyed, kMagenta},
    {{318, 0, 26, 18}, {170, 102, 26, 18}, opaque, 0},
    {{344, 0, 42, 18}, {137, 81, 42, 18}, keyed, kMagenta},
};

const std::vector<ExpectedPiece> inactiveFrame400x300 = {
    {{0, 31, 3, 269}, {213, 0, 3, 15}, opaque, 0},
    {{0, 0, 42, 7}, {0, 0, 42, 7}, keyed, kMagenta},
    {{0, 7, 42, 24}, {0, 7, 42, 24}, opaque, 0},
    {{42, 0, 312, 7}, {42, 0, 81, 7}, opaque, 0},
    {{42, 7, 312, 24}, {42, 7, 81, 24}, opaque, 0},
    {{354, 0, 46, 7}, {123, 0, 46, 7}, keyed, kMagenta},
    {{354, 7, 46, 24}, {123, 7, 46, 24}, opaque, 0},
    {{397, 31, 3, 269}, {213, 62, 3, 14}, opaque, 0},
    {{0, 295, 6, 5}, {169, 26, 6, 5}, keyed, kMagenta},
    {{6, 295, 388, 5}, {175, 26, 12, 5}, opaque, 0},
    {{394, 295, 6, 5}, {187, 26, 6, 5}, keyed, kMagenta},
    // every caption button dimmed
    {{293, 0, 25, 18}, {0, 137, 25, 18}, keyed, kMagenta},
    {{318, 0, 26, 18}, {92, 102, 26, 18}, opaque, 0},
    {{344, 0, 42, 18}, {169, 31, 42, 18}, keyed, kMagenta},
};

TEST_F(FramePaint, ActiveWindowDrawsTheElevenPiecesThenTheButtons) {
    expectPieces(paintedPieces(), activeFrame400x300);
}

TEST_F(FramePaint, InactiveWindowDrawsGreyPiecesAndDimmedButtonsWhateverTheirState) {
    writeSkinProp(window, SkinProp::active, 0);
    setButtonStates(1, 2, 1);
    expectPieces(paintedPieces(), inactiveFrame400x300);
}

TEST_F(FramePaint, WindowWithoutCaptionDrawsNothing) {
    writeSkinProp(window, SkinProp::caption, 0);
    EXPECT_TRUE(paintedPieces().empty());
}

TEST_F(FramePaint, WindowWithoutSystemMenuDrawsNoButtons) {
    writeSkinProp(window, SkinProp::systemMenu, 0);
    const std::vector<ExpectedPiece> frameOnly(activeFrame400x300.begin(), activeFrame400x300.begin() + 11);
    expectPieces(paintedPieces(), frameOnly);
    EXPECT_TRUE(paintedButtons().empty());
}

// Slot looks of an active 400-pixel window by the three states and the
// restore mode (not maximized).
struct ButtonCase {
    const char* name;
    int minimize, maximize, close, restoreMode;
    std::vector<ExpectedPiece> buttons;
};

TEST_F(FramePaint, CaptionButtonSlotsAndLooks) {
    const ExpectedPiece minNormal{{293, 0, 25, 18}, {75, 137, 25, 18}, keyed, kMagenta};
    const ExpectedPiece maxNormal{{318, 0, 26, 18}, {170, 102, 26, 18}, opaque, 0};
    const ExpectedPiece closeNormal{{344, 0, 42, 18}, {137, 81, 42, 18}, keyed, kMagenta};
    const ButtonCase cases[] = {
        {"hot and pressed", 1, 2, 1,  0,
         {{{293, 0, 25, 18}, {50, 137, 25, 18}, keyed, kMagenta},
          {{318, 0, 26, 18}, {118, 102, 26, 18}, opaque, 0},
          {{344, 0, 42, 18}, {95, 81, 42, 18}, keyed, kMagenta}}},
        {"pressed close", 0, 0, 2, 0,
         {minNormal, maxNormal, {{344, 0, 42, 18}, {53, 81, 42, 18}, keyed, kMagenta}}},
        {"only maximize unavailable", 0, 3, 0, 0,
         {minNormal, {{318, 0, 26, 18}, {92, 102, 26, 18}, opaque, 0}, closeNormal}},
        {"both side buttons unavailable: close alone", 3, 3, 0, 0, {closeNormal}},
        {"state 7 draws normal", 7, 7, 7, 0, {minNormal, maxNormal, closeNormal}},
        {"minimized in restore mode: restore sprite in the left slot", 0, 0, 0, 1,
         {{{292, 0, 26, 18}, {66, 102, 26, 18}, keyed, kMagenta}, maxNormal, closeNormal}},
    };
    for (const ButtonCase& c : cases) {
        SCOPED_TRACE(c.name);
        setButtonStates(c.minimize, c.maximize, c.close);
        writeSkinProp(window, SkinProp::restoreMode, c.restoreMode);
        expectPieces(paintedButtons(), c.buttons);
    }
}

TEST_F(FramePaint, MaximizedInRestoreModeShowsRestoreInTheMiddleSlot) {
    ShowWindow(window, SW_MAXIMIZE);
    ASSERT_TRUE(IsZoomed(window));
    ASSERT_EQ(readSkinProp(window, SkinProp::restoreMode), 1);  // set by the WM_SIZE of maximizing
    RECT bounds;
    GetWindowRect(window, &bounds);
    const int W = bounds.right - bounds.left;
    const std::vector<PieceCall> buttons = paintedButtons();
    ASSERT_EQ(buttons.size(), 3u);
    EXPECT_EQ(describe(buttons[0].destination), describe({W - 107, 0, 25, 18}));
    EXPECT_EQ(describe(buttons[1].destination), describe({W - 82, 0, 26, 18}));
    EXPECT_EQ(describe(buttons[1].source), describe({66, 102, 26, 18}));
    EXPECT_EQ(describe(buttons[2].destination), describe({W - 56, 0, 42, 18}));
}

TEST_F(FramePaint, TinyWindowLeavesOutPiecesWithoutRoom) {
    // A popup has no minimum tracking size; it is given the caption flag.
    DestroyWindow(window);
    window = createFramedWindow(60, 20, WS_POPUP);
    writeSkinProp(window, SkinProp::caption, 1);
    RECT bounds;
    GetWindowRect(window, &bounds);
    ASSERT_EQ(bounds.right - bounds.left, 60);
    ASSERT_EQ(bounds.bottom - bounds.top, 20);
    const std::vector<PieceCall> calls = paintedPieces();
    // Left out: both side borders (no height below the caption), the
    // stretched caption top edge and body (narrower than the corners).
    EXPECT_EQ(calls.size(), 7u);
    for (const PieceCall& call : calls) {
        EXPECT_GT(call.destination.right, 0) << describe(call.destination);
        EXPECT_GT(call.destination.bottom, 0) << describe(call.destination);
    }
}

// Pixels that change when only the icon or only the title changes.
class FramePixels : public FramePaint {
protected:
    RECT changedBy(const std::function<void(HWND)>& change) {
        MemoryCanvas before(400, 300, RGB(255, 0, 0));
        MemoryCanvas after(400, 300, RGB(255, 0, 0));
        paintFrame(before.dc(), window);
        change(window);
        paintFrame(after.dc(), window);
        return differingPixels(before, after);
    }
    static std::string longTitle() { return std::string(300, 'M'); }
};

TEST_F(FramePixels, IconIsDrawnAt8And7In16x16) {
    writeSkinProp(window, SkinProp::icon, 0);
    SetWindowTextA(window, "");
    const RECT box =
        changedBy([this](HWND w) { writeSkinProp(w, SkinProp::icon, reinterpret_cast<LONG_PTR>(icon)); });
    EXPECT_EQ(describe(box), describe({8, 7, 23, 22}));
}

TEST_F(FramePixels, ButtonGroupCornersShowWhatIsBeneath) {
    for (int active : {1, 0}) {
        SCOPED_TRACE(active ? "active" : "inactive");
        writeSkinProp(window, SkinProp::active, active);
        MemoryCanvas canvas(400, 300, RGB(255, 0, 0));
        paintCaptionButtons(window, canvas.dc());
        // The close sprites' three bottom-right corner pixels are magenta.
        for (POINT p : {POINT{385, 17}, POINT{384, 17}, POINT{385, 16}})
            EXPECT_EQ(canvas.pixel(p.x, p.y), RGB(255, 0, 0)) << p.x << "," << p.y;
        EXPECT_NE(canvas.pixel(383, 17), RGB(255, 0, 0));
    }
}

struct TextAreaCase {
    const char* name;
    bool systemMenu;
    bool icon;
    int minimize, maximize;
    int left, right;  // the area is left <= x < right, 7 <= y < 23
};

TEST_F(FramePixels, CaptionTextStaysInsideItsArea) {
    const TextAreaCase cases[] = {
        {"icon and all buttons", true, true, 0, 0, 28, 289},
        {"no icon", true, false, 0, 0, 8, 289},
        {"close button alone", true, true, 3, 3, 28, 340},
        {"no system menu", false, true, 0, 0, 8, 289},
        {"no system menu, no side buttons", false, true, 3, 3, 8, 340},
    };
    for (const TextAreaCase& c : cases) {
        SCOPED_TRACE(c.name);
        SetWindowTextA(window, "");
        writeSkinProp(window, SkinProp::systemMenu, c.systemMenu);
        writeSkinProp(window, SkinProp::icon, c.icon ? reinterpret_cast<LONG_PTR>(icon) : 0);
        setButtonStates(c.minimize, c.maximize, 0);
        const RECT box = changedBy([](HWND w) { SetWindowTextA(w, longTitle().c_str()); });
        ASSERT_LE(box.left, box.right) << "no text drawn";
        EXPECT_GE(box.left, c.left);
        EXPECT_LE(box.left, c.left + 2);  // the first letter starts at the area's edge
        EXPECT_LT(box.right, c.right);
        EXPECT_GE(box.right, c.right - 8);  // cut at the edge, no ellipsis gap
        EXPECT_GE(box.top, 7);
        EXPECT_LE(box.bottom, 22);
    }
}

TEST_F(FramePaint, NonClientAreaIsAlwaysInsetBy3_31_3_5) {
    for (int caption : {1, 0}) {
        SCOPED_TRACE(caption ? "with caption" : "without caption");
        writeSkinProp(window, SkinProp::caption, caption);
        writeSkinProp(window, SkinProp::active, caption);
        clearPreviousProcLog();
        RECT bounds{100, 100, 500, 400};
        EXPECT_EQ(SendMessageA(window, WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&bounds)), 0);
        EXPECT_EQ(describe(bounds), describe({103, 131, 497, 395}));

        NCCALCSIZE_PARAMS params{};
        params.rgrc[0] = {100, 100, 500, 400};
        params.rgrc[1] = {1, 2, 3, 4};
        EXPECT_EQ(SendMessageA(window, WM_NCCALCSIZE, TRUE, reinterpret_cast<LPARAM>(&params)), 0);
        EXPECT_EQ(describe(params.rgrc[0]), describe({103, 131, 497, 395}));
        EXPECT_EQ(describe(params.rgrc[1]), describe({1, 2, 3, 4}));
        EXPECT_FALSE(previousProcSaw(window, WM_NCCALCSIZE));
    }
}

TEST_F(FramePaint, EraseBackgroundStretchesTheSampleOverTheClientArea) {
    RECT client;
    GetClientRect(window, &client);
    MemoryCanvas canvas(client.right, client.bottom, RGB(255, 0, 0));
    PieceRecorder recorder;
    EXPECT_EQ(SendMessageA(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas.dc()), 0), 1);
    expectPieces(recorder.calls(), {{{0, 0, 394, 264}, {37, 155, 20, 20}, opaque, 0}});
    EXPECT_EQ(canvas.pixel(0, 0), kClientBackground);
    EXPECT_EQ(canvas.pixel(client.right - 1, client.bottom - 1), kClientBackground);
}

TEST_F(FramePaint, PaintFillsExactlyTheUpdateRectangle) {
    ShowWindow(window, SW_SHOWNOACTIVATE);
    UpdateWindow(window);
    HDC dc = GetDC(window);
    RECT client;
    GetClientRect(window, &client);
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    FillRect(dc, &client, red);
    DeleteObject(red);
    ValidateRect(window, nullptr);

    const RECT update{10, 20, 110, 70};
    InvalidateRect(window, &update, FALSE);
    PieceRecorder recorder;
    EXPECT_EQ(SendMessageA(window, WM_PAINT, 0, 0), 0);
    expectPieces(recorder.calls(), {{{10, 20, 100, 50}, {37, 155, 20, 20}, opaque, 0}});
    GdiFlush();
    EXPECT_EQ(GetPixel(dc, 10, 20), kClientBackground);
    EXPECT_EQ(GetPixel(dc, 109, 69), kClientBackground);
    EXPECT_EQ(GetPixel(dc, 9, 20), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(dc, 110, 69), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(dc, 50, 70), RGB(255, 0, 0));
    ReleaseDC(window, dc);
}

TEST_F(FramePaint, SetTextResizesTheTitleBlockUnderTheSameHandle) {
    const HGLOBAL block = reinterpret_cast<HGLOBAL>(readSkinProp(window, SkinProp::titleBlock));
    ASSERT_NE(block, nullptr);
    struct Case {
        const char* name;
        std::string text;
        bool null;
    } cases[] = {
        {"long", std::string(300, 'x'), false},
        {"short after long", "ab", false},
        {"NULL", "", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        clearPreviousProcLog();
        const LPARAM text = c.null ? 0 : reinterpret_cast<LPARAM>(c.text.c_str());
        PieceRecorder recorder;
        EXPECT_EQ(SendMessageA(window, WM_SETTEXT, 0, text), 0);
        EXPECT_TRUE(previousProcSaw(window, WM_SETTEXT));
        EXPECT_EQ(readSkinProp(window, SkinProp::titleBlock), reinterpret_cast<LONG_PTR>(block));
        EXPECT_EQ(GlobalSize(block), c.text.size() + 1);
        EXPECT_EQ(readTitleBlock(block), c.text);
        EXPECT_EQ(recorder.calls().size(), 14u);  // the caption strip is repainted
    }
}

}  // namespace
