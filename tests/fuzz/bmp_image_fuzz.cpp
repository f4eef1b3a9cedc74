// BMP layouts and headers: a layout exists exactly when the file fits the limit (checked in 128-bit
// arithmetic), its sizes add up, a new image has the declared size and reads back as the same layout,
// and a header read from any bytes only points inside them.
#include <fuzzer/FuzzedDataProvider.h>

#include <vector>

#include "capture/bmp_image.h"
#include "fuzz/fuzz_check.h"

namespace {

constexpr uint32_t kLargestImageBuilt = 1u << 20;

uint32_t U32At(std::span<const uint8_t> bytes, size_t at) {
  return bytes[at] | uint32_t{bytes[at + 1]} << 8 | uint32_t{bytes[at + 2]} << 16 | uint32_t{bytes[at + 3]} << 24;
}

void CheckLayout(int64_t width, int64_t height, int depth) {
  using namespace corvanta;
  const std::optional<BmpLayout> layout = LayOutBmp(width, height, depth);
  const bool supported = depth == 1 || depth == 4 || depth == 8 || depth == 16 || depth == 24 || depth == 32;
  const __int128 stride = (static_cast<__int128>(width) * depth + 31) / 32 * 4;
  const __int128 palette = depth <= 8 && supported ? (__int128{1} << depth) * 4 : 0;
  // A side beyond 2^40 pixels makes a file far over the limit (and the product below could overflow).
  const bool sane = width > 0 && height > 0 && width < (int64_t{1} << 40) && height < (int64_t{1} << 40);
  const __int128 file = 54 + palette + (sane ? stride * height : 0);
  const bool fits = supported && sane && width <= INT32_MAX && file <= kMaxBmpImageBytes;
  FUZZ_CHECK(layout.has_value() == fits);
  if (!layout) return;
  FUZZ_CHECK(layout->width == width && layout->height == height && layout->depth == depth);
  FUZZ_CHECK(layout->stride == stride && layout->stride % 4 == 0);
  FUZZ_CHECK(int64_t{layout->stride} == BmpStride(width, depth));
  FUZZ_CHECK(layout->paletteEntries * 4 == palette && layout->paletteEntries == FixedPalette(depth).size());
  FUZZ_CHECK(layout->pixelOffset == 54 + palette && layout->pixelBytes == stride * height);
  FUZZ_CHECK(layout->fileBytes == file);
  if (layout->fileBytes > kLargestImageBuilt) return;
  const std::vector<uint8_t> image = NewBmpImage(*layout);
  FUZZ_CHECK(image.size() == layout->fileBytes);
  FUZZ_CHECK(U32At(image, 2) == layout->fileBytes && U32At(image, 10) == layout->pixelOffset);
  const std::optional<BmpHeader> header = ReadBmpHeader(image);
  FUZZ_CHECK(header.has_value());
  FUZZ_CHECK(header->layout.width == layout->width && header->layout.height == layout->height);
  FUZZ_CHECK(header->layout.stride == layout->stride && header->layout.pixelBytes == layout->pixelBytes);
  FUZZ_CHECK(header->pixels.data() == image.data() + layout->pixelOffset);
  const std::span<const RgbQuad> fixed = FixedPalette(depth);
  FUZZ_CHECK(header->palette.size() == fixed.size() * 4);
  for (size_t i = 0; i < fixed.size(); ++i) {
    FUZZ_CHECK(header->palette[4 * i] == fixed[i].blue && header->palette[4 * i + 1] == fixed[i].green &&
               header->palette[4 * i + 2] == fixed[i].red);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace corvanta;
  FuzzedDataProvider in(data, size);
  const bool small = in.ConsumeBool();
  const int64_t width = small ? in.ConsumeIntegralInRange<int64_t>(-2, 300) : in.ConsumeIntegral<int64_t>();
  const int64_t height = small ? in.ConsumeIntegralInRange<int64_t>(-2, 300) : in.ConsumeIntegral<int64_t>();
  const int depth = in.ConsumeBool() ? (int[]){1, 4, 8, 16, 24, 32}[in.ConsumeIntegralInRange<int>(0, 5)]
                                     : in.ConsumeIntegral<int>();
  CheckLayout(width, height, depth);

  const std::vector<uint8_t> bytes = in.ConsumeRemainingBytes<uint8_t>();
  const std::optional<BmpHeader> header = ReadBmpHeader(bytes);
  if (!header) return 0;
  const uint8_t* begin = bytes.data();
  const uint8_t* end = bytes.data() + bytes.size();
  FUZZ_CHECK(header->pixels.data() >= begin && header->pixels.data() + header->pixels.size() <= end);
  FUZZ_CHECK(header->palette.data() >= begin && header->palette.data() + header->palette.size() <= end);
  FUZZ_CHECK(header->pixels.size() == size_t{header->layout.stride} * static_cast<size_t>(header->layout.height));
  FUZZ_CHECK(header->palette.size() <= size_t{PaletteEntries(header->layout.depth)} * 4);
  FUZZ_CHECK(header->layout.width == static_cast<int32_t>(U32At(bytes, 18)));
  FUZZ_CHECK(header->layout.height == static_cast<int32_t>(U32At(bytes, 22)));
  FUZZ_CHECK(header->layout.fileBytes == bytes.size());
  return 0;
}
