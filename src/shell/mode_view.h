// The program's modes as everything but their owner reads them: whether an overlay is locked, which
// selection is open over it, whether the main window is hidden, its topmost states, the hotkey hints
// and whether the suite is open. The owner (ProgramModes) is the only code that changes them. No
// platform calls.
#pragma once

#include "shell/display_mode.h"
#include "shell/geometry.h"

namespace corvanta {

// The selection open on top of the start screen or the overlay.
enum class Selection {
  kNone,
  kAttach,       // the main window is the selection frame that follows the window under the cursor
  kRegion,       // the selection surface and the region window choose a rectangle to lock
  kRegionShot,   // the same windows choose the rectangle of a custom-region screenshot
  kShotFormat,   // the screenshot's format window is open; the selection windows take no input
};

// The window an overlay locked by smart attach follows, as it is now: gone, minimised (or hidden), or
// shown at its outer rectangle or its client area.
struct AttachedWindow {
  bool exists = true;
  bool shown = true;
  Rect place;
  bool operator==(const AttachedWindow&) const = default;
};

struct ModeView {
  LockedState locked = LockedState::kNotLocked;
  Selection selection = Selection::kNone;
  bool mainHidden = false;     // "#隐藏主窗口"
  bool topmost = false;        // "^置顶^", the checkbox "置顶" and the main window's always-on-top state
  bool strongTopmost = false;  // ">+^强力置顶^+<"
  bool hotkeyHints = false;    // "#启用快捷键提示", SP/TST
  bool suiteOpen = false;
  // The overlay locked by smart attach follows the window it lies on.
  bool following = false;
  // The start screen's rectangle, restored when the overlay or a selection gives way to it, and the
  // rectangle "#显示主窗口" brings the main window back to.
  Rect savedGeometry;
  Rect hideRestore;

  // The main window has the start screen's shape (its frame and controls, its minimum size, its place
  // on a change of display scaling); the selection frame and the overlay keep their own rectangle.
  bool StartScreenShape() const { return locked == LockedState::kNotLocked && selection != Selection::kAttach; }
  // The selection windows exist.
  bool CustomRegionFlag() const {
    return selection == Selection::kRegion || selection == Selection::kRegionShot ||
           selection == Selection::kShotFormat;
  }
  bool RegionScreenshotFlag() const { return selection == Selection::kRegionShot; }
  // An overlay locked and nothing open over it: what the overlay's own commands need.
  bool OverlayShowing() const { return locked == LockedState::kLocked && selection == Selection::kNone; }
  bool StartScreen() const { return locked == LockedState::kNotLocked && selection == Selection::kNone; }
};

}  // namespace corvanta
