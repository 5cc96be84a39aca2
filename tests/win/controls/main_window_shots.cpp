// The desktop program's main window for screenshots of the skinned
// controls, with a way to reach the message boxes of a dropped file
// without a drag source:
//   main_window_shots              the main window only
//   main_window_shots drop PATH    then, once shown, the workflow of a file dropped as PATH
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include <string>

#include "file_workflows.h"
#include "main_window.h"
#include "skin_atlas.h"

namespace {

constexpr UINT dropDelayMs = 1500;
std::string droppedPath;

void CALLBACK dropLater(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    fileDropped(droppedPath);
}

}  // namespace

int main(int argc, char** argv) {
    OleInitialize(nullptr);
    INITCOMMONCONTROLSEX commonControls = {sizeof commonControls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&commonControls);
    allocateSkinAtlas();
    if (!createMainWindow(GetModuleHandleA(nullptr), SW_SHOW)) return 1;
    if (argc > 2 && std::string(argv[1]) == "drop") {
        droppedPath = argv[2];
        SetTimer(nullptr, 0, dropDelayMs, dropLater);
    }
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    OleUninitialize();
    return 0;
}
