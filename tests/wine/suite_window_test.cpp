// The custom mode suite and its visual debug area, in-process: opening and closing, the values and
// their sliders, the edit source and the file commands, the backdrop walk, the preview redraws (checked
// on the canvas bitmap against plain GDI) and the backdrop window.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "shell/menus.h"
#include "effects/effect_list.h"
#include "effects/preset.h"
#include "gdi_reference.h"
#include "overlay/draw_canvas.h"
#include "platform/dpi.h"
#include "platform/text_conv.h"
#include "suite/backdrop_window.h"
#include "suite/debug_area_window.h"
#include "suite/suite_text.h"
#include "suite/suite_window.h"
#include "suite_layout_table.h"
#include "test_pictures.h"
#include "test_program.h"

namespace corvanta {
namespace {

using testing::GdiGridReference;
using testing::PngFile;
using testing::PumpUntil;
using testing::ReferenceImage;
using testing::TestProgram;
using testing::WindowText;

constexpr MenuId kGreyedItems[] = {MenuId::kScanRegionScreenshotMenu, MenuId::kProgramColours,
                                   MenuId::kAdvancedOptions, MenuId::kCustomHotkeys};

// Simple enough for Wine to shape the colour-keyed debug area on screen: horizontal lines only.
constexpr Preset kSimplePreset{1, 1, 200, 30, 40, 6, 0, 0, 0};

std::string PresetText(const Preset& p) {
  return "[Scantype]\r\nLinetype=" + std::to_string(p.lineType) + "\r\n[Linetype]\r\nPixelsize=" +
         std::to_string(p.pixelSize) + "\r\n[Scanlinecolor]\r\nColorR=" + std::to_string(p.red) +
         "\r\nColorG=" + std::to_string(p.green) + "\r\nColorB=" + std::to_string(p.blue) +
         "\r\n[ScanlineTransversespacing]\r\nTransverse=" + std::to_string(p.transverse) +
         "\r\n[ScanlineVerticalspacing]\r\nVertical=" + std::to_string(p.vertical) +
         "\r\n[ScanlineObliquespacing]\r\nOblique=" + std::to_string(p.oblique) +
         "\r\n[ScanlineAntiskewspacing]\r\nAntiskew=" + std::to_string(p.antiskew) + "\r\n";
}

class SuiteTest : public ::testing::Test {
 protected:
  explicit SuiteTest(std::wstring_view directorySuffix = {}) : program_(directorySuffix) {}
  void SetUp() override {
    for (const char* folder : {"\\Effect", "\\Effect\\C", "\\Effect\\P", "\\Effect\\D", "\\Images"}) {
      program_.dir.MakeFolder(folder);
    }
  }
  void TearDown() override {
    if (!readOnlyFile_.empty()) SetFileAttributesW(program_.dir.ExactPathOf(readOnlyFile_).c_str(), 0);
  }

  void Start(const std::string& extraConfig = "") {
    program_.WriteConfig("[Config]\r\nFirst=1\r\nSetP=C\r\nGetC=0\r\nGetP=0\r\nGetD=0\r\nW=740\r\nH=514\r\nL=50\r\nT=50"
                         "\r\nTC=12\r\n" + extraConfig);
    program_.Start();
  }

  // Opens the suite as the start screen's button does. Until messages are pumped nothing is drawn, so
  // a test can still hide the debug area or load simple values first.
  SuiteWindow& OpenFromButton() {
    SendMessageW(program_.Hwnd(), WM_COMMAND, MAKEWPARAM(static_cast<int>(ControlId::kSuiteButton), BN_CLICKED),
                 reinterpret_cast<LPARAM>(program_.Main().Control(ControlId::kSuiteButton)));
    return Attach();
  }
  // Opens the suite as "预览效果或配置" does for a row of the effect list.
  SuiteWindow& OpenFromList(int row) {
    PumpUntil([this] { return program_.Main().List().RowCount() > 0; });
    program_.Main().List().SelectAndReveal(row);
    SendMessageW(program_.Hwnd(), WM_COMMAND, static_cast<WPARAM>(MenuId::kPreviewOrEditPreset), 0);
    return Attach();
  }
  SuiteWindow& Attach() {
    SuiteWindow* suite = program_.Main().Suite();
    EXPECT_NE(suite, nullptr);
    suite->SetDialogs(FakeDialogs());
    return *suite;
  }
  // The default grid is too dense for Wine to shape on screen: the debug area is checked hidden.
  void HideDebugArea(SuiteWindow& suite) { ShowWindow(suite.DebugArea()->Hwnd(), SW_HIDE); }

  SuiteDialogs FakeDialogs() {
    SuiteDialogs dialogs;
    dialogs.chooseFile = [this](HWND, PresetDialog dialog) {
      asked_.push_back(dialog);
      return answer_;
    };
    dialogs.chooseColour = [](HWND, COLORREF) { return std::optional<COLORREF>(); };
    dialogs.showMessage = [this](std::string_view text, std::string_view caption) {
      messages_.push_back(std::string(caption) + "|" + std::string(text));
    };
    return dialogs;
  }

