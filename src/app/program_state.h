// The process-wide state of the running program, held by the App and shared by its windows.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "settings/first_run.h"

namespace corvanta {

struct ScreenRect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t width = 0;
  int32_t height = 0;
  bool operator==(const ScreenRect&) const = default;
};

struct RgbColour {
  int32_t red = 0;
  int32_t green = 0;
  int32_t blue = 0;
  bool operator==(const RgbColour&) const = default;
};

inline constexpr RgbColour kCustomModeColourKey{208, 222, 227};

// Values of the locked state.
inline constexpr int kNotLocked = 0;
inline constexpr int kLocked = 1;
inline constexpr int kMovingOrResizing = 5;

inline constexpr int kRegionModeSelecting = 7;

struct ProgramState {
  std::string displayMode;  // "C", "P", "D"; anything else means no mode is chosen
  EnabledIndexes enabled;
  RgbColour colourKey = kCustomModeColourKey;
  ScreenRect savedGeometry;
  ScreenRect hideRestore;
  int lockedState = kNotLocked;
  bool selectionState = false;
  int regionMode = 0;
  int customRegionFlag = 0;
  bool picturePreviewFlag = false;
  bool regionScreenshotFlag = false;
  std::string hintFlag = "0";
  int32_t previewSource = 0;
  std::string lastScreenshotName;
  int32_t listFontSize = 12;
  int32_t pictureDisplayMode = 3;  // Dp: 0 top-left, 1 stretched, 2 centred, 3 tiled
  std::array<uint32_t, 9> programColours{};
  int screenshotDepth = 32;
  // The mixed-mode pair (Effect\D\N.ini) as read by the last mixed-mode list fill.
  std::string mixedPresetName;
  std::string mixedPictureName;
  // The suite's list request, recorded by "预览效果或配置".
  bool hasListRequest = false;
  std::string listRequestPath;
  std::string listRequestName;
};

}  // namespace corvanta
