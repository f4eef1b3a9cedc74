// Fills and the background picture on a surface with spare pixels at the end of each row: a fill with
// any 64-bit bounds changes exactly the clipped rectangle, and the composed background matches a
// per-pixel reference of each placement (alpha blended over the colour); spare pixels stay untouched.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "overlay/canvas_pixels.h"

namespace {

using namespace corvanta;

constexpr uint32_t kSpare = 0x5A5A5A5A;

uint32_t ReferenceBlend(uint32_t argb, uint32_t background) {
  const double alpha = (argb >> 24) / 255.0;
  uint32_t result = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const double s = (argb >> shift) & 0xFF;
    const double d = (background >> shift) & 0xFF;
    result |= static_cast<uint32_t>(std::lround(s * alpha + d * (1 - alpha))) << shift;
  }
  return result;
}

int64_t Bound(FuzzedDataProvider& in, int32_t side) {
  return in.ConsumeBool() ? in.ConsumeIntegral<int64_t>() : in.ConsumeIntegralInRange<int64_t>(-3, side + 3);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  const int32_t width = in.ConsumeIntegralInRange<int32_t>(1, 40);
  const int32_t height = in.ConsumeIntegralInRange<int32_t>(1, 40);
  const int32_t stride = width + in.ConsumeIntegralInRange<int32_t>(0, 3);
  std::vector<uint32_t> pixels(static_cast<size_t>(stride) * height, kSpare);
  const PixelView view{pixels.data(), width, height, stride == width && in.ConsumeBool() ? 0 : stride};
  auto at = [&](int64_t x, int64_t y) { return pixels[static_cast<size_t>(y * stride + x)]; };
  auto spareKept = [&] {
    for (int64_t y = 0; y < height; ++y) {
      for (int64_t x = width; x < stride; ++x) {
        if (at(x, y) != kSpare) return false;
      }
    }
    return true;
  };

  const int64_t left = Bound(in, width);
  const int64_t top = Bound(in, height);
  const int64_t right = Bound(in, width);
  const int64_t bottom = Bound(in, height);
  const uint32_t pixel = in.ConsumeIntegral<uint32_t>() & 0xFFFFFF;
  FillPixels(view, left, top, right, bottom, pixel);
  for (int64_t y = 0; y < height; ++y) {
    for (int64_t x = 0; x < width; ++x) {
      const bool inside = x >= left && x < right && y >= top && y < bottom;
      FUZZ_CHECK(at(x, y) == (inside ? pixel : kSpare));
    }
  }
  FUZZ_CHECK(spareKept());

  PixelImage picture;
  picture.width = in.ConsumeIntegralInRange<int32_t>(-1, 24);
  picture.height = in.ConsumeIntegralInRange<int32_t>(-1, 24);
  const size_t count = static_cast<size_t>(std::max(picture.width, 0)) * std::max(picture.height, 0);
  const bool complete = in.ConsumeIntegralInRange<int>(0, 7) != 0;
  picture.argb.resize(complete ? count : count / 2);
  for (uint32_t& p : picture.argb) {
    const uint32_t alphaChoice = in.ConsumeIntegralInRange<uint32_t>(0, 3);
    const uint32_t alpha = alphaChoice == 0 ? 0 : alphaChoice == 1 ? 255 : in.ConsumeIntegral<uint8_t>();
    p = alpha << 24 | (in.ConsumeIntegral<uint32_t>() & 0xFFFFFF);
  }
  const int placement = in.ConsumeBool() ? in.ConsumeIntegralInRange<int>(0, 3) : in.ConsumeIntegral<int>();
  const uint32_t background = in.ConsumeIntegral<uint32_t>() & 0xFFFFFF;
  ComposeBackground(view, background, picture, static_cast<Placement>(placement));

  const bool shown = picture.width > 0 && picture.height > 0 && complete;
  const int64_t pw = picture.width;
  const int64_t ph = picture.height;
  for (int64_t y = 0; y < height; ++y) {
    for (int64_t x = 0; x < width; ++x) {
      int64_t px = -1;
      int64_t py = -1;
      if (shown) {
        switch (static_cast<Placement>(placement)) {
          case Placement::kStretched:
            px = x * pw / width;
            py = y * ph / height;
            break;
          case Placement::kTiled:
            px = x % pw;
            py = y % ph;
            break;
          case Placement::kCentred:
            px = x - (width - pw) / 2;
            py = y - (height - ph) / 2;
            break;
          default:
            px = x;
            py = y;
            break;
        }
      }
      const bool onPicture = px >= 0 && py >= 0 && px < pw && py < ph;
      const uint32_t expected =
          onPicture ? ReferenceBlend(picture.argb[static_cast<size_t>(py * pw + px)], background) : background;
      FUZZ_CHECK(at(x, y) == expected);
    }
  }
  FUZZ_CHECK(spareKept());
  return 0;
}
