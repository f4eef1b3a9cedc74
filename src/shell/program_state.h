// The process-wide state of the running program, shared by its windows. The modes (locked, selecting,
// hidden, topmost) are not here: ProgramModes owns them.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "settings/enabled_indexes.h"
#include "shell/colour.h"
#include "shell/display_mode.h"
#include "shell/geometry.h"

namespace corvanta {

inline constexpr Colour kCustomModeColourKey{208, 222, 227};

// Which picture the picture preview shows: "#自动预览功能" off or on (Preview/Pre), the preview just
// shown, or the latest screenshot.
enum class PreviewSource { kAutoPreviewOff, kAutoPreviewOn, kShown, kScreenshot };

// Preview/Pre as stored: 1 turns the automatic preview on, and a number of 4 or more asks for the latest
// screenshot, as the screenshot preview's own code does.
constexpr PreviewSource PreviewSourceFromStored(int32_t stored) {
  if (stored == 1) return PreviewSource::kAutoPreviewOn;
  return stored >= 4 ? PreviewSource::kScreenshot : PreviewSource::kAutoPreviewOff;
}

struct ProgramState {
  DisplayMode displayMode = DisplayMode::kNone;
  EnabledIndexes enabled;
  Colour colourKey = kCustomModeColourKey;
  bool picturePreviewFlag = false;
  PreviewSource previewSource = PreviewSource::kAutoPreviewOff;
  std::string lastScreenshotName;
  int32_t listFontSize = 12;
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

// The colour key of the current display mode as a COLORREF value.
inline uint32_t ColourKeyOf(const ProgramState& state) { return ToColorRef(state.colourKey); }

}  // namespace corvanta
