// Label skin: what paintStatic draws for each kind of static control.
#include <memory>
#include <string>

#include "label_skin.h"
#include "skin_fixture.h"

namespace {

class LabelSkinTest : public ControlSkinTest {
protected:
    // A skinned "Static" painted in full onto a canvas of its own size.
    HWND paintLabel(MemoryCanvas& canvas, const std::string& text, DWORD style) {
        HWND label = createChild("Static", text.c_str(), style, 0, 0, canvas.width(), canvas.height());
        installStaticSkin(label);
        RECT all{0, 0, canvas.width(), canvas.height()};
        paintStatic(label, canvas.dc(), all);
        return label;
    }

    // Ink of a label's text: every pixel that is not the background.
    RECT textInk(const MemoryCanvas& canvas) { return canvas.inkBounds({SheetColor::background}); }

    int lineHeight() {
        MemoryCanvas probe(10, 10);
        SelectObject(probe.dc(), GetStockObject(DEFAULT_GUI_FONT));
        TEXTMETRICA metrics;
        GetTextMetricsA(probe.dc(), &metrics);
        return metrics.tmHeight;
    }
};

TEST_F(LabelSkinTest, TextIsDrawnLeftAlignedFromTheTopWhateverTheAlignmentStyle) {
    const struct {
        const char* name;
        DWORD style;
    } cases[] = {{"SS_LEFT", SS_LEFT}, {"SS_CENTER", SS_CENTER}, {"SS_RIGHT", SS_RIGHT}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        MemoryCanvas canvas(200, 40);
        paintLabel(canvas, "WWW", c.style);
        RECT ink = textInk(canvas);
        EXPECT_LE(ink.left, 2);
        EXPECT_LE(ink.top, 4);
        EXPECT_LT(ink.right, 60);
        EXPECT_TRUE(canvas.contains(SheetColor::text));
        EXPECT_EQ(canvas.pixel(199, 39), SheetColor::background);
    }
}

TEST_F(LabelSkinTest, LinesStartAtTheTopWrapAtWordsAndAreCutAtTheBottom) {
    const int line = lineHeight();
    const struct {
        const char* name;
        std::string text;
        int width, height;
        int minLines, maxLines;  // lines of ink expected
    } cases[] = {
        {"three lines joined by CR LF", "Drop\r\nthe\r\nfile", 200, 10 * line, 3, 3},
        {"one long line wrapped", "word word word word word word word word", 60, 10 * line, 3, 8},
        {"lines below the client cut off", "a\r\nb\r\nc\r\nd\r\ne", 200, 2 * line, 2, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        MemoryCanvas canvas(c.width, c.height);
        paintLabel(canvas, c.text, SS_LEFT);
        RECT ink = textInk(canvas);
        EXPECT_LE(ink.top, line / 2);
        EXPECT_LE(ink.right, c.width);
        EXPECT_LE(ink.bottom, c.height);
        EXPECT_GT(ink.bottom, (c.minLines - 1) * line);
        EXPECT_LE(ink.bottom, c.maxLines * line);
    }
}

TEST_F(LabelSkinTest, ShowsTheFirst2047BytesOfALongerText) {
    // 1023 line breaks fill bytes 0 to 2045; the last line holds one letter
    // at byte 2046, the last one shown, and more letters after it.
    const int line = lineHeight();
    std::string text;
    for (int i = 0; i < 1023; ++i) text += "\r\n";
    text += std::string(10, 'W');
    MemoryCanvas probe(10, 10);
    SelectObject(probe.dc(), GetStockObject(DEFAULT_GUI_FONT));
    SIZE one, two;
    GetTextExtentPoint32A(probe.dc(), "W", 1, &one);
    GetTextExtentPoint32A(probe.dc(), "WW", 2, &two);

    MemoryCanvas canvas(200, 1025 * line);
    paintLabel(canvas, text, SS_LEFT);
    RECT ink = textInk(canvas);
    EXPECT_GE(ink.top, 1023 * line);
    EXPECT_GT(ink.right, one.cx / 2);
    EXPECT_LE(ink.right, one.cx + 1);
    EXPECT_LT(ink.right, two.cx - 2);
}

TEST_F(LabelSkinTest, AmpersandsArePrefixesEvenWithSsNoprefix) {
    // Reference: the same text as DrawTextA shows it without prefix handling.
    auto reference = [](const char* text) {
        auto canvas = std::make_unique<MemoryCanvas>(100, 30, SheetColor::background);
        SelectObject(canvas->dc(), GetStockObject(DEFAULT_GUI_FONT));
        SetBkMode(canvas->dc(), TRANSPARENT);
        SetTextColor(canvas->dc(), SheetColor::text);
        RECT area{0, 0, 100, 30};
        DrawTextA(canvas->dc(), text, -1, &area, DT_NOPREFIX);
        return canvas;
    };
    for (DWORD style : {DWORD(SS_LEFT), DWORD(SS_LEFT | SS_NOPREFIX)}) {
        SCOPED_TRACE(style);
        MemoryCanvas doubled(100, 30);
        paintLabel(doubled, "&&", style);
        EXPECT_EQ(textInk(doubled), textInk(*reference("&")));

        // "&A" shows an underlined A: its ink reaches lower than a plain A.
        MemoryCanvas prefixed(100, 30);
        paintLabel(prefixed, "&A", style);
        EXPECT_EQ(textInk(prefixed).left, textInk(*reference("A")).left);
        EXPECT_GT(textInk(prefixed).bottom, textInk(*reference("A")).bottom);
    }
}

TEST_F(LabelSkinTest, IconIsStretchedOverTheClientAreaWithoutAFill) {
    // 16 x 16 icon: the left half opaque red, the right half transparent.
    constexpr int size = 16;
    HDC screen = GetDC(nullptr);
    HBITMAP color = CreateCompatibleBitmap(screen, size, size);
    HBITMAP mask = CreateBitmap(size, size, 1, 1, nullptr);
    ReleaseDC(nullptr, screen);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, color);
    RECT left{0, 0, size / 2, size}, right{size / 2, 0, size, size};
    FillRect(dc, &left, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    FillRect(dc, &left, red);
    FillRect(dc, &right, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    SelectObject(dc, mask);
    FillRect(dc, &left, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));  // opaque
    FillRect(dc, &right, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));  // transparent
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(red);
    ICONINFO info{TRUE, 0, 0, mask, color};
    HICON icon = CreateIconIndirect(&info);
    ASSERT_NE(icon, nullptr);

    // The control paints onto a larger canvas: only its 64 x 48 client
    // area may change.
    HWND label = createChild("Static", "", SS_ICON | SS_REALSIZECONTROL, 0, 0, 64, 48);
    SendMessageA(label, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
    MoveWindow(label, 0, 0, 64, 48, FALSE);
    installStaticSkin(label);
    MemoryCanvas canvas(80, 60);
    RECT all{0, 0, 80, 60};
    paintStatic(label, canvas.dc(), all);

    EXPECT_EQ(canvas.pixel(2, 2), RGB(255, 0, 0));
    EXPECT_EQ(canvas.pixel(28, 45), RGB(255, 0, 0));
    EXPECT_EQ(canvas.pixel(36, 2), SheetColor::canvas);
    EXPECT_EQ(canvas.pixel(62, 45), SheetColor::canvas);
    EXPECT_FALSE(canvas.contains(SheetColor::background));
    EXPECT_EQ(canvas.inkBounds({SheetColor::canvas}), (RECT{0, 0, 32, 48}));

    DestroyWindow(label);
    DestroyIcon(icon);
    DeleteObject(color);
    DeleteObject(mask);
}

TEST_F(LabelSkinTest, KindsFourToThirtyOneAreLeftBlank) {
    for (DWORD kind = 4; kind <= 31; ++kind) {
        SCOPED_TRACE(kind);
        MemoryCanvas canvas(40, 20);
        HWND label = paintLabel(canvas, "text", kind);
        EXPECT_EQ(canvas.inkBounds({SheetColor::canvas}), RECT{});
        DestroyWindow(label);
    }
}

}  // namespace
