// The vocabulary of the hotkeys: the fifteen slots, the 364 hotkey names ("Ctrl+Shift+P") with their
// modifier flags and key codes, the pick list of the settings window and the default assignment.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace corvanta {

inline constexpr int kHotkeySlotCount = 15;  // slot 0 is fixed, slots 1..14 are the user's
inline constexpr int kFixedHotkeySlot = 0;
inline constexpr int kHotkeyNameCount = 364;
inline constexpr int kPickListSize = 364;  // the not-set entry and 363 names
inline constexpr int kPickListLastIndex = kPickListSize - 1;

// What RegisterHotKey gets: MOD_ALT 1, MOD_CONTROL 2, MOD_SHIFT 4, MOD_WIN 8, and the letter's key code.
struct HotkeyBinding {
  uint32_t modifiers = 0;
  uint32_t virtualKey = 0;
  bool operator==(const HotkeyBinding&) const = default;
};

// Ctrl+Shift+Alt+End, whatever slot 0's keys hold.
inline constexpr HotkeyBinding kFixedSlotBinding{7, 0x23};
inline constexpr const char* kFixedSlotName = "Ctrl+Shift+Alt+End";

// The exact, case-sensitive hotkey name, or no binding for any other text.
std::optional<HotkeyBinding> MatchHotkeyName(std::string_view stored);
// What a slot is bound to: slot 0 always its fixed keys, the others their stored name.
std::optional<HotkeyBinding> SlotBinding(int slot, std::string_view stored);

// The slot's not-set text: "1不设置" ... "14不设置".
std::string NotSetText(int slot);
// The pick-list entry of a slot at an index 0..363 (index 0: the not-set text, or "-1" for slot 0);
// the empty text outside that range.
std::string PickListText(int slot, int index);
// The pick-list index of a hotkey name, or -1 for a text the list does not hold.
int PickListIndex(std::string_view name);
// The 364 hotkey names in pick-list block order, "Ctrl+Shift+Win+Z" included.
std::span<const std::string> AllHotkeyNames();

struct HotkeySlotDefault {
  const char* label;  // in the settings window; empty for slot 0
  const char* name;
  int pickIndex;
};
// Slots 0..14.
std::span<const HotkeySlotDefault> HotkeySlotDefaults();

}  // namespace corvanta
