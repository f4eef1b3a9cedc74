// Layout arithmetic of the start screen: control rectangles for a client size, the list column widths
// per font size and the minimum window size.
#pragma once

#include <array>
#include <optional>

namespace corvanta {

struct ControlRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  bool operator==(const ControlRect&) const = default;
};

// Design sizes of the start-screen controls (width × height); at run time only positions, the slider's
// width and the list's width and height change.
struct DesignSize {
  int width;
  int height;
};
inline constexpr DesignSize kMainWindowDesign{739, 522};
inline constexpr int kMainWindowDesignLeft = 50;
inline constexpr int kMainWindowDesignTop = 50;
inline constexpr DesignSize kCustomModeCheckboxSize{158, 40};
inline constexpr DesignSize kPictureModeCheckboxSize{136, 40};
inline constexpr DesignSize kMixedModeCheckboxSize{136, 40};
inline constexpr DesignSize kTopmostCheckboxSize{96, 40};
inline constexpr DesignSize kStrengthSliderSize{642, 58};
inline constexpr DesignSize kStrengthSwatchSize{58, 58};
inline constexpr DesignSize kEffectListSize{704, 216};
inline constexpr DesignSize kRegionButtonSize{136, 48};
inline constexpr DesignSize kAttachButtonSize{136, 48};
inline constexpr DesignSize kSuiteButtonSize{197, 48};

inline constexpr int kMinimumWindowWidth = 588;
inline constexpr int kMinimumWindowHeight = 372;

struct StartScreenLayout {
  ControlRect customModeCheckbox;
  ControlRect pictureModeCheckbox;
  ControlRect mixedModeCheckbox;
  ControlRect topmostCheckbox;
  ControlRect strengthSwatch;
  ControlRect strengthSlider;
  ControlRect attachButton;
  ControlRect regionButton;
  ControlRect suiteButton;
  ControlRect effectList;
  std::optional<std::array<int, 3>> columnWidths;  // 序号, 名称, 状态; none = keep the previous widths
};

// Every number below is a design value at 96 DPI; `dpi` is the window's DPI, which scales them all.

// The rule applied on every size change (W, H = client size in pixels).
StartScreenLayout ComputeStartScreenLayout(int clientWidth, int clientHeight, int fontSize, int dpi = 96);

// The preliminary layout at creation, before the saved size is applied.
StartScreenLayout ComputePreliminaryLayout(int clientWidth, int clientHeight, int dpi = 96);

// Column widths for the list font sizes of the table; no value for any other size.
std::optional<std::array<int, 3>> ColumnWidthsForFontSize(int fontSize, int clientWidth, int dpi = 96);

struct WindowSize {
  int width;
  int height;
  bool operator==(const WindowSize&) const = default;
};

WindowSize MinimumWindowSize(int dpi);
// The minimum size applies only outside a scan-region selection.
WindowSize EnforceMinimumSize(WindowSize size, bool choosingRegion, int dpi = 96);

}  // namespace corvanta
