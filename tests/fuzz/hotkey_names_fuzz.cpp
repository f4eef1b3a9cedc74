// Hotkey names: a text is a hotkey exactly when it is one of the listed names, and its binding formats
// back into the same name; pick-list texts and indexes are each other's inverse.
#include <fuzzer/FuzzedDataProvider.h>

#include <set>
#include <string>

#include "fuzz/fuzz_check.h"
#include "hotkeys/hotkey_names.h"

namespace {

// The name of a binding, written from the modifier flags in the fixed word order.
std::string FormatBinding(const corvanta::HotkeyBinding& binding) {
  std::string name;
  const struct {
    uint32_t flag;
    const char* word;
  } words[] = {{2, "Ctrl"}, {4, "Shift"}, {1, "Alt"}, {8, "Win"}};
  for (const auto& w : words) {
    if ((binding.modifiers & w.flag) != 0) name += std::string(w.word) + "+";
  }
  return name + static_cast<char>(binding.virtualKey);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace corvanta;
  static const std::set<std::string> names(AllHotkeyNames().begin(), AllHotkeyNames().end());
  FuzzedDataProvider in(data, size);
  const int slot = in.ConsumeIntegralInRange<int>(-2, kHotkeySlotCount + 1);
  const int index = in.ConsumeIntegral<int>();
  const std::string text = in.ConsumeRemainingBytesAsString();

  const std::optional<HotkeyBinding> binding = MatchHotkeyName(text);
  FUZZ_CHECK(binding.has_value() == names.contains(text));
  if (binding) {
    FUZZ_CHECK(binding->modifiers >= 1 && binding->modifiers <= 15);
    FUZZ_CHECK(binding->virtualKey >= 'A' && binding->virtualKey <= 'Z');
    FUZZ_CHECK(FormatBinding(*binding) == text);
  }
  FUZZ_CHECK(SlotBinding(kFixedHotkeySlot, text) == kFixedSlotBinding);
  if (slot != kFixedHotkeySlot) FUZZ_CHECK(SlotBinding(slot, text) == binding);

  const int pick = PickListIndex(text);
  FUZZ_CHECK(pick == -1 || (pick >= 1 && pick <= kPickListLastIndex));
  FUZZ_CHECK(pick == -1 || binding.has_value());
  FUZZ_CHECK((pick == -1) == (!binding || text == "Ctrl+Shift+Win+Z"));
  if (pick != -1) FUZZ_CHECK(PickListText(1, pick) == text);

  const std::string entry = PickListText(slot, index);
  FUZZ_CHECK(entry.empty() == (index < 0 || index > kPickListLastIndex));
  if (index >= 1 && index <= kPickListLastIndex) {
    FUZZ_CHECK(PickListIndex(entry) == index);
    FUZZ_CHECK(MatchHotkeyName(entry).has_value());
  }
  if (index == 0) FUZZ_CHECK(entry == (slot == kFixedHotkeySlot ? std::string("-1") : NotSetText(slot)));
  return 0;
}
