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
    DrawGrid(canvas, width, height, request.preset);
  } else if (request.displayMode == DisplayMode::kPicture) {
    ShowPicture(canvas, request);
  } else if (request.displayMode == DisplayMode::kMixed) {
    ShowPicture(canvas, request);
    DrawGrid(canvas, width, height, request.preset);
  }
}

}  // namespace

void PrepareCanvas(DrawCanvas& canvas, int width, int height, const Preset& preset) {
  canvas.SetBounds(0, 0, width, height);
  canvas.SetBackgroundColour(kOverlayBackground);
  canvas.SetPen(preset.lineType, preset.pixelSize, PresetPenColour(preset));
  canvas.Clear();
  canvas.RemovePicture();
  canvas.Show(true);
}

void DrawGrid(DrawCanvas& canvas, int width, int height, const Preset& preset) {
  if (canvas.Width() <= 0 || canvas.Height() <= 0) return;
  ForEachGridSegment(preset, width, height, [&](const Segment& s) { canvas.DrawLine(s.x1, s.y1, s.x2, s.y2); });
}

void RenderDisplayMode(DrawCanvas& canvas, int width, int height, const RenderRequest& request) {
  PrepareCanvas(canvas, width, height, request.preset);
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
