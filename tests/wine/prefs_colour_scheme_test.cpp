// "程序配色" in a running program: the pickers from Config.ini, the preview on the effect list, "随机",
// "确定" and "默认", picker 9, one window at a time and both preference windows stepping down.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "shell/menu_layout.h"
#include "prefs/advanced_options_window.h"
#include "prefs/colour_scheme_window.h"
#include "region/custom_region.h"
#include "region/region_select_window.h"
#include "prefs/preference_values.h"
#include "prefs_list_draw.h"
#include "test_program.h"

namespace corvanta {
namespace {

using testing::CustomDraw;
using testing::PumpUntil;
using testing::SelectOnly;
using testing::TestProgram;

class ColourSchemeTest : public ::testing::Test {
 protected:
  void Start(const std::string& colours) {
    program_.WriteConfig("[Config]\r\nFirst=1\r\nSetP=C\r\nGetC=1\r\nTop=0\r\n" + colours);
    program_.dir.MakeFolder("\\Effect");
    program_.dir.MakeFolder("\\Effect\\C");
    for (const char* name : {"a", "b", "c"}) {
      program_.dir.WriteFile(std::string("\\Effect\\C\\") + name + ".ini", "[Linetype]\r\nPixelsize=1\r\n");
    }
    program_.Start();
    ASSERT_TRUE(PumpUntil([&] { return Main().List().RowCount() == 3; }));
    SelectOnly(Main(), -1);
  }
  void Open() {
    SendMessageW(program_.Hwnd(), WM_COMMAND, static_cast<WPARAM>(MenuId::kProgramColours), 0);
    ASSERT_NE(Window(), nullptr);
  }
  void Close() {
    SendMessageW(Window()->Hwnd(), WM_CLOSE, 0, 0);
    ASSERT_EQ(Window(), nullptr);
  }
  void Click(ColourSchemeControl id) {
    SendMessageW(Window()->Hwnd(), WM_COMMAND, MAKEWPARAM(static_cast<int>(id), BN_CLICKED),
                 reinterpret_cast<LPARAM>(Window()->Control(id)));
  }
  std::string Status() { return WindowTextGbk(Window()->Control(ColourSchemeControl::kStatus)); }
  std::string Colour(int index) { return program_.Config(keys::kColourSection, keys::ProgramColourKey(index).c_str()); }
  MainWindow& Main() { return program_.Main(); }
  ColourSchemeWindow* Window() { return Main().ColourScheme(); }

