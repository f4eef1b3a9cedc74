// Moving and resizing a locked overlay: "<-移动或调整尺寸->" turns it back into an ordinary, nearly opaque
// window with a sizing frame; "完成配置并锁定区域" (F5) makes its whole outer rectangle the overlay again
// and redraws the effect for the new size 30 ms later. When each happens is the mode owner's.
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

  // The overlay as a window that takes input, with a sizing frame and the move-and-resize colours.
  void Begin();
  // The window's whole outer rectangle as the overlay again, redrawn for its size a moment later.
  void Finish();
  // The move-and-resize colours without touching the frame, the menus or the input, so that the Finish
  // that follows redraws the overlay in place (used when the picture placement changes).
  void PrepareRelock();
  // The redraw timer's tick: the overlay redrawn for the current client size.
  void OnRedrawTick();

 private:
  void ApplyMoveResizeAttributes();

  Program& program_;
  MainWindowSeam& window_;
  OverlayController& overlay_;
  DrawCanvas& canvas_;
};

}  // namespace corvanta
