// Moving and resizing a locked overlay: "<-移动或调整尺寸->" turns it back into an ordinary, nearly opaque
// window with a sizing frame; "完成配置并锁定区域" (F5) makes its whole outer rectangle the overlay again
// and redraws the effect for the new size 30 ms later.
#pragma once

#include <windows.h>

#include "shell/colour.h"

namespace corvanta {

class DrawCanvas;
class MainWindowSeam;
class OverlayController;
class Program;

inline constexpr COLORREF kMoveResizeBackground = ToColorRef({33, 66, 99});
inline constexpr COLORREF kMoveResizeColourKey = ToColorRef({252, 2, 251});
inline constexpr BYTE kMoveResizeAlpha = 238;
inline constexpr UINT kResizeRedrawDelay = 30;

class MoveResize {
 public:
  MoveResize(Program& program, MainWindowSeam& window, OverlayController& overlay, DrawCanvas& canvas);
  MoveResize(const MoveResize&) = delete;
  MoveResize& operator=(const MoveResize&) = delete;

  // Locked state 1 → 5; otherwise nothing.
  void Start();
  // Locked state 5 → 1; otherwise nothing.
  void FinishAndLock();
  // Locked state 1 → 5 without touching the frame, the menus or the input, so that the Finish and lock
  // that follows redraws the overlay in place (used when the picture placement changes).
  void PrepareRelock();
  // The redraw timer's tick: the overlay redrawn for the current client size.
  void OnRedrawTick();
  // A key pressed in the main window: F5 finishes. Returns whether it was taken.
  bool OnKeyPressed(WPARAM virtualKey);

 private:
  void SetBarEntriesVisible(bool visible);
  void SetOverlayItemsEnabled(bool enabled);
  void ApplyMoveResizeAttributes();

  Program& program_;
  MainWindowSeam& window_;
  OverlayController& overlay_;
  DrawCanvas& canvas_;
};

}  // namespace corvanta
