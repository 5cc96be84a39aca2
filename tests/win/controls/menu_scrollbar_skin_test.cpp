// Size-box painting and the popup-menu window's region.
#include "menu_scrollbar_skin.h"
#include "skin_fixture.h"

namespace {

class SizeBoxSkinTest : public ControlSkinTest {};

TEST_F(SizeBoxSkinTest, GripSitsInTheBottomRightTenByTenOnTheBackground) {
    // The grip's top-left corner is at (width - 10, height - 10): above and
    // left of the client for a box smaller than the grip.
    const struct {
        const char* name;
        int width, height;
    } cases[] = {{"30 x 20", 30, 20}, {"10 x 10", 10, 10}, {"6 x 4", 6, 4}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        HWND box = createChild("ScrollBar", "", SBS_SIZEGRIP | SBS_SIZEBOXBOTTOMRIGHTALIGN, 0, 0,
                               c.width, c.height);
        MoveWindow(box, 0, 0, c.width, c.height, FALSE);  // it took the system's size
        installSizeBoxSkin(box);
        MemoryCanvas canvas(c.width, c.height);
        RECT all{0, 0, c.width, c.height};
        paintSizeBox(box, canvas.dc(), all);
        for (int y = 0; y < c.height; ++y) {
            for (int x = 0; x < c.width; ++x) {
                const int gx = x - (c.width - 10), gy = y - (c.height - 10);
                COLORREF expected = SheetColor::background;
                if (gx >= 0 && gy >= 0 && syntheticGripPixel(gx, gy) != SheetColor::key) {
                    expected = syntheticGripPixel(gx, gy);
                }
                ASSERT_EQ(canvas.pixel(x, y), expected) << "at " << x << ", " << y;
            }
        }
        DestroyWindow(box);
    }
}

class PopupMenuSkinTest : public ControlSkinTest {};

TEST_F(PopupMenuSkinTest, EveryResizeGivesTheMenuWindowARoundedRegionOfItsNewSize) {
    HWND menu = CreateWindowExA(0, "#32768", "", WS_POPUP | WS_VISIBLE, 200, 200, 100, 60, nullptr,
                                nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(menu, nullptr);
    installPopupMenuSkin(menu);
    const SIZE sizes[] = {{120, 80}, {200, 150}, {90, 40}};
    for (SIZE size : sizes) {
        SCOPED_TRACE(testing::Message() << size.cx << " x " << size.cy);
        SetWindowPos(menu, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER);
        HRGN region = CreateRectRgn(0, 0, 0, 0);
        ASSERT_NE(GetWindowRgn(menu, region), ERROR);
        EXPECT_TRUE(PtInRegion(region, size.cx / 2, size.cy / 2));
        EXPECT_TRUE(PtInRegion(region, size.cx - 1, size.cy / 2));
        EXPECT_TRUE(PtInRegion(region, size.cx / 2, size.cy - 1));
        EXPECT_FALSE(PtInRegion(region, size.cx + 2, size.cy / 2));
        EXPECT_FALSE(PtInRegion(region, size.cx / 2, size.cy + 2));
        EXPECT_FALSE(PtInRegion(region, 0, 0));  // rounded corner
        DeleteObject(region);
    }
    DestroyWindow(menu);
}

}  // namespace
