#include "overlay/pen_stroke.h"

#include <algorithm>
#include <utility>

#include "overlay/line_batch.h"

namespace corvanta {

namespace {

using Span = std::pair<int32_t, int32_t>;  // [left, right)

// The sample's spans per step t along a line with a vertical part (one row per step), relative to
// the start column; rows of the mask outside the steps [first, first + rows.size()) do not exist.
struct RowSteps {
  int32_t first = 0;
  std::vector<std::vector<Span>> rows;
  const std::vector<Span>* At(int32_t t) const {
    if (t < first || t >= first + static_cast<int32_t>(rows.size())) return nullptr;
    return &rows[static_cast<size_t>(t - first)];
  }
};

std::vector<Span> RowSpans(const PixelMask& mask, int32_t y, int32_t originX) {
  std::vector<Span> spans;
  for (int32_t x = 0; x < mask.width; ++x) {
    if (!mask.At(x, y)) continue;
    if (!spans.empty() && spans.back().second == x - originX) {
      ++spans.back().second;
    } else {
      spans.push_back({x - originX, x - originX + 1});
    }
  }
  return spans;
}

// Single pixels (row, column) merged into spans along each row.
std::vector<StrokeSpan> MergeIntoSpans(std::vector<std::pair<int32_t, int32_t>> pixels) {
  std::sort(pixels.begin(), pixels.end());
  std::vector<StrokeSpan> spans;
  for (const auto& [dy, x] : pixels) {
    if (!spans.empty() && spans.back().dy == dy && spans.back().right == x) {
      ++spans.back().right;
    } else {
      spans.push_back(StrokeSpan{dy, x, x + 1});
    }
  }
  return spans;
}

std::optional<StrokeModel> LearnSlanted(const PixelMask& sample, const StrokeFrame& frame, int ux, int uy,
                                        int32_t length) {
  RowSteps steps;
  // Row y is step t = (y - startY) * uy; steps run the other way round when the line goes up.
  const int32_t tTop = (0 - frame.startY) * uy;
  const int32_t tBottom = (sample.height - 1 - frame.startY) * uy;
  steps.first = std::min(tTop, tBottom);
  steps.rows.resize(static_cast<size_t>(sample.height));
  for (int32_t y = 0; y < sample.height; ++y) {
    steps.rows[static_cast<size_t>((y - frame.startY) * uy - steps.first)] = RowSpans(sample, y, frame.startX);
  }
  const int32_t mid = length / 2;
  const std::vector<Span>* middle = steps.At(mid);
  if (middle == nullptr || middle->size() != 1) return std::nullopt;
  const int32_t left = (*middle)[0].first - mid * ux;
  const int32_t right = (*middle)[0].second - mid * ux;
  auto steady = [&](int32_t t) {
    const std::vector<Span>* row = steps.At(t);
    return row != nullptr && row->size() == 1 && (*row)[0] == Span{left + t * ux, right + t * ux};
  };
  int32_t from = mid;
  while (steady(from - 1)) --from;
  int32_t to = mid;
  while (steady(to + 1)) ++to;

  StrokeModel model;
  model.ux = ux;
  model.uy = uy;
  model.bandFrom = from;
  model.bandTrim = length - to;
  model.bandLeft = left;
  model.bandRight = right;
  for (int32_t i = 0; i < static_cast<int32_t>(steps.rows.size()); ++i) {
    const int32_t t = steps.first + i;
    for (const Span& s : steps.rows[static_cast<size_t>(i)]) {
      if (t < from) model.head.push_back(StrokeSpan{t * uy, s.first, s.second});
      if (t > to) model.tail.push_back(StrokeSpan{(t - length) * uy, s.first - length * ux, s.second - length * ux});
    }
  }
  return model;
}

std::optional<StrokeModel> LearnHorizontal(const PixelMask& sample, const StrokeFrame& frame, int ux,
                                           int32_t length) {
  auto column = [&](int32_t t) {
    std::vector<int32_t> rows;
    const int32_t x = frame.startX + t * ux;
    if (x < 0 || x >= sample.width) return rows;
    for (int32_t y = 0; y < sample.height; ++y) {
      if (sample.At(x, y)) rows.push_back(y - frame.startY);
    }
    return rows;
  };
  const int32_t mid = length / 2;
  const std::vector<int32_t> band = column(mid);
  if (band.empty()) return std::nullopt;
  int32_t from = mid;
  while (from > -sample.width && column(from - 1) == band) --from;
  int32_t to = mid;
  while (to < sample.width && column(to + 1) == band) ++to;

  StrokeModel model;
  model.ux = ux;
  model.uy = 0;
  model.bandFrom = from;
  model.bandTrim = length - to;
  model.bandRows = band;
  std::vector<std::pair<int32_t, int32_t>> head;
  std::vector<std::pair<int32_t, int32_t>> tail;
  for (int32_t y = 0; y < sample.height; ++y) {
    for (int32_t x = 0; x < sample.width; ++x) {
      if (!sample.At(x, y)) continue;
      const int32_t t = (x - frame.startX) * ux;
      if (t < from) head.push_back({y - frame.startY, x - frame.startX});
      if (t > to) tail.push_back({y - frame.endY, x - frame.endX});
    }
  }
  model.head = MergeIntoSpans(std::move(head));
  model.tail = MergeIntoSpans(std::move(tail));
  return model;
}

bool SameCells(const PixelMask& a, const PixelMask& b) {
  return a.width == b.width && a.height == b.height && a.cells.size() == b.cells.size() &&
         std::equal(a.cells.begin(), a.cells.end(), b.cells.begin(),
                    [](uint8_t p, uint8_t q) { return (p != 0) == (q != 0); });
}

}  // namespace

std::optional<DashPattern> DashPatternFromRow(const std::vector<uint8_t>& row) {
  const size_t n = row.size();
  if (std::none_of(row.begin(), row.end(), [](uint8_t c) { return c != 0; })) return std::nullopt;
  for (size_t period = 1; period * 2 <= n; ++period) {
    bool repeats = true;
    for (size_t k = period; k < n && repeats; ++k) repeats = (row[k] != 0) == (row[k % period] != 0);
    if (!repeats) continue;
    DashPattern pattern;
    for (size_t k = 0; k < period; ++k) pattern.on.push_back(row[k] != 0 ? 1 : 0);
    return pattern;
  }
  return std::nullopt;
}

StrokeFrame SampleFrame(int32_t penWidth, int ux, int uy, int32_t length) {
  const int32_t margin = std::max(penWidth, 1) + 4;
  StrokeFrame frame;
  frame.width = (ux != 0 ? length : 0) + 2 * margin + 1;
  frame.height = (uy != 0 ? length : 0) + 2 * margin + 1;
  frame.startX = margin + (ux < 0 ? length : 0);
  frame.startY = margin + (uy < 0 ? length : 0);
  frame.endX = frame.startX + ux * length;
  frame.endY = frame.startY + uy * length;
  return frame;
}

std::optional<StrokeModel> LearnStroke(const PixelMask& sample, const StrokeFrame& frame, int ux, int uy,
                                       int32_t length) {
  if (sample.width != frame.width || sample.height != frame.height || length < 2 || (ux == 0 && uy == 0) ||
      sample.cells.size() != static_cast<size_t>(sample.width) * sample.height) {
    return std::nullopt;
  }
  return uy != 0 ? LearnSlanted(sample, frame, ux, uy, length) : LearnHorizontal(sample, frame, ux, length);
}

PixelMask DrawStrokeInFrame(const StrokeModel& model, const StrokeFrame& frame, int32_t length) {
  std::vector<uint32_t> pixels(static_cast<size_t>(frame.width) * frame.height, 0);
  StrokeModel anyLength = model;
  anyLength.minLength = 1;
  LineBatch batch;
  batch.Reset(frame.width, frame.height);
  batch.AddStroke(frame.startX, frame.startY, frame.startX + model.ux * length, frame.startY + model.uy * length,
                  anyLength);
  batch.Draw(PixelView{pixels.data(), frame.width, frame.height}, 1);
  PixelMask mask{frame.width, frame.height, {}};
  mask.cells.assign(pixels.begin(), pixels.end());
  return mask;
}

std::optional<StrokeModel> BuildStrokeModel(int32_t penWidth, int ux, int uy, const StrokeSampler& sample) {
  const int32_t learnLength = 3 * penWidth + 16;
  std::optional<StrokeModel> model =
      LearnStroke(sample(learnLength), SampleFrame(penWidth, ux, uy, learnLength), ux, uy, learnLength);
  if (!model) return std::nullopt;
  // Every length up to where the ends stop touching each other, then a few longer ones.
  std::vector<int32_t> lengths;
  for (int32_t length = 1; length <= 2 * penWidth + 6; ++length) lengths.push_back(length);
  for (const int32_t length : {learnLength - 1, learnLength + 1, learnLength + 2, 2 * learnLength + 1,
                               3 * learnLength + 4}) {
    lengths.push_back(length);
  }
  int32_t longestDiffering = 0;
  for (const int32_t length : lengths) {
    const PixelMask ours = DrawStrokeInFrame(*model, SampleFrame(penWidth, ux, uy, length), length);
    if (SameCells(ours, sample(length))) continue;
    if (length > learnLength) return std::nullopt;
    longestDiffering = length;
  }
  model->minLength = longestDiffering + 1;
  return model;
}

}  // namespace corvanta
