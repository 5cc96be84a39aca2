// drawSkinPiece on memory DCs, with a small fixture sheet standing in for
// the skin sheet.
#include "memory_canvas.h"
#include "skin_atlas.h"
#include "sprite.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

constexpr COLORREF MAGENTA = 0xFF00FF;
constexpr COLORREF RED = 0x0000FF;
constexpr COLORREF BLUE = 0xFF0000;
constexpr COLORREF GREEN = 0x00C000;

// Fixture sprites, x, y, w, h on the fixture sheet.
constexpr RECT PATTERN = {0, 0, 10, 10};      // every pixel its own colour, no magenta
constexpr RECT CHECKERED = {10, 0, 10, 10};   // magenta and blue squares
constexpr RECT BLACK_DOTS = {20, 0, 10, 10};  // black where x == y, green elsewhere
constexpr RECT STRIPES = {0, 10, 15, 15};     // one colour per column
constexpr RECT FRAMED_DOT = {20, 10, 10, 10}; // magenta with a blue 4 x 4 centre

COLORREF patternColour(int x, int y) { return RGB(20 * x + 5, 20 * y + 5, 90); }
COLORREF stripeColour(int x) { return RGB(15 * x, 200 - 10 * x, 60); }
bool checkered(int x, int y) { return (x + y) % 2 == 0; }

bool closeTo(COLORREF a, COLORREF b, int tolerance) {
    return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance &&
           std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
           std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

class DrawSkinPiece : public ::testing::Test {
protected:
    void SetUp() override {
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 10; ++x) {
                sheet.set(PATTERN.left + x, y, patternColour(x, y));
                sheet.set(CHECKERED.left + x, y, checkered(x, y) ? MAGENTA : BLUE);
                sheet.set(BLACK_DOTS.left + x, y, x == y ? 0x000000 : GREEN);
            }
        for (int y = 0; y < 15; ++y)
            for (int x = 0; x < 15; ++x)
                sheet.set(STRIPES.left + x, STRIPES.top + y, stripeColour(x));
        sheet.fillRect(FRAMED_DOT.left, FRAMED_DOT.top, 10, 10, MAGENTA);
        sheet.fillRect(FRAMED_DOT.left + 3, FRAMED_DOT.top + 3, 4, 4, BLUE);
        savedSheetDC = skinSheetDC;
        skinSheetDC = sheet.dc();
    }
    void TearDown() override { skinSheetDC = savedSheetDC; }

    // The target outside `area` (x, y, w, h) still shows its red ground.
    void expectUntouchedOutside(const RECT& area) {
        for (int y = 0; y < target.height(); ++y)
            for (int x = 0; x < target.width(); ++x)
                if (x < area.left || x >= area.left + area.right || y < area.top || y >= area.top + area.bottom) {
                    ASSERT_EQ(target.pixel(x, y), RED) << "outside the destination at " << x << ", " << y;
                }
    }

    MemoryCanvas sheet{40, 30, 0x808080};
    MemoryCanvas target{40, 40, RED};
    HDC savedSheetDC = 0;
};

TEST_F(DrawSkinPiece, UnscaledOpaqueCopyIsExactAndKeepsTheStretchMode) {
    SetStretchBltMode(target.dc(), COLORONCOLOR);
    SetBkColor(target.dc(), 0x123456);
    const RECT destination = {5, 6, 10, 10};
    drawSkinPiece(target.dc(), destination, PATTERN, MAGENTA, 0);

    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x)
            ASSERT_EQ(target.pixel(5 + x, 6 + y), patternColour(x, y)) << x << ", " << y;
    expectUntouchedOutside(destination);
    EXPECT_EQ(GetStretchBltMode(target.dc()), COLORONCOLOR);
    EXPECT_EQ(GetBkColor(target.dc()), 0x123456u);
}

// Equal widths are not enough: 15 x 15 into 15 x 16 is stretched.
TEST_F(DrawSkinPiece, DifferentHeightTakesTheHalftoneStretch) {
    SetStretchBltMode(target.dc(), COLORONCOLOR);
    const RECT destination = {2, 3, 15, 16};
    drawSkinPiece(target.dc(), destination, STRIPES, MAGENTA, 0);

    EXPECT_EQ(GetStretchBltMode(target.dc()), HALFTONE);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 15; ++x)
            ASSERT_TRUE(closeTo(target.pixel(2 + x, 3 + y), stripeColour(x), 24))
                << "column " << x << " row " << y << ": " << std::hex << target.pixel(2 + x, 3 + y);
    expectUntouchedOutside(destination);
}

