// Where the suite's controls go (design sizes at 96 DPI, scaled), and where the suite, the debug area
// above it and the backdrop under the debug area's client rectangle are placed on the screen.
#pragma once

#include <array>

#include "app/start_screen_layout.h"
#include "suite/suite_values.h"

namespace corvanta {

// One slider row: the label in front, the slider 8 pixels to its right, the value label after it.
struct SliderRow {
  ControlRect label;
  ControlRect slider;
  ControlRect value;
};

struct SuiteLayout {
  ControlRect openButton;
  ControlRect closeButton;
  ControlRect lineColourLabel;
  ControlRect lineColourPicker;
  ControlRect backgroundLabel;
  ControlRect backgroundPicker;
  ControlRect backdropLabel;
  ControlRect backdropChooser;  // the combo box; its height includes the drop-down list
  ControlRect randomButton;
  std::array<SliderRow, kSuiteSliderCount> rows;  // indexed by SuiteSlider
  ControlRect transparentCheckbox;
  ControlRect saveButton;
  ControlRect saveAsButton;
  int clientWidth = 0;
  int clientHeight = 0;
};

SuiteLayout ComputeSuiteLayout(int dpi);

struct ScreenPlace {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool operator==(const ScreenPlace&) const = default;
};

// The debug area: 40 % of the screen width, 80 % of the height the suite leaves, centred together with
// the suite below it.
ScreenPlace DebugAreaPlace(int screenWidth, int screenHeight, int suiteHeight);
// The suite: centred horizontally, directly below a debug area of the given height.
ScreenPlace SuitePlace(int screenWidth, int screenHeight, int suiteWidth, int suiteHeight, int debugAreaHeight);
// The backdrop covers the debug area's client rectangle, worked out from the window rectangle and the
// client size (equal side borders, the rest of the height on top).
ScreenPlace BackdropPlace(const ScreenPlace& debugAreaWindow, int clientWidth, int clientHeight);
// A picture scaled to fit a box with its aspect kept, centred in the box.
ScreenPlace FitPicture(int pictureWidth, int pictureHeight, int boxWidth, int boxHeight);

}  // namespace corvanta
