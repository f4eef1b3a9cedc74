// Chinese text on any system code page: every text reaches Windows through the wide functions from
// GBK, and stored files keep their GBK bytes. The whole program runs once on code page 936 and once on
// code page 1252 (LC_ALL=C.UTF-8); the Cp1252 suite checks that the second run really is on 1252.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

#include "effects/effect_list.h"
#include "effects/preset.h"
#include "overlay/draw_canvas.h"
#include "platform/text_conv.h"
#include "region/smart_attach.h"
#include "gdi_reference.h"
#include "shared/default_config_text.h"
#include "test_program.h"

namespace corvanta {
namespace {

using testing::ColumnTitle;
using testing::PumpUntil;
using testing::TestProgram;
using testing::WindowRect;

constexpr const char* kChinesePresetName = "经典扫描线.ini";
constexpr const char* kPresetIni =
    "[Scantype]\r\nLinetype=1\r\n[Linetype]\r\nPixelsize=1\r\n[Scanlinecolor]\r\nColorR=40\r\nColorG=0\r\n"
    "ColorB=0\r\n[ScanlineTransversespacing]\r\nTransverse=4\r\n[ScanlineVerticalspacing]\r\nVertical=0\r\n"
    "[ScanlineObliquespacing]\r\nOblique=0\r\n[ScanlineAntiskewspacing]\r\nAntiskew=0\r\n";

// The first start's Config.ini: the default set, then the first-run selection and the geometry at exit.
std::string FirstStartConfig() {
  std::string text = testing::kDefaultConfigText;
  for (const auto& [from, to] : {std::pair{"GetC=0", "GetC=23"}, std::pair{"GetP=0", "GetP=3"},
                                 std::pair{"First=0", "First=1"}}) {
    text.replace(text.find(from), std::string(from).size(), to);
  }
  return text;
}

// The text of a window as Windows holds it, read with the wide function.
std::wstring WideText(HWND hwnd) {
  wchar_t text[512] = {};
  GetWindowTextW(hwnd, text, static_cast<int>(std::size(text)));
  return text;
}

std::wstring ListText(HWND list, int row, int column) {
  wchar_t text[512] = {};
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = text;
  item.cchTextMax = static_cast<int>(std::size(text));
  SendMessageW(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
  return text;
}

TEST(ChineseTextTest, EveryStartScreenTextReadsRightThroughTheWideFunctions) {
  TestProgram program;
  program.Start();
  MainWindow& main = program.Main();
  ASSERT_TRUE(PumpUntil([&] { return WideText(main.Hwnd()) != L"Corvanta"; }));  // the list names the caption
  struct Case {
    ControlId id;
    const wchar_t* text;
  } cases[] = {{ControlId::kCustomModeCheckbox, L"\u81EA\u5B9A\u4E49\u6A21\u5F0F"},  // 自定义模式
               {ControlId::kPictureModeCheckbox, L"\u56FE\u7247\u6A21\u5F0F"},          // 图片模式
               {ControlId::kMixedModeCheckbox, L"\u6DF7\u5408\u6A21\u5F0F"},            // 混合模式
               {ControlId::kTopmostCheckbox, L"\u7F6E\u9876"},                          // 置顶
               {ControlId::kRegionButton, L"\u81EA\u9009\u533A\u57DF"},                 // 自选区域
               {ControlId::kAttachButton, L"\u667A\u80FD\u5438\u9644"},                 // 智能吸附
               {ControlId::kSuiteButton, L"\u81EA\u5B9A\u4E49\u6A21\u5F0F\u5957\u4EF6"}};  // 自定义模式套件
  for (const Case& c : cases) EXPECT_EQ(WideText(main.Control(c.id)), c.text) << FromWide(c.text);
  HWND list = main.Control(ControlId::kEffectList);
  EXPECT_EQ(ColumnTitle(list, 0), L"\u5E8F\u53F7");  // 序号
  EXPECT_EQ(ColumnTitle(list, 1), L"\u540D\u79F0");  // 名称
  EXPECT_EQ(ColumnTitle(list, 2), L"\u72B6\u6001");  // 状态
  // The tray menu's items too.
  wchar_t item[64] = {};
  GetMenuStringW(main.GetMenus().TrayMenu(), static_cast<UINT>(MenuId::kExit), item, 64, MF_BYCOMMAND);
  EXPECT_STREQ(item, L"\u5173\u95ED\u5E76\u9000\u51FA");  // 关闭并退出
}

TEST(ChineseTextTest, APresetWithAChineseNameIsListedEnabledNamedAndDrawn) {
  TestProgram program;
  program.WriteConfig("[Config]\r\nFirst=1\r\nSetP=C\r\nGetC=1\r\nAlpha=120\r\nTop=1\r\nTC=12\r\n");
  program.dir.MakeFolder("\\Effect");
  program.dir.MakeFolder("\\Effect\\C");
  program.dir.WriteFile("\\Effect\\C\\a.ini", "[Linetype]\r\nPixelsize=1\r\n");
  program.dir.WriteFile(std::string("\\Effect\\C\\") + kChinesePresetName, kPresetIni);
  program.Start();
  EffectList& list = program.Main().List();
  ASSERT_TRUE(PumpUntil([&] { return list.RowCount() == 2; }));
  const int row = list.NameAt(0) == kChinesePresetName ? 0 : 1;
  ASSERT_EQ(row, 1) << "the listing keeps the file system's order";
  EXPECT_EQ(ListText(list.Hwnd(), row, 1), L"\u7ECF\u5178\u626B\u63CF\u7EBF.ini");
  EXPECT_EQ(ListText(list.Hwnd(), row, 2), L"\u5DF2\u542F\u7528");  // 已启用
  EXPECT_EQ(ListText(list.Hwnd(), 0, 2), L"\u5F85\u9009");          // 待选
  EXPECT_EQ(WideText(program.Hwnd()), L"Corvanta_1-\u7ECF\u5178\u626B\u63CF\u7EBF.ini");

  testing::TargetWindow target(900, 200, 300, 200);
  SetCursorPos(1050, 300);
  program.app->Modes().AttachRequested();
  const RECT wanted = WindowRect(target.Hwnd());
  ASSERT_TRUE(PumpUntil([&] {
    const RECT m = WindowRect(program.Hwnd());
    return EqualRect(&m, &wanted) != FALSE;
  }));
  testing::PressKey(program.Hwnd(), 'A');
  ASSERT_EQ(program.app->ModeState().locked, LockedState::kLocked);
  const Preset preset = ReadPreset(program.app->Settings(), program.dir.PathOf(std::string("\\Effect\\C\\") +
                                                                                kChinesePresetName));
  EXPECT_EQ(preset.transverse, 4);
  const testing::ReferenceImage reference = testing::GdiGridReference(ScanlinesOf(preset), 300, 200, RGB(208, 222, 227));
  DrawCanvas& canvas = program.Main().Canvas();
  int differences = 0;
  for (int y = 0; y < 200; ++y) {
    for (int x = 0; x < 300; ++x) differences += canvas.PixelAt(x, y) != reference.At(x, y);
  }
  EXPECT_EQ(differences, 0);
  EXPECT_EQ(canvas.PixelAt(10, 8), RGB(40, 0, 0));
}

TEST(ChineseTextTest, FirstStartWritesTheSameBytesOnEveryCodePage) {
  TestProgram program;
  program.Start();
  program.Stop();
  // The first-run selection and the geometry written at exit are part of it.
  EXPECT_EQ(program.ConfigFile(), FirstStartConfig());
}

TEST(ChineseTextTest, AProgramDirectoryGbkCannotNameStartsAndWritesItsSettings) {
  TestProgram program(L"-\uD504\uB85C\uADF8\uB7A8");  // 프로그램
  ASSERT_NE(program.dir.Path().find('?'), std::string::npos);
  program.Start();
  ASSERT_NE(program.Hwnd(), nullptr);
  EXPECT_EQ(program.ConfigFile().substr(0, 8), "[Config]");
  for (const char* folder : {"\\Effect\\C", "\\Effect\\P", "\\Images"}) {
    EXPECT_NE(program.dir.AttributesOf(folder) & FILE_ATTRIBUTE_DIRECTORY, 0u) << folder;
  }
  program.app->Settings().SetConfig(keys::kStrength, "99");
  program.Stop();
  EXPECT_NE(program.ConfigFile().find("Alpha=99\r\n"), std::string::npos);
}

// Only in the run on code page 1252: proves that this run would garble GBK through the "A" functions.
TEST(Cp1252Test, TheProcessRunsOnCodePage1252) {
  ASSERT_EQ(GetACP(), 1252u) << "run this suite with LC_ALL=C.UTF-8";
  HWND probe = CreateWindowExA(0, "STATIC", "\xD6\xC3\xB6\xA5", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(probe, nullptr);
  EXPECT_NE(WideText(probe), L"\u7F6E\u9876");  // GBK bytes of 置顶 through an "A" function
  SetWindowTextW(probe, ToWide("\xD6\xC3\xB6\xA5").c_str());
  EXPECT_EQ(WideText(probe), L"\u7F6E\u9876");
  DestroyWindow(probe);
}

}  // namespace
}  // namespace corvanta
