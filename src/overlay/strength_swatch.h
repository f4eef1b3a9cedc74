#pragma once

#include "overlay/swatch_lines.h"

namespace corvanta {

class DrawCanvas;

// Clears the swatch and draws its sample lines in the colour of the strength.
void DrawStrengthSwatch(DrawCanvas& swatch, int strength, SwatchColourRule rule);

}  // namespace corvanta
