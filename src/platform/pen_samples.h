// The platform's own drawing of one pen line on a fresh surface, read back as a mask of the pixels it
// set: what the canvas learns its dash patterns and wide pens from.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "overlay/pen_stroke.h"

namespace corvanta {

// A one-pixel line of the pen style (PS_DASH, PS_DOT, ...) from (0, 0) to (length, 0): one cell per
// pixel of the row, set where the line drew.
std::vector<uint8_t> SampleStyledRow(int penStyle, int32_t length);

// A solid line of the pen width from the frame's start point to its end point.
PixelMask SampleWideLine(int32_t penWidth, const StrokeFrame& frame);

}  // namespace corvanta
