#include "capture/bmp_image.h"


namespace corvanta {

namespace {

constexpr RgbQuad Rgb(uint8_t red, uint8_t green, uint8_t blue) { return RgbQuad{blue, green, red, 0}; }

constexpr std::array<RgbQuad, 2> kPalette1{Rgb(0, 0, 0), Rgb(255, 255, 255)};

// The 16 Windows standard colours.
constexpr std::array<RgbQuad, 16> kPalette4{
    Rgb(0, 0, 0),       Rgb(128, 0, 0),   Rgb(0, 128, 0),   Rgb(128, 128, 0), Rgb(0, 0, 128),   Rgb(128, 0, 128),
    Rgb(0, 128, 128),   Rgb(128, 128, 128), Rgb(192, 192, 192), Rgb(255, 0, 0), Rgb(0, 255, 0), Rgb(255, 255, 0),
    Rgb(0, 0, 255),     Rgb(255, 0, 255), Rgb(0, 255, 255), Rgb(255, 255, 255)};

// The 20 static colours of the system palette around an 8 x 8 x 4 colour cube.
std::array<RgbQuad, 256> MakePalette8() {
  std::array<RgbQuad, 256> palette{};
  const RgbQuad first[10] = {Rgb(0, 0, 0),       Rgb(128, 0, 0),     Rgb(0, 128, 0),     Rgb(128, 128, 0),
                             Rgb(0, 0, 128),     Rgb(128, 0, 128),   Rgb(0, 128, 128),   Rgb(192, 192, 192),
                             Rgb(192, 220, 192), Rgb(166, 202, 240)};
  const RgbQuad last[10] = {Rgb(255, 251, 240), Rgb(160, 160, 164), Rgb(128, 128, 128), Rgb(255, 0, 0),
                            Rgb(0, 255, 0),     Rgb(255, 255, 0),   Rgb(0, 0, 255),     Rgb(255, 0, 255),
                            Rgb(0, 255, 255),   Rgb(255, 255, 255)};
  for (int i = 0; i < 10; ++i) palette[i] = first[i];
  for (int i = 10; i < 246; ++i) {
    palette[i] = Rgb(static_cast<uint8_t>(32 * (i % 8)), static_cast<uint8_t>(32 * ((i / 8) % 8)),
                     static_cast<uint8_t>(64 * (i / 64)));
  }
  for (int i = 0; i < 10; ++i) palette[246 + i] = last[i];
  return palette;
}

void PutU16(std::vector<uint8_t>& bytes, size_t at, uint32_t value) {
  bytes[at] = static_cast<uint8_t>(value);
  bytes[at + 1] = static_cast<uint8_t>(value >> 8);
}

void PutU32(std::vector<uint8_t>& bytes, size_t at, uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

uint32_t GetU16(std::span<const uint8_t> bytes, size_t at) { return bytes[at] | uint32_t{bytes[at + 1]} << 8; }

uint32_t GetU32(std::span<const uint8_t> bytes, size_t at) {
  return bytes[at] | uint32_t{bytes[at + 1]} << 8 | uint32_t{bytes[at + 2]} << 16 | uint32_t{bytes[at + 3]} << 24;
}

}  // namespace

bool IsSupportedDepth(int depth) {
  return depth == 1 || depth == 4 || depth == 8 || depth == 16 || depth == 24 || depth == 32;
}

uint32_t PaletteEntries(int depth) {
  switch (depth) {
    case 1:
      return 2;
    case 4:
      return 16;
    case 8:
      return 256;
    default:
      return 0;
  }
}

std::span<const RgbQuad> FixedPalette(int depth) {
  static const std::array<RgbQuad, 256> palette8 = MakePalette8();
  switch (depth) {
    case 1:
      return kPalette1;
    case 4:
      return kPalette4;
    case 8:
      return palette8;
    default:
      return {};
  }
}

int64_t BmpStride(int64_t width, int depth) { return ((width * depth + 31) >> 5) << 2; }

std::optional<BmpLayout> LayOutBmp(int64_t width, int64_t height, int depth) {
  if (!IsSupportedDepth(depth) || width <= 0 || height <= 0) return std::nullopt;
  // The header holds 32-bit sides, and a taller image never fits (a row holds at least 4 bytes); checked
  // first, so the products below cannot overflow.
  if (width > INT32_MAX || height > kMaxBmpImageBytes / 4) return std::nullopt;
  const int64_t stride = BmpStride(width, depth);
  if (stride > kMaxBmpImageBytes / height) return std::nullopt;
  const int64_t paletteBytes = int64_t{PaletteEntries(depth)} * 4;
  const int64_t pixelOffset = kBmpHeaderBytes + paletteBytes;
  const int64_t fileBytes = pixelOffset + stride * height;
  if (fileBytes > kMaxBmpImageBytes) return std::nullopt;
  BmpLayout layout;
  layout.width = static_cast<int32_t>(width);
  layout.height = static_cast<int32_t>(height);
  layout.depth = depth;
  layout.stride = static_cast<uint32_t>(stride);
  layout.paletteEntries = PaletteEntries(depth);
  layout.pixelOffset = static_cast<uint32_t>(pixelOffset);
  layout.pixelBytes = static_cast<uint32_t>(stride * height);
  layout.fileBytes = static_cast<uint32_t>(fileBytes);
  return layout;
}

std::vector<uint8_t> NewBmpImage(const BmpLayout& layout) {
  std::vector<uint8_t> bytes(layout.fileBytes, 0);
  bytes[0] = 'B';
  bytes[1] = 'M';
  PutU32(bytes, 2, layout.fileBytes);
  PutU32(bytes, 10, layout.pixelOffset);
  const size_t info = kBmpFileHeaderBytes;
  PutU32(bytes, info + 0, kBmpInfoHeaderBytes);
  PutU32(bytes, info + 4, static_cast<uint32_t>(layout.width));
  PutU32(bytes, info + 8, static_cast<uint32_t>(layout.height));  // positive: bottom-up rows
  PutU16(bytes, info + 12, 1);
  PutU16(bytes, info + 14, static_cast<uint32_t>(layout.depth));
  const std::span<const RgbQuad> palette = FixedPalette(layout.depth);
  for (size_t i = 0; i < palette.size(); ++i) {
    const size_t at = kBmpHeaderBytes + 4 * i;
    bytes[at] = palette[i].blue;
    bytes[at + 1] = palette[i].green;
    bytes[at + 2] = palette[i].red;
  }
  return bytes;
}

std::optional<BmpHeader> ReadBmpHeader(std::span<const uint8_t> bytes) {
  if (bytes.size() < kBmpHeaderBytes || bytes[0] != 'B' || bytes[1] != 'M') return std::nullopt;
  const size_t info = kBmpFileHeaderBytes;
  const int32_t width = static_cast<int32_t>(GetU32(bytes, info + 4));
  const int32_t height = static_cast<int32_t>(GetU32(bytes, info + 8));
  const int depth = static_cast<int>(GetU16(bytes, info + 14));
  if (GetU32(bytes, info) != kBmpInfoHeaderBytes || GetU16(bytes, info + 12) != 1 || GetU32(bytes, info + 16) != 0) {
    return std::nullopt;
  }
  std::optional<BmpLayout> layout = LayOutBmp(width, height, depth);
  if (!layout) return std::nullopt;
  const uint32_t usedEntries = GetU32(bytes, info + 32);
  if (usedEntries != 0 && usedEntries <= layout->paletteEntries) layout->paletteEntries = usedEntries;
  layout->pixelOffset = GetU32(bytes, 10);
  const uint64_t paletteEnd = kBmpHeaderBytes + uint64_t{layout->paletteEntries} * 4;
  if (layout->pixelOffset < paletteEnd || uint64_t{layout->pixelOffset} + layout->pixelBytes > bytes.size()) {
    return std::nullopt;
  }
  layout->fileBytes = static_cast<uint32_t>(bytes.size());
  BmpHeader header;
  header.layout = *layout;
  header.palette = bytes.subspan(kBmpHeaderBytes, layout->paletteEntries * 4);
  header.pixels = bytes.subspan(layout->pixelOffset, layout->pixelBytes);
  return header;
}

}  // namespace corvanta
