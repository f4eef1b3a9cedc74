// Pixel work of the drawing canvas on a plain 32-bit surface (top-down rows, 0x00RRGGBB per pixel,
// the layout of a 32-bpp DIB section): fills, one-pixel solid lines, and the background picture laid
// out by its placement code. No platform calls.
#pragma once

#include <cstdint>
#include <vector>

namespace corvanta {

struct PixelView {
  uint32_t* pixels = nullptr;
  int32_t width = 0;
  int32_t height = 0;
  bool Empty() const { return pixels == nullptr || width <= 0 || height <= 0; }
};

// A decoded picture: width * height pixels, top-down, 0xAARRGGBB (straight alpha).
struct PixelImage {
  int32_t width = 0;
  int32_t height = 0;
  std::vector<uint32_t> argb;
  bool Empty() const { return width <= 0 || height <= 0; }
};

// Placement codes of the background picture; any other value places as kPlaceTopLeft.
inline constexpr int kPlaceTopLeft = 0;
inline constexpr int kPlaceStretched = 1;
inline constexpr int kPlaceCentred = 2;
inline constexpr int kPlaceTiled = 3;

// COLORREF (0x00BBGGRR) <-> surface pixel (0x00RRGGBB).
inline uint32_t ColourToPixel(uint32_t colour) {
  return ((colour & 0xFFu) << 16) | (colour & 0xFF00u) | ((colour >> 16) & 0xFFu);
}
inline uint32_t PixelToColour(uint32_t pixel) { return ColourToPixel(pixel & 0xFFFFFFu); }

// Fills [left, right) x [top, bottom), clipped to the surface.
void FillPixels(PixelView view, int64_t left, int64_t top, int64_t right, int64_t bottom, uint32_t pixel);

// One-pixel solid lines as a GDI pen draws them (start point drawn, end point not, zero-length
// segments nothing, clipped to the surface), for horizontal, vertical and 45-degree segments. The
// lines are collected and then drawn row by row, so that the surface is walked once in memory order
// however many lines cross it; optionally each row is first filled with the background.
class LineBatch {
 public:
  // What a row is filled with before its lines are drawn: the colour, or the same row of an image of
  // the surface's size when one is given.
  struct RowFill {
    uint32_t colour = 0;
    const uint32_t* image = nullptr;
  };

  // The surface size the lines are clipped to; drops what was collected.
  void Reset(int32_t width, int32_t height);
  // Returns false, collecting nothing, for a direction other than horizontal, vertical or 45 degrees.
  bool Add(int32_t x1, int32_t y1, int32_t x2, int32_t y2);
  bool Empty() const { return runs_.empty(); }
  void Clear() { runs_.clear(); }
  // Draws the collected lines in one colour on a surface of the Reset size, then empties the batch.
  // With a fill, every row of the surface is filled first.
  void Draw(PixelView view, uint32_t pixel, const RowFill* fill = nullptr);

 private:
  // The visible part of one line: a horizontal span [x, spanEnd) on row top, or one pixel per row from
  // top to bottom (inclusive) starting at x and moving by step (-1, 0, 1) per row.
  struct Run {
    int32_t top;
    int32_t bottom;
    int32_t x;
    int32_t step;
    int32_t spanEnd;  // -1 for the one-pixel-per-row kind
  };
  struct ActiveRun {
    int32_t x;
    int32_t step;
    int32_t bottom;
  };

  int32_t width_ = 0;
  int32_t height_ = 0;
  std::vector<Run> runs_;
  std::vector<Run> sorted_;
  std::vector<int32_t> rowStarts_;
  std::vector<ActiveRun> active_;
};

// The background: the colour, and over it the picture laid out by the placement code (top-left at
// natural size, stretched to the whole surface, centred with offsets truncated toward zero, or tiled
// from (0, 0)). The picture's alpha blends it over the colour.
void ComposeBackground(PixelView view, uint32_t backgroundPixel, const PixelImage& picture, int placement);

}  // namespace corvanta
