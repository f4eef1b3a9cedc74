// The platform's RECT and the program's Rect, and the rectangles of a window as Rects.
#pragma once

#include <windows.h>

#include "shell/geometry.h"

namespace corvanta {

inline Rect RectOf(const RECT& r) { return Rect{r.left, r.top, r.right - r.left, r.bottom - r.top}; }
inline RECT ToRECT(const Rect& r) { return RECT{r.left, r.top, r.Right(), r.Bottom()}; }

// The window's outer rectangle on the screen.
inline Rect WindowRectOf(HWND hwnd) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  return RectOf(r);
}

// Moves and sizes a window to the rectangle without touching its place in the z-order or activating it.
inline void MoveWindowTo(HWND hwnd, const Rect& r) {
  SetWindowPos(hwnd, nullptr, r.left, r.top, r.width, r.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace corvanta
