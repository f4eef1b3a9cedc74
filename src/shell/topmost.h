// A window's always-on-top property. Every change of it in the program goes through SetWindowOnTop.
#pragma once

#include <windows.h>

#include <span>
#include <vector>

namespace corvanta {

bool IsWindowOnTop(HWND hwnd);

// Puts the window into the band of always-on-top windows, at its top (asked again, it rises to the top
// of the band), or out of it; neither moves, sizes nor activates it.
void SetWindowOnTop(HWND hwnd, bool onTop);

// Takes the always-on-top property from those of the windows that have it; returns them.
std::vector<HWND> TakeTopmostFrom(std::span<const HWND> windows);
// Gives it back to those of the windows (the ones that exist now) that it was taken from and that are
// still not on top.
void GiveTopmostBackTo(std::span<const HWND> windows, const std::vector<HWND>& taken);

}  // namespace corvanta
