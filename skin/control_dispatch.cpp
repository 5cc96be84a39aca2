#include "control_dispatch.h"

#include "control_constants.h"
#include "menu_scrollbar_skin.h"
#include "push_button_skin.h"
#include "toggle_skin.h"

namespace {

struct KindRow {
    LONG kind;
    void (*install)(HWND);
};

const KindRow buttonKinds[] = {
    {BS_PUSHBUTTON, installPushButtonSkin},     {BS_DEFPUSHBUTTON, installPushButtonSkin},
    {BS_CHECKBOX, installCheckBoxSkin},         {BS_AUTOCHECKBOX, installCheckBoxSkin},
    {BS_RADIOBUTTON, installRadioButtonSkin},   {BS_AUTORADIOBUTTON, installRadioButtonSkin},
};

// 4 is SBS_SIZEBOXBOTTOMRIGHTALIGN and SBS_BOTTOMALIGN alike.
const KindRow scrollBarKinds[] = {
    {SBS_HORZ, installHorizontalScrollBarSkin},
    {SBS_VERT, installVerticalScrollBarSkin},
    {SBS_SIZEBOXBOTTOMRIGHTALIGN, installSizeBoxSkin},
};

template <size_t N>
void installByKind(HWND window, LONG mask, const KindRow (&rows)[N]) {
    const LONG kind = GetWindowLongA(window, GWL_STYLE) & mask;
    for (const KindRow& row : rows) {
        if (row.kind == kind) {
            row.install(window);
            return;
        }
    }
}

}  // namespace

void installButtonSkin(HWND window) {
    installByKind(window, buttonKindMask, buttonKinds);
}

void installScrollBarSkin(HWND window) {
    installByKind(window, scrollBarKindMask, scrollBarKinds);
}
