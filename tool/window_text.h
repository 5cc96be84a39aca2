// A window's whole text as AnsiText.
#pragma once

#include <windows.h>

#include "byte_types.h"

AnsiText readWindowText(HWND window);
