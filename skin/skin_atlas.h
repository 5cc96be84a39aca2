// The skin atlas: where every sprite lies on the skin sheet, how it is
// stretched, which colour is its key. Rectangles are stored the way
// SetRect(rect, x, y, width, height) fills them (right = width,
// bottom = height); a margins rectangle holds the left, top, right and
// bottom border widths. Members are in storage order.
#pragma once

#include <windows.h>

struct SkinPiece {
    RECT source;
    RECT margins;
};

struct BorderSkin {
    SkinPiece active;
    SkinPiece inactive;
    COLORREF transparentColor;
};

// Looks indexed 0 to 3 by CaptionButtonState.
struct CaptionButtonSkin {
    RECT normal;
    RECT hot;
    RECT pressed;
    RECT dimmed;
    COLORREF transparentColor;
};

// States indexed 0 to 4: normal, hot, focused, pressed, disabled.
struct StateSkin {
    SkinPiece normal;
    SkinPiece hot;
    SkinPiece focused;
    SkinPiece pressed;
    SkinPiece disabled;
    COLORREF transparentColor;
    COLORREF textColor;
};

struct ScrollBarParts {
    StateSkin button1;
    StateSkin button2;
    StateSkin track;
    StateSkin button3;
};

struct ScrollBarSkin {
    ScrollBarParts horizontal;
    ScrollBarParts vertical;
    SkinPiece sizeGrip;
    COLORREF transparentColor;
};

struct ToggleSkin {
    StateSkin unchecked;
    StateSkin checked;
};

struct FrameSkin {
    BorderSkin leftBorder;
    BorderSkin caption;
    BorderSkin rightBorder;
    BorderSkin bottomBorder;
    CaptionButtonSkin minimizeButton;
    CaptionButtonSkin maximizeButton;
    CaptionButtonSkin closeButton;
    CaptionButtonSkin restoreButton;
    RECT backgroundSample;
};

struct SkinAtlas {
    FrameSkin frame;
    COLORREF textColor;
    StateSkin pushButton;
    ScrollBarSkin scrollBar;
    ToggleSkin checkBox;
    ToggleSkin radioButton;
};

// The state piece for an index 0 to 4 (any other index: normal).
const SkinPiece& stateSkinPiece(const StateSkin& skin, int index);

// The global skin state, one per process.
extern SkinAtlas* skinAtlas;
extern UINT32 skinInstalled;
extern HWND skinMainWindow;
extern HICON skinMainIcon;
extern HDC skinSheetDC;
extern COLORREF skinBackgroundColor;
extern HHOOK skinHook;

// Program start: the zero-filled atlas. Program end: its release.
void allocateSkinAtlas();
void freeSkinAtlas();

// Skins the main window, its children and every window the thread creates
// later. Runs its body once per process: decodes the sheet into
// skinSheetDC, fills the atlas, samples skinBackgroundColor, then hands over
// to attachSkinToMainWindow (skin_install.h).
void installSkin(HWND mainWindow);

// Writes the fixed atlas values (skin_atlas_values.cpp) into `atlas`.
void fillSkinAtlas(SkinAtlas& atlas);

// The main window's small icon, else its big icon, else 0.
HICON fetchWindowIcon(HWND window);

// Deletes skinSheetDC and the sheet bitmap selected into it; afterwards
// skinSheetDC is 0 and no sprite can be drawn.
void releaseSkinSheet();
