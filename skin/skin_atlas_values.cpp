// The values of the skin atlas: where each sprite of the skin sheet lies.
// Rectangles are x, y, width, height; margins are the left, top, right and
// bottom widths that keep their size when a piece is stretched; {} is a
// member that stays unfilled. tools/draw_skin_sheet.py reads this table to
// draw the sheet, so the sheet and the program cannot disagree.
#include "skin_atlas.h"

namespace {

constexpr COLORREF MAGENTA = 0xFF00FF;
constexpr COLORREF NAVY = 0x800000;
constexpr COLORREF OPAQUE_KEY = 0x000000;  // frame key 0: drawn opaque

void setBorder(BorderSkin& border, RECT activeSource, RECT activeMargins, RECT inactiveSource,
               RECT inactiveMargins, COLORREF key) {
    border.active = {activeSource, activeMargins};
    border.inactive = {inactiveSource, inactiveMargins};
    border.transparentColor = key;
}

void setButton(CaptionButtonSkin& button, RECT normal, RECT hot, RECT pressed, RECT dimmed,
               COLORREF key) {
    button = {normal, hot, pressed, dimmed, key};
}

void setStates(StateSkin& skin, SkinPiece normal, SkinPiece hot, SkinPiece focused,
               SkinPiece pressed, SkinPiece disabled, COLORREF key, COLORREF text) {
    skin = {normal, hot, focused, pressed, disabled, key, text};
}

}  // namespace

void fillSkinAtlas(SkinAtlas& atlas) {
    FrameSkin& frame = atlas.frame;
    ScrollBarSkin& scrollBar = atlas.scrollBar;

    // Frame edges and caption: active source, margins; inactive source, margins; key.
    setBorder(frame.leftBorder, {41, 217, 3, 14}, {}, {213, 0, 3, 15}, {}, OPAQUE_KEY);
    setBorder(frame.caption, {0, 31, 169, 31}, {46, 7, 53, 0}, {0, 0, 169, 31}, {42, 7, 46, 0}, MAGENTA);
    setBorder(frame.rightBorder, {215, 81, 3, 14}, {}, {213, 62, 3, 14}, {}, OPAQUE_KEY);
    setBorder(frame.bottomBorder, {193, 26, 24, 5}, {6, 0, 6, 0}, {169, 26, 24, 5}, {6, 0, 6, 0}, MAGENTA);

    // Caption buttons: normal, hot, pressed, dimmed; key.
    setButton(frame.minimizeButton, {75, 137, 25, 18}, {50, 137, 25, 18}, {25, 137, 25, 18}, {0, 137, 25, 18}, MAGENTA);
    setButton(frame.maximizeButton, {170, 102, 26, 18}, {144, 102, 26, 18}, {118, 102, 26, 18}, {92, 102, 26, 18}, OPAQUE_KEY);
    setButton(frame.closeButton, {137, 81, 42, 18}, {95, 81, 42, 18}, {53, 81, 42, 18}, {169, 31, 42, 18}, MAGENTA);
    setButton(frame.restoreButton, {66, 102, 26, 18}, {40, 102, 26, 18}, {14, 102, 26, 18}, {179, 81, 26, 18}, MAGENTA);

    frame.backgroundSample = {37, 155, 20, 20};

    // Controls in five states, each {source, margins}: normal, hot, focused, pressed, disabled; key; text colour.
    setStates(atlas.pushButton, {{87, 182, 13, 21}, {3, 4, 3, 3}}, {{28, 182, 16, 21}, {5, 5, 5, 4}},
              {{59, 182, 15, 21}, {4, 4, 4, 4}}, {{44, 182, 15, 21}, {4, 4, 4, 4}},
              {{74, 182, 13, 21}, {3, 3, 3, 3}}, MAGENTA, NAVY);

    setStates(scrollBar.horizontal.button1, {{181, 62, 16, 16}, {3, 3, 4, 3}}, {{165, 62, 16, 16}, {3, 3, 3, 3}},
              {}, {{149, 62, 16, 16}, {3, 4, 3, 3}}, {{133, 62, 16, 16}, {3, 3, 3, 3}}, 0, 0);
    scrollBar.horizontal.button2 = scrollBar.horizontal.button1;
    setStates(scrollBar.horizontal.track, {{31, 217, 10, 18}, {0, 2, 0, 2}}, {{31, 217, 10, 18}, {0, 2, 0, 2}},
              {}, {{31, 217, 10, 18}, {0, 2, 0, 2}}, {{205, 81, 10, 18}, {0, 2, 0, 2}}, 0, 0);
    scrollBar.horizontal.button3 = scrollBar.horizontal.button1;
    setStates(scrollBar.vertical.button1, {{30, 120, 16, 16}, {2, 2, 2, 2}}, {{14, 120, 16, 16}, {2, 2, 2, 2}},
              {}, {{196, 102, 16, 16}, {3, 2, 3, 2}}, {{197, 62, 16, 16}, {2, 2, 2, 2}}, 0, 0);
    scrollBar.vertical.button2 = scrollBar.vertical.button1;
    setStates(scrollBar.vertical.track, {{83, 120, 18, 10}, {2, 0, 2, 0}}, {{83, 120, 18, 10}, {2, 0, 2, 0}},
              {}, {{83, 120, 18, 10}, {2, 0, 2, 0}}, {{65, 120, 18, 10}, {2, 0, 2, 0}}, 0, 0);
    setStates(scrollBar.vertical.button3, {{30, 120, 16, 16}, {2, 2, 2, 2}}, {{14, 120, 16, 16}, {3, 3, 3, 3}},
              {}, {{196, 102, 16, 16}, {3, 2, 3, 2}}, {{197, 62, 16, 16}, {2, 2, 2, 2}}, 0, 0);
    // The size grip's sprite is kept in the margins member; its source stays unfilled.
    scrollBar.sizeGrip = {{}, {208, 49, 10, 10}};
    scrollBar.transparentColor = MAGENTA;

    // Check boxes and radio buttons: 15 x 15 sprites without margins.
    setStates(atlas.checkBox.unchecked, {{130, 182, 15, 15}, {}}, {{115, 182, 15, 15}, {}}, {{130, 182, 15, 15}, {}},
              {{130, 182, 15, 15}, {}}, {{100, 182, 15, 15}, {}}, MAGENTA, 0);
    setStates(atlas.checkBox.checked, {{192, 155, 15, 15}, {}}, {{177, 155, 15, 15}, {}}, {{192, 155, 15, 15}, {}},
              {}, {{162, 155, 15, 15}, {}}, MAGENTA, 0);
    setStates(atlas.radioButton.unchecked, {{175, 137, 15, 15}, {}}, {{160, 137, 15, 15}, {}}, {{175, 137, 15, 15}, {}},
              {{160, 137, 15, 15}, {}}, {{145, 137, 15, 15}, {}}, MAGENTA, 0);
    setStates(atlas.radioButton.checked, {{130, 137, 15, 15}, {}}, {{115, 137, 15, 15}, {}}, {{130, 137, 15, 15}, {}},
              {{115, 137, 15, 15}, {}}, {{100, 137, 15, 15}, {}}, MAGENTA, 0);

    atlas.textColor = NAVY;
}
