#include "overlay/render.h"

#include "overlay/grid.h"
#include "platform/files.h"

namespace corvanta {

namespace {

void ShowPicture(DrawCanvas& canvas, const RenderRequest& request) {
  canvas.SetPlacement(request.placement);
  canvas.SetPicture(ReadWholeFile(request.picturePath));
}

// What follows the preparation (or, after a resize, the new size) in each display mode.
void FinishDisplayMode(DrawCanvas& canvas, int width, int height, const RenderRequest& request) {
  if (request.displayMode == DisplayMode::kCustom) {
    DrawGrid(canvas, width, height, request.scanlines.grid);
  } else if (request.displayMode == DisplayMode::kPicture) {
    ShowPicture(canvas, request);
  } else if (request.displayMode == DisplayMode::kMixed) {
    ShowPicture(canvas, request);
    DrawGrid(canvas, width, height, request.scanlines.grid);
  }
}

}  // namespace

void SetScanlinePen(DrawCanvas& canvas, const Scanlines& scanlines) {
  canvas.SetPen(scanlines.lineType, scanlines.grid.pixelSize, scanlines.colour);
}

void PrepareCanvas(DrawCanvas& canvas, int width, int height, const Scanlines& scanlines) {
  canvas.SetBounds(0, 0, width, height);
  canvas.SetBackgroundColour(kOverlayBackground);
  SetScanlinePen(canvas, scanlines);
  canvas.Clear();
  canvas.RemovePicture();
  canvas.Show(true);
}

void DrawGrid(DrawCanvas& canvas, int width, int height, const GridSpacing& grid) {
  if (canvas.Width() <= 0 || canvas.Height() <= 0) return;
  ForEachGridSegment(grid, width, height, [&](const Segment& s) { canvas.DrawLine(s.x1, s.y1, s.x2, s.y2); });
}

void RenderDisplayMode(DrawCanvas& canvas, int width, int height, const RenderRequest& request) {
  PrepareCanvas(canvas, width, height, request.scanlines);
  if (request.displayMode == DisplayMode::kPicture) {
    canvas.Clear();
    canvas.RemovePicture();
  }
  FinishDisplayMode(canvas, width, height, request);
}

void RedrawDisplayMode(DrawCanvas& canvas, int width, int height, const RenderRequest& request) {
  canvas.Clear();
  canvas.RemovePicture();
  canvas.SetSize(width, height);
  FinishDisplayMode(canvas, width, height, request);
}

}  // namespace corvanta
