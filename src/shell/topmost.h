// A window's always-on-top property. Every change of it in the program goes through SetWindowOnTop.
#pragma once

#include <windows.h>

namespace corvanta {

bool IsWindowOnTop(HWND hwnd);

// Puts the window into the band of always-on-top windows, at its top (asked again, it rises to the top
// of the band), or out of it; neither moves, sizes nor activates it.
void SetWindowOnTop(HWND hwnd, bool onTop);

}  // namespace corvanta
