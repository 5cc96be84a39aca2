// The icon installSkin keeps for the frames: small, else big, else none.
#include "skin_atlas.h"
#include "test_window.h"

#include <gtest/gtest.h>

namespace {

struct IconCase {
    const char* name;
    bool small;
    bool big;
};

TEST(FetchWindowIcon, PrefersTheSmallIconThenTheBigOne) {
    const HICON smallIcon = LoadIconA(NULL, IDI_APPLICATION);
    const HICON bigIcon = LoadIconA(NULL, IDI_WARNING);
    const IconCase cases[] = {
        {"both", true, true}, {"small only", true, false}, {"big only", false, true}, {"none", false, false}};
    for (const IconCase& c : cases) {
        SCOPED_TRACE(c.name);
        HWND window = createTestWindow();
        if (c.small)
            SendMessageA(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon));
        if (c.big)
            SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon));
        EXPECT_EQ(fetchWindowIcon(window), c.small ? smallIcon : c.big ? bigIcon : nullptr);
        DestroyWindow(window);
    }
}

}  // namespace
