// The hotkey host of a running program: the registration pass, presses carried onto the UI thread and
// the busy marks of the action timers.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <initializer_list>
#include <thread>
#include <vector>

#include "capture/format_buttons.h"
#include "capture/scan_shot_format_window.h"
#include "hotkeys/hotkey_host_window.h"
#include "hotkeys/hotkey_names.h"
#include "hotkeys/hotkey_settings_window.h"
#include "test_program.h"

namespace corvanta {
namespace {

using testing::PumpUntil;
using testing::TestProgram;

constexpr const char* kHotkeys =
    "[SCK]\r\nsck0=Alt+Q\r\nsck1=Ctrl+Shift+Alt+J\r\nsck2=Ctrl+Shift+Alt+K\r\nsck3=3不设置\r\nsck12=Ctrl+Alt+Shift+L\r\n"
    "sck13=Ctrl+Shift+Alt+M\r\nsck14=Ctrl+Shift+Alt+N\r\n";

// Keys as the keyboard gives them, matched against the registered hotkeys by the window server: held
// down in order, released in reverse.
void PressKeys(std::initializer_list<WORD> keys) {
  std::vector<INPUT> inputs;
  auto add = [&inputs](WORD key, DWORD flags) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = flags;
    inputs.push_back(input);
  };
  for (WORD key : keys) add(key, 0);
  for (auto key = std::rbegin(keys); key != std::rend(keys); ++key) add(*key, KEYEVENTF_KEYUP);
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

class HotkeyHostTest : public ::testing::Test {
 protected:
  void Start(const std::string& config) {
    program_.WriteConfig("[Config]\r\nFirst=1\r\nSetP=C\r\nTop=0\r\n[SP]\r\nTST=1\r\n" + config);
    program_.Start();
    ASSERT_NE(Host(), nullptr);
    ASSERT_TRUE(PumpUntil([&] { return Host()->RegistrationPasses() == 1; }));
  }
  HotkeyHostWindow* Host() { return program_.Main().HotkeyHost(); }
  bool Hidden() { return program_.Main().GetMenus().IsChecked(MenuId::kHideMainWindow); }
  void Press(int slot) {
    PostMessageW(Host()->Hwnd(), HotkeyHostWindow::kPressMessage, static_cast<WPARAM>(slot), 0);
    testing::PumpMessages(20);
  }
  TestProgram program_;
};

TEST_F(HotkeyHostTest, TheRegistrationPassBindsTheFixedSlotAndEveryValidName) {
  Start(kHotkeys);
  const auto records = Host()->Registry().Records();
  // Slot 0 (Ctrl+Shift+Alt+End, whatever sck0 holds), slots 1, 2, 13 and 14; "3不设置" and the
  // misordered name of slot 12 bind nothing.
  ASSERT_EQ(records.size(), 5u);
  EXPECT_EQ(records[0].id, 100);
  EXPECT_EQ(records[0].virtualKey, 0x23);
  EXPECT_EQ(records[0].modifiers, 7);
  EXPECT_EQ(records[1].virtualKey, 'J');
  EXPECT_EQ(records[4].id, 116);
  EXPECT_EQ(records[4].virtualKey, 'N');
  EXPECT_FALSE(IsWindowVisible(Host()->Hwnd()));
  RECT r{};
  GetWindowRect(Host()->Hwnd(), &r);
  EXPECT_EQ(r.left, 28888);
}

TEST_F(HotkeyHostTest, TheDefaultsRegisterFifteenHotkeysAndRealKeysReachTheirActions) {
  program_.Start();  // a first start: the default assignment
  ASSERT_NE(Host(), nullptr);
  ASSERT_TRUE(PumpUntil([&] { return Host()->RegistrationPasses() == 1; }));
  const auto records = Host()->Registry().Records();
  ASSERT_EQ(records.size(), 15u);
  for (size_t i = 0; i < records.size(); ++i) EXPECT_EQ(records[i].id, 100 + 4 * static_cast<int>(i));
  EXPECT_TRUE(Host()->RefusedNames().empty());
  PressKeys({VK_MENU, 'Q'});
  ASSERT_TRUE(PumpUntil([&] { return Hidden(); }));
  EXPECT_GE(testing::WindowRect(program_.Hwnd()).left, GetSystemMetrics(SM_CXSCREEN));  // parked off screen
  PressKeys({VK_MENU, 'W'});
  ASSERT_TRUE(PumpUntil([&] { return !Hidden(); }));
  EXPECT_LT(testing::WindowRect(program_.Hwnd()).left, GetSystemMetrics(SM_CXSCREEN));
}

// A save drops every registration at once and the new ones come with the next pass; a key pressed in
// between is nobody's hotkey.
TEST_F(HotkeyHostTest, AKeyPressedBetweenASaveAndTheNextPassDoesNothing) {
  Start("[SCK]\r\nsck13=Ctrl+Shift+Alt+M\r\nsx13=" + std::to_string(PickListIndex("Ctrl+Shift+Alt+M")) + "\r\n");
  SendMessageW(program_.Hwnd(), WM_COMMAND, static_cast<WPARAM>(MenuId::kCustomHotkeys), 0);
  HotkeySettingsWindow* settings = program_.Main().HotkeySettings();
  ASSERT_NE(settings, nullptr);
  const HWND save = settings->Control(HotkeySettingsControl::kSaveButton);
  SendMessageW(settings->Hwnd(), WM_COMMAND, MAKEWPARAM(static_cast<int>(HotkeySettingsControl::kSaveButton), BN_CLICKED),
               reinterpret_cast<LPARAM>(save));
  ASSERT_TRUE(PumpUntil([&] { return !Host()->Registry().Busy() && Host()->Registry().Records().empty(); }));
  PressKeys({VK_CONTROL, VK_SHIFT, VK_MENU, 'M'});  // slot 13, "隐藏" 主窗口
  ASSERT_TRUE(PumpUntil([&] { return Host()->RegistrationPasses() == 2; }));
  testing::PumpMessages(20);
  EXPECT_FALSE(Hidden());
  PressKeys({VK_CONTROL, VK_SHIFT, VK_MENU, 'M'});
  EXPECT_TRUE(PumpUntil([&] { return Hidden(); }));
}

// Bursts of hotkey messages and real key presses arrive while registration passes drop and rebuild the
// records: nothing crashes, nothing waits forever, and the last pass binds everything again.
TEST_F(HotkeyHostTest, HundredsOfPressesDuringRegistrationPassesNeitherCrashNorDeadlock) {
  Start(kHotkeys);
  HotkeyRegistry& registry = Host()->Registry();
  const DWORD hotkeyThread = registry.ThreadId();
  std::atomic<bool> stop{false};
  std::atomic<int> sent{0};
  std::thread presser([&] {
    while (!stop) {
      // One burst per registration or removal in flight: the fixed slot and slot 1 ("启用-置顶").
      if (!registry.Busy()) {
        Sleep(0);
        continue;
      }
      for (int i = 0; i < 50; ++i) PostThreadMessageW(hotkeyThread, WM_HOTKEY, i % 2 == 0 ? 100 : 104, 0);
      PressKeys({VK_CONTROL, VK_SHIFT, VK_MENU, 'J'});
      sent += 51;
      while (registry.Busy() && !stop) Sleep(0);
    }
  });
  struct JoinAtEnd {
    std::thread& thread;
    std::atomic<bool>& stop;
    ~JoinAtEnd() {
      stop = true;
      thread.join();
    }
  } joinAtEnd{presser, stop};
  for (int pass = 2; pass <= 4; ++pass) {
    registry.RemoveAllHotkeys();
    Host()->ArmRegistrationPass(0);
    ASSERT_TRUE(PumpUntil([&] { return Host()->RegistrationPasses() == pass; }, 10000)) << pass;
  }
  EXPECT_GE(sent.load(), 300);
  stop = true;
  ASSERT_TRUE(PumpUntil([&] { return program_.Main().GetMenus().IsChecked(MenuId::kTopmost); }));
  testing::PumpMessages(50);
  EXPECT_EQ(registry.Records().size(), 5u);
  EXPECT_TRUE(Host()->RefusedNames().empty());
  EXPECT_FALSE(registry.Busy());
  // Still answering, and still acting on presses.
  PressKeys({VK_CONTROL, VK_SHIFT, VK_MENU, 'M'});  // slot 13, "隐藏" 主窗口
  EXPECT_TRUE(PumpUntil([&] { return Hidden(); }));
}

TEST_F(HotkeyHostTest, APressChecksItsConditionAndRunsTheTrayCommandOnTheUiThread) {
  Start(kHotkeys);
  Menus& menus = program_.Main().GetMenus();
  ASSERT_FALSE(menus.IsChecked(MenuId::kTopmost));
  Press(2);  // "取消-置顶" while topmost is off: nothing
  EXPECT_FALSE(menus.IsChecked(MenuId::kTopmost));
  Press(1);  // "启用-置顶"
  EXPECT_TRUE(menus.IsChecked(MenuId::kTopmost));
  EXPECT_TRUE(program_.Main().IsAlwaysOnTop());
  EXPECT_EQ(program_.Config("Config", "Top"), "1");
  EXPECT_EQ(testing::WindowText(program_.Main().BalloonWindow()), "启用-置顶\r\n\r\nCorvanta");
  Press(1);  // already on: nothing, not even a hint
  EXPECT_TRUE(menus.IsChecked(MenuId::kTopmost));
  Press(8);  // re-attach needs a locked overlay
  EXPECT_TRUE(Host()->IsIdle(ActionTimer::kReattach));
  Press(13);  // hide the main window
  EXPECT_TRUE(menus.IsChecked(MenuId::kHideMainWindow));
  Press(13);  // hidden already: nothing
  Press(12);
  EXPECT_TRUE(menus.IsChecked(MenuId::kShowMainWindow));
}

// An action timer runs its command once and then stays busy until the command's own code ends it; a
// busy mark nobody cleared ends when its timer fires, without running the command again.
TEST_F(HotkeyHostTest, ABusyActionIgnoresPressesUntilItsMarkIsCleared) {
  Start(kHotkeys);
  Press(6);
  EXPECT_FALSE(Host()->IsIdle(ActionTimer::kScanRegionShot));
  Press(6);  // armed or busy: no second run
  program_.Main().ClearHotkeyBusyMark(ActionTimer::kScanRegionShot);
  EXPECT_TRUE(Host()->IsIdle(ActionTimer::kScanRegionShot));
  // The stale-mark rule, through the timer message itself.
  Press(14);
  ASSERT_FALSE(Host()->IsIdle(ActionTimer::kExit));
  Host()->ClearBusyMark(ActionTimer::kExit);
  SendMessageW(Host()->Hwnd(), WM_TIMER, static_cast<WPARAM>(ActionTimer::kExit), 0);
  EXPECT_TRUE(IsWindow(program_.Hwnd()));  // a timer tick without an armed action runs nothing
  EXPECT_TRUE(Host()->IsIdle(ActionTimer::kExit));
}

// "扫描区域截图": one format window however often the key is pressed; a button saves the scan region and
// closes it, and the hotkey works again.
TEST_F(HotkeyHostTest, TheScanRegionHotkeyOpensOneFormatWindowThatSavesAndHandsTopmostBack) {
  Start(kHotkeys + std::string("[Folder]\r\nAuto=0\r\n[Preview]\r\nPre=0\r\n"));
  Menus& menus = program_.Main().GetMenus();
  SendMessageW(program_.Hwnd(), WM_COMMAND, static_cast<WPARAM>(MenuId::kTopmost), 0);
  ASSERT_TRUE(menus.IsChecked(MenuId::kTopmost));
  Press(6);
  ASSERT_TRUE(PumpUntil([&] { return Host()->ScanShotFormat() != nullptr; }));
  HWND window = Host()->ScanShotFormat()->Hwnd();
  EXPECT_EQ(testing::WindowText(window), "选择图片格式：");
  EXPECT_TRUE(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_FALSE(menus.IsChecked(MenuId::kTopmost));  // handed over while it is open
  Press(6);
  testing::PumpMessages(60);
  EXPECT_EQ(Host()->ScanShotFormat()->Hwnd(), window);  // still the one window
  SendMessageW(GetDlgItem(window, kPngFormatButton), BM_CLICK, 0, 0);
  EXPECT_EQ(Host()->ScanShotFormat(), nullptr);
  EXPECT_TRUE(Host()->IsIdle(ActionTimer::kScanRegionShot));
  EXPECT_TRUE(menus.IsChecked(MenuId::kTopmost));  // given back
  EXPECT_TRUE(program_.Main().IsAlwaysOnTop());
  ASSERT_FALSE(program_.app->State().lastScreenshotName.empty());
  const std::string shot = program_.dir.ReadFile("\\Images\\" + program_.app->State().lastScreenshotName);
  ASSERT_GT(shot.size(), 24u);
  EXPECT_EQ(shot.substr(1, 3), "PNG");
  // PNG width and height are big-endian at bytes 16 and 20: the main window's size.
  auto bigEndian = [&](size_t at) {
    return (static_cast<unsigned char>(shot[at]) << 24) | (static_cast<unsigned char>(shot[at + 1]) << 16) |
           (static_cast<unsigned char>(shot[at + 2]) << 8) | static_cast<unsigned char>(shot[at + 3]);
  };
  const RECT main = testing::WindowRect(program_.Hwnd());
  EXPECT_EQ(bigEndian(16), static_cast<unsigned>(main.right - main.left));
  EXPECT_EQ(bigEndian(20), static_cast<unsigned>(main.bottom - main.top));
}

TEST_F(HotkeyHostTest, TheExitSequenceUnregistersEverything) {
  Start(kHotkeys);
  HWND probe = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  EXPECT_FALSE(RegisterHotKey(probe, 1, 7, 'J'));  // held by the program
  program_.Stop();
  EXPECT_TRUE(RegisterHotKey(probe, 1, 7, 'J'));
  UnregisterHotKey(probe, 1);
  DestroyWindow(probe);
}

}  // namespace
}  // namespace corvanta
