// The desktop program: start-up, the main window, the message loop.
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include <cstdlib>

#include "main_window.h"
#include "skin_atlas.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    // OLE for the drop zone and for the picture decoder of the skin sheet.
    OleInitialize(nullptr);
    INITCOMMONCONTROLSEX commonControls = {sizeof commonControls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&commonControls);

    allocateSkinAtlas();
    std::atexit(freeSkinAtlas);

    if (!createMainWindow(instance, showCommand)) {
        return 1;
    }
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    OleUninitialize();
    return static_cast<int>(message.wParam);
}
