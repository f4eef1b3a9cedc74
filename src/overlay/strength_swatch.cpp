#include "overlay/strength_swatch.h"

#include "overlay/draw_canvas.h"

namespace corvanta {

void DrawStrengthSwatch(DrawCanvas& swatch, int strength, SwatchColourRule rule) {
  swatch.SetPen(LineType::kSolid, kSwatchPenWidth, SwatchPenColour(strength, rule));
  swatch.Clear();
  for (const SwatchLine& line : SwatchLines(swatch.Width(), swatch.Height())) {
    swatch.DrawLine(line.x1, line.y1, line.x2, line.y2);
  }
}

}  // namespace corvanta
