// Layout numbers are design sizes at 96 DPI; a window at another DPI multiplies them by its DPI / 96,
// rounding as MulDiv does (half away from zero).
#pragma once

#include <cstdint>

namespace corvanta {

inline constexpr int kDesignDpi = 96;

constexpr int DpiScale(int designValue, int dpi) {
  const int64_t product = static_cast<int64_t>(designValue) * dpi;
  const int64_t half = kDesignDpi / 2;
  return static_cast<int>(product >= 0 ? (product + half) / kDesignDpi : -((-product + half) / kDesignDpi));
}

}  // namespace corvanta