  void MoveSlider(SuiteWindow& suite, SuiteSlider slider, int position) {
    HWND control = suite.SliderControl(slider);
    SendMessageW(control, TBM_SETPOS, TRUE, position);
    SendMessageW(suite.Hwnd(), WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, position), reinterpret_cast<LPARAM>(control));
  }
  void Click(SuiteWindow& suite, SuiteControl id) {
    SendMessageW(suite.Hwnd(), WM_COMMAND, MAKEWPARAM(static_cast<int>(id), BN_CLICKED),
                 reinterpret_cast<LPARAM>(suite.Control(id)));
  }
  bool WaitForPreview(SuiteWindow& suite) {
    return PumpUntil([&] { return !suite.DebugArea()->PreviewRedrawPending(); });
  }
  SIZE DebugClientSize(SuiteWindow& suite) {
    RECT client{};
    GetClientRect(suite.DebugArea()->Hwnd(), &client);
    return {client.right, client.bottom};
  }
  // Pixel by pixel against plain GDI drawing the grid's segments; returns the number of differences.
  int DifferencesFromReference(SuiteWindow& suite, const Preset& preset) {
    const SIZE size = DebugClientSize(suite);
    DrawCanvas& canvas = suite.DebugArea()->Canvas();
    EXPECT_EQ(canvas.Width(), size.cx);
    EXPECT_EQ(canvas.Height(), size.cy);
    const ReferenceImage reference = GdiGridReference(ScanlinesOf(preset), size.cx, size.cy, kDebugColourKey);
    int differences = 0;
    for (int y = 0; y < size.cy; ++y) {
      for (int x = 0; x < size.cx; ++x) differences += canvas.PixelAt(x, y) != reference.At(x, y) ? 1 : 0;
    }
    return differences;
  }
  bool CanvasIsBlank(SuiteWindow& suite) {
    DrawCanvas& canvas = suite.DebugArea()->Canvas();
    for (int y = 0; y < canvas.Height(); y += 1) {
      for (int x = 0; x < canvas.Width(); x += 1) {
        if (canvas.PixelAt(x, y) != kDebugColourKey) return false;
      }
    }
    return true;
  }
  std::string Path(const std::string& relative) { return program_.dir.PathOf(relative); }
  void MakeReadOnly(const std::string& relative) {
    readOnlyFile_ = relative;
    SetFileAttributesW(program_.dir.ExactPathOf(relative).c_str(), FILE_ATTRIBUTE_READONLY);
  }
  Menus& GetMenus() { return program_.Main().GetMenus(); }

