// The skin frame's fixed layout and the geometry shared by its painter and
// its hit test: where the icon, the caption text and the three caption
// button slots lie. Sprite sizes come from the atlas; the numbers below are
// the frame's own.
#pragma once

#include <windows.h>

#include "skin_atlas.h"

namespace FrameLayout {
inline constexpr int iconX = 8;               // icon, and caption text without icon
inline constexpr int iconSize = 16;           // icon square; height of the text area
inline constexpr int textXWithIcon = 28;      // caption text when an icon is shown
inline constexpr int buttonRightMargin = 14;  // close button to the window's right edge
inline constexpr int textGap = 4;             // caption text (or drag area) to the buttons
inline constexpr int buttonY = 0;             // the buttons hang from the top edge

inline constexpr UINT hoverTimerInterval = 200;  // ms
inline constexpr int resizeEdge = 4;             // inclusive: 5 columns or rows
inline constexpr int resizeCornerReach = 10;     // corner reach and edge inset
inline constexpr int regionEllipseWidth = 8;
inline constexpr int regionEllipseHeight = 9;
}  // namespace FrameLayout

// A skin rectangle in the atlas convention: x, y, width, height.
inline RECT skinRect(int x, int y, int width, int height) {
    return RECT{x, y, width, height};
}

// Caption-button states, the values of the three button properties.
enum CaptionButtonState { captionNormal = 0, captionHot = 1, captionPressed = 2, captionUnavailable = 3 };

// The three caption slots, left to right. The left slot's state is always
// "Tov.最小化按钮" and the middle one's "Tov.最大化按钮", whatever they show.
enum CaptionSlot { leftSlot = 0, middleSlot = 1, closeSlot = 2, captionSlotCount = 3 };

// Name of the state property of a slot.
const char* captionSlotStateProp(int slot);
// The slot a hit-test code names (HTMINBUTTON, HTMAXBUTTON, HTCLOSE), else -1.
int captionSlotOfHitCode(WPARAM hitCode);

// One of the four looks of a caption button, by CaptionButtonState
// (any other value: normal).
const RECT& captionButtonLook(const CaptionButtonSkin& record, int look);

struct CaptionSlotLayout {
    const CaptionButtonSkin* record;  // the sprite record the slot shows
    int x;                            // left edge, in the coordinates of `right`
    int width;
    int height;
};

struct CaptionStrip {
    CaptionSlotLayout slots[captionSlotCount];
    bool sideSlots;  // false when minimize and maximize are both unavailable
};

// The slots of a window whose right edge is `right`, sized by the given
// look of each record (normal for an active window and for hit testing,
// dimmed for an inactive one). Restore mode and IsZoomed choose the records.
CaptionStrip layoutCaptionStrip(HWND window, int right, int sizeLook);

// Left edge of the caption text, relative to the window: after the icon
// when the window has a system menu and an icon.
int captionTextLeft(HWND window);
// Right edge of the caption text (and of the caption drag area with a system
// menu) for a window whose right edge is `right`: the gap before the left
// button, or before the close button when it stands alone.
int captionTextRight(HWND window, int right);

// Heights from the active caption sprite: the caption bar and the top
// margin that the caption drag area starts below.
int captionBarHeight();
int captionTopMargin();
// Top of the icon and of the caption text area, relative to the window.
int captionIconTop();
