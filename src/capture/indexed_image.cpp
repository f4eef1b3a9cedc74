#include "capture/indexed_image.h"

#include <array>

namespace corvanta {

namespace {

uint8_t SearchNearest(int red, int green, int blue) {
  const std::span<const RgbQuad> palette = FixedPalette(8);
  int best = 0;
  int bestDistance = INT32_MAX;
  for (int i = 0; i < static_cast<int>(palette.size()); ++i) {
    const int dr = red - palette[i].red;
    const int dg = green - palette[i].green;
    const int db = blue - palette[i].blue;
    const int distance = dr * dr + dg * dg + db * db;
    if (distance < bestDistance) {
      bestDistance = distance;
      best = i;
    }
  }
  return static_cast<uint8_t>(best);
}

// Direct colours are looked up by their top five bits per component; each cell maps to the entry
// nearest its centre. Built once, on first use.
const std::array<uint8_t, 32768>& NearestByCell() {
  static const std::array<uint8_t, 32768> table = [] {
    std::array<uint8_t, 32768> cells{};
    for (int cell = 0; cell < 32768; ++cell) {
      const int red = ((cell >> 10) & 31) * 8 + 4;
      const int green = ((cell >> 5) & 31) * 8 + 4;
      const int blue = (cell & 31) * 8 + 4;
      cells[cell] = SearchNearest(red, green, blue);
    }
    return cells;
  }();
  return table;
}

uint8_t CellIndex(uint32_t red5, uint32_t green5, uint32_t blue5) {
  return NearestByCell()[red5 << 10 | green5 << 5 | blue5];
}

// The source pixel at column x of a row, as an index of the 256-colour palette.
class RowReader {
 public:
  explicit RowReader(const BmpHeader& header) : depth_(header.layout.depth) {
    for (size_t i = 0; i < header.palette.size() / 4; ++i) {
      const uint8_t* entry = header.palette.data() + 4 * i;
      paletteMap_[i] = NearestPaletteIndex(entry[2], entry[1], entry[0]);
    }
  }

  uint8_t At(const uint8_t* row, int32_t x) const {
    switch (depth_) {
      case 1:
        return paletteMap_[(row[x >> 3] >> (7 - (x & 7))) & 1];
      case 4:
        return paletteMap_[(row[x >> 1] >> ((x & 1) ? 0 : 4)) & 15];
      case 8:
        return paletteMap_[row[x]];
      case 16: {
        const uint32_t value = row[2 * x] | uint32_t{row[2 * x + 1]} << 8;
        return CellIndex((value >> 10) & 31, (value >> 5) & 31, value & 31);
      }
      case 24:
        return CellIndex(row[3 * x + 2] >> 3, row[3 * x + 1] >> 3, row[3 * x] >> 3);
      default:
        return CellIndex(row[4 * x + 2] >> 3, row[4 * x + 1] >> 3, row[4 * x] >> 3);
    }
  }

 private:
  int depth_;
  std::array<uint8_t, 256> paletteMap_{};
};

}  // namespace

uint8_t NearestPaletteIndex(uint8_t red, uint8_t green, uint8_t blue) { return SearchNearest(red, green, blue); }

std::optional<std::vector<uint8_t>> ToIndexed8(std::span<const uint8_t> bmp) {
  const std::optional<BmpHeader> source = ReadBmpHeader(bmp);
  if (!source) return std::nullopt;
  const std::optional<BmpLayout> layout = LayOutBmp(source->layout.width, source->layout.height, 8);
  if (!layout) return std::nullopt;
  std::vector<uint8_t> image = NewBmpImage(*layout);
  const RowReader reader(*source);
  for (int32_t y = 0; y < layout->height; ++y) {
    const uint8_t* in = source->pixels.data() + static_cast<size_t>(y) * source->layout.stride;
    uint8_t* out = image.data() + layout->pixelOffset + static_cast<size_t>(y) * layout->stride;
    for (int32_t x = 0; x < layout->width; ++x) out[x] = reader.At(in, x);
  }
  return image;
}

}  // namespace corvanta
