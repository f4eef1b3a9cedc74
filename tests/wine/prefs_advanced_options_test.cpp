// "Corvanta_高级配置选项：" in a running program: the stored values on opening, a picked colour that is
// dropped or applied, "默认" of each section on a locked overlay and on the start screen, the placement.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

#include "shell/menu_layout.h"
#include "effects/effect_list.h"
#include "overlay/draw_canvas.h"
#include "overlay/overlay_controller.h"
#include "prefs/advanced_options_window.h"
#include "prefs/preference_values.h"
#include "region/smart_attach.h"
#include "test_pictures.h"
#include "test_program.h"

namespace corvanta {
namespace {

using testing::PumpUntil;
using testing::TargetWindow;
using testing::TestProgram;
using testing::WindowRect;

constexpr LONG kOverlayExStyle = WS_EX_TRANSPARENT | WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_LAYERED;

class AdvancedOptionsTest : public ::testing::Test {
 protected:
  // Picture mode with one 8 x 8 picture; the transparent colour 1,2,3.
  void Start(const std::string& extra = "Dp=0\r\nTC=9\r\n") {
    program_.WriteConfig(
        "[Config]\r\nFirst=1\r\nSetP=P\r\nGetP=0\r\nAlpha=90\r\nTop=0\r\nAr=1\r\nAg=2\r\nAb=3\r\n"
        "W=740\r\nH=514\r\nL=50\r\nT=50\r\n" +
        extra);
    program_.dir.MakeFolder("\\Effect");
    program_.dir.MakeFolder("\\Effect\\P");
    program_.dir.WriteFile("\\Effect\\P\\a.bmp", testing::BmpFile(8, 8, RGB(0, 200, 0)));
    program_.Start();
    ASSERT_TRUE(PumpUntil([&] { return Main().List().RowCount() == 1 && !program_.StartupTimersPending(); }));
  }
  void AttachAndLock(const TargetWindow& target) {
    const RECT r = WindowRect(target.Hwnd());
    SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    program_.app->Modes().AttachRequested();
    ASSERT_TRUE(PumpUntil([&] { return WindowRect(program_.Hwnd()).left == r.left; }));
    testing::PressKey(program_.Hwnd(), 'L');
    ASSERT_EQ(program_.app->ModeState().locked, LockedState::kLocked);
  }
  void Open() {
    SendMessageW(program_.Hwnd(), WM_COMMAND, static_cast<WPARAM>(MenuId::kAdvancedOptions), 0);
    ASSERT_NE(Window(), nullptr);
  }
  void Close() { SendMessageW(Window()->Hwnd(), WM_CLOSE, 0, 0); }
  void Click(HWND button) {
    SendMessageW(Window()->Hwnd(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                 reinterpret_cast<LPARAM>(button));
  }
  void Click(AdvancedOptionsControl id) { Click(Window()->Control(id)); }
  bool Checked(HWND radio) { return SendMessageW(radio, BM_GETCHECK, 0, 0) == BST_CHECKED; }
  std::string Text(AdvancedOptionsControl id) { return WindowTextGbk(Window()->Control(id)); }
  std::string Key(const char* key) { return program_.Config("Config", key); }
  COLORREF LayeredKey(BYTE* alpha = nullptr) {
    COLORREF key = 0;
    BYTE a = 0;
    DWORD flags = 0;
    GetLayeredWindowAttributes(program_.Hwnd(), &key, &a, &flags);
    if (alpha != nullptr) *alpha = a;
    return key;
  }
  MainWindow& Main() { return program_.Main(); }
  AdvancedOptionsWindow* Window() { return Main().AdvancedOptions(); }

  TestProgram program_;
};

TEST_F(AdvancedOptionsTest, OpensOnceNearTheLowerLeftWithTheStoredValues) {
  Start("Dp=2\r\nTC=16\r\n");
  Open();
  const HWND first = Window()->Hwnd();
  SendMessageW(program_.Hwnd(), WM_COMMAND, static_cast<WPARAM>(MenuId::kAdvancedOptions), 0);
  EXPECT_EQ(Window()->Hwnd(), first);
  EXPECT_EQ(testing::WindowText(first), "Corvanta_高级配置选项：");
  // 6 % of the screen's width from the left; the bottom at 92 % of its height (993.6 less 445).
  const RECT r = WindowRect(first);
  EXPECT_EQ(r.left, 115);
  EXPECT_EQ(r.top, 548);
  EXPECT_EQ(r.bottom - r.top, 445);
  EXPECT_EQ(Text(AdvancedOptionsControl::kCurrentColour), "当前透明色RGB:(1,2,3)");
  EXPECT_EQ(Text(AdvancedOptionsControl::kPendingColour), "待选透明色RGB:(1,2,3)");
  EXPECT_EQ(Window()->Picker().Colour(), RGB(1, 2, 3));
  for (int p = 0; p < 4; ++p) EXPECT_EQ(Checked(Window()->PlacementRadio(p)), p == 2) << p;
  for (int i = 0; i < 8; ++i) EXPECT_EQ(Checked(Window()->FontRadio(i)), kListFontSizes[i] == 16) << i;
  EXPECT_EQ(Text(AdvancedOptionsControl::kColourStatus), "待确认");
  RECT client{};
  GetClientRect(first, &client);
  const RECT lastButton = testing::ChildRect(Window()->Control(AdvancedOptionsControl::kFollowDefaults));
  EXPECT_LE(lastButton.bottom, client.bottom);
}

TEST_F(AdvancedOptionsTest, OutOfRangeValuesCheckNothingAndApplyChangesOnlyTheStatus) {
  Start("Dp=7\r\nTC=13\r\nAr=x\r\n");
  Open();
  for (int p = 0; p < 4; ++p) EXPECT_FALSE(Checked(Window()->PlacementRadio(p)));
  for (int i = 0; i < 8; ++i) EXPECT_FALSE(Checked(Window()->FontRadio(i)));
  const std::string before = program_.ConfigFile();
  Click(AdvancedOptionsControl::kPlacementApply);
  Click(AdvancedOptionsControl::kFontApply);
  Click(AdvancedOptionsControl::kColourApply);  // no colour picked
  EXPECT_FALSE(Window()->ColourApplyPending());
  EXPECT_EQ(Text(AdvancedOptionsControl::kPlacementStatus), "已修改");
  EXPECT_EQ(Window()->Status(AdvancedOptionsControl::kFontStatus), PreferenceStatus::kApplied);
  EXPECT_EQ(Window()->Status(AdvancedOptionsControl::kColourStatus), PreferenceStatus::kApplied);
  EXPECT_EQ(program_.ConfigFile(), before);
  // A radio button only records a choice.
  Click(Window()->FontRadio(0));
  EXPECT_EQ(Window()->Status(AdvancedOptionsControl::kFontStatus), PreferenceStatus::kPending);
  EXPECT_EQ(Key("TC"), "13");
}

TEST_F(AdvancedOptionsTest, APickedColourIsDroppedByClosingAndAppliedByApply) {
  Start();
  Open();
  Window()->Picker().Pick(RGB(10, 20, 30));
  EXPECT_EQ(Text(AdvancedOptionsControl::kPendingColour), "待选透明色RGB:(10,20,30)");
  EXPECT_EQ(Text(AdvancedOptionsControl::kCurrentColour), "当前透明色RGB:(1,2,3)");
  Close();
  EXPECT_EQ(Key("Ar") + Key("Ag") + Key("Ab"), "123");
  EXPECT_EQ(Main().Overlay().ColourKey(), RGB(1, 2, 3));

  Open();
  Window()->Picker().Pick(RGB(10, 20, 30));
  Click(AdvancedOptionsControl::kColourApply);
  EXPECT_EQ(Text(AdvancedOptionsControl::kColourStatus), "待确认") << "the colour is stored by the timer";
  ASSERT_TRUE(PumpUntil([&] { return !Window()->ColourApplyPending(); }));
  EXPECT_EQ(Text(AdvancedOptionsControl::kColourStatus), "已修改");
  EXPECT_EQ(Key("Ar") + "," + Key("Ag") + "," + Key("Ab"), "10,20,30");
  EXPECT_EQ(Main().Overlay().ColourKey(), RGB(10, 20, 30));
  EXPECT_EQ(Text(AdvancedOptionsControl::kCurrentColour), "当前透明色RGB:(10,20,30)");
  BYTE alpha = 0;
  EXPECT_EQ(LayeredKey(&alpha), RGB(10, 20, 30));
  EXPECT_EQ(alpha, 255);  // the start screen is not the overlay

  // Confirmed and closed at once: the colour is still applied.
  Window()->Picker().Pick(RGB(40, 50, 60));
  Click(AdvancedOptionsControl::kColourApply);
  Close();
  EXPECT_EQ(Key("Ar") + "," + Key("Ag") + "," + Key("Ab"), "40,50,60");
  EXPECT_EQ(Main().Overlay().ColourKey(), RGB(40, 50, 60));
}

TEST_F(AdvancedOptionsTest, DefaultColourOnALockedOverlayKeysAtOnceAndStillLetsClicksThrough) {
  Start();
  TargetWindow target(900, 300, 240, 160);
  AttachAndLock(target);
  ASSERT_EQ(LayeredKey(), RGB(1, 2, 3));
  Open();
  Click(AdvancedOptionsControl::kColourDefaults);
  EXPECT_EQ(Key("Ar") + "," + Key("Ag") + "," + Key("Ab"), "208,222,227");
  ASSERT_TRUE(PumpUntil([&] { return !Window()->ColourApplyPending(); }));
  BYTE alpha = 0;
  EXPECT_EQ(LayeredKey(&alpha), RGB(208, 222, 227));
  EXPECT_EQ(alpha, 90);
  // Topmost is handed over to the open window; everything else of the overlay stays.
  EXPECT_EQ(GetWindowLongW(program_.Hwnd(), GWL_EXSTYLE) & kOverlayExStyle, kOverlayExStyle & ~WS_EX_TOPMOST);
  EXPECT_EQ(WindowFromPoint(POINT{1000, 350}), target.Hwnd());
  EXPECT_EQ(Text(AdvancedOptionsControl::kCurrentColour), "当前透明色RGB:(208,222,227)");
  Close();
  EXPECT_EQ(GetWindowLongW(program_.Hwnd(), GWL_EXSTYLE) & kOverlayExStyle, kOverlayExStyle);
  EXPECT_EQ(WindowFromPoint(POINT{1000, 350}), target.Hwnd());
}

TEST_F(AdvancedOptionsTest, DefaultPlacementTilesTheLockedPictureInPlace) {
  Start();
  TargetWindow target(900, 300, 240, 160);
  AttachAndLock(target);
  DrawCanvas& canvas = Main().Canvas();
  ASSERT_EQ(canvas.PixelAt(2, 2), RGB(0, 200, 0));
  ASSERT_NE(canvas.PixelAt(100, 100), RGB(0, 200, 0));  // top-left: the picture only in its corner
  Open();
  Click(AdvancedOptionsControl::kPlacementDefaults);
  EXPECT_TRUE(Checked(Window()->PlacementRadio(3)));
  EXPECT_EQ(Key("Dp"), "3");
  EXPECT_EQ(program_.app->ModeState().locked, LockedState::kLocked);
  ASSERT_TRUE(PumpUntil([&] { return !Main().TimerPending(MainTimer::kResizeRedraw); }));
  EXPECT_EQ(canvas.PixelAt(100, 100), RGB(0, 200, 0));
  const RECT r = WindowRect(program_.Hwnd());
  const RECT wanted = WindowRect(target.Hwnd());
  EXPECT_TRUE(EqualRect(&r, &wanted));
  EXPECT_FALSE(IsWindowEnabled(program_.Hwnd()));
  Close();
  EXPECT_EQ(GetWindowLongW(program_.Hwnd(), GWL_EXSTYLE) & kOverlayExStyle, kOverlayExStyle);
  BYTE alpha = 0;
  EXPECT_EQ(LayeredKey(&alpha), RGB(1, 2, 3));
  EXPECT_EQ(alpha, 90);
}

TEST_F(AdvancedOptionsTest, DefaultFontSizeWritesTwelveAndLaysTheStartScreenOutAgain) {
  Start();
  const HFONT before = reinterpret_cast<HFONT>(SendMessageW(Main().List().Hwnd(), WM_GETFONT, 0, 0));
  Open();
  Click(AdvancedOptionsControl::kFontDefaults);
  EXPECT_EQ(Key("TC"), "12");
  EXPECT_EQ(program_.app->State().listFontSize, 12);
  EXPECT_TRUE(Checked(Window()->FontRadio(3)));
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(Main().List().Hwnd(), WM_GETFONT, 0, 0)), sizeof(font), &font);
  LOGFONTW old{};
  GetObjectW(before, sizeof(old), &old);
  EXPECT_GT(std::abs(font.lfHeight), std::abs(old.lfHeight));
  testing::ExpectControlsAt(Main(), testing::kStartScreenAt96);
}

// With Config.ini read-only each section says in red that its value was not stored; once the file takes
// writes again, the same choices are stored and reported as applied.
TEST_F(AdvancedOptionsTest, AValueThatCannotBeStoredIsReportedInRed) {
  Start();
  Open();
  struct Case {
    const char* name;
    AdvancedOptionsControl status;
    std::function<void()> apply;
  };
  const Case cases[] = {
      {"colour", AdvancedOptionsControl::kColourStatus,
       [&] {
         Window()->Picker().Pick(RGB(10, 20, 30));
         Click(AdvancedOptionsControl::kColourApply);
         PumpUntil([&] { return !Window()->ColourApplyPending(); });
       }},
      {"placement", AdvancedOptionsControl::kPlacementStatus,
       [&] {
         Click(Window()->PlacementRadio(1));
         Click(AdvancedOptionsControl::kPlacementApply);
       }},
      {"font size", AdvancedOptionsControl::kFontStatus,
       [&] {
         Click(Window()->FontRadio(5));
         Click(AdvancedOptionsControl::kFontApply);
       }},
      {"following", AdvancedOptionsControl::kFollowStatus,
       [&] {
         SendMessageW(Window()->Control(AdvancedOptionsControl::kFollowClientCheckbox), BM_SETCHECK, BST_CHECKED, 0);
         Click(AdvancedOptionsControl::kFollowApply);
       }},
  };
  const std::string before = program_.ConfigFile();
  for (bool readOnly : {true, false}) {
    program_.SetConfigReadOnly(readOnly);
    for (const Case& c : cases) {
      SCOPED_TRACE(::testing::Message() << c.name << (readOnly ? " read-only" : " writable"));
      c.apply();
      EXPECT_EQ(Text(c.status), readOnly ? "保存配置失败！" : "已修改");
      EXPECT_EQ(Window()->Status(c.status), readOnly ? PreferenceStatus::kSaveFailed : PreferenceStatus::kApplied);
      EXPECT_EQ(testing::LabelTextColour(Window()->Hwnd(), Window()->Control(c.status)), RGB(255, 66, 66));
    }
    if (readOnly) {
      EXPECT_EQ(program_.ConfigFile(), before);
    }
  }
  EXPECT_EQ(Key("Ar") + "," + Key("Ag") + "," + Key("Ab"), "10,20,30");
  EXPECT_EQ(Key("Dp") + " " + Key("TC"), "1 16");
  EXPECT_EQ(program_.Config("Follow", "Client"), "1");
}

}  // namespace
}  // namespace corvanta
