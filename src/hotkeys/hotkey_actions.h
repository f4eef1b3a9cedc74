// What a hotkey press does: the condition of each slot's action against the program's state, and
// either a tray command at once or an action timer that carries the command onto the UI thread and
// marks the action busy until the command has ended.
#pragma once

#include <array>
#include <string>

#include "shell/action_timers.h"
#include "shell/menu_layout.h"

namespace corvanta {

// A busy action keeps its timer at this interval until the command's own code stops it.
inline constexpr unsigned kBusyInterval = 600000;

struct HotkeyConditions {
  bool topmost = false;        // "^置顶^" checked
  bool strongTopmost = false;  // ">+^强力置顶^+<" checked
  bool overlayLocked = false;  // locked state 1 (not 0, not moving or resizing)
  bool mainShown = true;       // "#显示主窗口" checked
  bool mainHidden = false;     // "#隐藏主窗口" checked
  std::array<bool, kActionTimerSlots> timerIdle{true, true, true, true, true, true, true, true};
  int folderStep = 0;
  bool Idle(ActionTimer timer) const { return timerIdle[static_cast<int>(timer)]; }
};

struct HotkeyOutcome {
  enum class Kind { kNothing, kCommand, kArmTimer };
  Kind kind = Kind::kNothing;
  MenuId command = MenuId::kNone;  // kCommand
  ActionTimer timer = ActionTimer::kRegistrationPass;  // kArmTimer
  unsigned interval = 0;           // kArmTimer
  const char* hint = nullptr;      // shown with a command; a timer shows its own
  bool operator==(const HotkeyOutcome&) const = default;
};

// Slots 1..14; slot 0 and anything else do nothing.
HotkeyOutcome DecideHotkeyAction(int slot, const HotkeyConditions& conditions);

// One tick of a busy-marking action timer: the hint and the tray command it runs (the scan-region
// screenshot has no tray command: its tick opens the format window).
struct ActionTimerTick {
  const char* hint;
  MenuId command;
};
ActionTimerTick TickOf(ActionTimer timer);

// The open-screenshot-folder sequence: hint first, the folder about 2 s later, the next press 4 s on.
struct FolderStep {
  unsigned nextInterval;  // 0: the timer stops
  bool showHint;
  bool openFolder;
  int nextStep;
};
FolderStep OpenFolderStep(int step, bool hintsOn);

// The balloon text of a hint: its words, a blank line, the product name.
std::string HintText(const char* words);

}  // namespace corvanta
