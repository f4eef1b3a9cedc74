#include "hotkeys/hotkey_names.h"

#include <array>
#include <vector>

namespace corvanta {

namespace {

struct ModifierBlock {
  const char* words;
  uint32_t modifiers;
};

// The fourteen combinations in pick-list order; the words always stand as Ctrl, Shift, Alt, Win.
constexpr ModifierBlock kBlocks[] = {
    {"Ctrl", 2},          {"Shift", 4},         {"Alt", 1},
    {"Win", 8},           {"Ctrl+Alt", 3},      {"Ctrl+Shift", 6},
    {"Ctrl+Win", 10},     {"Shift+Alt", 5},     {"Shift+Win", 12},
    {"Alt+Win", 9},       {"Ctrl+Shift+Alt", 7}, {"Ctrl+Alt+Win", 11},
    {"Ctrl+Shift+Win", 14}, {"Shift+Alt+Win", 13}};
constexpr int kLetters = 26;
// The pick list leaves out "Ctrl+Shift+Win+Z", the last letter of this block, so the next block starts
// one index early.
constexpr int kShortBlock = 12;
constexpr int kLastBlockFirstIndex = 338;

constexpr HotkeySlotDefault kDefaults[] = {
    {"", "", -1},
    {"启用 \"置顶\"", "Shift+D", 30},
    {"取消 \"置顶\"", "Shift+Q", 43},
    {"启用 \"强力置顶\"", "Shift+Alt+D", 186},
    {"取消 \"强力置顶\"", "Shift+Alt+Q", 199},
    {"自选区域截图", "Ctrl+Shift+Alt+A", 261},
    {"扫描区域截图", "Ctrl+Shift+P", 146},
    {"打开截图目录", "Ctrl+Shift+K", 141},
    {"重新吸附窗口", "Shift+F", 32},
    {"重新选择区域", "Shift+R", 44},
    {"更换效果返回", "Shift+Alt+E", 187},
    {"移动或调整尺寸", "Ctrl+E", 5},
    {"\"显示\" 主窗口", "Alt+W", 75},
    {"\"隐藏\" 主窗口", "Alt+Q", 69},
    {"关闭并退出", "Alt+Win+X", 258},
};

std::string NameOf(int block, int letter) {
  return std::string(kBlocks[block].words) + "+" + static_cast<char>('A' + letter);
}

int IndexOf(int block, int letter) {
  if (block == kShortBlock && letter == kLetters - 1) return -1;
  if (block == kShortBlock + 1) return kLastBlockFirstIndex + letter;
  return 1 + kLetters * block + letter;
}

}  // namespace

std::span<const std::string> AllHotkeyNames() {
  static const std::vector<std::string> names = [] {
    std::vector<std::string> all;
    for (int block = 0; block < static_cast<int>(std::size(kBlocks)); ++block) {
      for (int letter = 0; letter < kLetters; ++letter) all.push_back(NameOf(block, letter));
    }
    return all;
  }();
  return names;
}

std::optional<HotkeyBinding> MatchHotkeyName(std::string_view stored) {
  // "<words>+<letter>": the words must be one of the fourteen combinations exactly.
  if (stored.size() < 3 || stored[stored.size() - 2] != '+') return std::nullopt;
  const char letter = stored.back();
  if (letter < 'A' || letter > 'Z') return std::nullopt;
  const std::string_view words = stored.substr(0, stored.size() - 2);
  for (const ModifierBlock& block : kBlocks) {
    if (words == block.words) return HotkeyBinding{block.modifiers, static_cast<uint32_t>(letter)};
  }
  return std::nullopt;
}

std::optional<HotkeyBinding> SlotBinding(int slot, std::string_view stored) {
  if (slot == kFixedHotkeySlot) return kFixedSlotBinding;
  return MatchHotkeyName(stored);
}

std::string NotSetText(int slot) { return std::to_string(slot) + "不设置"; }

std::string PickListText(int slot, int index) {
  if (index < 0 || index > kPickListLastIndex) return {};
  if (index == 0) return slot == kFixedHotkeySlot ? "-1" : NotSetText(slot);
  if (index >= kLastBlockFirstIndex) return NameOf(kShortBlock + 1, index - kLastBlockFirstIndex);
  return NameOf((index - 1) / kLetters, (index - 1) % kLetters);
}

int PickListIndex(std::string_view name) {
  const std::span<const std::string> names = AllHotkeyNames();
  for (size_t i = 0; i < names.size(); ++i) {
    if (names[i] == name) return IndexOf(static_cast<int>(i) / kLetters, static_cast<int>(i) % kLetters);
  }
  return -1;
}

std::span<const HotkeySlotDefault> HotkeySlotDefaults() { return kDefaults; }

}  // namespace corvanta
