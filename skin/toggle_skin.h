// Check-box and radio-button skin: the paint area filled with the skin's
// background, a 15 x 15 box or circle from the skin sheet at the left
// edge showing the check state, and the text to its right. Everything but
// painting stays with the control's own procedure.
#pragma once

#include <windows.h>

#include "skin_atlas.h"

void installCheckBoxSkin(HWND window);
void installRadioButtonSkin(HWND window);
LRESULT CALLBACK checkBoxSkinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK radioButtonSkinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Paints the control on dc from `toggle` (SkinAtlas.checkBox or
// SkinAtlas.radioButton); the background fill covers only paintRect.
void paintToggleButton(HWND window, HDC dc, const RECT& paintRect, const ToggleSkin& toggle);
