// The real HMENUs of the main window, the hidden-item mechanism, the tray icon and the menu toggles.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "shell/menus.h"
#include "platform/text_conv.h"
#include "popup_watcher.h"
#include "test_program.h"

namespace corvanta {
namespace {

using testing::PopupWatcher;
using testing::TestProgram;

struct ShownItem {
  std::string text;  // "-" for a separator
  bool checked;
  bool disabled;
  HMENU submenu;
};

std::vector<ShownItem> ShownItems(HMENU menu) {
  std::vector<ShownItem> items;
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    wchar_t text[256] = {};
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_STRING | MIIM_SUBMENU;
    info.dwTypeData = text;
    info.cch = static_cast<UINT>(std::size(text));
    GetMenuItemInfoW(menu, i, TRUE, &info);
    std::string shown = (info.fType & MFT_SEPARATOR) ? "-" : FromWide(text);
    shown = shown.substr(0, shown.find('\t'));
    items.push_back({shown, (info.fState & MFS_CHECKED) != 0, (info.fState & MFS_DISABLED) != 0, info.hSubMenu});
  }
  return items;
}

// Compares a real menu with the layout, item for item, as it must look with hidden items left out.
void ExpectMenuMatchesLayout(HMENU menu, const std::vector<MenuEntry>& items, const std::string& where) {
  std::vector<const MenuEntry*> visible;
  for (const MenuEntry& layout : items)
    if (layout.visible) visible.push_back(&layout);
  const auto shown = ShownItems(menu);
  ASSERT_EQ(shown.size(), visible.size()) << where;
  for (size_t i = 0; i < shown.size(); ++i) {
    const MenuEntry& layout = *visible[i];
    const std::string expected = layout.IsSeparator() ? "-" : layout.text;
    const std::string at = where + " / " + expected;
    EXPECT_EQ(shown[i].text, expected.substr(0, expected.find('\t'))) << at;
    if (layout.IsSeparator()) continue;
    EXPECT_EQ(shown[i].checked, layout.checked) << at;
    EXPECT_EQ(shown[i].disabled, layout.disabled) << at;
    EXPECT_EQ(shown[i].submenu != nullptr, !layout.children.empty()) << at;
    if (shown[i].submenu != nullptr) ExpectMenuMatchesLayout(shown[i].submenu, layout.children, at);
  }
}

TEST(MenusTest, FreshMenusMatchTheLayoutAndHideTheWholeBar) {
  Menus menus;
  EXPECT_EQ(GetMenuItemCount(menus.Bar()), 0);
  EXPECT_FALSE(menus.AnyBarEntryVisible());
  const auto layout = MenuBarLayout();
  ExpectMenuMatchesLayout(menus.EffectListMenu(), layout[3].children, "选项");
  ExpectMenuMatchesLayout(menus.TrayMenu(), layout[7].children, "快捷菜单");
}

TEST(MenusTest, HiddenItemsComeBackAtTheirPositionWithTheirState) {
  Menus menus;
  HMENU tray = menus.TrayMenu();
  const int count = GetMenuItemCount(tray);
  menus.SetVisible(MenuId::kStrongTopmost, false);
  menus.SetVisible(MenuId::kTopmost, false);
  menus.SetChecked(MenuId::kTopmost, true);  // changed while hidden
  // The separator below them would now start the menu, so it goes too.
  EXPECT_EQ(GetMenuItemCount(tray), count - 3);
  EXPECT_EQ(ShownItems(tray)[0].text, "<-+自选区域截图+->");
  menus.SetVisible(MenuId::kStrongTopmost, true);
  EXPECT_EQ(ShownItems(tray)[0].text, ">+^强力置顶^+<");
  menus.SetVisible(MenuId::kTopmost, true);
  const auto shown = ShownItems(tray);
  EXPECT_EQ(shown[0].text, "^置顶^");
  EXPECT_TRUE(shown[0].checked);
  EXPECT_EQ(shown[1].text, ">+^强力置顶^+<");
  EXPECT_EQ(GetMenuItemCount(tray), count);
  // A submenu survives being hidden and shown.
  menus.SetVisible(MenuId::kScanRegionScreenshotMenu, false);
  menus.SetVisible(MenuId::kScanRegionScreenshotMenu, true);
  EXPECT_EQ(GetMenuItemCount(menus.SubmenuOf(MenuId::kScanRegionScreenshotMenu)), 8);
  EXPECT_EQ(ShownItems(tray)[10].submenu, menus.SubmenuOf(MenuId::kScanRegionScreenshotMenu));
}

TEST(MenusTest, BarEntriesShowInOrder) {
  Menus menus;
  int changes = 0;
  menus.SetOnBarChanged([&] { ++changes; });
  menus.SetVisible(MenuId::kBarHoldMouse, true);
  menus.SetVisible(MenuId::kBarEscBack, true);
  menus.SetVisible(MenuId::kBarPressAnyKey, true);
  const auto shown = ShownItems(menus.Bar());
  ASSERT_EQ(shown.size(), 3u);
  EXPECT_EQ(shown[0].text, "按任意键锁定扫描区");
  EXPECT_EQ(shown[1].text, "ESC键或退格键返回");
  EXPECT_EQ(shown[2].text, "按住鼠标以拖动区域");
  EXPECT_EQ(changes, 3);
  EXPECT_TRUE(menus.AnyBarEntryVisible());
}

TEST(MainWindowMenusTest, StartScreenStatesAndMenuBarAttachment) {
  TestProgram program;
  program.Start();
  MainWindow& main = program.Main();
  Menus& menus = main.GetMenus();
  EXPECT_EQ(GetMenu(program.Hwnd()), nullptr);  // no visible entry: no menu bar at all
  for (MenuId greyed : {MenuId::kReturnToStart, MenuId::kMoveOrResize, MenuId::kReattach, MenuId::kReselectRegion}) {
    EXPECT_FALSE(menus.IsEnabled(greyed));
  }
  // Custom mode: the effect list menu has no "预览效果图片".
  const auto effectItems = ShownItems(menus.EffectListMenu());
  ASSERT_EQ(effectItems.size(), 4u);
  EXPECT_EQ(effectItems[0].text, "预览效果或配置");
  menus.SetVisible(MenuId::kBarEscBack, true);
  EXPECT_EQ(GetMenu(program.Hwnd()), menus.Bar());
  menus.SetVisible(MenuId::kBarEscBack, false);
  EXPECT_EQ(GetMenu(program.Hwnd()), nullptr);
  EXPECT_TRUE(menus.IsChecked(MenuId::kDepth32));
  EXPECT_TRUE(menus.IsChecked(MenuId::kAutoPreview));
  EXPECT_TRUE(menus.IsChecked(MenuId::kAutoOpenImages));
  EXPECT_TRUE(menus.IsChecked(MenuId::kScreenshotIncludesSelf));
  EXPECT_TRUE(menus.IsChecked(MenuId::kHotkeyHints));
  EXPECT_FALSE(menus.IsChecked(MenuId::kStrongTopmost));
}

TEST(MainWindowMenusTest, MixedModeEffectMenuShowsOnlyEnable) {
  TestProgram program;
  program.WriteConfig("[Config]\r\nFirst=1\r\nSetP=D\r\nW=740\r\nH=514\r\nL=50\r\nT=50\r\n");
  program.Start();
  const auto items = ShownItems(program.Main().GetMenus().EffectListMenu());
  ASSERT_EQ(items.size(), 1u);  // no separator is left dangling below it
  EXPECT_EQ(items[0].text, "启用选中效果");
}

// While the main window is hidden, no separator starts or ends the tray menu or follows another one.
TEST(MainWindowMenusTest, HiddenMainWindowLeavesNoDanglingSeparators) {
  TestProgram program;
  program.Start();
  SendMessageW(program.Hwnd(), WM_COMMAND, static_cast<WPARAM>(MenuId::kHideMainWindow), 0);
  const auto items = ShownItems(program.Main().GetMenus().TrayMenu());
  ASSERT_FALSE(items.empty());
  EXPECT_NE(items.front().text, "-");
  EXPECT_NE(items.back().text, "-");
  for (size_t i = 1; i < items.size(); ++i) EXPECT_FALSE(items[i].text == "-" && items[i - 1].text == "-") << i;
  std::vector<std::string> texts;
  for (const auto& item : items) texts.push_back(item.text);
  EXPECT_EQ(texts, (std::vector<std::string>{"<-+自选区域截图+->", "-", "#自选区域截取自身", "-图像位数设置>>>",
                                             "#自动预览功能", "#自动打开images", "-", "#自选区域提示", "-",
                                             "<-=重新吸附窗口", "<-=重新自选区域", "-", "<#=自定义快捷键=#>",
                                             "#启用快捷键提示", "-", "#显示主窗口", "#隐藏主窗口", "-", "前往软件主页",
                                             "检测版本(更新)", "-", "支持作者(捐赠)", "软件介绍与帮助", "-",
                                             "关闭并退出"}));
  SendMessageW(program.Hwnd(), WM_COMMAND, static_cast<WPARAM>(MenuId::kShowMainWindow), 0);
  const auto again = ShownItems(program.Main().GetMenus().TrayMenu());
  EXPECT_EQ(again.size(), MenuBarLayout()[7].children.size());
  EXPECT_EQ(again.front().text, "^置顶^");
}

TEST(MainWindowMenusTest, SettingsFromTheFileSetTheChecks) {
  TestProgram program;
  program.WriteConfig(
      "[Config]\r\nFirst=1\r\nSetP=P\r\n[Tips]\r\nTS=0\r\n[Preview]\r\nPre=0\r\n[Folder]\r\nAuto=01\r\n"
      "[Self]\r\nSwitch=0\r\n[SP]\r\nTST=01\r\n");
  program.Start();
  Menus& menus = program.Main().GetMenus();
  EXPECT_FALSE(menus.IsChecked(MenuId::kRegionHint));
  EXPECT_FALSE(menus.IsChecked(MenuId::kAutoPreview));
  EXPECT_TRUE(menus.IsChecked(MenuId::kAutoOpenImages));  // read as the integer 1
  EXPECT_FALSE(menus.IsChecked(MenuId::kScreenshotIncludesSelf));
  EXPECT_FALSE(menus.IsChecked(MenuId::kHotkeyHints));  // compared as text
  EXPECT_FALSE(program.app->ModeState().hotkeyHints);
  EXPECT_FALSE(menus.IsChecked(MenuId::kTopmost));
  EXPECT_FALSE(program.Main().IsAlwaysOnTop());
}

TEST(MainWindowMenusTest, TogglesFlipTheirMarkAndWriteTheirKey) {
  TestProgram program;
  program.Start();
  struct Toggle {
    MenuId id;
    const char* section;
    const char* key;
  } toggles[] = {{MenuId::kRegionHint, "Tips", "TS"},
                 {MenuId::kAutoPreview, "Preview", "Pre"},
                 {MenuId::kAutoOpenImages, "Folder", "Auto"},
                 {MenuId::kScreenshotIncludesSelf, "Self", "Switch"},
                 {MenuId::kHotkeyHints, "SP", "TST"}};
  Menus& menus = program.Main().GetMenus();
  for (const Toggle& t : toggles) {
    ASSERT_TRUE(menus.IsChecked(t.id)) << t.key;
    SendMessageA(program.Hwnd(), WM_COMMAND, static_cast<WPARAM>(t.id), 0);
    EXPECT_FALSE(menus.IsChecked(t.id)) << t.key;
    EXPECT_EQ(program.Config(t.section, t.key), "0");
    SendMessageA(program.Hwnd(), WM_COMMAND, static_cast<WPARAM>(t.id), 0);
    EXPECT_TRUE(menus.IsChecked(t.id)) << t.key;
    EXPECT_EQ(program.Config(t.section, t.key), "1");
  }
  EXPECT_TRUE(program.app->ModeState().hotkeyHints);
}

TEST(MainWindowMenusTest, OnlyTheRightButtonOpensTheTrayMenu) {
  TestProgram program;
  program.Start();
  EXPECT_TRUE(program.Main().Tray().IsShown());
  EXPECT_EQ(program.Main().Tray().Tooltip(), "Corvanta\r\n右击图标可呼出功能菜单！");
  PopupWatcher watcher;
  SendMessageA(program.Hwnd(), kTrayMessage, 1, WM_LBUTTONUP);
  SendMessageA(program.Hwnd(), kTrayMessage, 1, WM_LBUTTONDBLCLK);
  EXPECT_TRUE(watcher.opened.empty());
  SendMessageA(program.Hwnd(), kTrayMessage, 1, WM_RBUTTONUP);
  ASSERT_EQ(watcher.opened.size(), 1u);
  EXPECT_EQ(watcher.opened[0], program.Main().GetMenus().TrayMenu());
}

TEST(MainWindowMenusTest, ExitItemRunsTheExitSequence) {
  TestProgram program;
  program.WriteConfig("[Config]\r\nFirst=1\r\nSetP=C\r\nW=740\r\nH=514\r\nL=50\r\nT=50\r\n");
  program.Start();
  HWND hwnd = program.Hwnd();
  SetWindowPos(hwnd, nullptr, 60, 70, 800, 600, SWP_NOZORDER | SWP_NOACTIVATE);
  SendMessageA(hwnd, WM_COMMAND, static_cast<WPARAM>(MenuId::kExit), 0);
  EXPECT_FALSE(IsWindow(hwnd));
  EXPECT_FALSE(program.Main().Tray().IsShown());
  EXPECT_EQ(program.Config("Config", "L"), "60");
  EXPECT_EQ(program.Config("Config", "W"), "800");
}

TEST(MainWindowMenusTest, BalloonShowsAtTheStartPoint) {
  TestProgram program;
  program.Start();
  HWND balloon = program.Main().BalloonWindow();
  ASSERT_NE(balloon, nullptr);
  EXPECT_TRUE(GetWindowLongW(balloon, GWL_STYLE) & 0x40 /* TTS_BALLOON */);
  ASSERT_TRUE(testing::PumpUntil([&] { return IsWindowVisible(balloon) != FALSE; }));
  // On a 1920 x 1080 screen the point is (1920 / 100 * 6, 1080 / 100 * 92) = (115, 993); the balloon's
  // stem points at it, so it lies on the edge of the balloon's window.
  RECT shown{};
  GetWindowRect(balloon, &shown);
  RECT around = shown;
  InflateRect(&around, 2, 2);
  EXPECT_TRUE(PtInRect(&around, POINT{115, 993}))
      << shown.left << "," << shown.top << " - " << shown.right << "," << shown.bottom;
  EXPECT_GT(shown.right - shown.left, 0);
}

}  // namespace
}  // namespace corvanta
