#include "sprite.h"

#include "skin_atlas.h"

namespace {

SkinPieceObserver pieceObserver = nullptr;

// Copies the sprite into dc at (x, y) with the destination size, stretched
// with HALFTONE when the sizes differ (the mode stays set on dc).
void copySprite(HDC dc, int x, int y, const RECT& destination, const RECT& source) {
    const bool sameSize = source.right == destination.right && source.bottom == destination.bottom;
    if (sameSize) {
        BitBlt(dc, x, y, destination.right, destination.bottom, skinSheetDC, source.left, source.top,
               SRCCOPY);
    } else {
        SetStretchBltMode(dc, HALFTONE);
        StretchBlt(dc, x, y, destination.right, destination.bottom, skinSheetDC, source.left, source.top,
                   source.right, source.bottom, SRCCOPY);
    }
}

// The mask method: the key is applied after scaling, so HALFTONE edge
// pixels blended from key and sprite colours are drawn.
void copySpriteKeyed(HDC targetDC, const RECT& destination, const RECT& source, COLORREF key) {
    const int dx = destination.left, dy = destination.top;
    const int dw = destination.right, dh = destination.bottom;

    HBITMAP colourBitmap = CreateCompatibleBitmap(targetDC, dw, dh);
    HBITMAP maskBitmap = CreateBitmap(dw, dh, 1, 1, NULL);
    HDC colourDC = CreateCompatibleDC(targetDC);
    HDC maskDC = CreateCompatibleDC(targetDC);
    HGDIOBJ oldColour = SelectObject(colourDC, colourBitmap);
    HGDIOBJ oldMask = SelectObject(maskDC, maskBitmap);

    copySprite(colourDC, 0, 0, destination, source);

    // Colour to monochrome: pixels equal to the background colour become 1.
    SetBkColor(colourDC, key);
    BitBlt(maskDC, 0, 0, dw, dh, colourDC, 0, 0, SRCCOPY);

    // Monochrome to colour maps 1 to the background (black) and 0 to the
    // text colour (white): the key pixels of the sprite turn black.
    SetBkColor(colourDC, 0x000000);
    SetTextColor(colourDC, 0xFFFFFF);
    BitBlt(colourDC, 0, 0, dw, dh, maskDC, 0, 0, SRCAND);

    // Clear the target where the sprite is opaque, then OR the sprite in.
    SetBkColor(targetDC, 0xFFFFFF);
    SetTextColor(targetDC, 0x000000);
    BitBlt(targetDC, dx, dy, dw, dh, maskDC, 0, 0, SRCAND);
    BitBlt(targetDC, dx, dy, dw, dh, colourDC, 0, 0, SRCPAINT);

    SelectObject(colourDC, oldColour);
    DeleteDC(colourDC);
    SelectObject(maskDC, oldMask);
    DeleteDC(maskDC);
    DeleteObject(colourBitmap);
    DeleteObject(maskBitmap);
}

}  // namespace

void setSkinPieceObserver(SkinPieceObserver observer) {
    pieceObserver = observer;
}

void drawSkinPiece(HDC targetDC, const RECT& destination, const RECT& source, COLORREF transparentColor,
                   int transparent) {
    if (pieceObserver)
        pieceObserver(targetDC, destination, source, transparentColor, transparent);
    if (transparent)
        copySpriteKeyed(targetDC, destination, source, transparentColor);
    else
        copySprite(targetDC, destination.left, destination.top, destination, source);
}
