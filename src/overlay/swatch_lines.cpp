#include "overlay/swatch_lines.h"

namespace corvanta {

namespace {
constexpr uint32_t Rgb(uint32_t r, uint32_t g, uint32_t b) { return r | (g << 8) | (b << 16); }
}  // namespace

uint32_t SwatchPenColour(int strength, SwatchColourRule rule) {
  if (strength == 0) return Rgb(254, 255, 255);
  if (strength == 255 && rule == SwatchColourRule::kOnChange) return Rgb(0, 0, 1);
  const uint32_t grey = static_cast<uint32_t>(((256 - strength) % 256 + 256) % 256);
  return Rgb(grey, grey, grey);
}

std::vector<SwatchLine> SwatchLines(int width, int height) {
  std::vector<SwatchLine> lines;
  for (int k = 1; k <= height / 2; ++k) lines.push_back({-2, 3 * k - 1, width, 3 * k - 1});
  return lines;
}

}  // namespace corvanta
