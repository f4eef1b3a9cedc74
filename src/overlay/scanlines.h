// What an effect preset draws, as the renderer takes it: the pen (its line type, the grid's pixel size
// as its width, its colour) and the grid. No platform calls.
#pragma once

#include <cstdint>

#include "overlay/canvas_styles.h"
#include "overlay/grid.h"

namespace corvanta {

// What an effect preset draws: the pen (its line type, the grid's pixel size as its width, its colour)
// and the grid.
struct Scanlines {
  LineType lineType = LineType::kNone;
  uint32_t colour = 0;  // COLORREF
  GridSpacing grid;
  bool operator==(const Scanlines&) const = default;
};

}  // namespace corvanta
