#include "overlay/line_batch.h"

#include <algorithm>

namespace corvanta {

namespace {

uint32_t* Row(PixelView view, int64_t y) { return view.pixels + y * view.RowStride(); }

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

}  // namespace

void LineBatch::Reset(int32_t width, int32_t height) {
  width_ = std::max(width, 0);
  height_ = std::max(height, 0);
  runs_.clear();
}

bool LineBatch::SetDashPattern(const DashPattern& pattern) {
  if (pattern.on == pattern_) return true;
  if (!runs_.empty()) return false;
  pattern_ = pattern.on;
  return true;
}

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
  // Each column of the band is a one-pixel run of its own.
  for (int64_t column = model.bandLeft; column < model.bandRight; ++column) {
    AddThin(top, bottom, x1 + topStep * model.ux + column, model.ux * model.uy);
  }
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

void LineBatch::AddThin(int64_t top, int64_t bottom, int64_t xTop, int step) {
  // Rows on the surface, then rows on which x = xTop + step * (y - top) lies in [0, width_).
  if (top < 0) {
    xTop += step * (0 - top);
    top = 0;
  }
  bottom = std::min<int64_t>(bottom, height_ - 1);
  if (step == 0) {
    if (xTop < 0 || xTop >= width_) return;
  } else if (step > 0) {
    const int64_t firstRow = top + std::max<int64_t>(0, -xTop);
    bottom = std::min(bottom, top + width_ - 1 - xTop);
    xTop += firstRow - top;
    top = firstRow;
  } else {
    const int64_t firstRow = top + std::max<int64_t>(0, xTop - width_ + 1);
    bottom = std::min(bottom, top + xTop);
    xTop -= firstRow - top;
    top = firstRow;
  }
  if (top > bottom) return;
  runs_.push_back(Run{RunKind::kThin, static_cast<int32_t>(top), static_cast<int32_t>(bottom),
                      static_cast<int32_t>(xTop), 1, step, 0, 0});
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

void LineBatch::SortPixelRunsByBottom() {
  endStarts_.assign(static_cast<size_t>(height_) + 1, 0);
  auto isPixelRun = [](const Run& r) { return r.kind == RunKind::kThin || r.kind == RunKind::kDashed; };
  for (const Run& r : sorted_) {
    if (isPixelRun(r)) ++endStarts_[static_cast<size_t>(r.bottom) + 1];
  }
  for (int32_t y = 0; y < height_; ++y) endStarts_[y + 1] += endStarts_[y];
  endRuns_.resize(static_cast<size_t>(endStarts_[height_]));
  std::vector<int32_t>& cursor = rowStarts_;  // free again after the sort by top
  cursor.assign(endStarts_.begin(), endStarts_.end());
  for (size_t i = 0; i < sorted_.size(); ++i) {
    if (isPixelRun(sorted_[i])) endRuns_[cursor[sorted_[i].bottom]++] = static_cast<int32_t>(i);
  }
  listPosition_.resize(sorted_.size());
}

size_t LineBatch::ListOf(const Run& r) const {
  if (r.kind == RunKind::kThin) return static_cast<size_t>(r.step + 1);
  // The dashed run's pattern index on row y is key + phaseStep * y (modulo the period).
  const auto period = static_cast<int32_t>(pattern_.size());
  const int32_t key = ((r.phase - r.phaseStep * (r.top % period)) % period + period) % period;
  const int32_t direction = r.phaseStep > 0 ? 1 : 0;
  return static_cast<size_t>(3 + ((r.step + 1) * 2 + direction) * period + key);
}

int32_t& LineBatch::ThinCount(const Run& r) {
  // The run's pixel on row y is at x = r.x + r.step * (y - r.top).
  if (r.step > 0) return downRight_[static_cast<size_t>(r.x - r.top + height_ - 1)];
  if (r.step < 0) return downLeft_[static_cast<size_t>(r.x + r.top)];
  return columns_[static_cast<size_t>(r.x)];
}

void LineBatch::StartPixelRun(size_t index) {
  const Run& r = sorted_[index];
  if (countThin_ && r.kind == RunKind::kThin) {
    ++ThinCount(r);
    ++countedRuns_;
    return;
  }
  PixelRuns& list = lists_[ListOf(r)];
  listPosition_[index] = static_cast<int32_t>(list.intercepts.size());
  list.intercepts.push_back(r.x - r.step * r.top);
  list.runIndex.push_back(static_cast<int32_t>(index));
}

void LineBatch::EndPixelRuns(int32_t y) {
  for (int32_t e = endStarts_[y]; e < endStarts_[y + 1]; ++e) {
    const auto index = static_cast<size_t>(endRuns_[static_cast<size_t>(e)]);
    const Run& r = sorted_[index];
    if (countThin_ && r.kind == RunKind::kThin) {
      --ThinCount(r);
      --countedRuns_;
      continue;
    }
    PixelRuns& list = lists_[ListOf(r)];
    const auto at = static_cast<size_t>(listPosition_[index]);
    list.intercepts[at] = list.intercepts.back();
    list.runIndex[at] = list.runIndex.back();
    listPosition_[static_cast<size_t>(list.runIndex[at])] = static_cast<int32_t>(at);
    list.intercepts.pop_back();
    list.runIndex.pop_back();
  }
}

void LineBatch::Draw(PixelView view, uint32_t pixel, const RowFill* fill) {
  if (view.Empty() || view.width != width_ || view.height != height_) {
    runs_.clear();
    return;
  }
  SortRunsByTop();
  SortPixelRunsByBottom();
  lists_.resize(3 + 6 * pattern_.size());
  if (!pattern_.empty()) {
    const size_t period = pattern_.size();
    forwardRow_.resize(period + static_cast<size_t>(width_));
    backwardRow_.resize(forwardRow_.size());
    for (size_t i = 0; i < forwardRow_.size(); ++i) {
      forwardRow_[i] = pattern_[i % period];
      backwardRow_[i] = pattern_[(period - i % period) % period];
    }
  }
  for (PixelRuns& list : lists_) {
    list.intercepts.clear();
    list.runIndex.clear();
  }
  countThin_ = fill != nullptr;
  countedRuns_ = 0;
  if (countThin_) {
    const size_t diagonals = static_cast<size_t>(width_) + static_cast<size_t>(height_);
    downRight_.assign(diagonals, 0);
    downLeft_.assign(diagonals, 0);
    columns_.assign(static_cast<size_t>(width_), 0);
  }
  size_t next = 0;
  size_t pixelRunsLeft = endRuns_.size();
  for (int32_t y = 0; y < height_; ++y) {
    if (fill == nullptr && next == sorted_.size() && pixelRunsLeft == 0) break;
    uint32_t* row = Row(view, y);
    const size_t startingHere = next;
    bool wholeRow = false;  // a solid span across the row: nothing else on it can show
    for (; next < sorted_.size() && sorted_[next].top == y; ++next) {
      const Run& r = sorted_[next];
      if (r.kind == RunKind::kThin || r.kind == RunKind::kDashed) StartPixelRun(next);
      wholeRow = wholeRow || (r.kind == RunKind::kSpan && r.x == 0 && r.width == width_);
    }
    if (wholeRow) {
      std::fill(row, row + width_, pixel);
    } else {
      if (countThin_) ComposeRow(row, pixel, y, *fill);
      DrawLists(row, pixel, y, !countThin_);
      for (size_t i = startingHere; i < next; ++i) {
        if (sorted_[i].kind == RunKind::kSpan || sorted_[i].kind == RunKind::kDashedSpan) {
          DrawSpan(row, sorted_[i], pixel);
        }
      }
    }
    pixelRunsLeft -= static_cast<size_t>(endStarts_[y + 1] - endStarts_[y]);
    EndPixelRuns(y);
  }
}

void LineBatch::DrawSpan(uint32_t* row, const Run& r, uint32_t pixel) const {
  if (r.kind == RunKind::kSpan) {
    std::fill(row + r.x, row + r.x + r.width, pixel);
    return;
  }
  // Dashed: pixel x has pattern index phase + phaseStep * (x - r.x), read from the written-out row.
  const auto period = static_cast<int32_t>(pattern_.size());
  const uint8_t* __restrict on = r.phaseStep > 0 ? forwardRow_.data() + r.phase
                                                  : backwardRow_.data() + (period - r.phase) % period;
  uint32_t* __restrict out = row + r.x;
  const int32_t width = r.width;
  for (int32_t i = 0; i < width; ++i) {
    const uint32_t line = 0u - static_cast<uint32_t>(on[i] != 0);
    out[i] = (pixel & line) | (out[i] & ~line);
  }
}

void LineBatch::DrawLists(uint32_t* row, uint32_t pixel, int32_t y, bool solidToo) const {
  // Straight loops of stores, one per list: the bulk of a dense grid.
  if (solidToo) {
    for (const int32_t c : lists_[0].intercepts) row[c - y] = pixel;
    for (const int32_t c : lists_[1].intercepts) row[c] = pixel;
    for (const int32_t c : lists_[2].intercepts) row[c + y] = pixel;
  }
  const auto period = static_cast<int32_t>(pattern_.size());
  if (period == 0) return;
  const int32_t rowPhase = y % period;
  for (int32_t step = -1; step <= 1; ++step) {
    for (int32_t direction = 0; direction < 2; ++direction) {
      const size_t first = static_cast<size_t>(3 + ((step + 1) * 2 + direction) * period);
      for (int32_t key = 0; key < period; ++key) {
        const std::vector<int32_t>& intercepts = lists_[first + static_cast<size_t>(key)].intercepts;
        if (intercepts.empty()) continue;
        const int32_t phase = direction == 1 ? (key + rowPhase) % period : (key - rowPhase + period) % period;
        if (pattern_[static_cast<size_t>(phase)] == 0) continue;
        uint32_t* shifted = row + step * y;
        for (const int32_t c : intercepts) shifted[c] = pixel;
      }
    }
  }
}

void LineBatch::ComposeRow(uint32_t* row, uint32_t pixel, int32_t y, const RowFill& fill) const {
  if (countedRuns_ == 0) {  // the fill alone
    if (fill.image != nullptr) {
      std::copy(fill.image + static_cast<size_t>(y) * width_, fill.image + static_cast<size_t>(y + 1) * width_, row);
    } else {
      std::fill(row, row + width_, fill.colour);
    }
    return;
  }
  // Written branch-free over local pointers, so that the compiler turns it into vector code.
  const int32_t* __restrict downRight = downRight_.data() + (height_ - 1 - y);
  const int32_t* __restrict downLeft = downLeft_.data() + y;
  const int32_t* __restrict columns = columns_.data();
  uint32_t* __restrict out = row;
  const int32_t width = width_;
  if (fill.image != nullptr) {
    const uint32_t* __restrict image = fill.image + static_cast<size_t>(y) * width;
    for (int32_t x = 0; x < width; ++x) {
      const uint32_t line = 0u - static_cast<uint32_t>((downRight[x] | downLeft[x] | columns[x]) != 0);
      out[x] = (pixel & line) | (image[x] & ~line);
    }
  } else {
    const uint32_t colour = fill.colour;
    for (int32_t x = 0; x < width; ++x) {
      const uint32_t line = 0u - static_cast<uint32_t>((downRight[x] | downLeft[x] | columns[x]) != 0);
      out[x] = (pixel & line) | (colour & ~line);
    }
  }
}

}  // namespace corvanta
