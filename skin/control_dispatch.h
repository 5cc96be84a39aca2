// The classes whose skin depends on the control's kind: "Button" and
// "ScrollBar" are sent on by their low four style bits.
#pragma once

#include <windows.h>

// Push buttons (0, 1), check boxes (2, 3), radio buttons (4, 9); any other
// kind keeps the system's look.
void installButtonSkin(HWND window);

// Low bits 4 (size grip aligned bottom-right, or a horizontal bar aligned
// to the bottom): the size-box skin; plain bars 0 and 1: nothing to do;
// any other value: nothing.
void installScrollBarSkin(HWND window);
