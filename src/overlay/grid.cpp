#include "overlay/grid.h"

#include <cmath>

namespace corvanta {

namespace {

constexpr double kFloorTolerance = 0.999999999999;
constexpr double kParityTolerance = 0.0000001;
// Counts follow the canvas size; only absurd sizes exceed this, and they are not reserved up front.
constexpr int64_t kMaxReservedSegments = int64_t{1} << 22;

int64_t LineCount(int32_t canvasSide, int32_t pixelSize) {
  return Adjust(GridFloor(static_cast<double>(canvasSide) / static_cast<double>(pixelSize)));
}

FamilyPlan Family(bool drawn, int64_t count, int32_t spacing, int64_t extent) {
  if (!drawn || count < 1) return {};
  return FamilyPlan{count, spacing, extent};
}

}  // namespace

int32_t GridFloor(double quotient) {
  if (!std::isfinite(quotient)) return 0;
  double integerPart = 0;
  const double fraction = std::modf(quotient, &integerPart);
  if (std::fabs(fraction) > kFloorTolerance) quotient = integerPart + (quotient < 0 ? -1.0 : 1.0);
  const double floored = std::floor(quotient);
  if (floored >= static_cast<double>(INT32_MAX)) return INT32_MAX;
  if (floored <= static_cast<double>(INT32_MIN)) return INT32_MIN;
  return static_cast<int32_t>(floored);
}

bool IsOdd(int64_t n) { return std::fabs(std::fmod(static_cast<double>(n), 2.0)) > kParityTolerance; }

int64_t Adjust(int64_t n) { return n + (IsOdd(n) ? 3 : 2); }

GridPlan PlanGrid(const GridSpacing& spacing, int32_t width, int32_t height) {
  const int64_t across = LineCount(width, spacing.pixelSize);
  const int64_t down = LineCount(height, spacing.pixelSize);
  const int64_t diagonal = across > down ? across : down;
  const int64_t obliqueStart = width > height ? Adjust(width) : Adjust(height);
  GridPlan plan;
  plan.transverse = Family(spacing.transverse > 0, down, spacing.transverse, Adjust(width));
  plan.vertical = Family(spacing.vertical > 0, across, spacing.vertical, Adjust(height));
  plan.oblique = Family(spacing.oblique > 1, diagonal, spacing.oblique, obliqueStart);
  plan.antiskew = Family(spacing.antiskew > 1, diagonal, spacing.antiskew, 0);
  return plan;
}

std::vector<Segment> GridSegments(const GridSpacing& spacing, int32_t width, int32_t height) {
  const GridPlan plan = PlanGrid(spacing, width, height);
  const int64_t total = plan.transverse.count + plan.vertical.count + plan.oblique.count + plan.antiskew.count;
  std::vector<Segment> segments;
  if (total <= kMaxReservedSegments) segments.reserve(static_cast<size_t>(total));
  ForEachGridSegment(spacing, width, height, [&](const Segment& s) { segments.push_back(s); });
  return segments;
}

}  // namespace corvanta
