#include "app/start_screen_layout.h"

#include "platform/dpi_scale.h"

namespace corvanta {

namespace {

constexpr int kButtonBottomGap = 16;

// Design numbers at 96 DPI, scaled to one DPI.
struct Scaler {
  int dpi;
  int operator()(int design) const { return DpiScale(design, dpi); }
  Rect At(int x, int y, Size size) const {
    return {(*this)(x), (*this)(y), (*this)(size.width), (*this)(size.height)};
  }
  int Width(Size size) const { return (*this)(size.width); }
  int Height(Size size) const { return (*this)(size.height); }
};

}  // namespace

std::optional<std::array<int, 3>> ColumnWidthsForFontSize(int fontSize, int clientWidth, int dpi) {
  const Scaler s{dpi};
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
    if (row.fontSize == fontSize) {
      return std::array<int, 3>{s(row.index), clientWidth - s(row.nameMargin), s(row.status)};
    }
  }
  return std::nullopt;
}

StartScreenLayout ComputeStartScreenLayout(int w, int h, int fontSize, int dpi) {
  const Scaler s{dpi};
  StartScreenLayout layout;
  layout.customModeCheckbox = s.At(15, 9, kCustomModeCheckboxSize);
  layout.pictureModeCheckbox = s.At(178, 9, kPictureModeCheckboxSize);
  layout.mixedModeCheckbox = s.At(314, 9, kMixedModeCheckboxSize);
  layout.topmostCheckbox = {w - s.Width(kTopmostCheckboxSize), s(9), s.Width(kTopmostCheckboxSize),
                            s.Height(kTopmostCheckboxSize)};
  const int sliderHeight = s.Height(kStrengthSliderSize);
  layout.strengthSlider = {sliderHeight + s(18), s(59), w - s(92), sliderHeight};
  layout.strengthSwatch = {s(15), layout.strengthSlider.top, s.Width(kStrengthSwatchSize), layout.strengthSlider.height};
  auto bottomButton = [&](int left, Size size) {
    return Rect{left, h - s.Height(size) - s(kButtonBottomGap), s.Width(size), s.Height(size)};
  };
  layout.attachButton = bottomButton(w - s.Width(kAttachButtonSize) - s(15), kAttachButtonSize);
  layout.regionButton = bottomButton(w - 2 * s.Width(kRegionButtonSize) - s(22), kRegionButtonSize);
  layout.suiteButton = bottomButton(s(15), kSuiteButtonSize);
  layout.effectList = {s(15), s(120), w - s(30), layout.regionButton.top - s(128)};
  layout.columnWidths = ColumnWidthsForFontSize(fontSize, w, dpi);
  return layout;
}

StartScreenLayout ComputePreliminaryLayout(int w, int h, int dpi) {
  constexpr int kButtonGap = 12;
  const Scaler s{dpi};
  StartScreenLayout layout = ComputeStartScreenLayout(w, h, 0, dpi);
  layout.pictureModeCheckbox = s.At(151, 9, kPictureModeCheckboxSize);
  layout.mixedModeCheckbox = s.At(287, 9, kMixedModeCheckboxSize);
  layout.strengthSlider = {s(15), s(59), w - s(30), s.Height(kStrengthSliderSize)};
  layout.strengthSwatch = s.At(15, 59, kStrengthSwatchSize);
  layout.attachButton.top = h - s.Height(kAttachButtonSize) - s(kButtonGap);
  layout.regionButton.top = h - s.Height(kRegionButtonSize) - s(kButtonGap);
  layout.suiteButton.top = h - s.Height(kSuiteButtonSize) - s(kButtonGap);
  layout.effectList = {s(15), s(120), w - s(30), layout.regionButton.top - s(128)};
  layout.columnWidths = std::array<int, 3>{s(64), w - s(210), s(84)};
  return layout;
}

}  // namespace corvanta
