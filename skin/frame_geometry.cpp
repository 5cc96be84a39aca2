#include "frame_layout.h"
#include "window_props.h"

namespace {

const char* const slotStateProps[captionSlotCount] = {
    SkinProp::minimizeButton,
    SkinProp::maximizeButton,
    SkinProp::closeButton,
};

bool bothSideButtonsUnavailable(HWND window) {
    return readSkinProp(window, SkinProp::minimizeButton) == captionUnavailable &&
           readSkinProp(window, SkinProp::maximizeButton) == captionUnavailable;
}

}  // namespace

const char* captionSlotStateProp(int slot) {
    return slotStateProps[slot];
}

int captionSlotOfHitCode(WPARAM hitCode) {
    switch (hitCode) {
    case HTMINBUTTON: return leftSlot;
    case HTMAXBUTTON: return middleSlot;
    case HTCLOSE: return closeSlot;
    default: return -1;
    }
}

const RECT& captionButtonLook(const CaptionButtonSkin& record, int look) {
    switch (look) {
    case captionHot: return record.hot;
    case captionPressed: return record.pressed;
    case captionUnavailable: return record.dimmed;
    default: return record.normal;
    }
}

CaptionStrip layoutCaptionStrip(HWND window, int right, int sizeLook) {
    const FrameSkin& frame = skinAtlas->frame;
    const bool restoreMode = readSkinProp(window, SkinProp::restoreMode) != 0;
    const bool zoomed = IsZoomed(window) != FALSE;

    // Restore mode puts the restore sprite in the middle slot of a maximized
    // window and in the left slot of a minimized one.
    const CaptionButtonSkin* records[captionSlotCount] = {
        restoreMode && !zoomed ? &frame.restoreButton : &frame.minimizeButton,
        restoreMode && zoomed ? &frame.restoreButton : &frame.maximizeButton,
        &frame.closeButton,
    };
    auto width = [sizeLook](const CaptionButtonSkin& record) {
        return static_cast<int>(captionButtonLook(record, sizeLook).right);
    };

    const int closeX = right - FrameLayout::buttonRightMargin - width(frame.closeButton);
    const int slotX[captionSlotCount] = {
        closeX - width(frame.maximizeButton) - width(*records[leftSlot]),
        closeX - width(*records[middleSlot]),
        closeX,
    };

    CaptionStrip strip{};
    for (int slot = 0; slot < captionSlotCount; ++slot) {
        const RECT& look = captionButtonLook(*records[slot], sizeLook);
        strip.slots[slot] = {records[slot], slotX[slot], static_cast<int>(look.right),
                             static_cast<int>(look.bottom)};
    }
    strip.sideSlots = !bothSideButtonsUnavailable(window);
    return strip;
}

int captionTextLeft(HWND window) {
    const bool iconShown = readSkinProp(window, SkinProp::systemMenu) != 0 &&
                           readSkinProp(window, SkinProp::icon) != 0;
    return iconShown ? FrameLayout::textXWithIcon : FrameLayout::iconX;
}

int captionTextRight(HWND window, int right) {
    const FrameSkin& frame = skinAtlas->frame;
    int buttons = frame.closeButton.normal.right;
    if (!bothSideButtonsUnavailable(window))
        buttons += frame.maximizeButton.normal.right + frame.minimizeButton.normal.right;
    return right - FrameLayout::buttonRightMargin - buttons - FrameLayout::textGap;
}

int captionBarHeight() {
    return skinAtlas->frame.caption.active.source.bottom;
}

int captionTopMargin() {
    return skinAtlas->frame.caption.active.margins.top;
}

int captionIconTop() {
    return (captionBarHeight() - FrameLayout::iconSize) / 2;
}
