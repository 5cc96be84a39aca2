#include "skin_fixture.h"

#include <ostream>


namespace {

constexpr char parentClass[] = "ControlSkinTestParent";

void fillSheetRect(HDC dc, const RECT& sprite, COLORREF color) {
    RECT area{sprite.left, sprite.top, sprite.left + sprite.right, sprite.top + sprite.bottom};
    HBRUSH brush = CreateSolidBrush(color);
    FillRect(dc, &area, brush);
    DeleteObject(brush);
}

// A solid face whose four corner pixels carry the key colour.
void drawFace(HDC dc, const RECT& sprite, COLORREF color) {
    fillSheetRect(dc, sprite, color);
    const int right = sprite.left + sprite.right - 1, bottom = sprite.top + sprite.bottom - 1;
    for (POINT corner : {POINT{sprite.left, sprite.top}, POINT{right, sprite.top},
                         POINT{sprite.left, bottom}, POINT{right, bottom}}) {
        SetPixel(dc, corner.x, corner.y, SheetColor::key);
    }
}

SkinPiece piece(RECT source, RECT margins = {}) {
    return SkinPiece{source, margins};
}

// The members of the atlas that the control painters read.
void fillControlAtlas(SkinAtlas& atlas) {
    atlas.frame.leftBorder.active.source = {41, 217, 3, 14};
    atlas.frame.caption.active.source = {0, 31, 169, 31};
    atlas.frame.rightBorder.active.source = {215, 81, 3, 14};
    atlas.frame.bottomBorder.active.source = {193, 26, 24, 5};
    atlas.textColor = SheetColor::text;

    StateSkin& button = atlas.pushButton;
    button.normal = piece({87, 182, 13, 21}, {3, 4, 3, 3});
    button.hot = piece({28, 182, 16, 21}, {5, 5, 5, 4});
    button.focused = piece({59, 182, 15, 21}, {4, 4, 4, 4});
    button.pressed = piece({44, 182, 15, 21}, {4, 4, 4, 4});
    button.disabled = piece({74, 182, 13, 21}, {3, 3, 3, 3});
    button.transparentColor = SheetColor::key;
    button.textColor = SheetColor::text;

    atlas.scrollBar.sizeGrip.margins = {208, 49, 10, 10};
    atlas.scrollBar.transparentColor = SheetColor::key;

    auto toggleSet = [](StateSkin& set, RECT normal) {
        set.normal = piece(normal);
        set.transparentColor = SheetColor::key;
    };
    toggleSet(atlas.checkBox.unchecked, {130, 182, 15, 15});
    toggleSet(atlas.checkBox.checked, {192, 155, 15, 15});
    toggleSet(atlas.radioButton.unchecked, {175, 137, 15, 15});
    toggleSet(atlas.radioButton.checked, {130, 137, 15, 15});
}

// The synthetic sheet: the key colour everywhere but on the sprites the
// control painters use.
HDC makeSyntheticSheet(const SkinAtlas& atlas) {
    static MemoryCanvas sheet(218, 342, SheetColor::key);
    const StateSkin& button = atlas.pushButton;
    const SkinPiece* faces[] = {&button.normal, &button.hot, &button.focused, &button.pressed,
                                &button.disabled};
    for (int state = 0; state < 5; ++state) {
        drawFace(sheet.dc(), faces[state]->source, SheetColor::buttonFace[state]);
    }
    fillSheetRect(sheet.dc(), atlas.checkBox.unchecked.normal.source, SheetColor::checkBoxUnchecked);
    fillSheetRect(sheet.dc(), atlas.checkBox.checked.normal.source, SheetColor::checkBoxChecked);
    fillSheetRect(sheet.dc(), atlas.radioButton.unchecked.normal.source, SheetColor::radioUnchecked);
    fillSheetRect(sheet.dc(), atlas.radioButton.checked.normal.source, SheetColor::radioChecked);
    const RECT& grip = atlas.scrollBar.sizeGrip.margins;
    for (int gy = 0; gy < grip.bottom; ++gy) {
        for (int gx = 0; gx < grip.right; ++gx) {
            SetPixel(sheet.dc(), grip.left + gx, grip.top + gy, syntheticGripPixel(gx, gy));
        }
    }
    return sheet.dc();
}

}  // namespace

COLORREF syntheticGripPixel(int gx, int gy) {
    if (gx + gy < 9) return SheetColor::key;
    return RGB(20 * gx, 20 * gy, 100);
}

void ControlSkinTest::SetUp() {
    if (!skinAtlas) allocateSkinAtlas();
    fillControlAtlas(*skinAtlas);
    static HDC sheet = makeSyntheticSheet(*skinAtlas);
    skinSheetDC = sheet;
    skinBackgroundColor = SheetColor::background;

    static ATOM registered = [] {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = parentClass;
        wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
        return RegisterClassA(&wc);
    }();
    ASSERT_NE(registered, 0);
    parent_ = CreateWindowExA(0, parentClass, "parent", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN,
                              parentX, parentY, parentWidth, parentHeight, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(parent_, nullptr);
}

void ControlSkinTest::TearDown() {
    DestroyWindow(parent_);
}

HWND ControlSkinTest::createChild(const char* className, const char* text, DWORD style, int x,
                                  int y, int width, int height, int id) {
    return CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height,
                           parent_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           GetModuleHandleA(nullptr), nullptr);
}

bool operator==(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

std::ostream& operator<<(std::ostream& out, const RECT& r) {
    return out << "{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "}";
}
