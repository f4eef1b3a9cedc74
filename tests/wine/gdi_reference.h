// An independent reference for the overlay's pixels: the grid's segment list drawn by plain GDI
// (MoveToEx/LineTo with a GDI pen on a fresh DIB section), not by the program's canvas.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "overlay/scanlines.h"

namespace corvanta::testing {

struct ReferenceImage {
  int width = 0;
  int height = 0;
  std::vector<COLORREF> pixels;  // row by row from the top
  COLORREF At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// The background colour, then every grid segment of the scanlines for a width x height area.
ReferenceImage GdiGridReference(const Scanlines& scanlines, int width, int height, COLORREF background);

}  // namespace corvanta::testing
