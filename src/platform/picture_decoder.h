// Decodes picture file bytes (PNG, BMP and whatever else GDI+ reads) into 32-bit pixels. Needs a
// running GdiplusSession.
#pragma once

#include <optional>
#include <vector>

#include "platform/pixel_image.h"

namespace corvanta {

// Pictures with more pixels than this are refused rather than risking an allocation failure.
inline constexpr int64_t kMaxPicturePixels = int64_t{1} << 26;

// Empty when the bytes are not a readable picture (or the picture is too large).
std::optional<PixelImage> DecodePicture(const std::vector<unsigned char>& bytes);

}  // namespace corvanta
