#include "region/region_selection.h"

#include <algorithm>

namespace corvanta {

void RegionSelection::Begin(const Rect& parked, const Size& surface) {
  surface_ = surface;
  press_ = Press::kIdle;
  shape_ = Shape::kNone;
  buttonHeld_ = false;
  region_ = parked;
}

void RegionSelection::LeftPressed() {
  press_ = Press::kPressed;
  buttonHeld_ = true;
}

Point RegionSelection::OnSurface(Point cursor) const {
  return Point{std::clamp(cursor.x, 0, std::max(surface_.width - 1, 0)),
               std::clamp(cursor.y, 0, std::max(surface_.height - 1, 0))};
}

RegionSelection::TickResult RegionSelection::DragTick(Point cursor, int screenHeight, bool hintFollows,
                                                      const HintMetrics& metrics) {
  cursor = OnSurface(cursor);
  TickResult result;
  if (press_ == Press::kPressed && shape_ == Shape::kNone && buttonHeld_) {
    anchor_ = cursor;
    press_ = Press::kDragging;
    shape_ = Shape::kDragging;
  }
  if (press_ == Press::kDragging && shape_ == Shape::kDragging && buttonHeld_) {
    if (const std::optional<Rect> spanned = DragRectangle(anchor_, cursor)) {
      result.moved = !(*spanned == region_);
      region_ = *spanned;
    }
  }
  if (hintFollows && buttonHeld_) result.hintTop = HintTop(anchor_.y, cursor.y, screenHeight, region_, metrics);
  return result;
}

bool RegionSelection::ReleasedOnSurface(Point cursor) {
  cursor = OnSurface(cursor);
  // A click shorter than one drag tick: the release does what that tick would have done, so the click
  // point is the anchor.
  if (press_ == Press::kPressed && shape_ == Shape::kNone && buttonHeld_) {
    anchor_ = cursor;
    shape_ = Shape::kDragging;
  }
  press_ = Press::kIdle;
  buttonHeld_ = false;
  if (shape_ == Shape::kDragging) shape_ = Shape::kComplete;
  if (!IsTooSmallAfterRelease(region_)) return false;
  region_ = ClickRectangle(anchor_);
  return true;
}

void RegionSelection::ReleasedOnRegion() {
  if (shape_ == Shape::kDragging) shape_ = Shape::kComplete;
  buttonHeld_ = false;
}

void RegionSelection::Discard(const Rect& parked) {
  press_ = Press::kIdle;
  region_ = parked;
  if (shape_ == Shape::kComplete) shape_ = Shape::kNone;
  buttonHeld_ = false;
}

}  // namespace corvanta
