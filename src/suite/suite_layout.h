// Where the suite's controls go (design sizes at 96 DPI, scaled), and where the suite, the debug area
// above it and the backdrop under the debug area's client rectangle are placed on the screen.
#pragma once

#include <array>

#include "shell/geometry.h"
#include "suite/suite_values.h"
#include "shell/geometry.h"

namespace corvanta {

// One slider row: the label in front, the slider 8 pixels to its right, the value label after it.
struct SliderRow {
  Rect label;
  Rect slider;
  Rect value;
};

struct SuiteLayout {
  Rect openButton;
  Rect closeButton;
  Rect lineColourLabel;
  Rect lineColourPicker;
  Rect backgroundLabel;
  Rect backgroundPicker;
  Rect backdropLabel;
  Rect backdropChooser;  // the combo box; its height includes the drop-down list
  Rect randomButton;
  std::array<SliderRow, kSuiteSliderCount> rows;  // indexed by SuiteSlider
  Rect transparentCheckbox;
  Rect saveButton;
  Rect saveAsButton;
  int clientWidth = 0;
  int clientHeight = 0;
};

SuiteLayout ComputeSuiteLayout(int dpi);

// The debug area: 40 % of the screen width, 80 % of the height the suite leaves, centred together with
// the suite below it.
Rect DebugAreaPlace(int screenWidth, int screenHeight, int suiteHeight);
// The suite: centred horizontally, directly below a debug area of the given height.
Rect SuitePlace(int screenWidth, int screenHeight, int suiteWidth, int suiteHeight, int debugAreaHeight);
// The backdrop covers the debug area's client rectangle, worked out from the window rectangle and the
// client size (equal side borders, the rest of the height on top).
Rect BackdropPlace(const Rect& debugAreaWindow, int clientWidth, int clientHeight);
// A picture scaled to fit a box with its aspect kept, centred in the box.
Rect FitPicture(int pictureWidth, int pictureHeight, int boxWidth, int boxHeight);

}  // namespace corvanta
