// Smart attach, the lock into the overlay, cancel and return, display modes, strength, topmost,
// strong topmost and hiding the main window.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "effects/effect_list.h"
#include "effects/lock_content.h"
#include "effects/preset.h"
#include "overlay/draw_canvas.h"
#include "overlay/overlay_controller.h"
#include "platform/text_conv.h"
#include "overlay/render.h"
#include "region/smart_attach.h"
#include "gdi_reference.h"
#include "test_pictures.h"
#include "test_program.h"

namespace corvanta {
namespace {

using testing::PumpUntil;
using testing::TargetWindow;
using testing::TestProgram;
using testing::WindowRect;

constexpr const char* kPresetIni =
    "[Scantype]\r\nLinetype=1\r\n[Linetype]\r\nPixelsize=1\r\n[Scanlinecolor]\r\nColorR=12\r\nColorG=6\r\n"
    "ColorB=2\r\n[ScanlineTransversespacing]\r\nTransverse=3\r\n[ScanlineVerticalspacing]\r\nVertical=7\r\n"
    "[ScanlineObliquespacing]\r\nOblique=0\r\n[ScanlineAntiskewspacing]\r\nAntiskew=9\r\n";

class OverlayTest : public ::testing::Test {
 protected:
  // Two presets; the enabled one (index 1) is "b.ini".
  void StartWithPresets(const std::string& extraConfig = "") {
    program_.WriteConfig("[Config]\r\nFirst=1\r\nSetP=C\r\nGetC=1\r\nGetP=0\r\nAlpha=120\r\nTop=1\r\nW=740\r\nH=514\r\n"
                         "L=50\r\nT=50\r\nAr=1\r\nAg=2\r\nAb=3\r\nDp=3\r\n" +
                         extraConfig);
    program_.dir.MakeFolder("\\Effect");
    program_.dir.MakeFolder("\\Effect\\C");
    program_.dir.WriteFile("\\Effect\\C\\a.ini", "[Linetype]\r\nPixelsize=1\r\n");
    program_.dir.WriteFile("\\Effect\\C\\b.ini", kPresetIni);
    program_.Start();
    ASSERT_TRUE(PumpUntil([&] { return Main().List().RowCount() == 2; }));
  }
  MainWindow& Main() { return program_.Main(); }
  // Starts smart attach with the cursor on the target, then waits for the frame to cover it.
  void AttachTo(const TargetWindow& target) {
    const RECT r = WindowRect(target.Hwnd());
    SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    app().Modes().AttachRequested();
    ASSERT_EQ(app().ModeState().selection, Selection::kAttach);
    ASSERT_TRUE(PumpUntil([&] {
      const RECT m = WindowRect(Main().Hwnd());
      return EqualRect(&m, &r) != FALSE;
    })) << "the frame did not follow the cursor";
  }
  App& app() { return *program_.app; }
  void Key(WPARAM key) { testing::PressKey(Main().Hwnd(), key); }

