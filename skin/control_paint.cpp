#include "control_paint.h"

#include "control_constants.h"
#include "skin_atlas.h"

void fillSkinBackground(HDC dc, const RECT& area) {
    HBRUSH brush = CreateSolidBrush(skinBackgroundColor);
    FillRect(dc, &area, brush);
    DeleteObject(brush);
}

void drawSkinText(HDC dc, const char* text, int length, RECT area, UINT format) {
    HGDIOBJ oldFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    int oldMode = SetBkMode(dc, TRANSPARENT);
    COLORREF oldColor = SetTextColor(dc, skinAtlas->textColor);
    DrawTextA(dc, text, length, &area, format);
    SetTextColor(dc, oldColor);
    SetBkMode(dc, oldMode);
    SelectObject(dc, oldFont);
}

std::string readControlText(HWND window) {
    char text[controlTextLimit] = {};
    int length = GetWindowTextA(window, text, controlTextLimit);
    return std::string(text, length > 0 ? length : 0);
}
