// The program's skin sheet: the GIF facts the decoder relies on, and that
// every atlas rectangle holds a sprite with magenta exactly where the
// painters need the window to show through.
#include "decoded_sheet.h"
#include "skin_atlas.h"
#include "skin_sheet.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

constexpr COLORREF MAGENTA = 0xFF00FF;
constexpr int SHEET_WIDTH = 218;
constexpr int SHEET_HEIGHT = 342;
constexpr int ATLAS_LIMIT_Y = 235;  // every sprite lies above this row

unsigned word(std::size_t offset) {
    return skinSheetGif[offset] | (skinSheetGif[offset + 1] << 8);
}

TEST(SkinSheetFile, HeaderFacts) {
    ASSERT_GT(skinSheetGifSize, 13u + 768u + 10u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(skinSheetGif), 6), "GIF89a");
    EXPECT_EQ(word(6), unsigned(SHEET_WIDTH));
    EXPECT_EQ(word(8), unsigned(SHEET_HEIGHT));
    const unsigned packed = skinSheetGif[10];
    EXPECT_TRUE(packed & 0x80) << "global colour table present";
    EXPECT_EQ(packed & 7, 7u) << "256 entries";
    EXPECT_EQ(skinSheetGif[11], 0) << "background index";
    EXPECT_EQ(skinSheetGif[13], 255);
    EXPECT_EQ(skinSheetGif[14], 0);
    EXPECT_EQ(skinSheetGif[15], 255);
}

// After the table: exactly one image descriptor over the whole screen,
// without local table or interlacing, then the trailer. Any extension
// block (a graphic-control extension above all) would show up here.
TEST(SkinSheetFile, OneFullImageAndNoExtension) {
    std::size_t at = 13 + 768;
    ASSERT_EQ(skinSheetGif[at], 0x2C) << "first block after the table must be the image";
    EXPECT_EQ(word(at + 1), 0u);
    EXPECT_EQ(word(at + 3), 0u);
    EXPECT_EQ(word(at + 5), unsigned(SHEET_WIDTH));
    EXPECT_EQ(word(at + 7), unsigned(SHEET_HEIGHT));
    EXPECT_EQ(skinSheetGif[at + 9] & 0xC0, 0) << "no local table, not interlaced";
    at += 10 + 1;  // descriptor, LZW minimum code size
    while (at < skinSheetGifSize && skinSheetGif[at] != 0)
        at += 1 + skinSheetGif[at];
    ASSERT_LT(at + 1, skinSheetGifSize);
    EXPECT_EQ(skinSheetGif[at + 1], 0x3B) << "trailer right after the image data";
    EXPECT_EQ(at + 2, skinSheetGifSize);
}

// Where a sprite may and must hold magenta, in sprite coordinates.
struct Sprite {
    std::string name;
    RECT source;                // x, y, w, h on the sheet
    std::vector<RECT> allowed;  // boxes (x, y, w, h) that may hold magenta
    std::vector<POINT> required;
    bool noBlack = false;
};

RECT box(LONG x, LONG y, LONG w, LONG h) { return {x, y, w, h}; }

std::vector<POINT> corners(const RECT& r) {
    return {{0, 0}, {r.right - 1, 0}, {0, r.bottom - 1}, {r.right - 1, r.bottom - 1}};
}

class SpriteList {
public:
    void opaque(const std::string& name, const RECT& source, bool noBlack = false) {
        add({name, source, {}, {}, noBlack});
    }

    // Caption (rounded on top) and bottom strip (rounded at the bottom):
    // magenta only in the keyed corner pieces, whose widths are the margins.
    void roundedStrip(const std::string& name, const SkinPiece& piece, bool top) {
        const RECT& s = piece.source;
        const RECT& m = piece.margins;
        const LONG h = top ? m.top : s.bottom;
        const LONG edge = top ? 0 : s.bottom - 1;
        add({name, s, {box(0, 0, m.left, h), box(s.right - m.right, 0, m.right, h)},
             {{0, edge}, {s.right - 1, edge}}});
    }

    // Caption buttons: three magenta pixels at one bottom corner (-1 left,
    // +1 right), or none (0). Opaque ones hold no black either.
    void captionButton(const std::string& name, const RECT& source, int corner, bool opaque) {
        const LONG w = source.right, h = source.bottom;
        std::vector<POINT> pixels;
        if (corner < 0)
            pixels = {{0, h - 1}, {1, h - 1}, {0, h - 2}};
        if (corner > 0)
            pixels = {{w - 1, h - 1}, {w - 2, h - 1}, {w - 1, h - 2}};
        std::vector<RECT> allowed;
        for (const POINT& p : pixels)
            allowed.push_back(box(p.x, p.y, 1, 1));
        add({name, source, allowed, pixels, opaque});
    }

