// The overlay: the main window locked into the click-through, topmost, colour-keyed window and back to
// the start screen, the strength, and strong topmost's ticks.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "overlay/overlay_memory.h"
#include "overlay/render.h"
#include "overlay/scanlines.h"
#include "shell/display_mode.h"
#include "shell/geometry.h"

namespace corvanta {

class DrawCanvas;
class MainWindowSeam;
class Program;

// What one lock draws and where. The selection frame locks the list's selected entry at its own client
// size; a custom region locks the enabled entries at the region window's size and moves the main window
// onto the region.
struct LockRequest {
  std::optional<Scanlines> scanlines;  // none: the previous lock's scanlines are drawn again
  std::string picturePath;             // the picture of picture and mixed mode
  std::optional<SIZE> canvasSize;  // none: the main window's client size when the canvas is drawn
  std::optional<RECT> region;  // the screen rectangle the main window takes before it is shown
};

class OverlayController {
 public:
  OverlayController(Program& program, MainWindowSeam& window, DrawCanvas& canvas);
  OverlayController(const OverlayController&) = delete;
  OverlayController& operator=(const OverlayController&) = delete;

  // The main window as the click-through, colour-keyed overlay that takes no input, drawn for the lock
  // and shown. Its topmost state and the menus are the mode owner's.
  void Lock(const LockRequest& request);
  // The main window as the start screen at the rectangle: its controls shown, the canvas hidden and
  // without memory, a normal frame, no extended style, enabled, shown and laid out.
  void ShowStartScreen(const Rect& place);

  // The memory the next lock draws into, prepared while a selection is open.
  OverlayMemory& Memory() { return memory_; }

  // One tick of strong topmost: the main window to the top of the topmost band.
  void OnStrongTopmostTick();
  int StrongTopmostTicks() const { return strongTopmostTicks_; }

  void OnStrengthChanged(int position);

  // The scanlines drawn by the last lock; a redraw after a resize uses them again.
  const Scanlines& LockedScanlines() const { return lastRender_.scanlines; }
  // Draws the last lock's grid and picture again for a new canvas size (after a move or resize).
  void RedrawAtSize(int width, int height);
  // The canvas's picture placement, kept for the redraws of the last lock too.
  void SetPicturePlacement(Placement placement);

  // The colour key of the current display mode as a COLORREF.
  COLORREF ColourKey() const;

 private:
  void RenderLockedCanvas(const LockRequest& request);
  void TakeRegion(const RECT& region);
  int Strength() const;

  Program& program_;
  MainWindowSeam& window_;
  DrawCanvas& canvas_;
  OverlayMemory memory_;
  RenderRequest lastRender_;  // what the last lock drew
  int strongTopmostTicks_ = 0;
};

}  // namespace corvanta
