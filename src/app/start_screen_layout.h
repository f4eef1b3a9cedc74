// Layout arithmetic of the start screen: control rectangles for a client size, the list column widths
// per font size and the minimum window size.
#pragma once

#include <array>
#include <optional>
#include "shell/geometry.h"
#include "shell/start_screen_size.h"

namespace corvanta {

// Design sizes of the start-screen controls (width × height); at run time only positions, the slider's
// width and the list's width and height change.
inline constexpr Size kMainWindowDesign{739, 522};
inline constexpr int kMainWindowDesignLeft = 50;
inline constexpr int kMainWindowDesignTop = 50;
inline constexpr Size kCustomModeCheckboxSize{158, 40};
inline constexpr Size kPictureModeCheckboxSize{136, 40};
inline constexpr Size kMixedModeCheckboxSize{136, 40};
inline constexpr Size kTopmostCheckboxSize{96, 40};
inline constexpr Size kStrengthSliderSize{642, 58};
inline constexpr Size kStrengthSwatchSize{58, 58};
inline constexpr Size kEffectListSize{704, 216};
inline constexpr Size kRegionButtonSize{136, 48};
inline constexpr Size kAttachButtonSize{136, 48};
inline constexpr Size kSuiteButtonSize{197, 48};


struct StartScreenLayout {
  Rect customModeCheckbox;
  Rect pictureModeCheckbox;
  Rect mixedModeCheckbox;
  Rect topmostCheckbox;
  Rect strengthSwatch;
  Rect strengthSlider;
  Rect attachButton;
  Rect regionButton;
  Rect suiteButton;
  Rect effectList;
  std::optional<std::array<int, 3>> columnWidths;  // 序号, 名称, 状态; none = keep the previous widths
};

// Every number below is a design value at 96 DPI; `dpi` is the window's DPI, which scales them all.

// The rule applied on every size change (W, H = client size in pixels).
StartScreenLayout ComputeStartScreenLayout(int clientWidth, int clientHeight, int fontSize, int dpi = 96);

// The preliminary layout at creation, before the saved size is applied.
StartScreenLayout ComputePreliminaryLayout(int clientWidth, int clientHeight, int dpi = 96);

// Column widths for the list font sizes of the table; no value for any other size.
std::optional<std::array<int, 3>> ColumnWidthsForFontSize(int fontSize, int clientWidth, int dpi = 96);


}  // namespace corvanta
