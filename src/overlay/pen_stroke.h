// How a pen covers a straight line, taken from the platform's own drawing of sample lines, so that the
// canvas can write the very same pixels itself: the repeating on/off pattern of a one-pixel styled pen,
// and for a wide pen in one of the eight directions the pixels around the start point, the
// cross-section repeated along the middle and the pixels around the end point. No platform calls.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace corvanta {

// A drawn sample: width x height cells, row by row from the top, non-zero where the pen drew.
struct PixelMask {
  int32_t width = 0;
  int32_t height = 0;
  std::vector<uint8_t> cells;
  bool At(int32_t x, int32_t y) const { return cells[static_cast<size_t>(y) * width + x] != 0; }
};

// Pixel k of a one-pixel line, counted from its start point along the longer axis, is drawn when
// on[k % on.size()] is set.
struct DashPattern {
  std::vector<uint8_t> on;
};

// The shortest pattern that repeats over the whole row of a line drawn from its first cell; none when
// the row holds no ink or the pattern does not repeat at least twice within it.
std::optional<DashPattern> DashPatternFromRow(const std::vector<uint8_t>& row);

// Where a sample line of `length` steps along (ux, uy) lies: a mask of width x height with a margin of
// more than the pen width around the line, the start and the end point.
struct StrokeFrame {
  int32_t width = 0;
  int32_t height = 0;
  int32_t startX = 0;
  int32_t startY = 0;
  int32_t endX = 0;
  int32_t endY = 0;
};
StrokeFrame SampleFrame(int32_t penWidth, int ux, int uy, int32_t length);

// A pixel span [left, right) on row dy, relative to an anchor point.
struct StrokeSpan {
  int32_t dy;
  int32_t left;
  int32_t right;
  bool operator==(const StrokeSpan&) const = default;
};

// The pixels of a wide pen along a line of `length` steps from its start point in direction (ux, uy):
// the head spans around the start point, the tail spans around the end point, and between them the
// band, the steps t = bandFrom ... length - bandTrim along the line. For lines with a vertical part
// (uy != 0) each band step is one row holding [bandLeft, bandRight) relative to the line's point on
// that row; for horizontal lines each band step is one column covering bandRows (relative to the line).
struct StrokeModel {
  int ux = 0;
  int uy = 0;
  std::vector<StrokeSpan> head;
  std::vector<StrokeSpan> tail;
  int32_t bandFrom = 0;
  int32_t bandTrim = 0;
  int32_t bandLeft = 0;
  int32_t bandRight = 0;
  std::vector<int32_t> bandRows;
  // Shorter lines are not covered by the model.
  int32_t minLength = 1;
};

// Splits a sample of `length` steps along (ux, uy) drawn in `frame` into head, band and tail. None when
// the middle of the sample is empty or (with a vertical part) not one span per row.
std::optional<StrokeModel> LearnStroke(const PixelMask& sample, const StrokeFrame& frame, int ux, int uy,
                                       int32_t length);

// Draws one line of `length` steps along the direction in SampleFrame(penWidth, ux, uy, length).
using StrokeSampler = std::function<PixelMask(int32_t length)>;

// Learns the pen from a long sample, then draws every short length and a few longer ones with the
// model and compares each with the sampler's pixels: minLength is set above the longest length that
// differs. None when a length longer than the learning sample differs (the pen is not the same along
// its middle) or nothing could be learnt.
std::optional<StrokeModel> BuildStrokeModel(int32_t penWidth, int ux, int uy, const StrokeSampler& sample);

// The model's pixels for one line of `length` steps in its frame (1 = drawn), as a batch draws them.
PixelMask DrawStrokeInFrame(const StrokeModel& model, const StrokeFrame& frame, int32_t length);

}  // namespace corvanta
