// The scanline renderer's operations on a canvas: prepare it for a preset, draw the grid, and the
// complete redraw for a display mode.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "shell/display_mode.h"
#include "effects/preset.h"
#include "overlay/draw_canvas.h"

namespace corvanta {

// The canvas background of the overlay, which is also the colour key of custom mode.
inline constexpr uint32_t kOverlayBackground = RGB(208, 222, 227);

// What a display-mode render needs besides the canvas and its size.
struct RenderRequest {
  DisplayMode displayMode = DisplayMode::kNone;  // no mode draws the bare background
  Preset preset;                 // the custom preset, or the mixed-mode preset
  std::string picturePath;       // full path of the picture file in picture and mixed mode
  int placement = kPlaceTiled;   // Config/Dp
};

// Position (0, 0), size W x H, background colour, pen from the preset; cleared; no picture; visible.
void PrepareCanvas(DrawCanvas& canvas, int width, int height, const Preset& preset);

// The four line families with the canvas's current pen, without clearing first.
void DrawGrid(DrawCanvas& canvas, int width, int height, const Preset& preset);

// The complete redraw at lock time.
void RenderDisplayMode(DrawCanvas& canvas, int width, int height, const RenderRequest& request);

// The redraw after a locked overlay was moved or resized: clear, drop the picture, take the new size
// (position and pen stay), then the picture and the grid as at lock time with the lock's values.
void RedrawDisplayMode(DrawCanvas& canvas, int width, int height, const RenderRequest& request);

}  // namespace corvanta
