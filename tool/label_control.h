// The private window class of the main window's labels and picture box
// (SKIN_LABEL_CLASS). Unskinned, a label paints its own text the way the
// label skin does, in the system's colours; the skin's procedure, once in
// front, takes over the painting.
#pragma once

#include <windows.h>

bool registerLabelClass(HINSTANCE instance);
