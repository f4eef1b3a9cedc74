// Straight lines of one pen written straight into a 32-bit surface, pixel for pixel as the platform's
// pen draws them (start point drawn, end point not, zero-length lines nothing, clipped to the surface):
// one-pixel solid and dashed lines that run horizontally, vertically or at 45 degrees, and wide lines
// in those directions through a StrokeModel. The lines are collected and then drawn row by row, so
// that the surface is walked once in memory order however many lines cross it; optionally each row is
// first filled with the background. No platform calls.
#pragma once

#include <cstdint>
#include <vector>

#include "overlay/canvas_pixels.h"
#include "overlay/pen_stroke.h"

namespace corvanta {

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
  // The pattern of the one-pixel lines added from now on; an empty pattern draws solid. A change is
  // refused (false, the pattern kept) while lines are collected: their phases belong to the pattern
  // they were added under, so draw or clear them first.
  bool SetDashPattern(const DashPattern& pattern);
  // A one-pixel line. Returns false, collecting nothing, for a direction other than horizontal,
  // vertical or 45 degrees.
  bool Add(int32_t x1, int32_t y1, int32_t x2, int32_t y2);
  // A wide line through the model of its direction. Returns false, collecting nothing, when the line
  // does not run in the model's direction or is shorter than the model's minimum length.
  bool AddStroke(int32_t x1, int32_t y1, int32_t x2, int32_t y2, const StrokeModel& model);
  bool Empty() const { return runs_.empty(); }
  void Clear() { runs_.clear(); }
  // Draws the collected lines in one colour on a surface of the Reset size, then empties the batch.
  // With a fill, every row of the surface is filled first.
  void Draw(PixelView view, uint32_t pixel, const RowFill* fill = nullptr);

 private:
  enum class RunKind : int32_t { kSpan, kDashedSpan, kThin, kDashed };
  // The visible part of one line, rows top to bottom (inclusive): a span [x, x + width) on one row
  // (solid, or dashed with the pattern index of pixel x advancing by phaseStep per pixel to the
  // right), or on every row one pixel starting at x and moving by step (-1, 0, 1) per row (solid, or
  // dashed with the pattern index `phase` on the top row advancing by phaseStep per row).
  struct Run {
    RunKind kind;
    int32_t top;
    int32_t bottom;
    int32_t x;
    int32_t width;
    int32_t step;
    int32_t phase;
    int32_t phaseStep;
  };
  // One-pixel runs that cross the current row and draw on it in the same way: the solid runs of one
  // step, or the dashed runs of one step whose pattern is in the same place on every row. Each run is
  // kept as its intercept x - step * y, so that drawing a row only writes; runs leave their list at
  // the end of their bottom row (run index = position in sorted_).
  struct PixelRuns {
    std::vector<int32_t> intercepts;
    std::vector<int32_t> runIndex;
  };

  int32_t PatternIndex(int64_t k) const;
  void AddSpan(int64_t y, int64_t left, int64_t right);
  void AddThin(int64_t top, int64_t bottom, int64_t xTop, int step);
  void SortRunsByTop();
  void SortPixelRunsByBottom();
  size_t ListOf(const Run& r) const;
  int32_t& ThinCount(const Run& r);
  void StartPixelRun(size_t index);
  void EndPixelRuns(int32_t y);
  void DrawSpan(uint32_t* row, const Run& r, uint32_t pixel) const;
  void DrawLists(uint32_t* row, uint32_t pixel, int32_t y, bool solidToo) const;
  void ComposeRow(uint32_t* row, uint32_t pixel, int32_t y, const RowFill& fill) const;

  int32_t width_ = 0;
  int32_t height_ = 0;
  std::vector<uint8_t> pattern_;
  // The pattern written out over a whole row, forwards (entry i: pattern[i % period]) and backwards
  // (entry i: pattern[-i modulo period]), for dashed spans without any division per pixel.
  std::vector<uint8_t> forwardRow_;
  std::vector<uint8_t> backwardRow_;
  std::vector<Run> runs_;
  std::vector<Run> sorted_;
  std::vector<int32_t> rowStarts_;
  std::vector<int32_t> endStarts_;  // endRuns_[endStarts_[y] ...] are the one-pixel runs ending on row y
  std::vector<int32_t> endRuns_;
  // Lists 0 to 2: solid runs by step + 1; then the dashed runs by step, pattern direction and the
  // pattern index on row 0.
  std::vector<PixelRuns> lists_;
  std::vector<int32_t> listPosition_;  // by run index: where the run sits in its list
  // When every row is filled anyway, the solid one-pixel runs are counted per diagonal, anti-diagonal
  // and column instead, and each row is written once from the counts and the fill.
  bool countThin_ = false;
  int64_t countedRuns_ = 0;  // counted runs crossing the current row
  std::vector<int32_t> downRight_;  // by x - y + height - 1
  std::vector<int32_t> downLeft_;   // by x + y
  std::vector<int32_t> columns_;    // by x
};

}  // namespace corvanta
