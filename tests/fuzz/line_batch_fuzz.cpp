// The line rasteriser against a pixel-by-pixel reference, with end points anywhere in the 32-bit range:
// one-pixel lines solid and dashed (each with the pattern it was added under; a pattern change while
// lines are collected is refused), wide lines through a made-up stroke model, row fills with a colour
// or an image, and a row stride wider than the surface whose spare pixels stay untouched.
#include <fuzzer/FuzzedDataProvider.h>

#include <vector>

#include "fuzz/fuzz_check.h"
#include "overlay/line_batch.h"

namespace {

using namespace corvanta;

constexpr uint32_t kInk = 0xABCDEF;
constexpr uint32_t kSpare = 0x5A5A5A;

struct Surface {
  int32_t width;
  int32_t height;
  int32_t stride;
  std::vector<uint32_t> pixels;
  uint32_t& At(int64_t x, int64_t y) { return pixels[static_cast<size_t>(y * stride + x)]; }
  bool Inside(int64_t x, int64_t y) const { return x >= 0 && y >= 0 && x < width && y < height; }
};

int Sign(int64_t v) { return v > 0 ? 1 : v < 0 ? -1 : 0; }

// Pixel k of the line from (x1, y1), k < length, drawn when the pattern (if any) says so.
void ReferenceLine(Surface& s, int64_t x1, int64_t y1, int64_t x2, int64_t y2, const std::vector<uint8_t>& pattern) {
  const int sx = Sign(x2 - x1);
  const int sy = Sign(y2 - y1);
  const int64_t length = std::max((x2 - x1) * sx, (y2 - y1) * sy);
  for (int64_t y = 0; y < s.height; ++y) {
    for (int64_t x = 0; x < s.width; ++x) {
      const int64_t k = sx != 0 ? (x - x1) * sx : (y - y1) * sy;
      if (k < 0 || k >= length || x != x1 + k * sx || y != y1 + k * sy) continue;
      if (pattern.empty() || pattern[static_cast<size_t>(k % static_cast<int64_t>(pattern.size()))] != 0) {
        s.At(x, y) = kInk;
      }
    }
  }
}

void ReferenceSpan(Surface& s, int64_t y, int64_t left, int64_t right) {
  for (int64_t x = std::max<int64_t>(left, 0); x < std::min<int64_t>(right, s.width); ++x) {
    if (s.Inside(x, y)) s.At(x, y) = kInk;
  }
}

void ReferenceStroke(Surface& s, int64_t x1, int64_t y1, int64_t x2, int64_t y2, const StrokeModel& m) {
  for (const StrokeSpan& h : m.head) ReferenceSpan(s, y1 + h.dy, x1 + h.left, x1 + h.right);
  for (const StrokeSpan& t : m.tail) ReferenceSpan(s, y2 + t.dy, x2 + t.left, x2 + t.right);
  const int64_t length = std::max((x2 - x1) * m.ux, (y2 - y1) * m.uy);
  const int64_t from = m.bandFrom;
  const int64_t to = length - m.bandTrim;
  if (to < from) return;
  if (m.uy == 0) {
    const int64_t a = x1 + from * m.ux;
    const int64_t b = x1 + to * m.ux;
    for (const int32_t row : m.bandRows) ReferenceSpan(s, y1 + row, std::min(a, b), std::max(a, b) + 1);
    return;
  }
  for (int64_t y = 0; y < s.height; ++y) {
    const int64_t t = (y - y1) * m.uy;
    if (t < from || t > to) continue;
    const int64_t centre = x1 + t * m.ux;
    ReferenceSpan(s, y, centre + m.bandLeft, centre + m.bandRight);
  }
}

int32_t Coordinate(FuzzedDataProvider& in, int32_t side) {
  switch (in.ConsumeIntegralInRange<int>(0, 3)) {
    case 0:
      return in.ConsumeIntegral<int32_t>();
    case 1:
      return in.ConsumeBool() ? INT32_MIN + in.ConsumeIntegralInRange<int32_t>(0, 3)
                              : INT32_MAX - in.ConsumeIntegralInRange<int32_t>(0, 3);
    default:
      return in.ConsumeIntegralInRange<int32_t>(-side - 8, 2 * side + 8);
  }
}

std::vector<uint8_t> Pattern(FuzzedDataProvider& in) {
  std::vector<uint8_t> pattern(in.ConsumeIntegralInRange<size_t>(0, 24));
  for (uint8_t& on : pattern) on = in.ConsumeBool() ? 1 : 0;
  return pattern;
}

StrokeModel Model(FuzzedDataProvider& in) {
  StrokeModel m;
  m.ux = in.ConsumeIntegralInRange<int>(-1, 1);
  m.uy = in.ConsumeIntegralInRange<int>(-1, 1);
  if (m.ux == 0 && m.uy == 0) m.ux = 1;
  auto spans = [&](std::vector<StrokeSpan>& list) {
    for (int n = in.ConsumeIntegralInRange<int>(0, 3); n > 0; --n) {
      const int32_t left = in.ConsumeIntegralInRange<int32_t>(-6, 6);
      list.push_back({in.ConsumeIntegralInRange<int32_t>(-6, 6), left, left + in.ConsumeIntegralInRange<int32_t>(0, 8)});
    }
  };
  spans(m.head);
  spans(m.tail);
  m.bandFrom = in.ConsumeIntegralInRange<int32_t>(0, 4);
  m.bandTrim = in.ConsumeIntegralInRange<int32_t>(0, 4);
  m.bandLeft = in.ConsumeIntegralInRange<int32_t>(-4, 2);
  m.bandRight = m.bandLeft + in.ConsumeIntegralInRange<int32_t>(0, 6);
  for (int n = in.ConsumeIntegralInRange<int>(0, 4); n > 0; --n) m.bandRows.push_back(in.ConsumeIntegralInRange<int32_t>(-4, 4));
  m.minLength = in.ConsumeIntegralInRange<int32_t>(1, 8);
  return m;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  Surface s;
  s.width = in.ConsumeIntegralInRange<int32_t>(1, 40);
  s.height = in.ConsumeIntegralInRange<int32_t>(1, 40);
  s.stride = s.width + in.ConsumeIntegralInRange<int32_t>(0, 3);
  s.pixels.assign(static_cast<size_t>(s.stride) * s.height, kSpare);
  const uint32_t seed = in.ConsumeIntegral<uint32_t>();
  for (int32_t y = 0; y < s.height; ++y) {
    for (int32_t x = 0; x < s.width; ++x) s.At(x, y) = (seed + static_cast<uint32_t>(y * s.width + x) * 40503u) & 0xFFFFFF;
  }
  LineBatch batch;
  batch.Reset(s.width, s.height);
  std::vector<uint8_t> pattern = Pattern(in);
  FUZZ_CHECK(batch.SetDashPattern(DashPattern{pattern}));
  const StrokeModel model = Model(in);
  Surface expected = s;

  const int kind = in.ConsumeIntegralInRange<int>(0, 2);  // no fill, a colour, an image
  const uint32_t colour = in.ConsumeIntegral<uint32_t>() & 0xFFFFFF;
  std::vector<uint32_t> image(static_cast<size_t>(s.width) * s.height);
  for (size_t i = 0; i < image.size(); ++i) image[i] = static_cast<uint32_t>(i * 2654435761u) & 0xFFFFFF;
  if (kind != 0) {
    for (int32_t y = 0; y < s.height; ++y) {
      for (int32_t x = 0; x < s.width; ++x) {
        expected.At(x, y) = kind == 1 ? colour : image[static_cast<size_t>(y) * s.width + x];
      }
    }
  }

  for (int n = 0; n < 12 && in.remaining_bytes() > 0; ++n) {
    const int action = in.ConsumeIntegralInRange<int>(0, 9);
    if (action == 0) {
      const std::vector<uint8_t> next = Pattern(in);
      const bool taken = batch.SetDashPattern(DashPattern{next});
      FUZZ_CHECK(taken == (next == pattern || batch.Empty()));
      if (taken) pattern = next;
      continue;
    }
    const int32_t x1 = Coordinate(in, s.width);
    const int32_t y1 = Coordinate(in, s.height);
    int32_t x2 = Coordinate(in, s.width);
    int32_t y2 = Coordinate(in, s.height);
    if (in.ConsumeBool()) {  // mostly along one of the eight directions
      const int64_t length = std::max(std::llabs(int64_t{x2} - x1), std::llabs(int64_t{y2} - y1));
      const int dx = in.ConsumeIntegralInRange<int>(-1, 1);
      const int dy = in.ConsumeIntegralInRange<int>(-1, 1);
      x2 = static_cast<int32_t>(std::clamp<int64_t>(x1 + dx * length, INT32_MIN, INT32_MAX));
      y2 = static_cast<int32_t>(std::clamp<int64_t>(y1 + dy * length, INT32_MIN, INT32_MAX));
    }
    const int64_t dx = int64_t{x2} - x1;
    const int64_t dy = int64_t{y2} - y1;
    const bool straight = dx == 0 || dy == 0 || std::llabs(dx) == std::llabs(dy);
    if (action <= 6) {
      const bool added = batch.Add(x1, y1, x2, y2);
      FUZZ_CHECK(added == straight);
      if (added) ReferenceLine(expected, x1, y1, x2, y2, pattern);
    } else {
      const bool fits = straight && (dx != 0 || dy != 0) && Sign(dx) == model.ux && Sign(dy) == model.uy &&
                        std::max(dx * model.ux, dy * model.uy) >= model.minLength;
      const bool added = batch.AddStroke(x1, y1, x2, y2, model);
      FUZZ_CHECK(added == fits);
      if (added) ReferenceStroke(expected, x1, y1, x2, y2, model);
    }
  }

  const LineBatch::RowFill fill{colour, kind == 2 ? image.data() : nullptr};
  batch.Draw(PixelView{s.pixels.data(), s.width, s.height, s.stride}, kInk, kind == 0 ? nullptr : &fill);
  FUZZ_CHECK(batch.Empty());
  FUZZ_CHECK(s.pixels == expected.pixels);
  return 0;
}
