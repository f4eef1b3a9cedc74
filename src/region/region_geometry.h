// Arithmetic of the custom region selection: where the dragged rectangle lies for an anchor and a cursor,
// where the region hint goes, and what a released key does. Screen pixels throughout.
#pragma once

#include <optional>
#include "shell/geometry.h"

namespace corvanta {

// The rectangle spanned by the anchor and the cursor; none while the cursor shares the anchor's column
// or row (the rectangle then stays where it was).
std::optional<Rect> DragRectangle(Point anchor, Point cursor);

// A rectangle narrower or lower than 5 pixels after a release on the selection surface becomes this
// 4 x 4 rectangle at the anchor.
bool IsTooSmallAfterRelease(const Rect& region);
Rect ClickRectangle(Point anchor);

// Only a rectangle of at least 6 x 6 pixels can be locked or captured.
bool IsLockable(const Rect& region);

// Distances of the region hint, already scaled for the display: `edge` is how close to the top or bottom
// of the screen the hint gives way (100 at 96 DPI), `above` how far above the rectangle it sits (102).
struct HintMetrics {
  int edge = 100;
  int above = 102;
};

// The hint's top while dragging from anchor y to cursor y on a screen of the given height: just above
// the rectangle while both lie clear of the screen's top edge, out of sight otherwise; none where no rule
// applies (exactly on a boundary), and the hint keeps its place.
std::optional<int> HintTop(int anchorY, int cursorY, int screenHeight, const Rect& region,
                           const HintMetrics& metrics = {});

// What a key released on the selection windows does.
enum class RegionKeyAction { kNothing, kLock, kScreenshot, kAbandon };

struct RegionKeyContext {
  bool selecting = false;          // the custom-region flag
  bool regionOnScreen = false;     // RegionWindow's left lies left of the screen's right edge
  bool forScreenshot = false;      // the region-screenshot flag
  bool buttonHeld = false;
  Rect region;
};

RegionKeyAction RegionKeyReleased(int virtualKey, const RegionKeyContext& context);

}  // namespace corvanta
