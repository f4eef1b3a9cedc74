// Copies a rectangle of the screen into a complete BMP file image in memory.
#pragma once

#include <cstdint>
#include <vector>

namespace corvanta {

// The BMP image of the screen rectangle at left, top (which may lie outside the primary screen).
// width or height 0 reach to the display's right or bottom edge; depth 0 is the display's own depth.
// An unsupported depth, a size that is not positive, an image over 512 MiB, or a screen that cannot be
// copied (no memory for the image or the bitmap) gives NoImage().
std::vector<uint8_t> CaptureRegion(int left, int top, int width, int height, int depth);

}  // namespace corvanta
