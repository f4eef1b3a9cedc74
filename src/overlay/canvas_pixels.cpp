#include "overlay/canvas_pixels.h"

#include <algorithm>

namespace corvanta {

namespace {

uint32_t* Row(PixelView view, int64_t y) { return view.pixels + y * static_cast<int64_t>(view.width); }

// Narrows [first, last] of k so that start + k * step stays within [0, limit - 1]; step is -1, 0 or 1.
void ClipSteps(int64_t start, int step, int64_t limit, int64_t& first, int64_t& last) {
  if (step == 0) {
    if (start < 0 || start >= limit) last = first - 1;
    return;
  }
  const int64_t a = step > 0 ? -start : start - (limit - 1);
  const int64_t b = step > 0 ? limit - 1 - start : start;
  first = std::max(first, a);
  last = std::min(last, b);
}

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
  if (left == 0 && right == view.width) {
    std::fill(Row(view, top), Row(view, bottom), pixel);
    return;
  }
  for (int64_t y = top; y < bottom; ++y) std::fill(Row(view, y) + left, Row(view, y) + right, pixel);
}

void LineBatch::Reset(int32_t width, int32_t height) {
  width_ = std::max(width, 0);
  height_ = std::max(height, 0);
  runs_.clear();
}

bool LineBatch::Add(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  const int64_t dx = static_cast<int64_t>(x2) - x1;
  const int64_t dy = static_cast<int64_t>(y2) - y1;
  const int64_t adx = dx < 0 ? -dx : dx;
  const int64_t ady = dy < 0 ? -dy : dy;
  if (dx != 0 && dy != 0 && adx != ady) return false;
  const int sx = dx > 0 ? 1 : (dx < 0 ? -1 : 0);
  const int sy = dy > 0 ? 1 : (dy < 0 ? -1 : 0);
  // Pixels k = 0 .. length - 1 from the start point; the end point (k = length) is not drawn.
  int64_t first = 0;
  int64_t last = std::max(adx, ady) - 1;
  ClipSteps(x1, sx, width_, first, last);
  ClipSteps(y1, sy, height_, first, last);
  if (first > last) return true;
  const auto xa = static_cast<int32_t>(x1 + first * sx);
  const auto ya = static_cast<int32_t>(y1 + first * sy);
  const auto xb = static_cast<int32_t>(x1 + last * sx);
  const auto yb = static_cast<int32_t>(y1 + last * sy);
  if (sy == 0) {
    runs_.push_back(Run{ya, ya, std::min(xa, xb), 0, std::max(xa, xb) + 1});
  } else if (sy > 0) {
    runs_.push_back(Run{ya, yb, xa, sx, -1});
  } else {
    runs_.push_back(Run{yb, ya, xb, -sx, -1});
  }
  return true;
}

void LineBatch::Draw(PixelView view, uint32_t pixel, const RowFill* fill) {
  if (view.Empty() || view.width != width_ || view.height != height_) {
    runs_.clear();
    return;
  }
  // Order the runs by their top row (a counting sort: rowStarts_[y] is where row y's runs begin).
  rowStarts_.assign(static_cast<size_t>(height_) + 1, 0);
  for (const Run& r : runs_) ++rowStarts_[static_cast<size_t>(r.top) + 1];
  for (int32_t y = 0; y < height_; ++y) rowStarts_[y + 1] += rowStarts_[y];
  sorted_.resize(runs_.size());
  for (const Run& r : runs_) sorted_[rowStarts_[r.top]++] = r;
  runs_.clear();

  active_.clear();
  size_t next = 0;
  for (int32_t y = 0; y < height_; ++y) {
    if (fill == nullptr && next == sorted_.size() && active_.empty()) break;
    uint32_t* row = Row(view, y);
    if (fill != nullptr) {
      if (fill->image != nullptr) {
        std::copy(fill->image + static_cast<size_t>(y) * width_, fill->image + static_cast<size_t>(y + 1) * width_,
                  row);
      } else {
        std::fill(row, row + width_, fill->colour);
      }
    }
    for (; next < sorted_.size() && sorted_[next].top == y; ++next) {
      const Run& r = sorted_[next];
      if (r.spanEnd >= 0) {
        std::fill(row + r.x, row + r.spanEnd, pixel);
      } else {
        active_.push_back(ActiveRun{r.x, r.step, r.bottom});
      }
    }
    size_t count = active_.size();
    for (size_t i = 0; i < count;) {
      ActiveRun& a = active_[i];
      row[a.x] = pixel;
      if (a.bottom == y) {
        a = active_[--count];  // finished: order does not matter, every line has the same colour
      } else {
        a.x += a.step;
        ++i;
      }
    }
    active_.resize(count);
  }
}

void ComposeBackground(PixelView view, uint32_t backgroundPixel, const PixelImage& picture, int placement) {
  if (view.Empty()) return;
  FillPixels(view, 0, 0, view.width, view.height, backgroundPixel);
  if (picture.Empty() || picture.argb.size() < static_cast<size_t>(picture.width) * picture.height) return;
  switch (placement) {
    case kPlaceStretched:
      Stretch(view, picture, backgroundPixel);
      break;
    case kPlaceTiled:
      Tile(view, picture, backgroundPixel);
      break;
    case kPlaceCentred:
      PlaceAt(view, picture, (static_cast<int64_t>(view.width) - picture.width) / 2,
              (static_cast<int64_t>(view.height) - picture.height) / 2, backgroundPixel);
      break;
    default:
      PlaceAt(view, picture, 0, 0, backgroundPixel);
      break;
  }
}

}  // namespace corvanta
