// What the control skins share: the paint fill covers only the paint
// rectangle, and every message the skin does not consume reaches the
// control's own procedure.
#include <algorithm>
#include <functional>
#include <vector>

#include "label_skin.h"
#include "menu_scrollbar_skin.h"
#include "skin_fixture.h"
#include "toggle_skin.h"

namespace {

std::vector<UINT> forwarded;

LRESULT CALLBACK recordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    forwarded.push_back(message);
    return message == WM_USER + 5 ? 1234 : DefWindowProcA(window, message, wParam, lParam);
}

bool wasForwarded(UINT message) {
    return std::find(forwarded.begin(), forwarded.end(), message) != forwarded.end();
}

class ControlSkinProcTest : public ControlSkinTest {};

TEST_F(ControlSkinProcTest, BackgroundFillCoversOnlyThePaintRectangle) {
    // A 100 x 40 control painted with the paint rectangle (40, 5)-(70, 15):
    // far from the toggle's box and the size box's grip, no text.
    const struct {
        const char* name;
        const char* className;
        DWORD style;
        std::function<void(HWND, HDC, const RECT&)> paint;
    } cases[] = {
        {"text label", "Static", SS_CENTER, paintStatic},
        {"check box", "Button", BS_AUTOCHECKBOX,
         [](HWND w, HDC dc, const RECT& r) { paintToggleButton(w, dc, r, skinAtlas->checkBox); }},
        {"radio button", "Button", BS_AUTORADIOBUTTON,
         [](HWND w, HDC dc, const RECT& r) { paintToggleButton(w, dc, r, skinAtlas->radioButton); }},
        {"size box", "ScrollBar", SBS_SIZEGRIP | SBS_SIZEBOXBOTTOMRIGHTALIGN, paintSizeBox},
    };
    const RECT paintRect{40, 5, 70, 15};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        HWND control = createChild(c.className, "", c.style, 0, 0, 100, 40);
        MemoryCanvas canvas(100, 40);
        c.paint(control, canvas.dc(), paintRect);
        for (int y = 0; y < 40; ++y) {
            for (int x = 20; x < 88; ++x) {
                const bool inside = x >= 40 && x < 70 && y >= 5 && y < 15;
                ASSERT_EQ(canvas.pixel(x, y), inside ? SheetColor::background : SheetColor::canvas)
                    << "at " << x << ", " << y;
            }
        }
        DestroyWindow(control);
    }
}

TEST_F(ControlSkinProcTest, PaintIsTheSkinsAndEveryOtherMessageIsForwarded) {
    const struct {
        const char* name;
        void (*install)(HWND);
        bool consumesPaint;
    } cases[] = {
        {"label", installStaticSkin, true},
        {"check box", installCheckBoxSkin, true},
        {"radio button", installRadioButtonSkin, true},
        {"size box", installSizeBoxSkin, true},
        {"popup menu", installPopupMenuSkin, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        HWND control = createChild("Static", "", SS_LEFT, 0, 0, 60, 20);
        SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(recordingProc));
        c.install(control);
        forwarded.clear();
        EXPECT_EQ(SendMessageA(control, WM_USER + 5, 0, 0), 1234);
        MemoryCanvas canvas(60, 20);
        SendMessageA(control, WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas.dc()), 0);
        SendMessageA(control, WM_SIZE, 0, MAKELPARAM(60, 20));
        for (UINT message : {UINT(WM_USER + 5), UINT(WM_ERASEBKGND), UINT(WM_SIZE)}) {
            EXPECT_TRUE(wasForwarded(message)) << message;
        }

        forwarded.clear();
        InvalidateRect(control, nullptr, FALSE);
        EXPECT_EQ(SendMessageA(control, WM_PAINT, 0, 0), 0);
        EXPECT_EQ(wasForwarded(WM_PAINT), !c.consumesPaint);
        EXPECT_FALSE(GetUpdateRect(control, nullptr, FALSE));  // validated by the skin's paint cycle
        DestroyWindow(control);
    }
}

}  // namespace
