// The scanline grid: the spacings of four line families (transverse, vertical, oblique, antiskew) and a
// canvas size become an ordered list of straight line segments. Pure arithmetic, no drawing.
#pragma once

#include <cstdint>
#include <vector>

namespace corvanta {

// The pixel size divides each side of the canvas into the lines a family may hold (it is also the pen
// width); the spacing is the distance between two lines of a family.
struct GridSpacing {
  int32_t pixelSize = 0;
  int32_t transverse = 0;
  int32_t vertical = 0;
  int32_t oblique = 0;
  int32_t antiskew = 0;
  bool operator==(const GridSpacing&) const = default;
};

struct Segment {
  int32_t x1;
  int32_t y1;
  int32_t x2;
  int32_t y2;
  bool operator==(const Segment&) const = default;
};

// Floor of a quotient with the grid's tolerance: a fractional part above 0.999999999999 in magnitude
// first rounds away from zero. Infinite or NaN quotients (pixel size 0) give 0; values beyond the
// 32-bit range saturate.
int32_t GridFloor(double quotient);
// Odd when the floating remainder of n / 2 exceeds 1e-7 in magnitude.
bool IsOdd(int64_t n);
// The extent adjustment: n + 3 for odd n, n + 2 for even n.
int64_t Adjust(int64_t n);

enum class GridFamily { kTransverse, kVertical, kOblique, kAntiskew };

// One family: `count` segments, the k-th (0-based) at offset k * spacing. `extent` is the far end
// shared by all its segments: the right end x of transverse lines, the bottom end y of vertical
// lines, the start column of oblique lines; antiskew lines have none.
struct FamilyPlan {
  int64_t count = 0;
  int64_t spacing = 0;
  int64_t extent = 0;
};

struct GridPlan {
  FamilyPlan transverse;
  FamilyPlan vertical;
  FamilyPlan oblique;
  FamilyPlan antiskew;
};

// Counts are 0 for switched-off families (transverse, vertical: spacing <= 0; oblique, antiskew:
// spacing <= 1) and for counts below 1 (negative pixel sizes).
GridPlan PlanGrid(const GridSpacing& spacing, int32_t width, int32_t height);

// Coordinates are computed in 64 bits and pinned to the 32-bit range; only segments that lie far
// outside any canvas are affected by the pinning.
inline int32_t PinToInt32(int64_t value) {
  if (value > INT32_MAX) return INT32_MAX;
  if (value < INT32_MIN) return INT32_MIN;
  return static_cast<int32_t>(value);
}

inline Segment FamilySegment(GridFamily family, const FamilyPlan& plan, int64_t index) {
  const int64_t offset = index * plan.spacing;
  const int32_t d = PinToInt32(offset);
  const int32_t e = PinToInt32(plan.extent);
  switch (family) {
    case GridFamily::kTransverse:
      return {0, d, e, d};
    case GridFamily::kVertical:
      return {d, 0, d, e};
    case GridFamily::kOblique:
      return {e, d, PinToInt32(plan.extent - offset), 0};
    case GridFamily::kAntiskew:
      break;
  }
  return {0, d, d, 0};
}

// Calls visit(const Segment&) for every segment in drawing order, without allocating.
template <typename Visit>
void ForEachGridSegment(const GridSpacing& spacing, int32_t width, int32_t height, Visit&& visit) {
  const GridPlan plan = PlanGrid(spacing, width, height);
  const struct {
    GridFamily family;
    const FamilyPlan& plan;
  } families[] = {{GridFamily::kTransverse, plan.transverse},
                  {GridFamily::kVertical, plan.vertical},
                  {GridFamily::kOblique, plan.oblique},
                  {GridFamily::kAntiskew, plan.antiskew}};
  for (const auto& f : families) {
    for (int64_t i = 0; i < f.plan.count; ++i) visit(FamilySegment(f.family, f.plan, i));
  }
}

std::vector<Segment> GridSegments(const GridSpacing& spacing, int32_t width, int32_t height);

}  // namespace corvanta
