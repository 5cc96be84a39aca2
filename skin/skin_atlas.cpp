#include "skin_atlas.h"

#include "skin_install.h"
#include "skin_sheet.h"

SkinAtlas* skinAtlas = nullptr;
UINT32 skinInstalled = 0;
HWND skinMainWindow = 0;
HICON skinMainIcon = 0;
HDC skinSheetDC = 0;
COLORREF skinBackgroundColor = 0;
HHOOK skinHook = 0;

namespace {

// The bitmap selected into skinSheetDC; a DC does not delete it.
HBITMAP skinSheetBitmap = 0;

}  // namespace

const SkinPiece& stateSkinPiece(const StateSkin& skin, int index) {
    switch (index) {
    case 1: return skin.hot;
    case 2: return skin.focused;
    case 3: return skin.pressed;
    case 4: return skin.disabled;
    default: return skin.normal;
    }
}

void allocateSkinAtlas() {
    if (!skinAtlas)
        skinAtlas = new SkinAtlas{};
}

void freeSkinAtlas() {
    delete skinAtlas;
    skinAtlas = nullptr;
}

HICON fetchWindowIcon(HWND window) {
    HICON icon = reinterpret_cast<HICON>(SendMessageA(window, WM_GETICON, ICON_SMALL, 0));
    if (!icon)
        icon = reinterpret_cast<HICON>(SendMessageA(window, WM_GETICON, ICON_BIG, 0));
    return icon;
}

void releaseSkinSheet() {
    DeleteDC(skinSheetDC);
    DeleteObject(skinSheetBitmap);
    // Cleared so that a late paint copies from no DC rather than from a
    // handle value the system may have given to another DC meanwhile.
    skinSheetDC = 0;
    skinSheetBitmap = 0;
}

void installSkin(HWND mainWindow) {
    if (skinInstalled)
        return;
    skinInstalled = 1;
    skinMainWindow = mainWindow;
    skinMainIcon = fetchWindowIcon(mainWindow);

    skinSheetBitmap = decodeSkinSheet();
    skinSheetDC = CreateCompatibleDC(NULL);
    SelectObject(skinSheetDC, skinSheetBitmap);

    allocateSkinAtlas();  // normally done at program start already
    fillSkinAtlas(*skinAtlas);
    const RECT& sample = skinAtlas->frame.backgroundSample;
    skinBackgroundColor = GetPixel(skinSheetDC, sample.left + 1, sample.top + 1);

    attachSkinToMainWindow(mainWindow);
}
