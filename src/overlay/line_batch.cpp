#include "overlay/line_batch.h"

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

int Sign(int64_t v) { return v > 0 ? 1 : (v < 0 ? -1 : 0); }

// Horizontal, vertical or 45 degrees, and not of zero length.
bool IsStraightDirection(int64_t dx, int64_t dy) {
  const int64_t adx = dx < 0 ? -dx : dx;
  const int64_t ady = dy < 0 ? -dy : dy;
  return (dx != 0 || dy != 0) && (dx == 0 || dy == 0 || adx == ady);
}

int32_t NextPhase(int32_t phase, int32_t phaseStep, int32_t period) {
  phase += phaseStep;
  if (phase >= period) return 0;
  if (phase < 0) return period - 1;
  return phase;
}

}  // namespace

void LineBatch::Reset(int32_t width, int32_t height) {
  width_ = std::max(width, 0);
  height_ = std::max(height, 0);
  runs_.clear();
}

void LineBatch::SetDashPattern(const DashPattern& pattern) { pattern_ = pattern.on; }

int32_t LineBatch::PatternIndex(int64_t k) const {
  return static_cast<int32_t>(k % static_cast<int64_t>(pattern_.size()));
}

bool LineBatch::Add(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  const int64_t dx = static_cast<int64_t>(x2) - x1;
  const int64_t dy = static_cast<int64_t>(y2) - y1;
  if (dx == 0 && dy == 0) return true;
  if (!IsStraightDirection(dx, dy)) return false;
  const int sx = Sign(dx);
  const int sy = Sign(dy);
  // Pixels k = 0 .. length - 1 from the start point; the end point (k = length) is not drawn.
  int64_t first = 0;
  int64_t last = std::max(dx * sx, dy * sy) - 1;
  ClipSteps(x1, sx, width_, first, last);
  ClipSteps(y1, sy, height_, first, last);
  if (first > last) return true;
  const auto xa = static_cast<int32_t>(x1 + first * sx);
  const auto ya = static_cast<int32_t>(y1 + first * sy);
  const auto xb = static_cast<int32_t>(x1 + last * sx);
  const auto yb = static_cast<int32_t>(y1 + last * sy);
  const bool dashed = !pattern_.empty();
  Run r{};
  if (sy == 0) {
    r = Run{dashed ? RunKind::kDashedSpan : RunKind::kSpan, ya, ya, std::min(xa, xb), std::abs(xb - xa) + 1, 0, 0, 0};
    if (dashed) {
      // The pattern runs from the start point, so from right to left when the line goes left.
      r.phase = PatternIndex(sx > 0 ? first : last);
      r.phaseStep = sx;
    }
  } else if (sy > 0) {
    r = Run{dashed ? RunKind::kDashed : RunKind::kThin, ya, yb, xa, 1, sx, 0, 1};
    if (dashed) r.phase = PatternIndex(first);
  } else {
    r = Run{dashed ? RunKind::kDashed : RunKind::kThin, yb, ya, xb, 1, -sx, 0, -1};
    if (dashed) r.phase = PatternIndex(last);
  }
  runs_.push_back(r);
  return true;
}

bool LineBatch::AddStroke(int32_t x1, int32_t y1, int32_t x2, int32_t y2, const StrokeModel& model) {
  const int64_t dx = static_cast<int64_t>(x2) - x1;
  const int64_t dy = static_cast<int64_t>(y2) - y1;
  if (!IsStraightDirection(dx, dy) || Sign(dx) != model.ux || Sign(dy) != model.uy) return false;
  const int64_t length = std::max(dx * model.ux, dy * model.uy);
  if (length < model.minLength) return false;
  for (const StrokeSpan& s : model.head) AddSpan(int64_t{y1} + s.dy, int64_t{x1} + s.left, int64_t{x1} + s.right);
  for (const StrokeSpan& s : model.tail) AddSpan(int64_t{y2} + s.dy, int64_t{x2} + s.left, int64_t{x2} + s.right);
  const int64_t from = model.bandFrom;
  const int64_t to = length - model.bandTrim;
  if (to < from) return true;
  if (model.uy == 0) {
    const int64_t xFrom = x1 + from * model.ux;
    const int64_t xTo = x1 + to * model.ux;
    for (const int32_t row : model.bandRows) AddSpan(int64_t{y1} + row, std::min(xFrom, xTo), std::max(xFrom, xTo) + 1);
    return true;
  }
  // The band's rows from top to bottom: the step at the top row is `from` for lines going down.
  const int64_t topStep = model.uy > 0 ? from : to;
  const int64_t top = y1 + topStep * model.uy;
  const int64_t bottom = y1 + (model.uy > 0 ? to : from) * model.uy;
  AddMovingSpan(top, bottom, x1 + topStep * model.ux + model.bandLeft, model.bandRight - model.bandLeft,
                model.ux * model.uy);
  return true;
}

void LineBatch::AddSpan(int64_t y, int64_t left, int64_t right) {
  if (y < 0 || y >= height_) return;
  left = std::max<int64_t>(left, 0);
  right = std::min<int64_t>(right, width_);
  if (left >= right) return;
  runs_.push_back(Run{RunKind::kSpan, static_cast<int32_t>(y), static_cast<int32_t>(y), static_cast<int32_t>(left),
                      static_cast<int32_t>(right - left), 0, 0, 0});
}

