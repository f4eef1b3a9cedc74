// The 8-bit indexed copy of any BMP: made exactly when the source reads and an 8-bit layout fits, of the
// same size over the fixed palette, and each pixel is the entry nearest its source colour, compared with
// a brute-force search of the palette.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <vector>

#include "capture/bmp_image.h"
#include "capture/indexed_image.h"
#include "fuzz/fuzz_check.h"

namespace {

using corvanta::RgbQuad;

uint8_t BruteNearest(int red, int green, int blue) {
  const std::span<const RgbQuad> palette = corvanta::FixedPalette(8);
  int best = 0;
  int bestDistance = 1 << 30;
  for (int i = 0; i < 256; ++i) {
    const int d = (red - palette[i].red) * (red - palette[i].red) +
                  (green - palette[i].green) * (green - palette[i].green) +
                  (blue - palette[i].blue) * (blue - palette[i].blue);
    if (d < bestDistance) {
      bestDistance = d;
      best = i;
    }
  }
  return static_cast<uint8_t>(best);
}

// Direct colours go by the centre of their 5-bit cell.
uint8_t CellNearest(uint32_t red5, uint32_t green5, uint32_t blue5) {
  return BruteNearest(static_cast<int>(red5 * 8 + 4), static_cast<int>(green5 * 8 + 4), static_cast<int>(blue5 * 8 + 4));
}

uint8_t ExpectedIndex(const corvanta::BmpHeader& source, const uint8_t* row, int32_t x) {
  auto fromPalette = [&](uint32_t index) -> uint8_t {
    if (4 * size_t{index} + 3 >= source.palette.size()) return 0;
    const uint8_t* entry = source.palette.data() + 4 * index;
    return BruteNearest(entry[2], entry[1], entry[0]);
  };
  switch (source.layout.depth) {
    case 1:
      return fromPalette((row[x / 8] >> (7 - x % 8)) & 1);
    case 4:
      return fromPalette((row[x / 2] >> (x % 2 == 1 ? 0 : 4)) & 15);
    case 8:
      return fromPalette(row[x]);
    case 16: {
      const uint32_t v = row[2 * x] | uint32_t{row[2 * x + 1]} << 8;
      return CellNearest((v >> 10) & 31, (v >> 5) & 31, v & 31);
    }
    case 24:
      return CellNearest(row[3 * x + 2] >> 3, row[3 * x + 1] >> 3, row[3 * x] >> 3);
    default:
      return CellNearest(row[4 * x + 2] >> 3, row[4 * x + 1] >> 3, row[4 * x] >> 3);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace corvanta;
  FuzzedDataProvider in(data, size);
  const uint8_t red = in.ConsumeIntegral<uint8_t>();
  const uint8_t green = in.ConsumeIntegral<uint8_t>();
  const uint8_t blue = in.ConsumeIntegral<uint8_t>();
  FUZZ_CHECK(NearestPaletteIndex(red, green, blue) == BruteNearest(red, green, blue));

  const std::vector<uint8_t> bmp = in.ConsumeRemainingBytes<uint8_t>();
  const std::optional<BmpHeader> source = ReadBmpHeader(bmp);
  const std::optional<std::vector<uint8_t>> indexed = ToIndexed8(bmp);
  const bool fits = source && LayOutBmp(source->layout.width, source->layout.height, 8).has_value();
  FUZZ_CHECK(indexed.has_value() == fits);
  if (!indexed) return 0;
  const std::optional<BmpHeader> result = ReadBmpHeader(*indexed);
  FUZZ_CHECK(result && result->layout.depth == 8);
  FUZZ_CHECK(result->layout.width == source->layout.width && result->layout.height == source->layout.height);
  const std::span<const RgbQuad> fixed = FixedPalette(8);
  FUZZ_CHECK(result->palette.size() == 1024);
  for (size_t i = 0; i < 256; ++i) FUZZ_CHECK(result->palette[4 * i + 2] == fixed[i].red);
  // A sample of pixels along the diagonal and the first row.
  const int32_t w = source->layout.width;
  const int32_t h = source->layout.height;
  for (int32_t k = 0; k < 48; ++k) {
    const int32_t x = k < 24 ? static_cast<int32_t>(int64_t{w - 1} * k / 23) : std::min(k - 24, w - 1);
    const int32_t y = k < 24 ? static_cast<int32_t>(int64_t{h - 1} * k / 23) : 0;
    const uint8_t* in_row = source->pixels.data() + size_t{source->layout.stride} * static_cast<size_t>(y);
    const uint8_t* out_row = result->pixels.data() + size_t{result->layout.stride} * static_cast<size_t>(y);
    FUZZ_CHECK(out_row[x] == ExpectedIndex(*source, in_row, x));
  }
  return 0;
}
