// Shared fixture of the control-skin tests: an atlas holding the values the
// control painters read and a synthetic skin sheet whose sprites are solid,
// known colours. Canvases and the drawSkinPiece recorder come from the
// shared test support.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "memory_canvas.h"
#include "piece_recorder.h"
#include "skin_atlas.h"

// Colours of the synthetic sheet and of the skin.
namespace SheetColor {
inline constexpr COLORREF key = 0xFF00FF;
inline constexpr COLORREF background = 0xF3E1CA;  // skinBackgroundColor
inline constexpr COLORREF text = 0x800000;        // SkinAtlas.textColor
inline constexpr COLORREF buttonFace[5] = {0x11AA11, 0x22BB22, 0x33CC33, 0x44DD44, 0x999999};
inline constexpr COLORREF checkBoxUnchecked = 0x0000FF;
inline constexpr COLORREF checkBoxChecked = 0x00FFFF;
inline constexpr COLORREF radioUnchecked = 0xFF0000;
inline constexpr COLORREF radioChecked = 0xFFFF00;
inline constexpr COLORREF canvas = MemoryCanvas::defaultFill;  // an unpainted canvas
}  // namespace SheetColor

// Grip pixel (gx, gy) of the 10 x 10 synthetic size grip: a triangle in
// the bottom-right half, each pixel its own colour; the rest is the key.
COLORREF syntheticGripPixel(int gx, int gy);

// Test base: the atlas and the synthetic sheet in place, a visible
// top-level parent at a fixed screen position for the controls.
class ControlSkinTest : public ::testing::Test {
protected:
    static constexpr int parentX = 100, parentY = 100, parentWidth = 320, parentHeight = 220;

    void SetUp() override;
    void TearDown() override;

    // A child of the parent window.
    HWND createChild(const char* className, const char* text, DWORD style, int x, int y, int width,
                     int height, int id = 0);
    HWND parent() const { return parent_; }

private:
    HWND parent_ = nullptr;
};

bool operator==(const RECT& a, const RECT& b);
std::ostream& operator<<(std::ostream& out, const RECT& r);