void LineBatch::AddMovingSpan(int64_t top, int64_t bottom, int64_t xTop, int64_t width, int step) {
  if (width <= 0) return;
  // Rows on the surface.
  if (top < 0) {
    xTop += step * (0 - top);
    top = 0;
  }
  bottom = std::min<int64_t>(bottom, height_ - 1);
  // Rows on which the span [x, x + width) reaches into [0, width_), x = xTop + step * (y - top).
  if (step == 0) {
    if (xTop + width <= 0 || xTop >= width_) return;
  } else if (step > 0) {
    const int64_t firstRow = top + std::max<int64_t>(0, 1 - width - xTop);
    bottom = std::min(bottom, top + width_ - 1 - xTop);
    xTop += firstRow - top;
    top = firstRow;
  } else {
    const int64_t firstRow = top + std::max<int64_t>(0, xTop - width_ + 1);
    bottom = std::min(bottom, top + xTop + width - 1);
    xTop -= firstRow - top;
    top = firstRow;
  }
  if (top > bottom) return;
  runs_.push_back(Run{RunKind::kWide, static_cast<int32_t>(top), static_cast<int32_t>(bottom),
                      static_cast<int32_t>(xTop), static_cast<int32_t>(width), step, 0, 0});
}

void LineBatch::SortRunsByTop() {
  // A counting sort: rowStarts_[y] is where row y's runs begin.
  rowStarts_.assign(static_cast<size_t>(height_) + 1, 0);
  for (const Run& r : runs_) ++rowStarts_[static_cast<size_t>(r.top) + 1];
  for (int32_t y = 0; y < height_; ++y) rowStarts_[y + 1] += rowStarts_[y];
  sorted_.resize(runs_.size());
  for (const Run& r : runs_) sorted_[rowStarts_[r.top]++] = r;
  runs_.clear();
}

void LineBatch::Draw(PixelView view, uint32_t pixel, const RowFill* fill) {
  if (view.Empty() || view.width != width_ || view.height != height_) {
    runs_.clear();
    return;
  }
  SortRunsByTop();
  thin_.clear();
  patterned_.clear();
  wide_.clear();
  size_t next = 0;
  for (int32_t y = 0; y < height_; ++y) {
    if (fill == nullptr && next == sorted_.size() && thin_.empty() && patterned_.empty() && wide_.empty()) break;
    uint32_t* row = Row(view, y);
    if (fill != nullptr) {
      if (fill->image != nullptr) {
        std::copy(fill->image + static_cast<size_t>(y) * width_, fill->image + static_cast<size_t>(y + 1) * width_,
                  row);
      } else {
        std::fill(row, row + width_, fill->colour);
      }
    }
    for (; next < sorted_.size() && sorted_[next].top == y; ++next) StartRun(sorted_[next], row, pixel);
    AdvanceThin(row, pixel, y);
    if (!patterned_.empty()) AdvancePatterned(row, pixel, y);
    if (!wide_.empty()) AdvanceWide(row, pixel, y);
  }
}

void LineBatch::StartRun(const Run& r, uint32_t* row, uint32_t pixel) {
  switch (r.kind) {
    case RunKind::kSpan:
      std::fill(row + r.x, row + r.x + r.width, pixel);
      break;
    case RunKind::kDashedSpan:
      DrawDashedSpan(row, r, pixel);
      break;
    case RunKind::kThin:
      thin_.push_back(ThinRun{r.x, r.step, r.bottom});
      break;
    case RunKind::kDashed:
      patterned_.push_back(PatternRun{r.x, r.step, r.bottom, r.phase, r.phaseStep});
      break;
    case RunKind::kWide:
      wide_.push_back(WideRun{r.x, r.width, r.step, r.bottom});
      break;
  }
}

void LineBatch::DrawDashedSpan(uint32_t* row, const Run& r, uint32_t pixel) const {
  const auto period = static_cast<int32_t>(pattern_.size());
  int32_t phase = r.phase;
  for (int32_t x = r.x; x < r.x + r.width; ++x) {
    if (pattern_[static_cast<size_t>(phase)] != 0) row[x] = pixel;
    phase = NextPhase(phase, r.phaseStep, period);
  }
}

// Each active list draws its pixels on the row, then drops the runs that end there (order does not
// matter: every line has the same colour).
void LineBatch::AdvanceThin(uint32_t* row, uint32_t pixel, int32_t y) {
  size_t count = thin_.size();
  for (size_t i = 0; i < count;) {
    ThinRun& a = thin_[i];
    row[a.x] = pixel;
    if (a.bottom == y) {
      a = thin_[--count];
    } else {
      a.x += a.step;
      ++i;
    }
  }
  thin_.resize(count);
}

void LineBatch::AdvancePatterned(uint32_t* row, uint32_t pixel, int32_t y) {
  const auto period = static_cast<int32_t>(pattern_.size());
  size_t count = patterned_.size();
  for (size_t i = 0; i < count;) {
    PatternRun& a = patterned_[i];
    if (pattern_[static_cast<size_t>(a.phase)] != 0) row[a.x] = pixel;
    if (a.bottom == y) {
      a = patterned_[--count];
    } else {
      a.x += a.step;
      a.phase = NextPhase(a.phase, a.phaseStep, period);
      ++i;
    }
  }
  patterned_.resize(count);
}

void LineBatch::AdvanceWide(uint32_t* row, uint32_t pixel, int32_t y) {
  size_t count = wide_.size();
  for (size_t i = 0; i < count;) {
    WideRun& a = wide_[i];
    const int32_t left = std::max(a.x, 0);
    const int32_t right = std::min(a.x + a.width, width_);
    if (left < right) std::fill(row + left, row + right, pixel);
    if (a.bottom == y) {
      a = wide_[--count];
    } else {
      a.x += a.step;
      ++i;
    }
  }
  wide_.resize(count);
}

}  // namespace corvanta
