// The keys whose press a window received. A selection acts on a key's release only when the press came
// to it: a hotkey's press goes to the hotkey, and a press on a window that has since closed (Alt+F4 on
// a format window) belongs to that window; neither release may lock or confirm a selection.
#pragma once

#include <bitset>

namespace corvanta {

class KeyPresses {
 public:
  void Pressed(unsigned virtualKey) {
    if (virtualKey < kKeys) down_.set(virtualKey);
  }
  // Whether the release ends a press received here; the press is forgotten either way.
  bool Released(unsigned virtualKey) {
    if (virtualKey >= kKeys) return false;
    const bool pressedHere = down_.test(virtualKey);
    down_.reset(virtualKey);
    return pressedHere;
  }

 private:
  static constexpr unsigned kKeys = 256;
  std::bitset<kKeys> down_;
};

}  // namespace corvanta
