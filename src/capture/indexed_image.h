// An 8-bit indexed copy of a BMP image over the fixed 256-colour palette: the platform's GIF encoder
// writes a real GIF only from such an image.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "capture/bmp_image.h"

namespace corvanta {

// The index of the fixed 256-colour palette entry nearest to a colour (squared RGB distance, the lower
// index on a tie).
uint8_t NearestPaletteIndex(uint8_t red, uint8_t green, uint8_t blue);

// The image at 8 bits per pixel over FixedPalette(8), the same size. Colours of the 1-, 4- and 8-bit
// palettes are kept exactly (they all appear in the 256-colour palette); other colours take the nearest
// entry. Empty when the bytes are not a BMP image that ReadBmpHeader accepts.
std::optional<std::vector<uint8_t>> ToIndexed8(std::span<const uint8_t> bmp);

}  // namespace corvanta
