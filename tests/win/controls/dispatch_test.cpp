// The dispatcher's rows for the control classes: which skin procedure a
// window of each class and kind ends up with.
#include "label_skin.h"
#include "menu_scrollbar_skin.h"
#include "push_button_skin.h"
#include "skin_fixture.h"
#include "skin_install.h"
#include "toggle_skin.h"

namespace {

// The class names under which label controls are registered.
void registerLabelClasses() {
    for (const char* name : {SKIN_LABEL_CLASS, "Afx:10000000:b:10003:1900015:0",
                             "Afx:400000:b:10003:1900015:0"}) {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = name;
        RegisterClassA(&wc);
    }
}

class ControlDispatchTest : public ControlSkinTest {};

TEST_F(ControlDispatchTest, EachClassAndKindGetsItsSkinProcedure) {
    registerLabelClasses();
    const WNDPROC unchanged = nullptr;
    const struct {
        const char* className;
        DWORD style;
        WNDPROC proc;
    } cases[] = {
        {"Static", SS_LEFT, staticSkinProc},
        {"Static", SS_ICON, staticSkinProc},
        {SKIN_LABEL_CLASS, 0, staticSkinProc},
        {"Afx:10000000:b:10003:1900015:0", 0, staticSkinProc},
        {"Afx:400000:b:10003:1900015:0", 0, staticSkinProc},
        {"Button", BS_PUSHBUTTON, pushButtonSkinProc},
        {"Button", BS_DEFPUSHBUTTON, pushButtonSkinProc},
        {"Button", BS_CHECKBOX, checkBoxSkinProc},
        {"Button", BS_AUTOCHECKBOX | BS_PUSHLIKE, checkBoxSkinProc},
        {"Button", BS_RADIOBUTTON, radioButtonSkinProc},
        {"Button", BS_AUTORADIOBUTTON, radioButtonSkinProc},
        {"Button", BS_3STATE, unchanged},
        {"Button", BS_AUTO3STATE, unchanged},
        {"Button", BS_GROUPBOX, unchanged},
        // The system turns a user button into a push button when creating it.
        {"Button", BS_USERBUTTON, pushButtonSkinProc},
        {"Button", BS_OWNERDRAW, unchanged},
        {"Button", 0x0A, unchanged},
        {"Button", 0x0C, unchanged},
        {"Button", 0x0F, unchanged},
        {"#32768", WS_POPUP, popupMenuSkinProc},
        {"ScrollBar", SBS_HORZ, unchanged},
        {"ScrollBar", SBS_VERT, unchanged},
        // Low four bits 4: a horizontal bar aligned to the bottom, and a
        // size grip aligned bottom-right.
        {"ScrollBar", SBS_HORZ | SBS_BOTTOMALIGN, sizeBoxSkinProc},
        {"ScrollBar", SBS_SIZEGRIP | SBS_SIZEBOXBOTTOMRIGHTALIGN, sizeBoxSkinProc},
        // Size boxes made with SBS_SIZEBOX carry 8 or 12 in the low bits.
        {"ScrollBar", SBS_SIZEBOX, unchanged},
        {"ScrollBar", SBS_SIZEBOX | SBS_SIZEBOXBOTTOMRIGHTALIGN, unchanged},
        {"ScrollBar", SBS_VERT | SBS_RIGHTALIGN, unchanged},
        {"Edit", ES_LEFT, unchanged},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.className << ", style " << c.style);
        const bool popup = (c.style & WS_POPUP) != 0;
        HWND window = popup ? CreateWindowExA(0, c.className, "", c.style, 0, 0, 50, 20, nullptr,
                                              nullptr, GetModuleHandleA(nullptr), nullptr)
                            : createChild(c.className, "", c.style, 0, 0, 50, 20);
        ASSERT_NE(window, nullptr);
        const LONG_PTR before = GetWindowLongPtrA(window, GWLP_WNDPROC);
        dispatchSkin(window);
        const LONG_PTR after = GetWindowLongPtrA(window, GWLP_WNDPROC);
        if (c.proc) {
            EXPECT_EQ(after, reinterpret_cast<LONG_PTR>(c.proc));
        } else {
            EXPECT_EQ(after, before);
        }
        DestroyWindow(window);
    }
}

}  // namespace
