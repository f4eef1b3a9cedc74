#include "hotkeys/hotkey_names.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "settings/first_run.h"
#include "settings/memory_backend.h"
#include "settings/paths.h"

namespace corvanta {
namespace {

TEST(HotkeyNamesTest, ExactlyThe364NamesBind) {
  struct Case {
    const char* stored;
    std::optional<HotkeyBinding> binding;
  } cases[] = {
      {"Ctrl+A", HotkeyBinding{2, 0x41}},           {"Shift+Z", HotkeyBinding{4, 0x5A}},
      {"Alt+Q", HotkeyBinding{1, 'Q'}},             {"Win+X", HotkeyBinding{8, 'X'}},
      {"Ctrl+Alt+B", HotkeyBinding{3, 'B'}},        {"Ctrl+Shift+P", HotkeyBinding{6, 'P'}},
      {"Ctrl+Win+C", HotkeyBinding{10, 'C'}},       {"Shift+Alt+D", HotkeyBinding{5, 'D'}},
      {"Shift+Win+E", HotkeyBinding{12, 'E'}},      {"Alt+Win+X", HotkeyBinding{9, 'X'}},
      {"Ctrl+Shift+Alt+A", HotkeyBinding{7, 'A'}},  {"Ctrl+Alt+Win+F", HotkeyBinding{11, 'F'}},
      {"Ctrl+Shift+Win+Z", HotkeyBinding{14, 0x5A}},  // bound although the pick list leaves it out
      {"Shift+Alt+Win+Z", HotkeyBinding{13, 'Z'}},
      {"Ctrl+Alt+Shift+A", std::nullopt},  // words out of order
      {"Alt+Ctrl+A", std::nullopt},        {"ctrl+a", std::nullopt},
      {"Ctrl+a", std::nullopt},            {"Ctrl+Shift+Alt+Win+A", std::nullopt},
      {"5不设置", std::nullopt},           {"", std::nullopt},
      {"A", std::nullopt},                 {"Ctrl+1", std::nullopt},
      {"Ctrl+F1", std::nullopt},           {"Ctrl +A", std::nullopt},
      {"Ctrl+A ", std::nullopt},           {"+A", std::nullopt},
      {"Ctrl+", std::nullopt},             {"Ctrl++A", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(MatchHotkeyName(c.stored), c.binding) << '"' << c.stored << '"';
  std::set<std::string> unique;
  for (const std::string& name : AllHotkeyNames()) {
    EXPECT_TRUE(MatchHotkeyName(name).has_value()) << name;
    unique.insert(name);
  }
  EXPECT_EQ(unique.size(), 364u);
}

TEST(HotkeyNamesTest, SlotZeroIsAlwaysCtrlShiftAltEnd) {
  EXPECT_EQ(SlotBinding(0, ""), (HotkeyBinding{7, 0x23}));
  EXPECT_EQ(SlotBinding(0, "Shift+D"), (HotkeyBinding{7, 0x23}));
  EXPECT_EQ(SlotBinding(1, "Shift+D"), (HotkeyBinding{4, 'D'}));
  EXPECT_EQ(SlotBinding(5, "5不设置"), std::nullopt);
}

TEST(HotkeyNamesTest, PickListIndexesBothWays) {
  struct Case {
    int index;
    const char* text;
  } cases[] = {{1, "Ctrl+A"},           {5, "Ctrl+E"},           {26, "Ctrl+Z"},
               {27, "Shift+A"},         {30, "Shift+D"},         {313, "Ctrl+Shift+Win+A"},
               {337, "Ctrl+Shift+Win+Y"}, {338, "Shift+Alt+Win+A"}, {363, "Shift+Alt+Win+Z"}};
  for (const Case& c : cases) {
    EXPECT_EQ(PickListText(3, c.index), c.text) << c.index;
    EXPECT_EQ(PickListIndex(c.text), c.index) << c.text;
  }
  EXPECT_EQ(PickListIndex("Ctrl+Shift+Win+Z"), -1);
  EXPECT_EQ(PickListIndex("3不设置"), -1);
  EXPECT_EQ(PickListText(3, 0), "3不设置");
  EXPECT_EQ(PickListText(14, 0), "14不设置");
  EXPECT_EQ(PickListText(0, 0), "-1");
  EXPECT_EQ(PickListText(0, 30), "Shift+D");
  EXPECT_EQ(PickListText(3, -1), "");
  EXPECT_EQ(PickListText(3, 364), "");
  // Every index 1..363 is a different name and finds its way back.
  std::set<std::string> seen;
  for (int index = 1; index <= 363; ++index) {
    const std::string text = PickListText(1, index);
    EXPECT_EQ(PickListIndex(text), index) << text;
    seen.insert(text);
  }
  EXPECT_EQ(seen.size(), 363u);
}

// The hotkey defaults and the first-run Config.ini tell the same story.
TEST(HotkeyNamesTest, DefaultsMatchTheFirstRunSettings) {
  const auto defaults = HotkeySlotDefaults();
  ASSERT_EQ(defaults.size(), 15u);
  MemoryBackend backend("D:\\c");
  SettingsStore settings(backend, "D:\\c");
  PrepareSettingsFiles(settings);
  for (int slot = 0; slot < kHotkeySlotCount; ++slot) {
    EXPECT_EQ(settings.Config("SCK", "sck" + std::to_string(slot)), defaults[slot].name) << slot;
    EXPECT_EQ(settings.ConfigInt("SCK", "sx" + std::to_string(slot)), defaults[slot].pickIndex) << slot;
    if (slot > 0) {
      EXPECT_EQ(PickListText(slot, defaults[slot].pickIndex), defaults[slot].name) << slot;
    }
  }
  EXPECT_STREQ(defaults[1].label, "启用 \"置顶\"");
  EXPECT_STREQ(defaults[12].label, "\"显示\" 主窗口");
  EXPECT_STREQ(defaults[14].label, "关闭并退出");
}

}  // namespace
}  // namespace corvanta
