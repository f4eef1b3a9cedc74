// The grid plan at any preset and canvas size, extreme values included: counts are never negative and
// stay within what the canvas side and pixel size allow, switched-off families are empty, every segment
// lies where its family puts it (computed here in 64 bits and pinned), and the line batch takes every
// segment that the pinning left alone.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>

#include "fuzz/fuzz_check.h"
#include "overlay/grid.h"
#include "overlay/line_batch.h"

namespace {

using namespace corvanta;

constexpr int64_t kMostSegmentsWalked = 20000;

// The most lines a family across `side` pixels can have with this pixel size (a negative size over a
// negative side gives a positive quotient too).
int64_t CountBound(int32_t side, int32_t pixelSize) {
  if (pixelSize == 0) return 2;
  return std::llabs(int64_t{side}) / std::llabs(int64_t{pixelSize}) + 4;
}

int64_t Pin(int64_t v) { return std::clamp<int64_t>(v, INT32_MIN, INT32_MAX); }

void CheckFamily(const FamilyPlan& plan, bool on, int32_t spacing, int64_t bound) {
  FUZZ_CHECK(plan.count >= 0 && plan.count <= bound);
  if (!on) FUZZ_CHECK(plan.count == 0);
  if (plan.count > 0) FUZZ_CHECK(plan.spacing == spacing);
}

Segment Expected(GridFamily family, const FamilyPlan& plan, int64_t k) {
  const int64_t d = k * plan.spacing;
  switch (family) {
    case GridFamily::kTransverse:
      return {0, static_cast<int32_t>(Pin(d)), static_cast<int32_t>(Pin(plan.extent)), static_cast<int32_t>(Pin(d))};
    case GridFamily::kVertical:
      return {static_cast<int32_t>(Pin(d)), 0, static_cast<int32_t>(Pin(d)), static_cast<int32_t>(Pin(plan.extent))};
    case GridFamily::kOblique:
      return {static_cast<int32_t>(Pin(plan.extent)), static_cast<int32_t>(Pin(d)),
              static_cast<int32_t>(Pin(plan.extent - d)), 0};
    case GridFamily::kAntiskew:
      break;
  }
  return {0, static_cast<int32_t>(Pin(d)), static_cast<int32_t>(Pin(d)), 0};
}

bool Pinned(GridFamily family, const FamilyPlan& plan, int64_t k) {
  const int64_t d = k * plan.spacing;
  const int64_t far = family == GridFamily::kOblique ? plan.extent - d : plan.extent;
  return Pin(d) != d || Pin(plan.extent) != plan.extent || Pin(far) != far;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  const double quotient = in.ConsumeFloatingPoint<double>();
  const int32_t floored = GridFloor(quotient);
  if (!std::isfinite(quotient)) {
    FUZZ_CHECK(floored == 0);
  } else if (quotient > -2e9 && quotient < 2e9) {
    const double f = std::floor(quotient);
    FUZZ_CHECK(floored == f || floored == f + 1);
    if (quotient - f < 0.99) FUZZ_CHECK(floored == f);
  }

  const bool small = in.ConsumeBool();
  auto value = [&](int32_t low, int32_t high) {
    return small ? in.ConsumeIntegralInRange<int32_t>(low, high) : in.ConsumeIntegral<int32_t>();
  };
  GridSpacing preset;
  preset.pixelSize = value(-3, 12);
  preset.transverse = value(-2, 40);
  preset.vertical = value(-2, 40);
  preset.oblique = value(-2, 40);
  preset.antiskew = value(-2, 40);
  const int32_t width = value(-5, 600);
  const int32_t height = value(-5, 600);

  const GridPlan plan = PlanGrid(preset, width, height);
  const int64_t across = CountBound(width, preset.pixelSize);
  const int64_t down = CountBound(height, preset.pixelSize);
  CheckFamily(plan.transverse, preset.transverse > 0, preset.transverse, down);
  CheckFamily(plan.vertical, preset.vertical > 0, preset.vertical, across);
  CheckFamily(plan.oblique, preset.oblique > 1, preset.oblique, std::max(across, down));
  CheckFamily(plan.antiskew, preset.antiskew > 1, preset.antiskew, std::max(across, down));
  if (plan.transverse.count > 0) FUZZ_CHECK(plan.transverse.extent == Adjust(width));
  if (plan.vertical.count > 0) FUZZ_CHECK(plan.vertical.extent == Adjust(height));

  const int64_t total = plan.transverse.count + plan.vertical.count + plan.oblique.count + plan.antiskew.count;
  if (total > kMostSegmentsWalked) return 0;
  const struct {
    GridFamily family;
    const FamilyPlan& plan;
  } families[] = {{GridFamily::kTransverse, plan.transverse},
                  {GridFamily::kVertical, plan.vertical},
                  {GridFamily::kOblique, plan.oblique},
                  {GridFamily::kAntiskew, plan.antiskew}};
  const std::vector<Segment> segments = GridSegments(preset, width, height);
  FUZZ_CHECK(static_cast<int64_t>(segments.size()) == total);
  LineBatch batch;
  batch.Reset(64, 64);
  size_t at = 0;
  for (const auto& f : families) {
    for (int64_t k = 0; k < f.plan.count; ++k) {
      const Segment& s = segments[at++];
      FUZZ_CHECK(s == Expected(f.family, f.plan, k));
      if (!Pinned(f.family, f.plan, k)) FUZZ_CHECK(batch.Add(s.x1, s.y1, s.x2, s.y2));
    }
  }
  batch.Clear();
  return 0;
}
