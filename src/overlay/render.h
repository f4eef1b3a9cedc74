// The scanline renderer's operations on a canvas: prepare it for a pattern of scanlines, draw the grid,
// and the complete redraw for a display mode.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "overlay/canvas_styles.h"
#include "overlay/draw_canvas.h"
#include "overlay/scanlines.h"
#include "shell/display_mode.h"
#include "shell/program_state.h"

namespace corvanta {

// The canvas background of the overlay, which is also the colour key of custom mode.
inline constexpr uint32_t kOverlayBackground = ToColorRef(kCustomModeColourKey);

// What a display-mode render needs besides the canvas and its size.
struct RenderRequest {
  DisplayMode displayMode = DisplayMode::kNone;  // no mode draws the bare background
  Scanlines scanlines;           // of the custom preset, or of the mixed-mode preset
  std::string picturePath;       // full path of the picture file in picture and mixed mode
  Placement placement = Placement::kTiled;  // Config/Dp
};

// The canvas's pen for the scanlines.
void SetScanlinePen(DrawCanvas& canvas, const Scanlines& scanlines);

// Position (0, 0), size W x H, background colour, the scanlines' pen; cleared; no picture; visible.
void PrepareCanvas(DrawCanvas& canvas, int width, int height, const Scanlines& scanlines);

// The four line families with the canvas's current pen, without clearing first.
void DrawGrid(DrawCanvas& canvas, int width, int height, const GridSpacing& grid);

// The complete redraw at lock time.
void RenderDisplayMode(DrawCanvas& canvas, int width, int height, const RenderRequest& request);

// The redraw after a locked overlay was moved or resized: clear, drop the picture, take the new size
// (position and pen stay), then the picture and the grid as at lock time with the lock's values.
void RedrawDisplayMode(DrawCanvas& canvas, int width, int height, const RenderRequest& request);

}  // namespace corvanta
