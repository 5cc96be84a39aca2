// The test programs' stand-in for the second half of installSkin
// (attachSkinToMainWindow, which skin_install.cpp provides in the program):
// it records the call and sets a real thread hook in skinHook, so that the
// hook's release can be observed.
#pragma once

#include <windows.h>

extern int attachCalls;
extern HWND attachedWindow;
