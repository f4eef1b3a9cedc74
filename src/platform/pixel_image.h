// A decoded picture as plain pixels, the form in which pictures reach the canvases. No platform calls.
#pragma once

#include <cstdint>
#include <vector>

namespace corvanta {

// A decoded picture: width * height pixels, top-down, 0xAARRGGBB (straight alpha).
struct PixelImage {
  int32_t width = 0;
  int32_t height = 0;
  std::vector<uint32_t> argb;
  bool Empty() const { return width <= 0 || height <= 0; }
};

}  // namespace corvanta
