// The platform's own drawing of one pen line on a fresh surface, read back as a mask of the pixels it
// set: what the canvas learns its dash patterns and wide pens from.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "overlay/pen_stroke.h"
#include "platform/gdi.h"

namespace corvanta {

// A one-pixel line of the pen style (PS_DASH, PS_DOT, ...) from (0, 0) to (length, 0): one cell per
// pixel of the row, set where the line drew.
std::vector<uint8_t> SampleStyledRow(int penStyle, int32_t length);

// Solid lines of one pen width, each from a frame's start point to its end point on a cleared surface
// of its own that grows with the frames.
class WideLineSampler {
 public:
  explicit WideLineSampler(int32_t penWidth);
  WideLineSampler(const WideLineSampler&) = delete;
  WideLineSampler& operator=(const WideLineSampler&) = delete;
  ~WideLineSampler();

  PixelMask Draw(const StrokeFrame& frame);

 private:
  bool Fit(int32_t width, int32_t height);

  ScopedPen pen_;
  ScopedBitmap bitmap_;
  std::unique_ptr<ScopedMemoryDC> dc_;
  std::unique_ptr<ScopedSelect> selectBitmap_;
  std::unique_ptr<ScopedSelect> selectPen_;
  uint32_t* bits_ = nullptr;
  int32_t width_ = 0;
  int32_t height_ = 0;
};

// What GDI draws for a pen, learnt from the sample lines above the first time the pen is asked for and
// kept for the life of the process, since GDI draws a pen alike on every surface. For the UI thread.
//
// The repeating pattern of a one-pixel dashed style (PS_DASH, PS_DOT, PS_DASHDOT, PS_DASHDOTDOT); null
// where GDI's row does not repeat.
const DashPattern* LearntDashPattern(int penStyle);
// The model of a solid pen penWidth wide drawn in the direction (ux, uy); null where GDI's lines of that
// pen follow none.
const StrokeModel* LearntStrokeModel(int32_t penWidth, int ux, int uy);

}  // namespace corvanta
