#include "pending_events.h"

#include <windows.h>

void processPendingEvents() {
    MSG message;
    // Look before taking: WM_QUIT must stay queued for the message loop.
    while (PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE) && message.message != WM_QUIT) {
        if (!PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) return;
        if (message.message == WM_QUIT) {
            // A quit posted while the look dispatched sent messages: put it back.
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}
