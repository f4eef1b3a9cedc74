// The values of one custom region selection: whether the left button is down and the anchor taken,
// whether a rectangle is being dragged or complete, the anchor, and the rectangle that RegionWindow and
// the outline show. The selection windows report mouse events and drag ticks here and then move
// themselves to what it says.
#pragma once

#include <optional>

#include "region/region_geometry.h"

namespace corvanta {

class RegionSelection {
 public:
  enum class Press { kIdle, kPressed, kDragging };
  enum class Shape { kNone, kDragging, kComplete };

  // A new selection on a surface of that size at the screen origin: nothing pressed, no rectangle, the
  // rectangle parked at `parked`. The rectangle never reaches beyond the surface.
  void Begin(const Rect& parked, const Size& surface);

  // Left button pressed on the selection surface; the caller starts the drag timer.
  void LeftPressed();

  struct TickResult {
    bool moved = false;           // the rectangle changed
    std::optional<int> hintTop;   // a new top for the region hint
  };
  // One drag tick with the cursor at `cursor`: takes the anchor at the first tick, then spans the
  // rectangle from it; the hint follows only when `hintFollows`.
  TickResult DragTick(Point cursor, int screenHeight, bool hintFollows, const HintMetrics& metrics);

  // Left button released on the selection surface at `cursor`. Returns whether the rectangle was too
  // small and became the 4 x 4 click rectangle (the hint then shows above it).
  bool ReleasedOnSurface(Point cursor);
  // Left button released on RegionWindow: the rectangle stays as drawn.
  void ReleasedOnRegion();
  // Right button: the rectangle goes to `parked`.
  void Discard(const Rect& parked);

  // While the left button is held the selection surface holds the mouse, so that a release anywhere
  // ends the drag.
  bool HoldsMouse() const { return buttonHeld_; }

  Press PressState() const { return press_; }
  Shape ShapeState() const { return shape_; }
  bool ButtonHeld() const { return buttonHeld_; }
  Point Anchor() const { return anchor_; }
  const Rect& Region() const { return region_; }

 private:
  Point OnSurface(Point cursor) const;

  Size surface_;
  Press press_ = Press::kIdle;
  Shape shape_ = Shape::kNone;
  bool buttonHeld_ = false;
  Point anchor_;
  Rect region_;
};

}  // namespace corvanta
