// Fixed numbers of the control skins: which style bits name a control's
// kind, the DrawTextA formats of each painter, and the few layout values.
#pragma once

#include <windows.h>

// The low style bits that name a control's kind.
inline constexpr LONG labelKindMask = 31;      // SS_TYPEMASK
inline constexpr LONG buttonKindMask = 15;     // BS_TYPEMASK
inline constexpr LONG scrollBarKindMask = 15;  // SBS_HORZ, SBS_VERT and the alignment bit

// Labels and toggles read at most this many bytes of text, terminator
// included (2047 bytes of text).
inline constexpr int controlTextLimit = 2048;

// Labels: top-left, wrapped at word boundaries. DT_VCENTER has no effect
// without DT_SINGLELINE, so the text starts at the top.
inline constexpr UINT labelTextFormat = DT_VCENTER | DT_WORDBREAK;
static_assert(labelTextFormat == 0x14);

// Push buttons: one line centred both ways.
inline constexpr UINT pushButtonCaptionFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
static_assert(pushButtonCaptionFormat == 0x25);

// Check boxes and radio buttons: one line, left-aligned, vertically centred.
inline constexpr UINT toggleTextFormat = DT_SINGLELINE | DT_VCENTER;
static_assert(toggleTextFormat == 0x24);

// A pressed push button moves the left and top edges of its caption
// rectangle by this much, so a centred caption moves by half of it.
inline constexpr int pressedCaptionShift = 20;

// Gap between a toggle's box and its text.
inline constexpr int toggleTextGap = 2;

// DC of a push button's WM_NCPAINT when a region is given.
inline constexpr DWORD nonClientPaintDcFlags = DCX_WINDOW | DCX_CACHE | DCX_INTERSECTRGN;
static_assert(nonClientPaintDcFlags == 0x83);
