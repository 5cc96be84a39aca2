#include "toggle_skin.h"

#include "control_constants.h"
#include "control_paint.h"
#include "control_proc.h"
#include "sprite.h"

namespace {

LRESULT toggleSkinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                       const ToggleSkin& toggle) {
    return paintOnlySkinProc(window, message, wParam, lParam,
                             [&toggle](HWND control, HDC dc, const RECT& paintRect) {
                                 paintToggleButton(control, dc, paintRect, toggle);
                             });
}

// Asked through the parent by ID, as a dialog would: a sibling with the
// same ID earlier in the list answers instead. Any non-zero answer
// (indeterminate included) counts as checked.
bool isChecked(HWND window) {
    return IsDlgButtonChecked(GetParent(window), GetDlgCtrlID(window)) != 0;
}

}  // namespace

void installCheckBoxSkin(HWND window) {
    installControlSkin(window, checkBoxSkinProc);
}

void installRadioButtonSkin(HWND window) {
    installControlSkin(window, radioButtonSkinProc);
}

LRESULT CALLBACK checkBoxSkinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return toggleSkinProc(window, message, wParam, lParam, skinAtlas->checkBox);
}

LRESULT CALLBACK radioButtonSkinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return toggleSkinProc(window, message, wParam, lParam, skinAtlas->radioButton);
}

void paintToggleButton(HWND window, HDC dc, const RECT& paintRect, const ToggleSkin& toggle) {
    fillSkinBackground(dc, paintRect);
    RECT client;
    GetClientRect(window, &client);

    // The box sits at the left edge, vertically centred (a client lower
    // than the box puts it partly above the client area).
    const StateSkin& set = isChecked(window) ? toggle.checked : toggle.unchecked;
    const RECT& box = set.normal.source;
    const RECT destination{client.left, (client.bottom - box.bottom) / 2, box.right, box.bottom};
    drawSkinPiece(dc, destination, box, set.transparentColor, 1);

    RECT textArea = client;
    textArea.left += toggle.unchecked.normal.source.right + toggleTextGap;
    std::string text = readControlText(window);
    drawSkinText(dc, text.c_str(), -1, textArea, toggleTextFormat);
}