  TestProgram program_;
};

TEST_F(OverlayTest, AttachAndLockCoversTheTargetWithTheEnabledGrid) {
  StartWithPresets();
  EXPECT_FALSE(Main().Overlay().Memory().Prepared()) << "no overlay memory on the start screen";
  EXPECT_LE(Main().Canvas().Capacity().cx, 1) << "a 1 x 1 surface at most";
  TargetWindow target(900, 200, 400, 300);
  AttachTo(target);
  EXPECT_TRUE(Main().Overlay().Memory().Prepared());
  EXPECT_FALSE(app().ModeState().StartScreenShape());
  EXPECT_FALSE(IsWindowVisible(Main().Control(ControlId::kEffectList)));
  EXPECT_EQ(GetMenu(Main().Hwnd()), Main().GetMenus().Bar());  // the hint entries show
  EXPECT_EQ(GetWindowLongA(Main().Hwnd(), GWL_EXSTYLE) & ~WS_EX_TOPMOST, WS_EX_LAYERED);
  EXPECT_FALSE(Main().GetMenus().IsEnabled(MenuId::kProgramColours));
  EXPECT_EQ(app().Settings().Config("Config", "L"), "50");  // saved geometry written at the start

  Key('A');
  HWND hwnd = Main().Hwnd();
  const RECT main = WindowRect(hwnd);
  const RECT wanted = WindowRect(target.Hwnd());
  EXPECT_TRUE(EqualRect(&main, &wanted));
  EXPECT_EQ(app().ModeState().locked, LockedState::kLocked);
  EXPECT_NE(app().ModeState().selection, Selection::kAttach);
  const LONG ex = GetWindowLongA(hwnd, GWL_EXSTYLE);
  EXPECT_EQ(ex & (WS_EX_TRANSPARENT | WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_LAYERED),
            WS_EX_TRANSPARENT | WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_LAYERED);
  COLORREF key = 0;
  BYTE alpha = 0;
  DWORD flags = 0;
  ASSERT_TRUE(GetLayeredWindowAttributes(hwnd, &key, &alpha, &flags));
  EXPECT_EQ(key, RGB(208, 222, 227));  // custom mode keys its own background, whatever Ar/Ag/Ab say
  EXPECT_EQ(alpha, 120);
  EXPECT_EQ(flags, 3u);
  EXPECT_FALSE(IsWindowEnabled(hwnd));
  EXPECT_TRUE(Main().IsAlwaysOnTop());
  EXPECT_EQ(GetMenu(hwnd), nullptr);
  EXPECT_TRUE(Main().GetMenus().IsEnabled(MenuId::kReturnToStart));
  EXPECT_TRUE(Main().GetMenus().IsEnabled(MenuId::kMoveOrResize));
  EXPECT_TRUE(Main().GetMenus().IsEnabled(MenuId::kReattach));

  // The canvas holds exactly the grid of b.ini for the client size.
  RECT client{};
  GetClientRect(hwnd, &client);
  EXPECT_EQ(client.right, 400);
  EXPECT_EQ(client.bottom, 300);
  DrawCanvas& canvas = Main().Canvas();
  EXPECT_TRUE(IsWindowVisible(canvas.Hwnd()));
  ASSERT_EQ(canvas.Width(), 400);
  ASSERT_EQ(canvas.Height(), 300);
  // A window this small takes fresh memory of its own size; what was prepared is given back.
  EXPECT_EQ(canvas.Capacity().cx, 400);
  EXPECT_EQ(canvas.Capacity().cy, 300);
  EXPECT_FALSE(Main().Overlay().Memory().Prepared());
  const Preset preset = ReadPreset(app().Settings(), program_.dir.PathOf("\\Effect\\C\\b.ini"));
  const testing::ReferenceImage reference = testing::GdiGridReference(ScanlinesOf(preset), 400, 300, RGB(208, 222, 227));
  int differences = 0, linePixels = 0;
  for (int y = 0; y < 300; ++y) {
    for (int x = 0; x < 400; ++x) {
      const uint32_t pixel = canvas.PixelAt(x, y);
      differences += pixel != reference.At(x, y);
      linePixels += pixel == RGB(12, 6, 2);
    }
  }
  EXPECT_EQ(differences, 0);
  EXPECT_GT(linePixels, 400 * 300 / 3);
  EXPECT_EQ(canvas.PixelAt(0, 0), RGB(12, 6, 2));    // transverse and vertical lines start at 0
  EXPECT_EQ(canvas.PixelAt(1, 1), RGB(208, 222, 227));
  EXPECT_EQ(canvas.PixelAt(1, 3), RGB(12, 6, 2));    // transverse spacing 3
}

TEST_F(OverlayTest, ALargeWindowIsDrawnIntoTheMemoryPreparedWhenTheSelectionBegan) {
  StartWithPresets();
  TargetWindow target(800, 200, 1100, 800);  // clear of the start screen
  AttachTo(target);
  Key(VK_SPACE);
  ASSERT_EQ(app().ModeState().locked, LockedState::kLocked);
  EXPECT_EQ(Main().Canvas().Width(), 1100);
  EXPECT_EQ(Main().Canvas().Capacity().cx, 1920);
  EXPECT_EQ(Main().Canvas().Capacity().cy, 1080);
  EXPECT_FALSE(Main().Overlay().Memory().Prepared());
}

TEST_F(OverlayTest, EscapeCancelsBackToTheSavedGeometry) {
  StartWithPresets();
  SetWindowPos(Main().Hwnd(), nullptr, 70, 80, 760, 520, SWP_NOZORDER | SWP_NOACTIVATE);
  TargetWindow target(1000, 300, 300, 200);
  AttachTo(target);
  // A release whose press went to a hotkey neither locks nor cancels.
  SendMessageW(Main().Hwnd(), WM_KEYUP, 'R', 0);
  SendMessageW(Main().Hwnd(), WM_KEYUP, VK_ESCAPE, 0);
  EXPECT_EQ(app().ModeState().selection, Selection::kAttach);
  Key(VK_ESCAPE);
  const RECT r = WindowRect(Main().Hwnd());
  EXPECT_EQ(r.left, 70);
  EXPECT_EQ(r.top, 80);
  EXPECT_EQ(r.right - r.left, 760);
  EXPECT_EQ(r.bottom - r.top, 520);
  EXPECT_EQ(app().ModeState().locked, LockedState::kNotLocked);
  EXPECT_NE(app().ModeState().selection, Selection::kAttach);
  EXPECT_EQ(app().ModeState().StartScreenShape(), true);
  EXPECT_TRUE(IsWindowVisible(Main().Control(ControlId::kEffectList)));
  EXPECT_EQ(GetMenu(Main().Hwnd()), nullptr);
  EXPECT_EQ(GetWindowLongA(Main().Hwnd(), GWL_EXSTYLE) & WS_EX_LAYERED, 0);
  EXPECT_TRUE(GetWindowLongA(Main().Hwnd(), GWL_STYLE) & WS_THICKFRAME);
  // A key outside the selection state does nothing.
  Key('A');
  EXPECT_EQ(app().ModeState().locked, LockedState::kNotLocked);
  // Backspace cancels too.
  AttachTo(target);
  Key(VK_BACK);
  EXPECT_EQ(app().ModeState().locked, LockedState::kNotLocked);
  EXPECT_FALSE(Main().Overlay().Memory().Prepared()) << "what a cancelled selection prepared is given back";
}

TEST_F(OverlayTest, ReturnRestoresTheStartScreenAndKeepsTopmost) {
  StartWithPresets();
  SendMessageA(Main().Control(ControlId::kTopmostCheckbox), BM_CLICK, 0, 0);  // switch topmost off: Top=0
  ASSERT_EQ(app().Settings().Config("Config", "Top"), "0");
  ASSERT_FALSE(Main().IsAlwaysOnTop());
  TargetWindow target(900, 150, 500, 400);
  AttachTo(target);
  Key(VK_SPACE);
  ASSERT_EQ(app().ModeState().locked, LockedState::kLocked);
  SendMessageA(Main().Hwnd(), WM_COMMAND, static_cast<WPARAM>(MenuId::kReturnToStart), 0);
  EXPECT_EQ(app().ModeState().locked, LockedState::kNotLocked);
  EXPECT_EQ(app().ModeState().StartScreenShape(), true);
  EXPECT_EQ(Main().Canvas().Capacity().cx, 0) << "the start screen holds no canvas memory";
  const RECT r = WindowRect(Main().Hwnd());
  EXPECT_EQ(r.left, 50);
  EXPECT_EQ(r.right - r.left, 740);
  EXPECT_TRUE(IsWindowEnabled(Main().Hwnd()));
  EXPECT_TRUE(IsWindowVisible(Main().Control(ControlId::kAttachButton)));
  EXPECT_FALSE(IsWindowVisible(Main().Canvas().Hwnd()));
  EXPECT_EQ(SendMessageA(Main().Control(ControlId::kTopmostCheckbox), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_TRUE(Main().GetMenus().IsChecked(MenuId::kTopmost));
  EXPECT_TRUE(Main().IsAlwaysOnTop());
  EXPECT_EQ(app().Settings().Config("Config", "Top"), "0");
  for (MenuId id : {MenuId::kReturnToStart, MenuId::kMoveOrResize, MenuId::kReattach, MenuId::kReselectRegion}) {
    EXPECT_FALSE(Main().GetMenus().IsEnabled(id));
  }
  // A second return does nothing.
  SendMessageA(Main().Hwnd(), WM_COMMAND, static_cast<WPARAM>(MenuId::kReturnToStart), 0);
  EXPECT_EQ(WindowRect(Main().Hwnd()).left, 50);
}

TEST_F(OverlayTest, ReattachFromALockedOverlayStartsAgainFromTheStartScreen) {
  StartWithPresets();
  TargetWindow target(1000, 250, 320, 240);
  AttachTo(target);
  Key('Q');
  ASSERT_EQ(app().ModeState().locked, LockedState::kLocked);
  SendMessageA(Main().Hwnd(), WM_COMMAND, static_cast<WPARAM>(MenuId::kReattach), 0);
  EXPECT_EQ(app().ModeState().locked, LockedState::kNotLocked);
  EXPECT_EQ(app().ModeState().selection, Selection::kAttach);
  EXPECT_EQ(app().Settings().Config("Config", "W"), "740");  // the start-screen rectangle, not the overlay's
  Key(VK_ESCAPE);
}

TEST_F(OverlayTest, AttachDoesNothingWithoutAnEnabledRow) {
  StartWithPresets();
  app().State().enabled.custom = 5;  // past the end of the list
  const RECT before = WindowRect(Main().Hwnd());
  app().Modes().AttachRequested();
  EXPECT_NE(app().ModeState().selection, Selection::kAttach);
  EXPECT_EQ(app().ModeState().StartScreenShape(), true);
  const RECT after = WindowRect(Main().Hwnd());
  EXPECT_TRUE(EqualRect(&before, &after));
  EXPECT_TRUE(IsWindowVisible(Main().Control(ControlId::kEffectList)));
}

TEST_F(OverlayTest, PictureModeKeysTheConfiguredColour) {
  StartWithPresets();
  SendMessageA(Main().Control(ControlId::kPictureModeCheckbox), BM_CLICK, 0, 0);
  EXPECT_EQ(app().State().displayMode, DisplayMode::kPicture);
  EXPECT_EQ(app().Settings().Config("Config", "SetP"), "P");
  EXPECT_EQ(SendMessageA(Main().Control(ControlId::kCustomModeCheckbox), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(Main().Overlay().ColourKey(), RGB(1, 2, 3));
  EXPECT_TRUE(Main().GetMenus().IsVisible(MenuId::kPreviewPicture));
  EXPECT_FALSE(Main().GetMenus().IsVisible(MenuId::kPreviewOrEditPreset));
  SendMessageA(Main().Control(ControlId::kCustomModeCheckbox), BM_CLICK, 0, 0);
  EXPECT_EQ(Main().Overlay().ColourKey(), RGB(208, 222, 227));
  EXPECT_EQ(app().State().enabled.custom, 1);
}

TEST(OverlayStrengthTest, AlphaOutOfRangeStartsClamped) {
  for (auto [stored, expected] : {std::pair{"300", 255}, std::pair{"-5", 0}}) {
    TestProgram program;
    program.WriteConfig(std::string("[Config]\r\nFirst=1\r\nSetP=C\r\nAlpha=") + stored + "\r\n");
    program.Start();
    EXPECT_EQ(SendMessageA(program.Main().Control(ControlId::kStrengthSlider), TBM_GETPOS, 0, 0), expected) << stored;
  }
}

TEST(OverlayStrengthTest, MovingTheSliderWritesAlphaAndRedrawsTheSwatch) {
  TestProgram program;
  program.Start();
  HWND slider = program.Main().Control(ControlId::kStrengthSlider);
  SendMessageA(slider, TBM_SETPOS, TRUE, 255);
  SendMessageA(program.Hwnd(), WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, 255), reinterpret_cast<LPARAM>(slider));
  EXPECT_EQ(program.Config("Config", "Alpha"), "255");
  EXPECT_EQ(SendMessageA(slider, TBM_GETSELEND, 0, 0), 255);
  EXPECT_EQ(program.Main().Swatch().PixelAt(10, 5), RGB(0, 0, 1));  // the line at y = 5 (pen width 2)
}

TEST(OverlayTopmostTest, StrongTopmostOnThenOffKeepsTheTopmostState) {
  for (const char* top : {"1", "0"}) {
    TestProgram program;
    program.WriteConfig(std::string("[Config]\r\nFirst=1\r\nSetP=C\r\nTop=") + top + "\r\n");
    program.Start();
    const bool before = program.Main().IsAlwaysOnTop();
    EXPECT_EQ(before, std::string(top) == "1");
    SendMessageA(program.Hwnd(), WM_COMMAND, static_cast<WPARAM>(MenuId::kStrongTopmost), 0);
    EXPECT_TRUE(program.Main().GetMenus().IsChecked(MenuId::kStrongTopmost));
    EXPECT_TRUE(PumpUntil([&] { return program.Main().Overlay().StrongTopmostTicks() >= 3; }));
    SendMessageA(program.Hwnd(), WM_COMMAND, static_cast<WPARAM>(MenuId::kStrongTopmost), 0);
    EXPECT_FALSE(program.Main().GetMenus().IsChecked(MenuId::kStrongTopmost));
    EXPECT_FALSE(program.Main().TimerPending(MainTimer::kStrongTopmost));
    EXPECT_EQ(program.Main().IsAlwaysOnTop(), before) << top;
  }
}

TEST(OverlayTopmostTest, MenuItemAndCheckboxMirrorEachOther) {
  TestProgram program;
  program.Start();
  SendMessageA(program.Hwnd(), WM_COMMAND, static_cast<WPARAM>(MenuId::kTopmost), 0);
  EXPECT_EQ(program.Config("Config", "Top"), "0");
  EXPECT_FALSE(program.Main().IsAlwaysOnTop());
  EXPECT_EQ(SendMessageA(program.Main().Control(ControlId::kTopmostCheckbox), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  SendMessageA(program.Main().Control(ControlId::kTopmostCheckbox), BM_CLICK, 0, 0);
  EXPECT_EQ(program.Config("Config", "Top"), "1");
  EXPECT_TRUE(program.Main().GetMenus().IsChecked(MenuId::kTopmost));
  EXPECT_TRUE(program.Main().IsAlwaysOnTop());
}

TEST(OverlayHideTest, HidingTwiceKeepsTheFirstRectangle) {
  TestProgram program;
  program.Start();
  HWND hwnd = program.Hwnd();
  Menus& menus = program.Main().GetMenus();
  SendMessageA(hwnd, WM_COMMAND, static_cast<WPARAM>(MenuId::kHideMainWindow), 0);
  EXPECT_EQ(WindowRect(hwnd).left, 28888);
  EXPECT_EQ(WindowRect(hwnd).top, 28888);
  EXPECT_FALSE(menus.IsVisible(MenuId::kTopmost));
  EXPECT_FALSE(menus.IsVisible(MenuId::kMoveOrResize));
  EXPECT_TRUE(menus.IsVisible(MenuId::kCustomHotkeys));
  EXPECT_TRUE(menus.IsChecked(MenuId::kHideMainWindow));
  EXPECT_FALSE(menus.IsChecked(MenuId::kShowMainWindow));
  SendMessageA(hwnd, WM_COMMAND, static_cast<WPARAM>(MenuId::kHideMainWindow), 0);
  EXPECT_EQ(program.app->ModeState().hideRestore, (Rect{50, 50, 740, 514}));
  SendMessageA(hwnd, WM_COMMAND, static_cast<WPARAM>(MenuId::kShowMainWindow), 0);
  const RECT r = WindowRect(hwnd);
  EXPECT_EQ(r.left, 50);
  EXPECT_EQ(r.right - r.left, 740);
  EXPECT_TRUE(menus.IsVisible(MenuId::kTopmost));
  EXPECT_TRUE(menus.IsChecked(MenuId::kShowMainWindow));
  // The tray menu shows the items at their places again.
  wchar_t text[64] = {};
  GetMenuStringW(menus.TrayMenu(), 0, text, static_cast<int>(std::size(text)), MF_BYPOSITION);
  EXPECT_EQ(FromWide(text), "^置顶^");
}

}  // namespace
}  // namespace corvanta

namespace corvanta {
namespace {

class DisplayModeLockTest : public ::testing::Test {
 protected:
  void Start(const char* mode) {
    program_.WriteConfig(std::string("[Config]\r\nFirst=1\r\nGetC=0\r\nGetP=1\r\nGetD=0\r\nAlpha=90\r\nDp=3\r\n"
                                     "Ar=208\r\nAg=222\r\nAb=227\r\nW=740\r\nH=514\r\nL=50\r\nT=50\r\nSetP=") +
                         mode + "\r\n");
    program_.dir.MakeFolder("\\Effect");
    program_.dir.MakeFolder("\\Effect\\C");
    program_.dir.MakeFolder("\\Effect\\P");
    program_.dir.WriteFile("\\Effect\\C\\lines.ini",
                           "[Scantype]\r\nLinetype=1\r\n[Linetype]\r\nPixelsize=1\r\n[Scanlinecolor]\r\nColorR=0\r\n"
                           "ColorG=0\r\nColorB=0\r\n[ScanlineTransversespacing]\r\nTransverse=4\r\n");
    program_.dir.WriteFile("\\Effect\\P\\a.bmp", testing::BmpFile(8, 8, RGB(0, 200, 0)));
    program_.dir.WriteFile("\\Effect\\P\\b.bmp", testing::BmpFile(8, 8, RGB(200, 0, 0)));
    program_.Start();
    ASSERT_TRUE(PumpUntil([&] { return program_.Main().List().RowCount() > 0 && !program_.StartupTimersPending(); }));
  }
  void AttachAndLock() {
    TargetWindow target(1000, 300, 200, 120);
    const RECT r = WindowRect(target.Hwnd());
    SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    program_.app->Modes().AttachRequested();
    ASSERT_EQ(program_.app->ModeState().selection, Selection::kAttach);
    ASSERT_TRUE(PumpUntil([&] { return WindowRect(program_.Hwnd()).left == 1000; }));
    testing::PressKey(program_.Hwnd(), 'L');
    ASSERT_EQ(program_.app->ModeState().locked, LockedState::kLocked);
  }
  TestProgram program_;
};

TEST_F(DisplayModeLockTest, PictureModeShowsTheSelectedPictureTiled) {
  Start("P");
  AttachAndLock();
  DrawCanvas& canvas = program_.Main().Canvas();
  ASSERT_EQ(canvas.Width(), 200);
  EXPECT_EQ(canvas.PixelAt(0, 0), RGB(200, 0, 0));  // picture entry 1 is b.bmp
  EXPECT_EQ(canvas.PixelAt(199, 119), RGB(200, 0, 0));
  EXPECT_EQ(canvas.PixelAt(0, 4), RGB(200, 0, 0));  // no grid in picture mode
  COLORREF key = 0;
  BYTE alpha = 0;
  DWORD flags = 0;
  GetLayeredWindowAttributes(program_.Hwnd(), &key, &alpha, &flags);
  EXPECT_EQ(key, RGB(208, 222, 227));
  EXPECT_EQ(alpha, 90);
}

TEST_F(DisplayModeLockTest, MixedModeDrawsThePresetOverThePicture) {
  Start("D");
  ASSERT_TRUE(PumpUntil([&] { return program_.Main().List().NameAt(0).find("lines.ini") != std::string::npos; }));
  AttachAndLock();
  DrawCanvas& canvas = program_.Main().Canvas();
  EXPECT_EQ(canvas.PixelAt(3, 0), RGB(0, 0, 0));    // transverse line of lines.ini
  EXPECT_EQ(canvas.PixelAt(3, 4), RGB(0, 0, 0));
  EXPECT_EQ(canvas.PixelAt(3, 1), RGB(200, 0, 0));  // b.bmp (GetP = 1) between the lines
  EXPECT_EQ(canvas.PixelAt(150, 118), RGB(200, 0, 0));
}

}  // namespace
}  // namespace corvanta

namespace corvanta {
namespace {

TEST_F(OverlayTest, RegionLockMovesTheWindowOntoTheRegionAndDrawsItsSize) {
  StartWithPresets();
  program_.LockRegion(Rect{1100, 600, 300, 200});  // the enabled preset, b.ini
  const RECT r = WindowRect(Main().Hwnd());
  EXPECT_EQ(r.left, 1100);
  EXPECT_EQ(r.top, 600);
  EXPECT_EQ(r.right, 1400);
  EXPECT_EQ(r.bottom, 800);
  EXPECT_EQ(Main().Canvas().Width(), 300);
  EXPECT_EQ(Main().Canvas().Height(), 200);
  EXPECT_EQ(GetWindowLongA(Main().Hwnd(), GWL_STYLE) & WS_THICKFRAME, 0);
  EXPECT_FALSE(IsWindowVisible(Main().Control(ControlId::kEffectList)));
  EXPECT_EQ(Main().Overlay().LockedScanlines().grid.transverse, 3);
  EXPECT_EQ(app().ModeState().locked, LockedState::kLocked);
}

TEST_F(OverlayTest, EachAttachStartTintsTheFrameAnew) {
  StartWithPresets();
  TargetWindow target(1000, 300, 300, 200);
  AttachTo(target);
  const COLORREF first = Main().BackgroundColour();
  Key(VK_ESCAPE);
  EXPECT_EQ(Main().BackgroundColour(), RGB(224, 225, 229));
  AttachTo(target);
  EXPECT_NE(Main().BackgroundColour(), first);  // a repeat has a chance of one in 16.7 million
  Key(VK_ESCAPE);
}

}  // namespace
}  // namespace corvanta

namespace corvanta {
namespace {

TEST_F(OverlayTest, TrackingTakesTheRectangleOfWhateverIsUnderTheCursor) {
  StartWithPresets();
  // The cursor still over the main window: the frame keeps the main window's rectangle.
  const RECT start = WindowRect(Main().Hwnd());
  SetCursorPos(start.left + 200, start.top + 200);
  app().Modes().AttachRequested();
  const int ticks = Main().Attach().TrackTicks();
  ASSERT_TRUE(PumpUntil([&] { return Main().Attach().TrackTicks() >= ticks + 3; }));
  const RECT kept = WindowRect(Main().Hwnd());
  EXPECT_TRUE(EqualRect(&kept, &start));

  // A child control of another window: the frame takes the child's rectangle, not its parent's.
  TargetWindow target(1000, 200, 400, 300);
  HWND button = CreateWindowExA(0, "BUTTON", "child", WS_CHILD | WS_VISIBLE, 50, 40, 120, 60, target.Hwnd(), nullptr,
                                GetModuleHandleA(nullptr), nullptr);
  const RECT child = WindowRect(button);
  SetCursorPos(child.left + 10, child.top + 10);
  EXPECT_TRUE(PumpUntil([&] {
    const RECT m = WindowRect(Main().Hwnd());
    return EqualRect(&m, &child) != FALSE;
  }));

  // A window partly off screen: its rectangle as reported, negative edges included.
  TargetWindow offScreen(-60, -40, 300, 200);
  SetCursorPos(20, 20);
  EXPECT_TRUE(PumpUntil([&] {
    const RECT m = WindowRect(Main().Hwnd());
    return m.left == -60 && m.top == -40 && m.right == 240 && m.bottom == 160;
  }));
  Key(VK_ESCAPE);
}

}  // namespace
}  // namespace corvanta
