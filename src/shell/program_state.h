// The process-wide state of the running program, held by the App and shared by its windows.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "shell/display_mode.h"
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

struct ProgramState {
  DisplayMode displayMode = DisplayMode::kNone;
  EnabledIndexes enabled;
  RgbColour colourKey = kCustomModeColourKey;
  ScreenRect savedGeometry;
  ScreenRect hideRestore;
  LockedState lockedState = LockedState::kNotLocked;
  bool selectionState = false;
  RegionMode regionMode = RegionMode::kNone;
  bool customRegionFlag = false;
  bool picturePreviewFlag = false;
  bool regionScreenshotFlag = false;
  bool hintFlag = false;  // hotkey hints on (SP/TST)
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
  // The suite was opened with the list request's preset: its Save writes there without asking.
  bool suiteEditsListPreset = false;
};

// The colour key of the current display mode as a COLORREF value (the low 8 bits of each component).
inline uint32_t ColourKeyOf(const ProgramState& state) {
  const RgbColour& key = state.colourKey;
  return static_cast<uint32_t>(key.red & 0xFF) | static_cast<uint32_t>(key.green & 0xFF) << 8 |
         static_cast<uint32_t>(key.blue & 0xFF) << 16;
}

}  // namespace corvanta