    // Push-button faces: magenta only inside the four corner pieces.
    void nineGrid(const std::string& name, const SkinPiece& piece) {
        const RECT& s = piece.source;
        const RECT& m = piece.margins;
        add({name, s,
             {box(0, 0, m.left, m.top), box(s.right - m.right, 0, m.right, m.top),
              box(0, s.bottom - m.bottom, m.left, m.bottom),
              box(s.right - m.right, s.bottom - m.bottom, m.right, m.bottom)},
             corners(s)});
    }

    // Sprites on a magenta ground: corners transparent, `solid` opaque.
    void onMagenta(const std::string& name, const RECT& source, POINT solid) {
        if (source.right == 0)
            return;
        std::vector<POINT> required;
        for (const POINT& p : corners(source))
            if (p.x != solid.x || p.y != solid.y)
                required.push_back(p);
        add({name, source, {box(0, 0, source.right, source.bottom)}, required, false});
        solidPoints.push_back({static_cast<int>(sprites.size()) - 1, solid});
    }

    void add(Sprite sprite) {
        if (sprite.source.right > 0)
            sprites.push_back(sprite);
    }

    std::vector<Sprite> sprites;
    std::vector<std::pair<int, POINT>> solidPoints;
};

const char* const STATE_NAMES[] = {"normal", "hot", "focused", "pressed", "disabled"};
const char* const LOOK_NAMES[] = {"normal", "hot", "pressed", "dimmed"};

SpriteList spritesOf(const SkinAtlas& atlas) {
    SpriteList list;
    const FrameSkin& f = atlas.frame;
    for (auto [name, border] : {std::pair{"leftBorder", &f.leftBorder}, {"rightBorder", &f.rightBorder}}) {
        list.opaque(std::string(name) + ".active", border->active.source, true);
        list.opaque(std::string(name) + ".inactive", border->inactive.source, true);
    }
    list.roundedStrip("caption.active", f.caption.active, true);
    list.roundedStrip("caption.inactive", f.caption.inactive, true);
    list.roundedStrip("bottomBorder.active", f.bottomBorder.active, false);
    list.roundedStrip("bottomBorder.inactive", f.bottomBorder.inactive, false);

    // The rounded outer corners of the button group: bottom-left of the
    // minimize looks except `normal`, bottom-right of every close look.
    struct ButtonKind { const char* name; const CaptionButtonSkin* skin; int corner; bool normalCorner; bool opaque; };
    for (const ButtonKind& b : {ButtonKind{"minimizeButton", &f.minimizeButton, -1, false, false},
                                ButtonKind{"maximizeButton", &f.maximizeButton, 0, false, true},
                                ButtonKind{"closeButton", &f.closeButton, 1, true, false},
                                ButtonKind{"restoreButton", &f.restoreButton, 0, false, true}}) {
        const RECT* looks[] = {&b.skin->normal, &b.skin->hot, &b.skin->pressed, &b.skin->dimmed};
        for (int i = 0; i < 4; ++i)
            list.captionButton(std::string(b.name) + "." + LOOK_NAMES[i], *looks[i],
                               i == 0 && !b.normalCorner ? 0 : b.corner, b.opaque);
    }
    list.opaque("backgroundSample", f.backgroundSample);

    for (int i = 0; i < 5; ++i)
        list.nineGrid(std::string("pushButton.") + STATE_NAMES[i], stateSkinPiece(atlas.pushButton, i));

    struct Part { const char* name; const StateSkin* skin; };
    const ScrollBarParts& h = atlas.scrollBar.horizontal;
    const ScrollBarParts& v = atlas.scrollBar.vertical;
    for (const Part& p : {Part{"horizontal.button1", &h.button1}, Part{"horizontal.button2", &h.button2},
                          Part{"horizontal.track", &h.track}, Part{"horizontal.button3", &h.button3},
                          Part{"vertical.button1", &v.button1}, Part{"vertical.button2", &v.button2},
                          Part{"vertical.track", &v.track}, Part{"vertical.button3", &v.button3}})
        for (int i = 0; i < 5; ++i)
            list.opaque(std::string("scrollBar.") + p.name + "." + STATE_NAMES[i], stateSkinPiece(*p.skin, i).source);
    const RECT& grip = atlas.scrollBar.sizeGrip.margins;
    list.onMagenta("sizeGrip", grip, {grip.right - 1, grip.bottom - 1});

    struct Toggle { const char* name; const StateSkin* skin; };
    for (const Toggle& t : {Toggle{"checkBox.unchecked", &atlas.checkBox.unchecked},
                            Toggle{"checkBox.checked", &atlas.checkBox.checked},
                            Toggle{"radioButton.unchecked", &atlas.radioButton.unchecked},
                            Toggle{"radioButton.checked", &atlas.radioButton.checked}})
        for (int i = 0; i < 5; ++i)
            list.onMagenta(std::string(t.name) + "." + STATE_NAMES[i], stateSkinPiece(*t.skin, i).source,
                           {7, 7});
    return list;
}

