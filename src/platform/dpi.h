// The DPI of a window and the UI font for it. The DPI functions of newer Windows versions are reached
// at run time, so the program still starts on Windows 7.
#pragma once

#include <windows.h>

#include "platform/dpi_scale.h"
#include "platform/gdi.h"

namespace corvanta {

// The window's DPI (GetDpiForWindow), or the system DPI where that function does not exist.
int WindowDpi(HWND hwnd);
// The DPI of the screen (LOGPIXELSY).
int SystemDpi();

// The program's UI font "微软雅黑" at a point size, for a window of the given DPI.
ScopedFont CreateUiFont(int points, int dpi);

// Gives every child of parent the UI font at points for dpi. font holds it from then on; the font it
// held before goes only once no control uses it.
void RefontChildren(HWND parent, int points, int dpi, ScopedFont& font);

// What the window's frame adds to the width of its client area, both sides together.
int FrameWidth(HWND hwnd);

// Gives the window its size, at the place the system suggested with WM_DPICHANGED when there is a
// suggestion, and otherwise at left, top.
void SizeWindowAt(HWND hwnd, int left, int top, int width, int height, const RECT* suggested);

// WM_DPICHANGED: the DPI it announces and the window rectangle it suggests.
inline int DpiFromMessage(WPARAM wParam) { return HIWORD(wParam); }

}  // namespace corvanta
