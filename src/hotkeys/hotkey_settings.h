// The rules of the hotkey settings window that need no window: the repair of missing slot keys, the
// stored pick index, the duplicate check, the steps of the save animation and the layout.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "hotkeys/hotkey_names.h"
#include "shell/colour.h"
#include "shell/geometry.h"

namespace corvanta {

// The stored sck0..sck14 and sx0..sx14 texts, a missing key read as the empty text.
struct StoredHotkeyKeys {
  std::array<std::string, kHotkeySlotCount> names;
  std::array<std::string, kHotkeySlotCount> picks;
};

struct HotkeyKeyWrite {
  std::string key;  // "sck4", "sx4", ...
  std::string value;
  bool operator==(const HotkeyKeyWrite&) const = default;
};

// What opening the window writes: sck0 emptied, sx0 "-1", every empty slot key its default.
std::vector<HotkeyKeyWrite> HotkeyKeyRepairs(const StoredHotkeyKeys& stored);

// The list entry a stored index selects, read as a C string-to-integer conversion ("12abc" is 12,
// "abc" is 0); nullopt (no selection) outside 0..363.
std::optional<int> StoredPickIndex(std::string_view text);

// The first pair (i, j), i < j, of equal texts in the order (0,1), (0,2) ... (12,13).
std::optional<std::pair<int, int>> FirstDuplicatePair(std::span<const std::string> texts);

inline constexpr int kSaveAnimationSteps = 8;
inline constexpr Colour kLightOff{236, 236, 236};
inline constexpr Colour kStatusRed{255, 0, 0};  // a conflict, or hotkeys another program holds

// One step of the save animation: the light it colours (the save light, or the conflict light in the
// conflict case), the status line and the delay until the next step (after the last step: until the
// registration pass).
struct SaveAnimationStep {
  Colour light;
  const char* status;
  Colour statusColour;
  unsigned nextDelay;
};

// step 1..8.
SaveAnimationStep SaveAnimationStepOf(int step, bool conflict);

// The status line after a save whose registration pass the platform refused some hotkeys:
// "以下快捷键已被占用：" and the names joined by "、"; empty when it refused none.
std::string RefusedHotkeysReport(std::span<const std::string> refusedNames);

struct HotkeySettingsLayout {
  int windowWidth = 0;
  int windowHeight = 0;
  std::array<Rect, kHotkeySlotCount - 1> labels;  // slots 1..14
  std::array<Rect, kHotkeySlotCount - 1> lists;
  Rect disableButton, defaultsButton, status, conflictLight, saveLight, saveButton;
};

// frameWidth: window width minus client width, in physical pixels; design sizes are scaled to dpi.
HotkeySettingsLayout LayOutHotkeySettings(int frameWidth, int dpi);
// The window's top-left corner: its right edge at 94 % of the screen width, its top at 8 %.
std::pair<int, int> HotkeySettingsPosition(int screenWidth, int screenHeight, int windowWidth);

}  // namespace corvanta
