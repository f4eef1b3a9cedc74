// What the owner of the program's modes does to the windows in a transition. The program's windows
// implement it (app/mode_windows.h); the model-based test of the owner implements it with a model of
// the windows. Each verb does one visible step; which steps a transition takes, and in what order, is
// the owner's. No platform calls.
#pragma once

#include <optional>

#include "shell/action_timers.h"
#include "shell/geometry.h"
#include "shell/mode_view.h"

namespace corvanta {

// Where a lock puts the overlay: the selection frame locks with the effect list's selected entry, where it
// stands or on its window's client area; a custom region locks the enabled entries on the region, drawn
// for the size of the window that took the key.
struct OverlayLock {
  enum class From { kSelectionFrame, kRegion };
  From from = From::kSelectionFrame;
  std::optional<Rect> place;       // the screen rectangle the overlay takes; none: where the frame stands
  std::optional<Size> canvasSize;  // the size the grid is drawn for; none: the overlay's own size
};

class ModeSeam {
 public:
  virtual ~ModeSeam() = default;

  // The main window's outer rectangle and its DPI.
  virtual Rect MainRect() const = 0;
  virtual int MainDpi() const = 0;

  // Selects the enabled entry of the display mode in the effect list; whether it is marked "已启用".
  virtual bool SelectEnabledEffect() = 0;

  // The main window as the start screen at this rectangle: controls shown, canvas cleared and hidden,
  // normal frame, no extended style, enabled, shown and laid out.
  virtual void ShowStartScreen(const Rect& place) = 0;
  // The main window as the tinted, borderless selection frame that follows the window under the cursor.
  virtual void ShowSelectionFrame() = 0;
  virtual void StopFollowingCursor() = 0;
  // The click-through, colour-keyed, disabled overlay, drawn and shown.
  virtual void LockOverlay(const OverlayLock& lock) = 0;
  // The memory of the overlay's canvas, made ahead on a worker while a selection that may lock is open,
  // and given back when the selection ends: what the lock did not take.
  virtual void PrepareOverlayMemory() = 0;
  virtual void ReleaseOverlayMemory() = 0;
  // The window the selection frame lies on, by its outer rectangle or its client area; none when the
  // frame never left its own place. Following it sends its changes to the owner (AttachedWindowChanged)
  // until StopFollowing.
  virtual std::optional<Rect> AttachedWindowPlace(bool clientArea) = 0;
  virtual void FollowAttachedWindow(bool clientArea) = 0;
  virtual void StopFollowing() = 0;
  // The locked overlay onto the rectangle, redrawn for its size when that changed.
  virtual void MoveOverlay(const Rect& place) = 0;
  // The overlay as a nearly opaque window with a sizing frame, and back; the re-lock preparation keeps
  // the frame, the menus and the input as they are.
  virtual void BeginMoveResize() = 0;
  virtual void FinishMoveResize() = 0;
  virtual void PrepareRelock() = 0;

  // The main window's place and visibility, without touching anything else about it.
  virtual void MoveMain(const Rect& place) = 0;
  virtual void ParkMainOffScreen() = 0;     // "#隐藏主窗口": shown, but beyond every screen
  virtual void ShowMain(bool activate) = 0;
  virtual void HideMain() = 0;
  // The main window input, and its place in the z-order.
  virtual void SetMainEnabled(bool enabled) = 0;
  virtual void SetMainTopmost(bool onTop) = 0;
  virtual void StartStrongTopmost() = 0;
  virtual void StopStrongTopmost() = 0;  // and puts the topmost state back as the owner holds it

  // The custom region's windows: the darkened selection surface over the screen, with the region window
  // on the dragged rectangle. Open gives the surface the keyboard; it fails when a window cannot be made.
  virtual bool OpenSelection(bool forScreenshot) = 0;
  virtual void CloseSelection() = 0;
  // Whether the selection windows take mouse and keyboard input.
  virtual void SetSelectionInput(bool enabled) = 0;
  // The main window kept visible under the selection surface (for a screenshot that includes it):
  // shown without activation, not always on top, directly below the surface.
  virtual void ShowMainUnderSelection() = 0;
  // The main window hidden and moved right of the screen while a selection is open.
  virtual void PutMainAsideForSelection() = 0;
  // The other windows that must show above the overlay give up their always-on-top state while a
  // selection is open, and take it back when it closes.
  virtual void TakeTopmostFromPeers() = 0;
  virtual void GiveTopmostBackToPeers() = 0;
  // Opens the modal format window of a custom-region screenshot over the rectangle; it returns once the
  // window is gone, after the owner heard of its end (RegionShotFinished).
  virtual void RunRegionShotFormat(const Rect& region) = 0;

  // A hotkey action whose command has ended takes presses again.
  virtual void ClearHotkeyBusyMark(ActionTimer timer) = 0;
  // The marks that follow the modes: the menu items of MenuStatesOf and the checkbox "置顶".
  virtual void ShowMarks(const ModeView& view) = 0;
};

}  // namespace corvanta
