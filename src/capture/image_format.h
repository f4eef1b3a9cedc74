// The four file formats of a screenshot: their codes, extensions, platform encoders, and a check that an
// encoder's output is a real file of that format.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace corvanta {

enum class ImageFormat : int { kBmp = 1, kJpeg = 2, kGif = 3, kPng = 5 };

inline constexpr ImageFormat kImageFormats[] = {ImageFormat::kBmp, ImageFormat::kJpeg, ImageFormat::kGif,
                                                ImageFormat::kPng};

// ".bmp", ".jpg", ".gif", ".png".
std::string_view FormatExtension(ImageFormat format);
// The CLSID text of the platform's built-in encoder for the format.
std::string_view EncoderClsidText(ImageFormat format);

// Whether the bytes look like a complete file of the format: its signature, its closing marker and a
// size no real picture goes below. An encoder that reports success is not believed without this.
bool LooksLikeEncodedImage(ImageFormat format, std::span<const uint8_t> bytes);

}  // namespace corvanta
