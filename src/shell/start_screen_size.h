// The smallest start screen: a smaller window snaps back to it, and only a larger one is worth saving
// as the start screen's geometry. No platform calls.
#pragma once

#include "shell/geometry.h"

namespace corvanta {

inline constexpr int kMinimumWindowWidth = 588;
inline constexpr int kMinimumWindowHeight = 372;

// The minimum at a DPI (588 x 372 at 96 DPI).
Size MinimumWindowSize(int dpi);
// The minimum size applies only outside a scan-region selection.
Size EnforceMinimumSize(Size size, bool choosingRegion, int dpi = 96);

}  // namespace corvanta
