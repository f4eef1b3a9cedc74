#include "app/start_screen_layout.h"

namespace corvanta {

namespace {

ControlRect At(int x, int y, DesignSize size) { return {x, y, size.width, size.height}; }

constexpr int kButtonBottomGap = 16;

}  // namespace

std::optional<std::array<int, 3>> ColumnWidthsForFontSize(int fontSize, int clientWidth) {
  struct Row {
    int fontSize;
    int index;
    int nameMargin;
    int status;
  };
  static constexpr Row kTable[] = {{9, 46, 178, 70},    {10, 50, 188, 76},   {11, 54, 200, 84},
                                   {12, 56, 208, 90},   {14, 64, 230, 104},  {16, 72, 250, 116},
                                   {18, 80, 270, 128},  {24, 104, 330, 164}};
  for (const Row& row : kTable) {
    if (row.fontSize == fontSize) return std::array<int, 3>{row.index, clientWidth - row.nameMargin, row.status};
  }
  return std::nullopt;
}

StartScreenLayout ComputeStartScreenLayout(int w, int h, int fontSize) {
  StartScreenLayout layout;
  layout.customModeCheckbox = At(15, 9, kCustomModeCheckboxSize);
  layout.pictureModeCheckbox = At(178, 9, kPictureModeCheckboxSize);
  layout.mixedModeCheckbox = At(314, 9, kMixedModeCheckboxSize);
  layout.topmostCheckbox = At(w - kTopmostCheckboxSize.width, 9, kTopmostCheckboxSize);
  layout.strengthSlider = {kStrengthSliderSize.height + 18, 59, w - 92, kStrengthSliderSize.height};
  layout.strengthSwatch = {15, layout.strengthSlider.y, kStrengthSwatchSize.width, layout.strengthSlider.height};
  layout.attachButton = At(w - kAttachButtonSize.width - 15, h - kAttachButtonSize.height - kButtonBottomGap,
                           kAttachButtonSize);
  layout.regionButton = At(w - 2 * kRegionButtonSize.width - 22, h - kRegionButtonSize.height - kButtonBottomGap,
                           kRegionButtonSize);
  layout.suiteButton = At(15, h - kSuiteButtonSize.height - kButtonBottomGap, kSuiteButtonSize);
  layout.effectList = {15, 120, w - 30, layout.regionButton.y - 128};
  layout.columnWidths = ColumnWidthsForFontSize(fontSize, w);
  return layout;
}

StartScreenLayout ComputePreliminaryLayout(int w, int h) {
  constexpr int kButtonGap = 12;
  StartScreenLayout layout = ComputeStartScreenLayout(w, h, 0);
  layout.pictureModeCheckbox = At(151, 9, kPictureModeCheckboxSize);
  layout.mixedModeCheckbox = At(287, 9, kMixedModeCheckboxSize);
  layout.strengthSlider = {15, 59, w - 30, kStrengthSliderSize.height};
  layout.strengthSwatch = {15, 59, kStrengthSwatchSize.width, kStrengthSwatchSize.height};
  layout.attachButton.y = h - kAttachButtonSize.height - kButtonGap;
  layout.regionButton.y = h - kRegionButtonSize.height - kButtonGap;
  layout.suiteButton.y = h - kSuiteButtonSize.height - kButtonGap;
  layout.effectList = {15, 120, w - 30, layout.regionButton.y - 128};
  layout.columnWidths = std::array<int, 3>{64, w - 210, 84};
  return layout;
}

WindowSize EnforceMinimumSize(WindowSize size, bool choosingRegion) {
  if (choosingRegion) return size;
  if (size.width < kMinimumWindowWidth) size.width = kMinimumWindowWidth;
  if (size.height < kMinimumWindowHeight) size.height = kMinimumWindowHeight;
  return size;
}

}  // namespace corvanta