  TestProgram program_;
  std::optional<std::string> answer_;
  std::vector<PresetDialog> asked_;
  std::vector<std::string> messages_;
  std::string readOnlyFile_;
};

// ---- Opening and closing -------------------------------------------------------------------------

TEST_F(SuiteTest, OpensWithTheDefaultsAndClosesBackToTheStartScreen) {
  Start();
  SuiteWindow& suite = OpenFromButton();
  HideDebugArea(suite);
  struct Row {
    SuiteSlider slider;
    int position;
  };
  const Row rows[] = {{SuiteSlider::kRed, 12},       {SuiteSlider::kGreen, 6},     {SuiteSlider::kBlue, 2},
                      {SuiteSlider::kLineType, 1},   {SuiteSlider::kPixelSize, 1}, {SuiteSlider::kStrength, 90},
                      {SuiteSlider::kTransverse, 4}, {SuiteSlider::kVertical, 4},  {SuiteSlider::kOblique, 3},
                      {SuiteSlider::kAntiskew, 3}};
  for (const Row& row : rows) {
    HWND slider = suite.SliderControl(row.slider);
    EXPECT_EQ(SendMessageW(slider, TBM_GETPOS, 0, 0), row.position) << static_cast<int>(row.slider);
    EXPECT_EQ(WindowText(suite.ValueLabel(row.slider)), std::to_string(row.position));
    // From 0, which a slider starting above 0 pins to its start.
    EXPECT_EQ(SendMessageW(slider, TBM_GETSELSTART, 0, 0), SendMessageW(slider, TBM_GETRANGEMIN, 0, 0));
    EXPECT_EQ(SendMessageW(slider, TBM_GETSELEND, 0, 0), row.position) << "selection band to the thumb";
  }
  EXPECT_EQ(WindowText(suite.Hwnd()), kSuiteUnsavedCaption);
  EXPECT_EQ(suite.LineColour(), RGB(12, 6, 2));
  EXPECT_EQ(suite.BackgroundColour(), RGB(224, 225, 229));
  HWND chooser = suite.Control(SuiteControl::kBackdropChooser);
  EXPECT_EQ(SendMessageW(chooser, CB_GETCOUNT, 0, 0), 1);
  EXPECT_EQ(suite.ChooserSelection(), 0);
  EXPECT_EQ(WindowText(suite.DebugArea()->Hwnd()), kSuiteDebugAreaCaption);
  EXPECT_FALSE(program_.app->State().suiteEditsListPreset);
  testing::ExpectSuiteLaidOutFor(suite.Hwnd(), 96);

  // The main window is hidden, the tray items wait, the debug area sits directly above the suite.
  EXPECT_TRUE(GetMenus().IsChecked(MenuId::kHideMainWindow));
  for (MenuId id : kGreyedItems) EXPECT_FALSE(GetMenus().IsEnabled(id)) << static_cast<int>(id);
  const RECT suiteRect = testing::WindowRect(suite.Hwnd());
  const RECT debugRect = testing::WindowRect(suite.DebugArea()->Hwnd());
  EXPECT_EQ(debugRect.bottom, suiteRect.top);
  EXPECT_NEAR((suiteRect.left + suiteRect.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
  EXPECT_NEAR((debugRect.left + debugRect.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
  ASSERT_TRUE(PumpUntil([&] { return WindowText(suite.Control(SuiteControl::kBackdropLabel)) == "选动画[0]："; }));

  // The menu bar: 开始 and 帮助 with their items and separators.
  HMENU bar = GetMenu(suite.Hwnd());
  const std::vector<std::vector<std::string>> menus = {
      {"打开ini", "", "储存当前ini", "储存为新的ini", "", "关闭工具"}, {"菜单按钮说明", "", "配置项说明"}};
  ASSERT_EQ(GetMenuItemCount(bar), 2);
  for (int m = 0; m < 2; ++m) {
    HMENU menu = GetSubMenu(bar, m);
    std::vector<std::string> texts;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
      wchar_t text[64] = {};
      GetMenuStringW(menu, i, text, 64, MF_BYPOSITION);
      texts.push_back(FromWide(text));
    }
    EXPECT_EQ(texts, menus[static_cast<size_t>(m)]);
  }
  SendMessageW(suite.Hwnd(), WM_COMMAND, static_cast<WPARAM>(SuiteControl::kMenuButtonHelp), 0);
  SendMessageW(suite.Hwnd(), WM_COMMAND, static_cast<WPARAM>(SuiteControl::kMenuSettingsHelp), 0);
  ASSERT_EQ(messages_.size(), 2u);
  EXPECT_EQ(messages_[0].rfind("菜单按钮说明:|打开ini：", 0), 0u);
  EXPECT_EQ(messages_[1].rfind("配置项说明:|线条色板：", 0), 0u);

  Click(suite, SuiteControl::kCloseButton);
  EXPECT_EQ(program_.Main().Suite(), nullptr);
  EXPECT_TRUE(GetMenus().IsChecked(MenuId::kShowMainWindow));
  for (MenuId id : kGreyedItems) EXPECT_TRUE(GetMenus().IsEnabled(id)) << static_cast<int>(id);
}

// The preference windows stay above everything but the suite while it is open.
TEST_F(SuiteTest, ThePreferenceWindowsStepDownWhileTheSuiteIsOpen) {
  Start();
  SendMessageW(program_.Hwnd(), WM_COMMAND, static_cast<WPARAM>(MenuId::kProgramColours), 0);
  SendMessageW(program_.Hwnd(), WM_COMMAND, static_cast<WPARAM>(MenuId::kCustomHotkeys), 0);
  const std::vector<HWND> windows = program_.Main().PreferenceWindows();
  ASSERT_EQ(windows.size(), 2u);
  SetWindowOnTop(windows[1], false);  // one that is not on top stays as it is
  SuiteWindow& suite = OpenFromButton();
  EXPECT_FALSE(IsWindowOnTop(windows[0]));
  EXPECT_FALSE(IsWindowOnTop(windows[1]));
  suite.Close();
  EXPECT_TRUE(IsWindowOnTop(windows[0]));
  EXPECT_FALSE(IsWindowOnTop(windows[1]));
}

// Closed by its frame or by the debug area's rather than by "关闭": the program still comes back as it was.
TEST_F(SuiteTest, ACloseRequestToEitherWindowClosesTheSuite) {
  Start();
  for (const bool debugArea : {false, true}) {
    SuiteWindow& suite = OpenFromButton();
    HideDebugArea(suite);
    HWND backdrop = suite.DebugArea()->Backdrop().Hwnd();
    SendMessageW(debugArea ? suite.DebugArea()->Hwnd() : suite.Hwnd(), WM_CLOSE, 0, 0);
    ASSERT_TRUE(PumpUntil([this] { return program_.Main().Suite() == nullptr; })) << debugArea;
    EXPECT_FALSE(IsWindow(backdrop));
    EXPECT_TRUE(GetMenus().IsChecked(MenuId::kShowMainWindow));
    for (MenuId id : kGreyedItems) EXPECT_TRUE(GetMenus().IsEnabled(id)) << static_cast<int>(id);
  }
}

TEST_F(SuiteTest, QuittingWhileOpenSavesTheStartScreensGeometryNotTheHiddenOne) {
  Start();
  const RECT before = testing::WindowRect(program_.Hwnd());
  SuiteWindow& suite = OpenFromButton();
  HideDebugArea(suite);
  ASSERT_NE(testing::WindowRect(program_.Hwnd()).left, before.left);
  SendMessageW(program_.Hwnd(), WM_COMMAND, static_cast<WPARAM>(MenuId::kExit), 0);
  EXPECT_EQ(program_.Config("Config", "L"), std::to_string(before.left));
  EXPECT_EQ(program_.Config("Config", "T"), std::to_string(before.top));
}

// ---- Values --------------------------------------------------------------------------------------

TEST_F(SuiteTest, SlidersAndColourPickerStayInStep) {
  Start();
  SuiteWindow& suite = OpenFromButton();
  HideDebugArea(suite);
  suite.SetLineColour(RGB(10, 200, 30));
  EXPECT_EQ(suite.Position(SuiteSlider::kRed), 10);
  EXPECT_EQ(suite.Position(SuiteSlider::kGreen), 200);
  EXPECT_EQ(suite.Position(SuiteSlider::kBlue), 30);
  EXPECT_EQ(WindowText(suite.ValueLabel(SuiteSlider::kGreen)), "200");
  EXPECT_TRUE(suite.DebugArea()->PreviewRedrawPending());

  MoveSlider(suite, SuiteSlider::kBlue, 99);
  EXPECT_EQ(suite.LineColour(), RGB(10, 200, 99));
  EXPECT_EQ(SendMessageW(suite.SliderControl(SuiteSlider::kBlue), TBM_GETSELEND, 0, 0), 99);

  // Strength changes the debug area's alpha over its colour key and redraws nothing.
  ASSERT_TRUE(WaitForPreview(suite));
  MoveSlider(suite, SuiteSlider::kStrength, 200);
  EXPECT_FALSE(suite.DebugArea()->PreviewRedrawPending());
  COLORREF key = 0;
  BYTE alpha = 0;
  DWORD flags = 0;
  ASSERT_TRUE(GetLayeredWindowAttributes(suite.DebugArea()->Hwnd(), &key, &alpha, &flags));
  EXPECT_EQ(key, RGB(252, 2, 251));
  EXPECT_EQ(alpha, 200);
  EXPECT_EQ(flags, static_cast<DWORD>(LWA_COLORKEY | LWA_ALPHA));
  EXPECT_EQ(WindowText(suite.ValueLabel(SuiteSlider::kStrength)), "200");
}

// ---- Preview -------------------------------------------------------------------------------------

TEST_F(SuiteTest, SpacingSliderRedrawsThePreviewOnceWithTheOverlaysGrid) {
  program_.dir.WriteFile("\\Effect\\C\\simple.ini", PresetText(kSimplePreset));
  Start();
  SuiteWindow& suite = OpenFromList(0);
  ASSERT_TRUE(WaitForPreview(suite));
  EXPECT_EQ(DifferencesFromReference(suite, kSimplePreset), 0);
  const int redraws = suite.DebugArea()->PreviewRedraws();

  // A burst of moves restarts the same one-shot timer: one redraw after it.
  for (int spacing : {7, 8, 9}) MoveSlider(suite, SuiteSlider::kTransverse, spacing);
  EXPECT_TRUE(suite.DebugArea()->PreviewRedrawPending());
  ASSERT_TRUE(WaitForPreview(suite));
  EXPECT_EQ(suite.DebugArea()->PreviewRedraws(), redraws + 1);
  Preset moved = kSimplePreset;
  moved.transverse = 9;
  EXPECT_EQ(DifferencesFromReference(suite, moved), 0);
  // The preview went through the cache.
  EXPECT_EQ(ReadPreset(program_.app->Settings(), Path("\\Config\\Temp.ini")), moved);
}

TEST_F(SuiteTest, DenseDefaultGridMatchesTheReferenceOnTheCanvas) {
  Start();
  SuiteWindow& suite = OpenFromButton();
  HideDebugArea(suite);
  ASSERT_TRUE(WaitForPreview(suite));
  EXPECT_EQ(DifferencesFromReference(suite, kSuiteDefaultPreset), 0);
}

TEST_F(SuiteTest, ResizingRedrawsForTheNewClientSizeAndTheBackdropFollows) {
  program_.dir.WriteFile("\\Effect\\C\\simple.ini", PresetText(kSimplePreset));
  Start();
  SuiteWindow& suite = OpenFromList(0);
  ASSERT_TRUE(WaitForPreview(suite));
  HWND debug = suite.DebugArea()->Hwnd();
  const RECT before = testing::WindowRect(debug);
  SetWindowPos(debug, nullptr, before.left + 20, before.top + 10, 300, 220, SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_TRUE(suite.DebugArea()->PreviewRedrawPending());
  ASSERT_TRUE(WaitForPreview(suite));
  EXPECT_EQ(DifferencesFromReference(suite, kSimplePreset), 0);

  HWND backdrop = suite.DebugArea()->Backdrop().Hwnd();
  RECT client{};
  GetClientRect(debug, &client);
  MapWindowPoints(debug, nullptr, reinterpret_cast<POINT*>(&client), 2);
  ASSERT_TRUE(PumpUntil([&] {
    const RECT r = testing::WindowRect(backdrop);
    return EqualRect(&r, &client) != FALSE;
  }));
  EXPECT_EQ(GetWindow(debug, GW_HWNDNEXT), backdrop) << "directly below the debug area";
  EXPECT_TRUE(IsWindowVisible(backdrop));
  EXPECT_FALSE(IsWindowEnabled(backdrop));
}

TEST_F(SuiteTest, OpenShowsClampedValuesButDrawsTheFileAsStored) {
  Preset stored = kSimplePreset;
  stored.lineType = 0;
  program_.dir.WriteFile("\\odd.ini", PresetText(stored));
  Start();
  SuiteWindow& suite = OpenFromButton();
  HideDebugArea(suite);
  ASSERT_TRUE(WaitForPreview(suite));
  SendMessageW(suite.Control(SuiteControl::kTransparentCheckbox), BM_SETCHECK, BST_CHECKED, 0);
  Click(suite, SuiteControl::kTransparentCheckbox);
  ASSERT_FALSE(IsWindowVisible(suite.DebugArea()->Backdrop().Hwnd()));
  answer_ = Path("\\odd.ini");
  Click(suite, SuiteControl::kOpenButton);
  ASSERT_EQ(asked_, std::vector<PresetDialog>{PresetDialog::kOpen});
  EXPECT_EQ(WindowText(suite.Hwnd()), SuiteFileCaption(Path("\\odd.ini")));
  EXPECT_EQ(suite.Position(SuiteSlider::kLineType), 1);
  EXPECT_EQ(WindowText(suite.ValueLabel(SuiteSlider::kLineType)), "1");
  EXPECT_EQ(suite.Position(SuiteSlider::kTransverse), 6);
  EXPECT_EQ(SendMessageW(suite.Control(SuiteControl::kTransparentCheckbox), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_TRUE(IsWindowVisible(suite.DebugArea()->Backdrop().Hwnd())) << "loading clears the transparent background";
  EXPECT_TRUE(suite.DebugArea()->FileRedrawPending());

  ASSERT_TRUE(PumpUntil([&] {
    return !suite.DebugArea()->FileRedrawPending() && !suite.DebugArea()->PreviewRedrawPending();
  }));
  EXPECT_TRUE(CanvasIsBlank(suite)) << "line type 0 as stored draws nothing";

  MoveSlider(suite, SuiteSlider::kTransverse, 5);
  ASSERT_TRUE(WaitForPreview(suite));
  Preset shown = stored;
  shown.lineType = 1;
  shown.transverse = 5;
  EXPECT_EQ(DifferencesFromReference(suite, shown), 0);
  EXPECT_FALSE(program_.app->State().suiteEditsListPreset);
}

TEST_F(SuiteTest, TransparentBackgroundHidesTheBackdrop) {
  Start();
  SuiteWindow& suite = OpenFromButton();
  HideDebugArea(suite);
  HWND backdrop = suite.DebugArea()->Backdrop().Hwnd();
  // A click notification reports the state the box shows.
  SendMessageW(suite.Control(SuiteControl::kTransparentCheckbox), BM_SETCHECK, BST_CHECKED, 0);
  Click(suite, SuiteControl::kTransparentCheckbox);
  EXPECT_FALSE(IsWindowVisible(backdrop));
  // The placement timer moves it without showing it.
  const int placements = suite.DebugArea()->Placements();
  ASSERT_TRUE(PumpUntil([&] { return suite.DebugArea()->Placements() > placements + 1; }));
  EXPECT_FALSE(IsWindowVisible(backdrop));
  SendMessageW(suite.Control(SuiteControl::kTransparentCheckbox), BM_SETCHECK, BST_UNCHECKED, 0);
  Click(suite, SuiteControl::kTransparentCheckbox);
  EXPECT_TRUE(IsWindowVisible(backdrop));
}

// ---- Saving --------------------------------------------------------------------------------------

TEST_F(SuiteTest, SaveAsksForAFileUntilOneIsChosenThenWritesThere) {
  Start();
  SuiteWindow& suite = OpenFromButton();
  HideDebugArea(suite);
  Click(suite, SuiteControl::kSaveButton);
  EXPECT_EQ(asked_, std::vector<PresetDialog>{PresetDialog::kSave});
  EXPECT_TRUE(messages_.empty());
  EXPECT_EQ(WindowText(suite.Hwnd()), kSuiteUnsavedCaption);
  EXPECT_EQ(program_.dir.AttributesOf("\\Effect\\C\\new.ini"), INVALID_FILE_ATTRIBUTES);

  answer_ = Path("\\Effect\\C\\new.ini");
  Click(suite, SuiteControl::kSaveButton);
  EXPECT_EQ(ReadPreset(program_.app->Settings(), *answer_), kSuiteDefaultPreset);
  EXPECT_EQ(WindowText(suite.Hwnd()), SuiteFileCaption(*answer_));
  EXPECT_EQ(messages_, std::vector<std::string>{"信息：|成功保存配置！"});

  // Now the current preset file: no dialog.
  MoveSlider(suite, SuiteSlider::kOblique, 0);
  answer_.reset();
  Click(suite, SuiteControl::kSaveButton);
  EXPECT_EQ(asked_.size(), 2u);
  EXPECT_EQ(ReadPreset(program_.app->Settings(), Path("\\Effect\\C\\new.ini")).oblique, 0);

  // Save As goes to a new file with its own caption.
  answer_ = Path("\\other.ini");
  SendMessageW(suite.Hwnd(), WM_COMMAND, static_cast<WPARAM>(SuiteControl::kMenuSaveAs), 0);
  EXPECT_EQ(asked_.size(), 3u);
  EXPECT_EQ(WindowText(suite.Hwnd()), SuiteSaveAsCaption(Path("\\other.ini")));
  EXPECT_EQ(suite.CurrentFile(), Path("\\other.ini"));
  EXPECT_EQ(messages_.size(), 3u);
}

TEST_F(SuiteTest, ListPresetIsSavedInPlaceUntilTheSuiteOpensWithoutIt) {
  program_.dir.WriteFile("\\Effect\\C\\mine.ini", PresetText(kSimplePreset));
  Start();
  SuiteWindow& suite = OpenFromList(0);
  EXPECT_EQ(WindowText(suite.Hwnd()), SuiteFileCaption("mine.ini"));
  EXPECT_EQ(suite.Position(SuiteSlider::kRed), 200);
  EXPECT_EQ(suite.Position(SuiteSlider::kTransverse), 6);
  EXPECT_TRUE(program_.app->State().suiteEditsListPreset);
  MoveSlider(suite, SuiteSlider::kTransverse, 11);
  Click(suite, SuiteControl::kSaveButton);
  EXPECT_TRUE(asked_.empty());
  EXPECT_EQ(ReadPreset(program_.app->Settings(), Path("\\Effect\\C\\mine.ini")).transverse, 11);
  EXPECT_EQ(WindowText(suite.Hwnd()), SuiteFileCaption("mine.ini"));
  EXPECT_EQ(messages_, std::vector<std::string>{"信息：|成功保存配置！"});
  Click(suite, SuiteControl::kCloseButton);

  SuiteWindow& again = OpenFromButton();
  HideDebugArea(again);
  EXPECT_FALSE(program_.app->State().suiteEditsListPreset);
  Click(again, SuiteControl::kSaveButton);
  EXPECT_EQ(asked_, std::vector<PresetDialog>{PresetDialog::kSave});
  EXPECT_EQ(ReadPreset(program_.app->Settings(), Path("\\Effect\\C\\mine.ini")).transverse, 11);
}

TEST_F(SuiteTest, FailedWritesAreReportedAndChangeNothing) {
  program_.dir.WriteFile("\\Effect\\C\\locked.ini", PresetText(kSimplePreset));
  Start();
  MakeReadOnly("\\Effect\\C\\locked.ini");
  SuiteWindow& suite = OpenFromList(0);
  MoveSlider(suite, SuiteSlider::kTransverse, 12);
  Click(suite, SuiteControl::kSaveButton);
  EXPECT_EQ(messages_, std::vector<std::string>{"信息：|保存配置失败！"});
  EXPECT_EQ(WindowText(suite.Hwnd()), SuiteFileCaption("locked.ini"));
  EXPECT_TRUE(program_.app->State().suiteEditsListPreset);
  EXPECT_EQ(ReadPreset(program_.app->Settings(), Path("\\Effect\\C\\locked.ini")), kSimplePreset);

  // A chosen file that cannot be written becomes neither the caption nor the current file.
  answer_ = Path("\\Effect\\C\\locked.ini");
  Click(suite, SuiteControl::kSaveAsButton);
  EXPECT_EQ(messages_.size(), 2u);
  EXPECT_EQ(messages_.back(), "信息：|保存配置失败！");
  EXPECT_EQ(WindowText(suite.Hwnd()), SuiteFileCaption("locked.ini"));
  EXPECT_TRUE(suite.CurrentFile().empty());
  EXPECT_TRUE(program_.app->State().suiteEditsListPreset);
}

// A preset saved from Notepad as "Unicode": listed, previewed and edited from the list, and saved in
// place in its own encoding, as the profile functions read it.
TEST_F(SuiteTest, AUtf16PresetIsEditedAndSavedInItsOwnEncoding) {
  std::string utf16 = "\xFF\xFE";
  for (const char c : PresetText(kSimplePreset)) utf16 += std::string{c, '\0'};
  program_.dir.WriteFile("\\Effect\\C\\unicode.ini", utf16);
  Start();
  SuiteWindow& suite = OpenFromList(0);
  EXPECT_EQ(program_.Main().List().RowCount(), 1);
  EXPECT_EQ(suite.Position(SuiteSlider::kRed), 200);
  EXPECT_EQ(suite.Position(SuiteSlider::kTransverse), 6);
  MoveSlider(suite, SuiteSlider::kTransverse, 11);
  Click(suite, SuiteControl::kSaveButton);
  EXPECT_EQ(messages_, std::vector<std::string>{"信息：|成功保存配置！"});

  const std::string bytes = program_.dir.ReadFile("\\Effect\\C\\unicode.ini");
  EXPECT_EQ(bytes.substr(0, 2), "\xFF\xFE");
  EXPECT_EQ(bytes.size() % 2, 0u);
  EXPECT_EQ(bytes.find("Transverse=11"), std::string::npos) << "no line of one-byte text";
  const std::wstring file = program_.dir.ExactPathOf("\\Effect\\C\\unicode.ini");
  auto profile = [&](const wchar_t* section, const wchar_t* key) {
    wchar_t value[32] = {};
    GetPrivateProfileStringW(section, key, L"", value, 32, file.c_str());
    return std::wstring(value);
  };
  EXPECT_EQ(profile(L"ScanlineTransversespacing", L"Transverse"), L"11");
  EXPECT_EQ(profile(L"Scanlinecolor", L"ColorR"), L"200");
  EXPECT_EQ(profile(L"Linetype", L"Pixelsize"), L"1");
}

// Save As into the program's own preset folder when the program folder is named in Hangul.
class SuiteHangulFolderTest : public SuiteTest {
 protected:
  SuiteHangulFolderTest() : SuiteTest(L"-\uC124\uC815") {}  // -설정
};

TEST_F(SuiteHangulFolderTest, SaveAsWritesThePresetThere) {
  Start();
  SuiteWindow& suite = OpenFromButton();
  HideDebugArea(suite);
  answer_ = Path("\\Effect\\C\\saved.ini");
  Click(suite, SuiteControl::kSaveAsButton);
  EXPECT_EQ(messages_, std::vector<std::string>{"信息：|成功保存配置！"});
  const std::wstring exact = program_.dir.ExactPath() + L"\\Effect\\C\\saved.ini";
  EXPECT_NE(GetFileAttributesW(exact.c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(ReadPreset(program_.app->Settings(), *answer_), kSuiteDefaultPreset);
  // The caption names the file as it is, Hangul included.
  wchar_t caption[512] = {};
  GetWindowTextW(suite.Hwnd(), caption, 512);
  EXPECT_EQ(std::wstring(caption), ToWide(SuiteSaveAsCaption("")) + exact);
}

TEST_F(SuiteTest, CancelledDialogsChangeNothing) {
  Start();
  SuiteWindow& suite = OpenFromButton();
  HideDebugArea(suite);
  Click(suite, SuiteControl::kOpenButton);
  Click(suite, SuiteControl::kSaveAsButton);
  EXPECT_EQ(asked_, (std::vector<PresetDialog>{PresetDialog::kOpen, PresetDialog::kSave}));
  EXPECT_EQ(WindowText(suite.Hwnd()), kSuiteUnsavedCaption);
  EXPECT_TRUE(suite.CurrentFile().empty());
  EXPECT_TRUE(messages_.empty());
  EXPECT_EQ(suite.Position(SuiteSlider::kTransverse), 4);
}

// ---- Backdrops -----------------------------------------------------------------------------------

class SuiteBackdropTest : public SuiteTest {
 protected:
  void AddBackdrops() {
    program_.dir.MakeFolder("\\BG");
    program_.dir.WriteFile("\\BG\\b.png", PngFile(30, 20, RGB(0, 128, 0)));
    program_.dir.WriteFile("\\BG\\c.txt", "not a picture");
    // The JPG's bytes are PNG bytes: pictures are decoded by their contents.
    program_.dir.WriteFile("\\BG\\d.jpg", PngFile(40, 10, RGB(0, 0, 128)));
  }
  std::vector<std::string> ChooserItems(SuiteWindow& suite) {
    std::vector<std::string> items;
    HWND chooser = suite.Control(SuiteControl::kBackdropChooser);
    const int count = static_cast<int>(SendMessageW(chooser, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
      wchar_t text[260] = {};
      SendMessageW(chooser, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
      items.push_back(FromWide(text));
    }
    return items;
  }
};

TEST_F(SuiteBackdropTest, ListsPicturesAndShowsTheChosenOne) {
  AddBackdrops();
  Start();
  SuiteWindow& suite = OpenFromButton();
  HideDebugArea(suite);
  EXPECT_EQ(ChooserItems(suite), (std::vector<std::string>{kSuiteNoBackdropItem, "b.png", "d.jpg"}));
  ASSERT_EQ(suite.Backdrops().size(), 2u);
  EXPECT_EQ(suite.Backdrops()[1].path, Path("\\BG\\d.jpg"));
  const int random = suite.ChooserSelection();
  EXPECT_TRUE(random == 1 || random == 2) << random;
  BackdropWindow& backdrop = suite.DebugArea()->Backdrop();
  ASSERT_TRUE(PumpUntil([&] { return !backdrop.ShowTimerPending(); }));
  EXPECT_EQ(backdrop.PictureSize().cx, random == 1 ? 30 : 40);
  EXPECT_EQ(WindowText(suite.Control(SuiteControl::kBackdropLabel)), "选动画[" + std::to_string(random) + "]：");

  HWND chooser = suite.Control(SuiteControl::kBackdropChooser);
  SendMessageW(chooser, CB_SETCURSEL, 2, 0);
  SendMessageW(suite.Hwnd(), WM_COMMAND, MAKEWPARAM(static_cast<int>(SuiteControl::kBackdropChooser), CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(chooser));
  ASSERT_TRUE(PumpUntil([&] { return !backdrop.ShowTimerPending(); }));
  EXPECT_EQ(backdrop.PictureSize().cx, 40);
  EXPECT_EQ(backdrop.PictureSize().cy, 10);
  EXPECT_EQ(WindowText(suite.Control(SuiteControl::kBackdropLabel)), "选动画[2]：");

  SendMessageW(chooser, CB_SETCURSEL, 0, 0);
  SendMessageW(suite.Hwnd(), WM_COMMAND, MAKEWPARAM(static_cast<int>(SuiteControl::kBackdropChooser), CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(chooser));
  ASSERT_TRUE(PumpUntil([&] { return !backdrop.ShowTimerPending(); }));
  EXPECT_FALSE(backdrop.HasPicture());
  EXPECT_EQ(WindowText(suite.Control(SuiteControl::kBackdropLabel)), "选动画[0]：");

  Click(suite, SuiteControl::kRandomButton);
  EXPECT_GE(suite.ChooserSelection(), 1);
  suite.SetBackgroundColour(RGB(0, 0, 0));
  EXPECT_EQ(backdrop.Colour(), RGB(0, 0, 0));
}

TEST_F(SuiteBackdropTest, LimitAndCaseDecideWhatIsListed) {
  struct Row {
    const char* config;
    std::vector<std::string> files;
    size_t listed;
  };
  const Row rows[] = {
      {"SZ=1\r\n", {"b.png", "d.jpg"}, 1},
      {"SZ=0\r\n", {"b.png"}, 0},
      {"SZ=-2\r\n", {"b.png"}, 0},
      {"SZ=\r\n", {"E.PNG", "f.Jpg"}, 0},
  };
  for (const Row& row : rows) {
    TestProgram program;
    program.dir.MakeFolder("\\BG");
    program.dir.MakeFolder("\\BG\\sub");
    for (const std::string& file : row.files) program.dir.WriteFile("\\BG\\sub\\" + file, "x");
    program.WriteConfig(std::string("[Config]\r\nFirst=1\r\n") + row.config);
    program.Start();
    SendMessageW(program.Hwnd(), WM_COMMAND, MAKEWPARAM(static_cast<int>(ControlId::kSuiteButton), BN_CLICKED), 0);
    SuiteWindow* suite = program.Main().Suite();
    ASSERT_NE(suite, nullptr);
    HideDebugArea(*suite);
    EXPECT_EQ(suite->Backdrops().size(), row.listed) << row.config;
    EXPECT_EQ(suite->ChooserSelection(), row.listed > 0 ? 1 : 0);
  }
}

TEST(SuiteDpi144Test, LayoutIsTheDesignScaledByOneAndAHalf) {
  ASSERT_EQ(SystemDpi(), 144) << "run this suite in a Wine prefix whose LogPixels is 144";
  TestProgram program;
  program.Start();
  SendMessageW(program.Hwnd(), WM_COMMAND, MAKEWPARAM(static_cast<int>(ControlId::kSuiteButton), BN_CLICKED), 0);
  SuiteWindow* suite = program.Main().Suite();
  ASSERT_NE(suite, nullptr);
  ShowWindow(suite->DebugArea()->Hwnd(), SW_HIDE);
  testing::ExpectSuiteLaidOutFor(suite->Hwnd(), 144);
  // The debug area and the suite still share the screen between them, in physical pixels.
  const RECT suiteRect = testing::WindowRect(suite->Hwnd());
  const RECT debugRect = testing::WindowRect(suite->DebugArea()->Hwnd());
  EXPECT_EQ(debugRect.bottom, suiteRect.top);
  EXPECT_EQ(debugRect.right - debugRect.left, GetSystemMetrics(SM_CXSCREEN) * 40 / 100);
}

}  // namespace
}  // namespace corvanta
