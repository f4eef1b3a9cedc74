// Re-encodes a captured BMP image into a screenshot file format through the platform's encoders.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "capture/image_format.h"

namespace corvanta {

// The encoded file, or nothing when the image could not be read or the encoder produced no plausible
// file (whatever status it reported). GIF is encoded from an 8-bit indexed copy of the image.
std::optional<std::vector<uint8_t>> ConvertImage(std::span<const uint8_t> bmp, ImageFormat format);

}  // namespace corvanta
