#include "overlay/canvas_pixels.h"

#include <algorithm>

namespace corvanta {

namespace {

uint32_t* Row(PixelView view, int64_t y) { return view.pixels + y * view.RowStride(); }

uint32_t Blend(uint32_t argb, uint32_t background) {
  const uint32_t alpha = argb >> 24;
  if (alpha == 255) return argb & 0xFFFFFFu;
  if (alpha == 0) return background;
  uint32_t result = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const uint32_t s = (argb >> shift) & 0xFFu;
    const uint32_t d = (background >> shift) & 0xFFu;
    result |= ((s * alpha + d * (255 - alpha) + 127) / 255) << shift;
  }
  return result;
}

void PlaceAt(PixelView view, const PixelImage& picture, int64_t left, int64_t top, uint32_t background) {
  const int64_t x0 = std::max<int64_t>(0, left);
  const int64_t x1 = std::min<int64_t>(view.width, left + picture.width);
  const int64_t y0 = std::max<int64_t>(0, top);
  const int64_t y1 = std::min<int64_t>(view.height, top + picture.height);
  for (int64_t y = y0; y < y1; ++y) {
    const uint32_t* source = picture.argb.data() + (y - top) * picture.width;
    uint32_t* target = Row(view, y);
    for (int64_t x = x0; x < x1; ++x) target[x] = Blend(source[x - left], background);
  }
}

void Stretch(PixelView view, const PixelImage& picture, uint32_t background) {
  for (int64_t y = 0; y < view.height; ++y) {
    const uint32_t* source = picture.argb.data() + (y * picture.height / view.height) * picture.width;
    uint32_t* target = Row(view, y);
    for (int64_t x = 0; x < view.width; ++x) target[x] = Blend(source[x * picture.width / view.width], background);
  }
}

void Tile(PixelView view, const PixelImage& picture, uint32_t background) {
  for (int64_t y = 0; y < view.height; ++y) {
    const uint32_t* source = picture.argb.data() + (y % picture.height) * picture.width;
    uint32_t* target = Row(view, y);
    for (int64_t x = 0; x < view.width; ++x) target[x] = Blend(source[x % picture.width], background);
  }
}

}  // namespace

void FillPixels(PixelView view, int64_t left, int64_t top, int64_t right, int64_t bottom, uint32_t pixel) {
  if (view.Empty()) return;
  left = std::max<int64_t>(left, 0);
  top = std::max<int64_t>(top, 0);
  right = std::min<int64_t>(right, view.width);
  bottom = std::min<int64_t>(bottom, view.height);
  if (left >= right || top >= bottom) return;
  if (left == 0 && right == view.width && view.RowStride() == view.width) {
    std::fill(Row(view, top), Row(view, bottom), pixel);
    return;
  }
  for (int64_t y = top; y < bottom; ++y) std::fill(Row(view, y) + left, Row(view, y) + right, pixel);
}

void ComposeBackground(PixelView view, uint32_t backgroundPixel, const PixelImage& picture, Placement placement) {
  if (view.Empty()) return;
  FillPixels(view, 0, 0, view.width, view.height, backgroundPixel);
  if (picture.Empty() || picture.argb.size() < static_cast<size_t>(picture.width) * picture.height) return;
  switch (placement) {
    case Placement::kStretched:
      Stretch(view, picture, backgroundPixel);
      break;
    case Placement::kTiled:
      Tile(view, picture, backgroundPixel);
      break;
    case Placement::kCentred:
      PlaceAt(view, picture, (static_cast<int64_t>(view.width) - picture.width) / 2,
              (static_cast<int64_t>(view.height) - picture.height) / 2, backgroundPixel);
      break;
    default:
      PlaceAt(view, picture, 0, 0, backgroundPixel);
      break;
  }
}

}  // namespace corvanta
