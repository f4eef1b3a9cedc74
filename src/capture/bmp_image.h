// The BMP file images that screenshots are captured into: headers, the fixed palettes of the indexed
// depths, row strides, and the reading of such an image back.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace corvanta {

inline constexpr uint32_t kBmpFileHeaderBytes = 14;
inline constexpr uint32_t kBmpInfoHeaderBytes = 40;
inline constexpr uint32_t kBmpHeaderBytes = kBmpFileHeaderBytes + kBmpInfoHeaderBytes;
// A capture whose file would be larger than this is refused.
inline constexpr int64_t kMaxBmpImageBytes = int64_t{512} * 1024 * 1024;

// One palette entry as the file stores it.
struct RgbQuad {
  uint8_t blue = 0;
  uint8_t green = 0;
  uint8_t red = 0;
  uint8_t reserved = 0;
  bool operator==(const RgbQuad&) const = default;
};

// 1, 4, 8, 16, 24 and 32 bits per pixel.
bool IsSupportedDepth(int depth);
// 2, 16 or 256 for the indexed depths, 0 for the others.
uint32_t PaletteEntries(int depth);
// The fixed palette of an indexed depth (empty for the others); built once for the whole process.
std::span<const RgbQuad> FixedPalette(int depth);
// Bytes per row: rows are padded to whole 32-bit words.
int64_t BmpStride(int64_t width, int depth);

// Where everything lies in the file image of one capture.
struct BmpLayout {
  int32_t width = 0;
  int32_t height = 0;
  int depth = 0;
  uint32_t stride = 0;
  uint32_t paletteEntries = 0;
  uint32_t pixelOffset = 0;  // from the start of the file
  uint32_t pixelBytes = 0;
  uint32_t fileBytes = 0;
};

// Empty for an unsupported depth, a width or height that is not positive, or a file over the limit.
std::optional<BmpLayout> LayOutBmp(int64_t width, int64_t height, int depth);

// The complete file image: file header, BITMAPINFOHEADER (bottom-up rows, BI_RGB), the fixed palette
// and zero pixels. The info header starts at byte 14, ready to be handed to the platform as BITMAPINFO.
std::vector<uint8_t> NewBmpImage(const BmpLayout& layout);

// The one-byte result that stands for "no image".
inline std::vector<uint8_t> NoImage() { return {0}; }
inline bool IsNoImage(std::span<const uint8_t> bytes) { return bytes.size() <= 1; }

// The header fields of a BMP file image, checked against its length. Empty when the bytes are not an
// uncompressed bottom-up BMP of a supported depth whose pixels are all there.
struct BmpHeader {
  BmpLayout layout;
  std::span<const uint8_t> palette;  // the stored RGBQUAD bytes
  std::span<const uint8_t> pixels;   // rows bottom-up
};
std::optional<BmpHeader> ReadBmpHeader(std::span<const uint8_t> bytes);

}  // namespace corvanta