  TestProgram program_;
};

// C1..C9 = 1..9 in their own components, so each picker's colour tells where it came from.
std::string NumberedColours() {
  std::string ini = "[Color]\r\n";
  for (int i = 0; i < 9; ++i) ini += "C" + std::to_string(i + 1) + "=" + std::to_string(RGB(i + 1, 0, 0)) + "\r\n";
  return ini;
}

TEST_F(ColourSchemeTest, OpensOnceAtItsPlaceWithThePickersFromTheFile) {
  Start(NumberedColours());
  Open();
  const HWND first = Window()->Hwnd();
  SendMessageW(program_.Hwnd(), WM_COMMAND, static_cast<WPARAM>(MenuId::kProgramColours), 0);
  EXPECT_EQ(Window()->Hwnd(), first);
  EXPECT_EQ(testing::WindowText(first), "程序配色");
  // 6 % of the screen's width from the left, 8 % of its height from the top.
  const RECT r = testing::WindowRect(first);
  EXPECT_EQ(r.left, 115);
  EXPECT_EQ(r.top, 86);
  // Picker n shows the colour whose key names it: C8 in picker 1, C6 in picker 2, ...
  const int colourOfPicker[] = {8, 6, 3, 7, 2, 1, 4, 5, 9};
  for (int n = 1; n <= 9; ++n) EXPECT_EQ(Window()->Picker(n).Colour(), RGB(colourOfPicker[n - 1], 0, 0)) << n;
  EXPECT_EQ(Status(), "");
  // Every control inside the client area.
  RECT client{};
  GetClientRect(first, &client);
  for (int id = static_cast<int>(ColourSchemeControl::kFirstLabel);
       id <= static_cast<int>(ColourSchemeControl::kApplyButton); ++id) {
    HWND control = GetDlgItem(first, id);
    if (control == nullptr) continue;
    const RECT c = testing::ChildRect(control);
    EXPECT_LE(c.right, client.right) << id;
    EXPECT_LE(c.bottom, client.bottom) << id;
  }
}

TEST_F(ColourSchemeTest, RandomPreviewsOnTheListAndClosingLeavesTheFileAlone) {
  Start(testing::kDefaultColourSection);
  const std::string before = program_.ConfigFile();
  Open();
  Click(ColourSchemeControl::kRandomButton);
  EXPECT_EQ(Status(), "待确认...");
  const ProgramColours shown = Window()->PickerColours();
  EXPECT_NE(shown, kDefaultProgramColours);
  // The list shows the pickers' colours at once: row 0 in C6 on C7, row 2 on C3, the enabled row in C1 on C2.
  EXPECT_EQ(CustomDraw(Main(), 0).text, shown[5]);
  EXPECT_EQ(CustomDraw(Main(), 0).background, shown[6]);
  EXPECT_EQ(CustomDraw(Main(), 1).text, shown[0]);
  EXPECT_EQ(CustomDraw(Main(), 1).background, shown[1]);
  EXPECT_EQ(ListView_GetBkColor(Main().List().Hwnd()), shown[7]);
  Close();
  EXPECT_EQ(program_.ConfigFile(), before);
  EXPECT_EQ(program_.app->State().programColours, kDefaultProgramColours);
  // The preview stays on the list until the list is coloured from the saved scheme again.
  EXPECT_EQ(CustomDraw(Main(), 0).background, shown[6]);
  Main().List().Fill();
  SelectOnly(Main(), -1);
  EXPECT_EQ(CustomDraw(Main(), 0).background, RGB(240, 240, 240));
}

TEST_F(ColourSchemeTest, DefaultsWriteTheNineDefaultValuesAndRecolourTheList) {
  Start(NumberedColours());
  Open();
  Click(ColourSchemeControl::kDefaultsButton);
  const char* expected[] = {"2894892", "13944764", "15132390", "10256239", "65535",
                            "2894892", "15790320", "15790320", "65280"};
  for (int i = 0; i < 9; ++i) EXPECT_EQ(Colour(i), expected[i]) << "C" << i + 1;
  EXPECT_EQ(Status(), "已恢复默认颜色");
  EXPECT_EQ(Window()->PickerColours(), kDefaultProgramColours);
  EXPECT_EQ(program_.app->State().programColours, kDefaultProgramColours);
  EXPECT_EQ(CustomDraw(Main(), 1).background, RGB(188, 199, 212));
  EXPECT_EQ(CustomDraw(Main(), 2).background, RGB(240, 240, 240));
}

TEST_F(ColourSchemeTest, PickerNineOnlyMarksThePreviewAndApplySavesEveryPicker) {
  Start(testing::kDefaultColourSection);
  Open();
  const testing::DrawnRow before = CustomDraw(Main(), 0);
  Window()->Picker(9).Pick(RGB(1, 2, 3));
  EXPECT_EQ(Status(), "待确认...");
  EXPECT_EQ(CustomDraw(Main(), 0).text, before.text);
  EXPECT_EQ(CustomDraw(Main(), 0).background, before.background);
  EXPECT_EQ(Colour(8), "65280");  // nothing written before "确定"

  Window()->Picker(2).Pick(RGB(9, 8, 7));  // the list's text colour, C6
  EXPECT_EQ(CustomDraw(Main(), 0).text, RGB(9, 8, 7));
  Click(ColourSchemeControl::kApplyButton);
  EXPECT_EQ(Status(), "已保存颜色配置");
  EXPECT_EQ(Colour(5), std::to_string(RGB(9, 8, 7)));
  EXPECT_EQ(Colour(8), std::to_string(RGB(1, 2, 3)));
  EXPECT_EQ(Colour(0), "2894892");
  EXPECT_EQ(program_.app->State().programColours[5], RGB(9, 8, 7));
  EXPECT_EQ(program_.app->State().programColours[8], RGB(1, 2, 3));
}

// With Config.ini read-only neither "确定" nor "默认" can store the scheme: the status says so in red,
// and no longer once the file takes writes again.
TEST_F(ColourSchemeTest, ASchemeThatCannotBeStoredIsReportedInRed) {
  Start(NumberedColours());
  Open();
  Window()->Picker(2).Pick(RGB(9, 8, 7));
  const std::string before = program_.ConfigFile();
  const HWND status = Window()->Control(ColourSchemeControl::kStatus);
  program_.SetConfigReadOnly(true);
  for (ColourSchemeControl button : {ColourSchemeControl::kApplyButton, ColourSchemeControl::kDefaultsButton}) {
    Click(button);
    EXPECT_EQ(Status(), "保存配置失败！");
    EXPECT_EQ(testing::LabelTextColour(Window()->Hwnd(), status), RGB(255, 66, 66));
  }
  EXPECT_EQ(program_.ConfigFile(), before);
  program_.SetConfigReadOnly(false);
  Window()->Picker(2).Pick(RGB(9, 8, 7));
  Click(ColourSchemeControl::kApplyButton);
  EXPECT_EQ(Status(), "已保存颜色配置");
  EXPECT_EQ(testing::LabelTextColour(Window()->Hwnd(), status), RGB(0, 0, 0));
  EXPECT_EQ(Colour(5), std::to_string(RGB(9, 8, 7)));
}

// Answers the system colour dialog once it shows: types a colour into its red, green and blue boxes and
// presses OK.
class ColourDialogAnswer {
 public:
  explicit ColourDialogAnswer(COLORREF colour) {
    answer_ = colour;
    answered_ = false;
    timer_ = SetTimer(nullptr, 0, 20, &ColourDialogAnswer::Tick);
  }
  ~ColourDialogAnswer() { KillTimer(nullptr, timer_); }
  ColourDialogAnswer(const ColourDialogAnswer&) = delete;
  ColourDialogAnswer& operator=(const ColourDialogAnswer&) = delete;
  static bool Answered() { return answered_; }

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    HWND dialog = FindWindowW(L"#32770", nullptr);
    if (answered_ || dialog == nullptr || !IsWindowVisible(dialog)) return;
    constexpr int kRed = 706, kGreen = 707, kBlue = 708;  // the dialog's component boxes
    SetDlgItemInt(dialog, kRed, GetRValue(answer_), FALSE);
    SetDlgItemInt(dialog, kGreen, GetGValue(answer_), FALSE);
    SetDlgItemInt(dialog, kBlue, GetBValue(answer_), FALSE);
    answered_ = true;
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
  }
  static inline COLORREF answer_ = 0;
  static inline bool answered_ = false;
  UINT_PTR timer_ = 0;
};

TEST_F(ColourSchemeTest, ClickingAPickerChoosesItsColourInTheSystemDialog) {
  Start(testing::kDefaultColourSection);
  Open();
  ColourDialogAnswer answer(RGB(12, 34, 56));
  HWND picker = Window()->Picker(4).Hwnd();  // C7, the even rows' background
  SendMessageW(Window()->Hwnd(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(picker), BN_CLICKED),
               reinterpret_cast<LPARAM>(picker));
  ASSERT_TRUE(ColourDialogAnswer::Answered());
  EXPECT_EQ(Window()->Picker(4).Colour(), RGB(12, 34, 56));
  EXPECT_EQ(Status(), "待确认...");
  EXPECT_EQ(CustomDraw(Main(), 0).background, RGB(12, 34, 56));
}

// Both preference windows sit on top, step down for the custom region's selection surface and go back on
// top when the selection ends.
TEST_F(ColourSchemeTest, BothPreferenceWindowsStepDownWhileARegionIsSelected) {
  Start(testing::kDefaultColourSection);
  Open();
  SendMessageW(program_.Hwnd(), WM_COMMAND, static_cast<WPARAM>(MenuId::kAdvancedOptions), 0);
  ASSERT_NE(Main().AdvancedOptions(), nullptr);
  const HWND windows[] = {Window()->Hwnd(), Main().AdvancedOptions()->Hwnd()};
  auto onTop = [](HWND hwnd) { return (GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; };
  for (HWND hwnd : windows) ASSERT_TRUE(onTop(hwnd));
  program_.app->Modes().RegionRequested();
  ASSERT_NE(Main().Region().Surface(), nullptr);
  for (HWND hwnd : windows) EXPECT_FALSE(onTop(hwnd));
  SendMessageW(Main().Region().Surface()->Hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
  ASSERT_FALSE(Main().Region().IsOpen());
  for (HWND hwnd : windows) EXPECT_TRUE(onTop(hwnd));
}

}  // namespace
}  // namespace corvanta
