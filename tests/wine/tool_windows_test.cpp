// The program's tool windows, one row each, opened as the program opens them: each lays itself out again
// when moved to a 144-DPI display, and each that must show above the overlay takes "^置顶^" and strong
// topmost from the main window while it is open and gives them back however it ends, never writing Top.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "capture/region_shot_format_window.h"
#include "capture/scan_shot_format_window.h"
#include "effects/delete_confirm_window.h"
#include "effects/effect_list.h"
#include "hotkeys/hotkey_host_window.h"
#include "hotkeys/hotkey_settings_window.h"
#include "platform/files.h"
#include "prefs/advanced_options_window.h"
#include "prefs/colour_scheme_window.h"
#include "region/custom_region.h"
#include "region/region_select_window.h"
#include "suite/debug_area_window.h"
#include "suite/suite_window.h"
#include "suite_layout_table.h"
#include "test_program.h"
#include "update/donation_window.h"
#include "update/update_window.h"

namespace corvanta {
namespace {

using testing::TestProgram;

struct ToolWindow {
  const char* name;
  const wchar_t* className;
  void (*open)(TestProgram&);  // as the program does; a modal window's opening returns once it is gone
  void (*dropThroughOwner)(TestProgram&);  // none where the owner offers no way while the window is open
  bool handsTopmostOver;
  // At 144 DPI: the client size and the rectangle of a probe control, whose font grows by half too.
  Size client;
  int probeId;  // 0: the window has no controls
  Rect probe;
  void (*alsoAt144)(HWND window);
};

int Id(auto control) { return static_cast<int>(control); }
void RunExitCommand(TestProgram& p) { p.Main().RunCommand(MenuId::kExit); }

// "<-+自选区域截图+->", a rectangle dragged on the selection surface and a key.
void OpenRegionShotFormat(TestProgram& p) {
  p.Main().RunCommand(MenuId::kCustomRegionScreenshot);
  CustomRegion& region = p.Main().Region();
  ASSERT_NE(region.Surface(), nullptr);
  HWND surface = region.Surface()->Hwnd();
  SetCursorPos(200, 150);
  SendMessageW(surface, WM_LBUTTONDOWN, MK_LBUTTON, 0);
  ASSERT_TRUE(testing::PumpUntil([&] { return region.Selection().PressState() == RegionSelection::Press::kDragging; }));
  SetCursorPos(323, 227);
  ASSERT_TRUE(testing::PumpUntil([&] { return region.Selection().Region() == Rect{200, 150, 123, 77}; }));
  SendMessageW(surface, WM_LBUTTONUP, 0, 0);
  testing::PressKey(surface, 'K');
}

const ToolWindow kToolWindows[] = {
    {"DeleteConfirmation", DeleteConfirmWindow::kClassName,
     [](TestProgram& p) {
       p.Main().List().SelectAndReveal(0);
       p.Main().RunCommand(MenuId::kDeleteSelected);
       EXPECT_TRUE(FileExists(p.dir.PathOf("\\Effect\\C\\a.ini"))) << "a close request deletes nothing";
     },
     nullptr, false, {690, 225}, IDOK, {354, 153, 144, 48}, nullptr},
    {"HotkeySettings", HotkeySettingsWindow::kClassName,
     [](TestProgram& p) { p.Main().RunCommand(MenuId::kCustomHotkeys); }, RunExitCommand, true, {1914, 737},
     Id(HotkeySettingsControl::kSaveButton), {1583, 612, 300, 60}, nullptr},
    {"AdvancedOptions", AdvancedOptionsWindow::kClassName,
     [](TestProgram& p) { p.Main().RunCommand(MenuId::kAdvancedOptions); }, RunExitCommand, true, {501, 644},
     Id(AdvancedOptionsControl::kColourLabel), {15, 15, 225, 33}, nullptr},
    {"ColourScheme", ColourSchemeWindow::kClassName,
     [](TestProgram& p) { p.Main().RunCommand(MenuId::kProgramColours); }, RunExitCommand, true, {576, 287},
     Id(ColourSchemeControl::kApplyButton), {438, 210, 105, 36}, nullptr},
    // Made as the version check makes it after a newer version; the check takes the topmost state itself.
    {"Update", UpdateWindow::kClassName,
     [](TestProgram& p) {
       OwnedWindow<UpdateWindow>(GetModuleHandleW(nullptr), "http://127.0.0.1:1", [] {}).RunModal(p.Hwnd());
     },
     nullptr, false, {549, 347}, UpdateWindow::kHomepageButtonId, {15, 234, 516, 60}, nullptr},
    {"Donation", DonationWindow::kClassName, [](TestProgram& p) { p.Main().RunCommand(MenuId::kDonate); }, nullptr,
     false, {606, 854}, 0, {}, nullptr},
    {"RegionShotFormat", RegionShotFormatWindow::kClassName,
     OpenRegionShotFormat, nullptr, true, {495, 195}, kPngFormatButton, {258, 108, 216, 66}, nullptr},
    {"ScanShotFormat", ScanShotFormatWindow::kClassName,
     [](TestProgram& p) {  // the hotkey "扫描区域截图"
       PostMessageW(p.Main().HotkeyHost()->Hwnd(), HotkeyHostWindow::kPressMessage, 6, 0);
     },
     RunExitCommand, true, {495, 195}, kPngFormatButton, {258, 108, 216, 66}, nullptr},
    {"Suite", SuiteWindow::kClassName,
     [](TestProgram& p) {
       SendMessageW(p.Hwnd(), WM_COMMAND, MAKEWPARAM(Id(ControlId::kSuiteButton), BN_CLICKED),
                    reinterpret_cast<LPARAM>(p.Main().Control(ControlId::kSuiteButton)));
       ShowWindow(p.Main().Suite()->DebugArea()->Hwnd(), SW_HIDE);  // too dense a grid for Wine's screen
     },
     RunExitCommand, true, {1146, 381}, Id(SuiteControl::kSaveButton), {878, 324, 96, 42},
     [](HWND window) { testing::ExpectSuiteLaidOutFor(window, 144); }},
};

class ToolWindowTest : public ::testing::TestWithParam<ToolWindow> {
 protected:
  void SetUp() override {
    program_.WriteConfig("[Config]\r\nFirst=1\r\nSetP=C\r\nGetC=0\r\nTop=1\r\nW=740\r\nH=514\r\nL=50\r\nT=50\r\n");
    program_.dir.MakeFolder("\\Effect");
    program_.dir.MakeFolder("\\Effect\\C");
    program_.dir.WriteFile("\\Effect\\C\\a.ini", "[Linetype]\r\nPixelsize=1\r\n");
    program_.Start();
  }
  // Opens the row's window, runs `whileOpen` with it and waits until the window is gone.
  void RunWhileOpen(std::function<void(HWND)> whileOpen) {
    testing::WhenShown shown(GetParam().className, std::move(whileOpen));
    GetParam().open(program_);
    EXPECT_TRUE(testing::PumpUntil([&] { return shown.Ran() && !FindWindowW(GetParam().className, nullptr); }))
        << "the window did not open, or did not end";
  }
  TestProgram program_;
};

// The window stands at the corner the system suggests, with its own size whatever the suggestion's.
TEST_P(ToolWindowTest, LaysItselfOutAgainOnAMoveToA144DpiDisplay) {
  const ToolWindow& row = GetParam();
  RunWhileOpen([&](HWND window) {
    const HWND probe = GetDlgItem(window, row.probeId);
    const LONG fontAt96 = probe != nullptr ? testing::FontHeight(probe) : 0;
    const RECT suggested{60, 70, 60 + 1000, 70 + 600};
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
    EXPECT_EQ(testing::WindowRect(window).left, 60);
    EXPECT_EQ(testing::WindowRect(window).top, 70);
    RECT client{};
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, row.client.width);
    EXPECT_EQ(client.bottom, row.client.height);
    if (probe != nullptr) {
      testing::ExpectAt(probe, row.probe, "probe");
      EXPECT_NEAR(testing::FontHeight(probe), fontAt96 * 1.5, 0.5);  // a height of 13 pixels becomes 19 or 20
    }
    if (row.alsoAt144 != nullptr) row.alsoAt144(window);
    PostMessageW(window, WM_CLOSE, 0, 0);
  });
}

class ToolWindowHandOverTest : public ToolWindowTest {
 protected:
  // Both topmost states as the menus, the main window and its checkbox show them; Top stays 1.
  void ExpectTopmost(bool on) {
    MainWindow& main = program_.Main();
    EXPECT_EQ(main.GetMenus().IsChecked(MenuId::kTopmost), on);
    EXPECT_EQ(main.GetMenus().IsChecked(MenuId::kStrongTopmost), on);
    EXPECT_EQ(main.TimerPending(MainTimer::kStrongTopmost), on);
    EXPECT_EQ(main.IsAlwaysOnTop(), on);
    const LRESULT checkbox = SendMessageW(main.Control(ControlId::kTopmostCheckbox), BM_GETCHECK, 0, 0);
    EXPECT_EQ(checkbox, on ? BST_CHECKED : BST_UNCHECKED);
    EXPECT_EQ(program_.Config("Config", "Top"), "1");
  }
};

// A window its owner drops (the exit drops them all) runs its destroy handling as a closed one does.
TEST_P(ToolWindowHandOverTest, TakesTopmostWhileOpenAndGivesItBackHoweverItEnds) {
  program_.Main().RunCommand(MenuId::kStrongTopmost);
  ExpectTopmost(true);
  RunWhileOpen([&](HWND window) {
    ExpectTopmost(false);
    PostMessageW(window, WM_CLOSE, 0, 0);
  });
  ExpectTopmost(true);
  if (GetParam().dropThroughOwner == nullptr) return;
  // Only what was taken comes back: strong topmost, off now, stays off.
  program_.Main().RunCommand(MenuId::kStrongTopmost);
  RunWhileOpen([&](HWND) { GetParam().dropThroughOwner(program_); });
  EXPECT_TRUE(program_.Main().GetMenus().IsChecked(MenuId::kTopmost));
  EXPECT_FALSE(program_.Main().GetMenus().IsChecked(MenuId::kStrongTopmost));
  EXPECT_EQ(program_.Config("Config", "Top"), "1");
}

std::vector<ToolWindow> HandOverRows() {
  std::vector<ToolWindow> rows;
  std::copy_if(std::begin(kToolWindows), std::end(kToolWindows), std::back_inserter(rows),
               [](const ToolWindow& row) { return row.handsTopmostOver; });
  return rows;
}
std::string RowName(const ::testing::TestParamInfo<ToolWindow>& info) { return info.param.name; }

// The two format windows open at the centre of the screen; a custom-region one confirmed while the
// scan-region one is open stands a step right and down of it, so that both can be seen.
using FormatWindowPlaceTest = ToolWindowTest;
TEST_F(FormatWindowPlaceTest, ASecondFormatWindowStandsBesideTheFirst) {
  PostMessageW(program_.Main().HotkeyHost()->Hwnd(), HotkeyHostWindow::kPressMessage, 6, 0);
  ASSERT_TRUE(testing::PumpUntil([] { return FindWindowW(ScanShotFormatWindow::kClassName, nullptr) != nullptr; }));
  const RECT scan = testing::WindowRect(FindWindowW(ScanShotFormatWindow::kClassName, nullptr));
  EXPECT_EQ(scan.left, (1920 - (scan.right - scan.left)) / 2);
  EXPECT_EQ(scan.top, (1080 - (scan.bottom - scan.top)) / 2);
  RECT region{};
  testing::WhenShown shown(RegionShotFormatWindow::kClassName, [&](HWND window) {
    region = testing::WindowRect(window);
    SendMessageW(window, WM_CLOSE, 0, 0);
  });
  OpenRegionShotFormat(program_);
  ASSERT_TRUE(testing::PumpUntil([] { return testing::WhenShown::Ran(); }));
  EXPECT_EQ(region.left - scan.left, 32);
  EXPECT_EQ(region.top - scan.top, 32);
}

INSTANTIATE_TEST_SUITE_P(ToolWindows, ToolWindowTest, ::testing::ValuesIn(kToolWindows), RowName);
INSTANTIATE_TEST_SUITE_P(ToolWindows, ToolWindowHandOverTest, ::testing::ValuesIn(HandOverRows()), RowName);

}  // namespace
}  // namespace corvanta
