// The main window's settings and its control table.
#pragma once

#include <windows.h>

#include "main_window.h"

inline constexpr int MAIN_WINDOW_WIDTH = 652;
inline constexpr int MAIN_WINDOW_HEIGHT = 415;
// Thin fixed frame, close button only; WS_VISIBLE comes with the first show.
inline constexpr DWORD MAIN_WINDOW_STYLE = WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;

inline constexpr char EDIT_CLASS[] = "EDIT";
inline constexpr char BUTTON_CLASS[] = "Button";

struct ControlLayout {
    Control control;
    const char* className;
    DWORD style;
    DWORD extendedStyle;
    int x, y, width, height;  // in the main window's client area
    const char* text;
    void (*onClick)();        // push buttons only
};

// One row per windowed control, in the order of the Control enumeration.
extern const ControlLayout CONTROL_LAYOUT[static_cast<int>(Control::count)];

// The drop zone's picture: five lines joined by CR LF.
extern const char DROP_ZONE_TEXT[];
