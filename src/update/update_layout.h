// Sizes of the update and donation windows at a DPI: design sizes at 96 DPI, scaled.
#pragma once

#include "shell/geometry.h"

namespace corvanta {

struct UpdateWindowLayout {
  Size window;  // outer size
  Rect notice;
  Rect homepageButton;
};

// The notice is 344 x 136 at 10,10 and the button 40 high below it, as wide as the notice; the window
// is the notice's width + 26 wide and its height + the button's + 72 high (370 x 248 at 96 DPI).
UpdateWindowLayout ComputeUpdateWindowLayout(int dpi);

// The donation window's outer size: 408 x 586 at 96 DPI.
Size DonationWindowSize(int dpi);

}  // namespace corvanta
