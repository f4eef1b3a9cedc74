// "自定义快捷按键" in a running program: the repair on opening, the duplicate check, saving with the
// rebuilt registrations, the two preset buttons and a close during the animation.
#include <windows.h>

#include <gtest/gtest.h>

#include "hotkeys/hotkey_host_window.h"
#include "hotkeys/hotkey_names.h"
#include "hotkeys/hotkey_settings_window.h"
#include "test_program.h"

namespace corvanta {
namespace {

using testing::PumpUntil;
using testing::TestProgram;

constexpr const char* kBaseConfig = "[Config]\r\nFirst=1\r\nSetP=C\r\nTop=0\r\n[SP]\r\nTST=0\r\n";

// Every key present except sck4 and sx4 (unless all are asked for); sck0 holds a name that opening clears.
std::string StoredKeysWithoutSlot4(bool all = false) {
  std::string ini = "[SCK]\r\nsck0=Alt+Q\r\nsx0=-1\r\n";
  const auto defaults = HotkeySlotDefaults();
  for (int slot = 1; slot < kHotkeySlotCount; ++slot) {
    if (slot == 4 && !all) continue;
    ini += "sck" + std::to_string(slot) + "=" + defaults[slot].name + "\r\n";
    ini += "sx" + std::to_string(slot) + "=" + std::to_string(defaults[slot].pickIndex) + "\r\n";
  }
  return ini;
}

class HotkeySettingsTest : public ::testing::Test {
 protected:
  void Start(const std::string& config) {
    program_.WriteConfig(config);
    program_.Start();
    ASSERT_NE(Host(), nullptr);
    ASSERT_TRUE(PumpUntil([&] { return Host()->RegistrationPasses() == 1; }));
  }
  HotkeyHostWindow* Host() { return program_.Main().HotkeyHost(); }
  HotkeySettingsWindow* Window() { return program_.Main().HotkeySettings(); }
  void Open() {
    SendMessageW(program_.Hwnd(), WM_COMMAND, static_cast<WPARAM>(MenuId::kCustomHotkeys), 0);
    ASSERT_NE(Window(), nullptr);
  }
  void Click(HotkeySettingsControl id) {
    SendMessageW(Window()->Hwnd(), WM_COMMAND, MAKEWPARAM(static_cast<int>(id), BN_CLICKED),
                 reinterpret_cast<LPARAM>(Window()->Control(id)));
  }
  void Select(int slot, int index) { SendMessageW(Window()->SlotList(slot), CB_SETCURSEL, index, 0); }
  int Selected(int slot) { return static_cast<int>(SendMessageW(Window()->SlotList(slot), CB_GETCURSEL, 0, 0)); }
  std::string Key(const std::string& key) { return program_.Config(keys::kHotkeySection, key.c_str()); }
  std::string Status() { return WindowTextGbk(Window()->Control(HotkeySettingsControl::kStatus)); }
  bool Registered(const char* name) {
    const HotkeyBinding binding = *MatchHotkeyName(name);
    for (const auto& record : Host()->Registry().Records()) {
      if (record.virtualKey == static_cast<int>(binding.virtualKey) &&
          record.modifiers == static_cast<int>(binding.modifiers)) {
        return true;
      }
    }
    return false;
  }
  // Saves and waits for the pass that follows the animation.
  void SaveAndWaitForPass(HotkeySettingsControl button) {
    const int passes = Host()->RegistrationPasses();
    Click(button);
    EXPECT_FALSE(IsWindowEnabled(Window()->Control(HotkeySettingsControl::kSaveButton)));
    ASSERT_TRUE(PumpUntil([&] { return Host()->RegistrationPasses() == passes + 1; }));
  }
  TestProgram program_;
};

TEST_F(HotkeySettingsTest, OpeningRepairsMissingKeysSelectsFromTheIndicesAndStaysSingle) {
  std::string stored = StoredKeysWithoutSlot4();
  stored.replace(stored.find("sx7=141"), 7, "sx7=abc");
  stored.replace(stored.find("sx9=44\r"), 6, "sx9=400");
  Start(kBaseConfig + stored);
  Open();
  EXPECT_EQ(Key("sck0"), "");
  EXPECT_EQ(Key("sck4"), "Shift+Alt+Q");
  EXPECT_EQ(Key("sx4"), "199");
  EXPECT_EQ(WindowTextGbk(Window()->Hwnd()), "自定义快捷按键");
  EXPECT_EQ(Selected(4), 199);
  EXPECT_EQ(Selected(1), 30);
  EXPECT_EQ(Selected(7), 0);   // non-numeric text reads as 0
  EXPECT_EQ(Selected(9), -1);  // outside the list: no selection
  EXPECT_EQ(SendMessageW(Window()->SlotList(4), CB_GETCOUNT, 0, 0), kPickListSize);
  EXPECT_NE(GetWindowLongW(Window()->Hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
  EXPECT_FALSE(IsWindowVisible(Window()->Control(HotkeySettingsControl::kFixedSlotList)));

  HotkeySettingsWindow* first = Window();
  Open();
  EXPECT_EQ(Window(), first);
  int windows = 0;
  for (HWND w = FindWindowW(HotkeySettingsWindow::kClassName, nullptr); w != nullptr;
       w = FindWindowExW(nullptr, w, HotkeySettingsWindow::kClassName, nullptr)) {
    ++windows;
  }
  EXPECT_EQ(windows, 1);
}

TEST_F(HotkeySettingsTest, AConflictSavesNothingAndKeepsTheHotkeys) {
  Start(kBaseConfig + StoredKeysWithoutSlot4(true));
  Open();
  const std::string before = program_.ConfigFile();
  auto bindings = [&] {
    std::vector<std::pair<int, int>> keys;
    for (const auto& record : Host()->Registry().Records()) keys.emplace_back(record.virtualKey, record.modifiers);
    return keys;
  };
  const auto bound = bindings();
  ASSERT_EQ(bound.size(), 15u);
  Select(2, PickListIndex("Alt+Q"));
  Select(5, PickListIndex("Alt+Q"));
  SaveAndWaitForPass(HotkeySettingsControl::kSaveButton);
  EXPECT_EQ(program_.ConfigFile(), before);
  EXPECT_EQ(Status(), "检测到快捷按键有冲突！！！");
  EXPECT_EQ(Window()->StatusColour(), (Colour{255, 0, 0}));
  EXPECT_EQ(Window()->LightColour(HotkeySettingsControl::kSaveLight), kLightOff);
  EXPECT_EQ(bindings(), bound);
  EXPECT_TRUE(IsWindowEnabled(Window()->Control(HotkeySettingsControl::kSaveButton)));
}

TEST_F(HotkeySettingsTest, ASaveWritesTheKeysAndTheNextPassBindsThem) {
  Start(kBaseConfig + StoredKeysWithoutSlot4());
  Open();
  Select(3, PickListIndex("Ctrl+Shift+Alt+J"));
  Select(6, 0);
  SaveAndWaitForPass(HotkeySettingsControl::kSaveButton);
  EXPECT_EQ(Key("sck3"), "Ctrl+Shift+Alt+J");
  EXPECT_EQ(Key("sx3"), std::to_string(PickListIndex("Ctrl+Shift+Alt+J")));
  EXPECT_EQ(Key("sck6"), "6不设置");
  EXPECT_EQ(Key("sx6"), "0");
  EXPECT_EQ(Key("sck0"), "");
  EXPECT_EQ(Key("sx0"), "-1");
  EXPECT_TRUE(Registered("Ctrl+Shift+Alt+J"));
  EXPECT_FALSE(Registered(HotkeySlotDefaults()[3].name));
  EXPECT_EQ(Status(), "成功保存并已生效！");
  EXPECT_EQ(Window()->LightColour(HotkeySettingsControl::kSaveLight), kLightOff);
}

// Keys another program holds cannot be bound; the save says which.
TEST_F(HotkeySettingsTest, ASaveNamesTheHotkeysAnotherProgramHolds) {
  Start(kBaseConfig + StoredKeysWithoutSlot4(true));
  Open();
  HWND holder = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  const HotkeyBinding held = *MatchHotkeyName("Ctrl+Shift+Alt+J");
  ASSERT_TRUE(RegisterHotKey(holder, 1, held.modifiers, held.virtualKey));
  Select(3, PickListIndex("Ctrl+Shift+Alt+J"));
  SaveAndWaitForPass(HotkeySettingsControl::kSaveButton);
  EXPECT_EQ(Key("sck3"), "Ctrl+Shift+Alt+J");
  EXPECT_FALSE(Host()->Registry().Records().empty());
  EXPECT_TRUE(PumpUntil([&] { return Status() == "以下快捷键已被占用：Ctrl+Shift+Alt+J"; })) << Status();
  EXPECT_EQ(Window()->StatusColour(), kStatusRed);
  // Given back by the other program: the next save binds it and says so.
  UnregisterHotKey(holder, 1);
  DestroyWindow(holder);
  SaveAndWaitForPass(HotkeySettingsControl::kSaveButton);
  testing::PumpMessages(20);
  EXPECT_TRUE(Registered("Ctrl+Shift+Alt+J"));
  EXPECT_EQ(Status(), "成功保存并已生效！");
}

TEST_F(HotkeySettingsTest, DisableLeavesOnlyTheFixedSlotAndDefaultsRestoreTheAssignment) {
  Start(kBaseConfig + StoredKeysWithoutSlot4());
  Open();
  SaveAndWaitForPass(HotkeySettingsControl::kDisableButton);
  for (int slot = 1; slot < kHotkeySlotCount; ++slot) {
    EXPECT_EQ(Key(keys::HotkeyNameKey(slot)), NotSetText(slot));
    EXPECT_EQ(Key(keys::HotkeyPickKey(slot)), "0");
  }
  ASSERT_EQ(Host()->Registry().Records().size(), 1u);
  EXPECT_EQ(Host()->Registry().Records()[0].virtualKey, static_cast<int>(kFixedSlotBinding.virtualKey));

  SaveAndWaitForPass(HotkeySettingsControl::kDefaultsButton);
  const auto defaults = HotkeySlotDefaults();
  for (int slot = 1; slot < kHotkeySlotCount; ++slot) {
    EXPECT_EQ(Key(keys::HotkeyNameKey(slot)), defaults[slot].name);
    EXPECT_EQ(Key(keys::HotkeyPickKey(slot)), std::to_string(defaults[slot].pickIndex));
  }
  EXPECT_TRUE(Registered(defaults[4].name));
}

// Closed right after the click: the dropped hotkeys come back although the animation never ends.
TEST_F(HotkeySettingsTest, ClosingMidSaveStillRebinds) {
  Start(kBaseConfig + StoredKeysWithoutSlot4());
  Open();
  const int passes = Host()->RegistrationPasses();
  Select(3, PickListIndex("Ctrl+Shift+Alt+J"));
  Click(HotkeySettingsControl::kSaveButton);
  SendMessageW(Window()->Hwnd(), WM_CLOSE, 0, 0);
  EXPECT_EQ(Window(), nullptr);
  ASSERT_TRUE(PumpUntil([&] { return Host()->RegistrationPasses() == passes + 1; }));
  EXPECT_TRUE(Registered("Ctrl+Shift+Alt+J"));
}

}  // namespace
}  // namespace corvanta
