// Pixel work of the drawing canvas on a plain 32-bit surface (top-down rows, 0x00RRGGBB per pixel,
// the layout of a 32-bpp DIB section): fills and the background picture laid out by its placement
// code (lines: line_batch.h). No platform calls.
#pragma once

#include <cstdint>
#include <vector>

#include "overlay/canvas_styles.h"
#include "platform/pixel_image.h"

namespace corvanta {

struct PixelView {
  uint32_t* pixels = nullptr;
  int32_t width = 0;
  int32_t height = 0;
  int32_t stride = 0;  // pixels from one row to the next; 0: the width
  bool Empty() const { return pixels == nullptr || width <= 0 || height <= 0; }
  int64_t RowStride() const { return stride > 0 ? stride : width; }
};

// COLORREF (0x00BBGGRR) <-> surface pixel (0x00RRGGBB).
inline uint32_t ColourToPixel(uint32_t colour) {
  return ((colour & 0xFFu) << 16) | (colour & 0xFF00u) | ((colour >> 16) & 0xFFu);
}
inline uint32_t PixelToColour(uint32_t pixel) { return ColourToPixel(pixel & 0xFFFFFFu); }

// Fills [left, right) x [top, bottom), clipped to the surface.
void FillPixels(PixelView view, int64_t left, int64_t top, int64_t right, int64_t bottom, uint32_t pixel);

// The background: the colour, and over it the picture laid out by the placement (top-left at
// natural size, stretched to the whole surface, centred with offsets truncated toward zero, or tiled
// from (0, 0)). The picture's alpha blends it over the colour.
void ComposeBackground(PixelView view, uint32_t backgroundPixel, const PixelImage& picture, Placement placement);

}  // namespace corvanta
