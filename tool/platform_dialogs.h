// The two platform calls a test cannot script: message boxes and the
// save-file dialog. Tests replace the function pointers; the program keeps
// the system's own.
#pragma once

#include <windows.h>
#include <commdlg.h>

#include "byte_types.h"

struct PlatformDialogs {
    int(WINAPI* messageBox)(HWND owner, LPCSTR text, LPCSTR title, UINT flags);
    BOOL(WINAPI* getSaveFileName)(LPOPENFILENAMEA dialog);
};

extern PlatformDialogs platformDialogs;

// MessageBoxA without owner, task-modal unless the flags ask for
// MB_SYSTEMMODAL; returns the button that closed it (IDYES, IDOK, ...).
int showMessage(const AnsiText& text, UINT flags, const char* title = nullptr);

// The save-file dialog for the decryption target, pre-filled with the path
// of its last confirmed use. Returns false when the user cancels.
bool chooseTargetPath(HWND owner, AnsiText& chosenPath);
