// drawSkinPiece: the one routine that copies pixels from the skin sheet.
#pragma once

#include <windows.h>

// Copies the sheet rectangle `source` into `destination` of targetDC (both
// x, y, width, height). Stretched with HALFTONE when the sizes differ;
// with `transparent` non-zero the pixels equal to transparentColor (after
// stretching) leave the target as it was.
void drawSkinPiece(HDC targetDC, const RECT& destination, const RECT& source,
                   COLORREF transparentColor, int transparent);

// Test seam: when set, every drawSkinPiece call is reported to it first.
using SkinPieceObserver = void (*)(HDC targetDC, const RECT& destination, const RECT& source,
                                   COLORREF transparentColor, int transparent);
void setSkinPieceObserver(SkinPieceObserver observer);
