// The action timers of the hotkey host: a hotkey's command carried onto the UI thread and the mark that
// keeps the action busy until the command has ended. Their values are the timer ids.
#pragma once

namespace corvanta {

// The action timers of the hotkey host; their values are the timer ids.
enum class ActionTimer : int {
  kRegistrationPass = 1,
  kCustomRegionShot = 2,
  kScanRegionShot = 3,
  kOpenScreenshotFolder = 4,
  kReattach = 5,
  kReselectRegion = 6,
  kExit = 7,
};
inline constexpr int kActionTimerSlots = 8;

}  // namespace corvanta
