// The canvas's pen line types and background picture placements, with the numbers they are stored as:
// a preset's Scantype/Linetype and Config/Dp. A stored number outside the list is kept as it is; the
// canvas draws an unknown line type solid and places a picture of an unknown placement top-left.
#pragma once

#include <cstdint>

namespace corvanta {

enum class LineType : int32_t {
  kNone = 0,  // draws nothing
  kSolid = 1,
  kDash = 2,
  kDot = 3,
  kDashDot = 4,
  kDashDotDot = 5,
  kInsideFrame = 6,
};

enum class Placement : int32_t {
  kTopLeft = 0,  // at its natural size
  kStretched = 1,
  kCentred = 2,
  kTiled = 3,
};

}  // namespace corvanta
