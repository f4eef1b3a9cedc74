#include "region/region_geometry.h"

namespace corvanta {

namespace {

constexpr int kClickSize = 4;
constexpr int kTooSmall = 5;
constexpr int kHiddenOffset = 28888;
constexpr int kBackspaceKey = 8;
constexpr int kEscapeKey = 27;

// The comparisons against the screen's bottom band allow for rounding in the screen-height arithmetic.
constexpr double kTolerance = 1e-7;
bool Above(double value, double limit) { return value - limit > kTolerance; }
bool Below(double value, double limit) { return limit - value > kTolerance; }

}  // namespace

std::optional<Rect> DragRectangle(Point a, Point m) {
  if (m.x == a.x || m.y == a.y) return std::nullopt;
  const int left = m.x > a.x ? a.x : m.x;
  const int top = m.y > a.y ? a.y : m.y;
  const int width = m.x > a.x ? m.x - a.x : a.x - m.x;
  const int height = m.y > a.y ? m.y - a.y : a.y - m.y;
  return Rect{left, top, width, height};
}

bool IsTooSmallAfterRelease(const Rect& region) {
  return region.width < kTooSmall || region.height < kTooSmall;
}

Rect ClickRectangle(Point anchor) { return {anchor.x, anchor.y, kClickSize, kClickSize}; }

bool IsLockable(const Rect& region) { return region.width > kTooSmall && region.height > kTooSmall; }

std::optional<int> HintTop(int ay, int my, int screenHeight, const Rect& region, const HintMetrics& metrics) {
  const int edge = metrics.edge;
  const double bottomBand = static_cast<double>(screenHeight) - edge;
  const int aboveRectangle = region.top - metrics.above;
  const int belowOutOfSight = region.top + region.height + kHiddenOffset;
  const int outOfSight = region.top + kHiddenOffset;
  // The rows are tested in order and a later match wins.
  std::optional<int> top;
  if (ay > edge && my > edge && Below(my, bottomBand)) top = aboveRectangle;
  if (ay < edge && Below(my, bottomBand)) top = belowOutOfSight;
  if (ay < edge && Above(my, bottomBand)) top = outOfSight;
  if (ay > edge && Above(my, bottomBand)) top = aboveRectangle;
  if (ay > edge && Below(ay, bottomBand) && my < edge) top = belowOutOfSight;
  if (Above(ay, bottomBand) && my < edge) top = outOfSight;
  return top;
}

RegionKeyAction RegionKeyReleased(int virtualKey, const RegionKeyContext& context) {
  if (!context.selecting || !context.regionOnScreen) return RegionKeyAction::kNothing;
  if (virtualKey == kBackspaceKey || virtualKey == kEscapeKey) return RegionKeyAction::kAbandon;
  if (!IsLockable(context.region) || context.buttonHeld) return RegionKeyAction::kNothing;
  return context.forScreenshot ? RegionKeyAction::kScreenshot : RegionKeyAction::kLock;
}

}  // namespace corvanta
