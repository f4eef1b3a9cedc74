#include "capture/image_format.h"

#include <algorithm>
#include <array>

#include "capture/bmp_image.h"

namespace corvanta {

namespace {

bool StartsWith(std::span<const uint8_t> bytes, std::span<const uint8_t> prefix) {
  return bytes.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), bytes.begin());
}

bool EndsWith(std::span<const uint8_t> bytes, std::span<const uint8_t> suffix) {
  return bytes.size() >= suffix.size() && std::equal(suffix.begin(), suffix.end(), bytes.end() - suffix.size());
}

bool LooksLikeBmp(std::span<const uint8_t> bytes) {
  if (bytes.size() < kBmpHeaderBytes + 4 || bytes[0] != 'B' || bytes[1] != 'M') return false;
  const uint32_t declared = bytes[2] | uint32_t{bytes[3]} << 8 | uint32_t{bytes[4]} << 16 | uint32_t{bytes[5]} << 24;
  return declared <= bytes.size();
}

bool LooksLikeJpeg(std::span<const uint8_t> bytes) {
  static constexpr std::array<uint8_t, 3> kStart{0xFF, 0xD8, 0xFF};
  static constexpr std::array<uint8_t, 2> kEnd{0xFF, 0xD9};
  return bytes.size() >= 128 && StartsWith(bytes, kStart) && EndsWith(bytes, kEnd);
}

bool LooksLikePng(std::span<const uint8_t> bytes) {
  static constexpr std::array<uint8_t, 8> kSignature{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  static constexpr std::array<uint8_t, 8> kEnd{'I', 'E', 'N', 'D', 0xAE, 0x42, 0x60, 0x82};
  static constexpr std::array<uint8_t, 4> kData{'I', 'D', 'A', 'T'};
  return StartsWith(bytes, kSignature) && EndsWith(bytes, kEnd) &&
         std::search(bytes.begin(), bytes.end(), kData.begin(), kData.end()) != bytes.end();
}

// A GIF with at least one image: header, screen descriptor, optional colour table, extension blocks,
// then an image descriptor, and the trailer at the end.
bool LooksLikeGif(std::span<const uint8_t> bytes) {
  static constexpr std::array<uint8_t, 4> kSignature{'G', 'I', 'F', '8'};
  if (bytes.size() < 32 || !StartsWith(bytes, kSignature) || bytes.back() != 0x3B) return false;
  size_t at = 13;
  if (bytes[10] & 0x80) at += size_t{3} << ((bytes[10] & 7) + 1);
  while (at < bytes.size() && bytes[at] == 0x21) {  // extension: label, then data sub-blocks
    at += 2;
    while (at < bytes.size() && bytes[at] != 0) at += size_t{bytes[at]} + 1;
    ++at;
  }
  return at + 10 < bytes.size() && bytes[at] == 0x2C;
}

}  // namespace

std::string_view FormatExtension(ImageFormat format) {
  switch (format) {
    case ImageFormat::kBmp:
      return ".bmp";
    case ImageFormat::kJpeg:
      return ".jpg";
    case ImageFormat::kGif:
      return ".gif";
    case ImageFormat::kPng:
      return ".png";
  }
  return "";
}

std::string_view EncoderClsidText(ImageFormat format) {
  switch (format) {
    case ImageFormat::kBmp:
      return "{557CF400-1A04-11D3-9A73-0000F81EF32E}";
    case ImageFormat::kJpeg:
      return "{557CF401-1A04-11D3-9A73-0000F81EF32E}";
    case ImageFormat::kGif:
      return "{557CF402-1A04-11D3-9A73-0000F81EF32E}";
    case ImageFormat::kPng:
      return "{557CF406-1A04-11D3-9A73-0000F81EF32E}";
  }
  return "";
}

bool LooksLikeEncodedImage(ImageFormat format, std::span<const uint8_t> bytes) {
  switch (format) {
    case ImageFormat::kBmp:
      return LooksLikeBmp(bytes);
    case ImageFormat::kJpeg:
      return LooksLikeJpeg(bytes);
    case ImageFormat::kGif:
      return LooksLikeGif(bytes);
    case ImageFormat::kPng:
      return LooksLikePng(bytes);
  }
  return false;
}

}  // namespace corvanta