bool sameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

bool overlap(const RECT& a, const RECT& b) {
    return a.left < b.left + b.right && b.left < a.left + a.right && a.top < b.top + b.bottom &&
           b.top < a.top + a.bottom;
}

bool inBox(const RECT& b, LONG x, LONG y) {
    return x >= b.left && x < b.left + b.right && y >= b.top && y < b.top + b.bottom;
}

class SkinSheetPixels : public ::testing::Test {
protected:
    void SetUp() override {
        fillSkinAtlas(atlas);
        ASSERT_TRUE(decoded.ok());
    }
    COLORREF at(const RECT& source, LONG x, LONG y) const {
        return GetPixel(decoded.dc(), source.left + x, source.top + y);
    }

    SkinAtlas atlas{};
    DecodedSheet decoded;
};

TEST_F(SkinSheetPixels, DecodesToTheLogicalScreenSize) {
    BITMAP info{};
    GetObjectA(decoded.bitmap(), sizeof info, &info);
    EXPECT_EQ(info.bmWidth, SHEET_WIDTH);
    EXPECT_EQ(info.bmHeight, SHEET_HEIGHT);
}

TEST_F(SkinSheetPixels, RectanglesLieInTheSpriteAreaAndDoNotOverlap) {
    const std::vector<Sprite> sprites = spritesOf(atlas).sprites;
    std::vector<Sprite> distinct;
    for (const Sprite& s : sprites) {
        EXPECT_GE(s.source.left, 0) << s.name;
        EXPECT_GE(s.source.top, 0) << s.name;
        EXPECT_LE(s.source.left + s.source.right, SHEET_WIDTH) << s.name;
        EXPECT_LE(s.source.top + s.source.bottom, ATLAS_LIMIT_Y) << s.name;
        bool seen = false;
        for (const Sprite& d : distinct) {
            if (sameRect(d.source, s.source)) {
                seen = true;  // states that share one sprite
                continue;
            }
            EXPECT_FALSE(overlap(d.source, s.source)) << s.name << " overlaps " << d.name;
        }
        if (!seen)
            distinct.push_back(s);
    }
}

TEST_F(SkinSheetPixels, MagentaExactlyWhereTheWindowShowsThrough) {
    const SpriteList list = spritesOf(atlas);
    for (const Sprite& s : list.sprites) {
        for (LONG y = 0; y < s.source.bottom; ++y)
            for (LONG x = 0; x < s.source.right; ++x) {
                const COLORREF c = at(s.source, x, y);
                if (c == MAGENTA) {
                    bool allowed = false;
                    for (const RECT& b : s.allowed)
                        allowed = allowed || inBox(b, x, y);
                    EXPECT_TRUE(allowed) << s.name << ": magenta at " << x << ", " << y;
                }
                if (s.noBlack) {
                    EXPECT_NE(c, 0u) << s.name << ": black at " << x << ", " << y;
                }
            }
        for (const POINT& p : s.required)
            EXPECT_EQ(at(s.source, p.x, p.y), MAGENTA) << s.name << ": no magenta at " << p.x << ", " << p.y;
    }
    for (const auto& [index, point] : list.solidPoints) {
        const Sprite& s = list.sprites[index];
        EXPECT_NE(at(s.source, point.x, point.y), MAGENTA) << s.name << " is empty at its centre";
    }
}

TEST_F(SkinSheetPixels, SizeGripIsATriangleInTheBottomRightHalf) {
    const RECT& grip = atlas.scrollBar.sizeGrip.margins;
    int dots = 0;
    for (LONG y = 0; y < grip.bottom; ++y)
        for (LONG x = 0; x < grip.right; ++x) {
            const bool ink = at(grip, x, y) != MAGENTA;
            if (x + y < grip.right - 1) {
                EXPECT_FALSE(ink) << "ink above the diagonal at " << x << ", " << y;
            }
            dots += ink;
        }
    EXPECT_GT(dots, 10);
}

TEST_F(SkinSheetPixels, BackgroundSampleIsFlat) {
    const RECT& sample = atlas.frame.backgroundSample;
    for (LONG y = 0; y < sample.bottom; ++y)
        for (LONG x = 0; x < sample.right; ++x)
            ASSERT_EQ(at(sample, x, y), RGB(202, 225, 243)) << x << ", " << y;
    EXPECT_EQ(GetPixel(decoded.dc(), 38, 156), 0xF3E1CAu);
}

}  // namespace
