// The StrengthSwatch beside the strength slider: a small sample of grey lines whose darkness follows
// the strength.
#pragma once

#include <cstdint>
#include <vector>

namespace corvanta {

// At start-up position 255 gives RGB(1,1,1); when the slider moves it gives RGB(0,0,1). Position 0
// gives RGB(254,255,255) in both cases, any other position p a grey of (256 - p) mod 256.
enum class SwatchColourRule { kAtStartup, kOnChange };

uint32_t SwatchPenColour(int strength, SwatchColourRule rule);

struct SwatchLine {
  int x1, y1, x2, y2;
  bool operator==(const SwatchLine&) const = default;
};

// For k = 1 .. height / 2: a line from (-2, 3k - 1) to (width, 3k - 1).
std::vector<SwatchLine> SwatchLines(int width, int height);

inline constexpr int kSwatchPenWidth = 2;

}  // namespace corvanta