TEST_F(DrawSkinPiece, KeyedCopyWithoutKeyPixelsEqualsTheOpaqueCopy) {
    MemoryCanvas opaque{40, 40, RED};
    const RECT destination = {4, 4, 10, 10};
    drawSkinPiece(opaque.dc(), destination, PATTERN, MAGENTA, 0);
    drawSkinPiece(target.dc(), destination, PATTERN, MAGENTA, 1);

    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x)
            ASSERT_EQ(target.pixel(x, y), opaque.pixel(x, y)) << x << ", " << y;
}

TEST_F(DrawSkinPiece, KeyedCopyLeavesTheTargetColoursWhiteAndBlack) {
    SetBkColor(target.dc(), 0x123456);
    SetTextColor(target.dc(), 0x654321);
    drawSkinPiece(target.dc(), {0, 0, 10, 10}, PATTERN, MAGENTA, 1);
    EXPECT_EQ(GetBkColor(target.dc()), 0xFFFFFFu);
    EXPECT_EQ(GetTextColor(target.dc()), 0x000000u);
}

struct KeyCase {
    const char* name;
    RECT source;
    COLORREF key;
    bool (*transparentAt)(int x, int y);
    COLORREF (*spriteAt)(int x, int y);
};

const KeyCase KEY_CASES[] = {
    {"magenta key shows the red ground at magenta pixels", CHECKERED, MAGENTA, checkered,
     [](int, int) { return BLUE; }},
    {"black key makes black pixels transparent", BLACK_DOTS, 0x000000,
     [](int x, int y) { return x == y; }, [](int, int) { return GREEN; }},
};

TEST_F(DrawSkinPiece, ColourKeyLetsTheTargetShowThroughExactlyAtKeyPixels) {
    for (const KeyCase& c : KEY_CASES) {
        SCOPED_TRACE(c.name);
        target.fillRect(0, 0, 40, 40, RED);
        const RECT destination = {7, 9, 10, 10};
        drawSkinPiece(target.dc(), destination, c.source, c.key, 1);
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 10; ++x)
                ASSERT_EQ(target.pixel(7 + x, 9 + y), c.transparentAt(x, y) ? RED : c.spriteAt(x, y))
                    << x << ", " << y;
        expectUntouchedOutside(destination);
    }
}

// The key is applied after stretching: flat magenta stays transparent, the
// blue centre lands stretched, blended edge pixels are drawn.
TEST_F(DrawSkinPiece, KeyedStretchAppliesTheKeyAfterScaling) {
    const RECT destination = {5, 5, 20, 20};
    drawSkinPiece(target.dc(), destination, FRAMED_DOT, MAGENTA, 1);

    EXPECT_EQ(target.pixel(5, 5), RED);
    EXPECT_EQ(target.pixel(24, 24), RED);
    EXPECT_EQ(target.pixel(5, 14), RED);
    EXPECT_TRUE(closeTo(target.pixel(14, 14), BLUE, 24)) << std::hex << target.pixel(14, 14);
    expectUntouchedOutside(destination);
}

TEST_F(DrawSkinPiece, ZeroSizedDestinationChangesNoPixel) {
    const RECT destinations[] = {{3, 3, 0, 10}, {3, 3, 10, 0}, {3, 3, 0, 0}};
    for (const RECT& destination : destinations)
        for (int transparent : {0, 1}) {
            drawSkinPiece(target.dc(), destination, PATTERN, MAGENTA, transparent);
            expectUntouchedOutside({0, 0, 0, 0});
        }
}

struct ObservedCall {
    HDC dc;
    RECT destination;
    RECT source;
    COLORREF key;
    int transparent;
    COLORREF targetPixelThen;
};
ObservedCall observed;

void observe(HDC dc, const RECT& destination, const RECT& source, COLORREF key, int transparent) {
    observed = {dc, destination, source, key, transparent, GetPixel(dc, destination.left, destination.top)};
}

TEST_F(DrawSkinPiece, ObserverSeesEachCallBeforeItDraws) {
    setSkinPieceObserver(observe);
    drawSkinPiece(target.dc(), {1, 2, 10, 10}, PATTERN, 0x00ABCDEF, 1);
    setSkinPieceObserver(nullptr);

    EXPECT_EQ(observed.dc, target.dc());
    EXPECT_EQ(observed.destination.left, 1);
    EXPECT_EQ(observed.destination.bottom, 10);
    EXPECT_EQ(observed.source.left, PATTERN.left);
    EXPECT_EQ(observed.key, 0x00ABCDEFu);
    EXPECT_EQ(observed.transparent, 1);
    EXPECT_EQ(observed.targetPixelThen, RED);
}

}  // namespace
