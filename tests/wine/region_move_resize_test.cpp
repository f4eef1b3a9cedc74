// Moving and resizing a locked overlay: the adjustable window of locked state 5, Finish and lock (menu
// item and F5) with the redraw at the new size, and the re-lock preparation.
#include <windows.h>

#include <gtest/gtest.h>

#include "shell/menus.h"
#include "effects/effect_list.h"
#include "effects/preset.h"
#include "overlay/draw_canvas.h"
#include "overlay/overlay_controller.h"
#include "region/move_resize.h"
#include "gdi_reference.h"
#include "test_program.h"

namespace corvanta {
namespace {

using testing::PumpUntil;
using testing::TestProgram;
using testing::WindowRect;

constexpr LONG kOverlayExStyle = WS_EX_TRANSPARENT | WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_LAYERED;
constexpr COLORREF kLineColour = RGB(40, 20, 10);

class MoveResizeTest : public ::testing::Test {
 protected:
  // A custom preset with horizontal and vertical lines, locked over (300, 200, 400 x 300).
  void StartLocked() {
    program_.WriteConfig("[Config]\r\nFirst=1\r\nSetP=C\r\nGetC=0\r\nAlpha=150\r\nTop=1\r\nW=740\r\nH=514\r\n"
                         "L=50\r\nT=50\r\n");
    program_.dir.MakeFolder("\\Effect");
    program_.dir.MakeFolder("\\Effect\\C");
    program_.dir.WriteFile("\\Effect\\C\\bars.ini",
                           "[Scantype]\r\nLinetype=1\r\n[Linetype]\r\nPixelsize=1\r\n[Scanlinecolor]\r\nColorR=40\r\n"
                           "ColorG=20\r\nColorB=10\r\n[ScanlineTransversespacing]\r\nTransverse=4\r\n"
                           "[ScanlineVerticalspacing]\r\nVertical=6\r\n");
    program_.Start();
    ASSERT_TRUE(PumpUntil([&] { return Main().List().RowCount() == 1; }));
    program_.LockRegion(Rect{300, 200, 400, 300});  // the enabled preset, bars.ini
    ASSERT_EQ(app().ModeState().locked, LockedState::kLocked);
  }
  MainWindow& Main() { return program_.Main(); }
  App& app() { return *program_.app; }
  HWND Hwnd() { return Main().Hwnd(); }
  void Command(MenuId id) { SendMessageW(Hwnd(), WM_COMMAND, static_cast<WPARAM>(id), 0); }
  // Waits for the redraw that follows Finish and lock, then compares the canvas with the grid for the
  // client size.
  void ExpectRedrawnAtClientSize() {
    ASSERT_TRUE(Main().TimerPending(MainTimer::kResizeRedraw));
    ASSERT_TRUE(PumpUntil([&] { return !Main().TimerPending(MainTimer::kResizeRedraw); }));
    RECT client{};
    GetClientRect(Hwnd(), &client);
    DrawCanvas& canvas = Main().Canvas();
    ASSERT_EQ(canvas.Width(), client.right);
    ASSERT_EQ(canvas.Height(), client.bottom);
    const Preset preset = ReadPreset(app().Settings(), program_.dir.PathOf("\\Effect\\C\\bars.ini"));
    const testing::ReferenceImage reference =
        testing::GdiGridReference(ScanlinesOf(preset), client.right, client.bottom, RGB(208, 222, 227));
    int differences = 0;
    for (int y = 0; y < client.bottom; ++y) {
      for (int x = 0; x < client.right; ++x) differences += canvas.PixelAt(x, y) != reference.At(x, y);
    }
    EXPECT_EQ(differences, 0);
    EXPECT_EQ(canvas.PixelAt(client.right - 1, 0), kLineColour);  // the new width is drawn too
  }

  TestProgram program_;
};

TEST_F(MoveResizeTest, MoveOrResizeMakesAnAdjustableNearlyOpaqueWindow) {
  StartLocked();
  const POINT canvasBefore{testing::ChildRect(Main().Canvas().Hwnd()).left,
                           testing::ChildRect(Main().Canvas().Hwnd()).top};
  Command(MenuId::kMoveOrResize);
  EXPECT_EQ(app().ModeState().locked, LockedState::kMovingOrResizing);
  HWND hwnd = Hwnd();
  EXPECT_TRUE(IsWindowEnabled(hwnd));
  EXPECT_TRUE(IsWindowVisible(hwnd));
  const LONG style = GetWindowLongW(hwnd, GWL_STYLE);
  EXPECT_EQ(style & (WS_CAPTION | WS_THICKFRAME), WS_CAPTION | WS_THICKFRAME);
  EXPECT_EQ(style & WS_SYSMENU, 0) << "no control box";
  // The system adds the window edge to any sizing frame; nothing else but the layered style is set.
  EXPECT_EQ(GetWindowLongW(hwnd, GWL_EXSTYLE) & ~(WS_EX_TOPMOST | WS_EX_WINDOWEDGE), WS_EX_LAYERED);
  COLORREF key = 0;
  BYTE alpha = 0;
  DWORD flags = 0;
  ASSERT_TRUE(GetLayeredWindowAttributes(hwnd, &key, &alpha, &flags));
  EXPECT_EQ(key, RGB(252, 2, 251));
  EXPECT_EQ(alpha, 238);
  EXPECT_EQ(flags, 3u);
  EXPECT_EQ(Main().BackgroundColour(), RGB(33, 66, 99));
  Menus& menus = Main().GetMenus();
  EXPECT_EQ(GetMenu(hwnd), menus.Bar());
  EXPECT_TRUE(menus.IsVisible(MenuId::kBarMenu));
  EXPECT_TRUE(menus.IsVisible(MenuId::kBarF5));
  EXPECT_TRUE(menus.IsVisible(MenuId::kBarVisibleArea));
  for (MenuId id : {MenuId::kReattach, MenuId::kReturnToStart, MenuId::kMoveOrResize}) {
    EXPECT_FALSE(menus.IsEnabled(id)) << static_cast<int>(id);
  }
  const RECT canvas = testing::ChildRect(Main().Canvas().Hwnd());
  EXPECT_EQ(canvas.left, canvasBefore.x);
  EXPECT_EQ(canvas.top, canvasBefore.y);
  // The outer rectangle did not move.
  const RECT outer = WindowRect(hwnd);
  EXPECT_EQ(outer.left, 300);
  EXPECT_EQ(outer.right, 700);
  // Return and re-attach are not offered here, and a second start does nothing.
  Command(MenuId::kReturnToStart);
  Command(MenuId::kMoveOrResize);
  EXPECT_EQ(app().ModeState().locked, LockedState::kMovingOrResizing);
}

TEST_F(MoveResizeTest, FinishAndLockCoversTheWholeOuterRectangleAndRedraws) {
  StartLocked();
  Command(MenuId::kMoveOrResize);
  SetWindowPos(Hwnd(), nullptr, 250, 150, 520, 360, SWP_NOZORDER | SWP_NOACTIVATE);
  // The strength changed since the lock takes effect now.
  SendMessageW(Main().Control(ControlId::kStrengthSlider), TBM_SETPOS, TRUE, 90);
  SendMessageW(Hwnd(), WM_KEYDOWN, VK_F5, 0);
  ASSERT_EQ(app().ModeState().locked, LockedState::kLocked);
  HWND hwnd = Hwnd();
  const RECT outer = WindowRect(hwnd);
  EXPECT_EQ(outer.left, 250);
  EXPECT_EQ(outer.top, 150);
  EXPECT_EQ(outer.right - outer.left, 520);
  EXPECT_EQ(outer.bottom - outer.top, 360);
  RECT client{};
  GetClientRect(hwnd, &client);
  EXPECT_EQ(client.right, 520);
  EXPECT_EQ(client.bottom, 360);
  EXPECT_EQ(GetWindowLongW(hwnd, GWL_EXSTYLE) & kOverlayExStyle, kOverlayExStyle);
  EXPECT_FALSE(IsWindowEnabled(hwnd));
  COLORREF key = 0;
  BYTE alpha = 0;
  DWORD flags = 0;
  ASSERT_TRUE(GetLayeredWindowAttributes(hwnd, &key, &alpha, &flags));
  EXPECT_EQ(key, RGB(208, 222, 227));
  EXPECT_EQ(alpha, 90);
  EXPECT_EQ(GetMenu(hwnd), nullptr);
  for (MenuId id : {MenuId::kReattach, MenuId::kReturnToStart, MenuId::kMoveOrResize}) {
    EXPECT_TRUE(Main().GetMenus().IsEnabled(id)) << static_cast<int>(id);
  }
  ExpectRedrawnAtClientSize();
  // F5 in locked state 1 does nothing.
  SendMessageW(Hwnd(), WM_KEYDOWN, VK_F5, 0);
  EXPECT_FALSE(Main().TimerPending(MainTimer::kResizeRedraw));
}

TEST_F(MoveResizeTest, TheMenuItemFinishesToo) {
  StartLocked();
  Command(MenuId::kMoveOrResize);
  Command(MenuId::kFinishAndLock);
  EXPECT_EQ(app().ModeState().locked, LockedState::kLocked);
  ExpectRedrawnAtClientSize();
}

TEST_F(MoveResizeTest, RelockPreparationThenFinishKeepsThePlaceAndRedraws) {
  StartLocked();
  Main().Canvas().Clear();  // so that the redraw is seen
  app().Modes().RelockRequested();
  EXPECT_EQ(app().ModeState().locked, LockedState::kLocked);
  EXPECT_FALSE(IsWindowEnabled(Hwnd()));  // input, frame and menus are left alone
  EXPECT_EQ(GetMenu(Hwnd()), nullptr);
  const RECT outer = WindowRect(Hwnd());
  EXPECT_EQ(outer.left, 300);
  EXPECT_EQ(outer.top, 200);
  EXPECT_EQ(outer.right, 700);
  EXPECT_EQ(outer.bottom, 500);
  ExpectRedrawnAtClientSize();
}

TEST_F(MoveResizeTest, OutsideItsStatesNothingHappens) {
  StartLocked();
  app().Modes().FinishRequested();
  EXPECT_FALSE(Main().TimerPending(MainTimer::kResizeRedraw));
  Command(MenuId::kReturnToStart);
  ASSERT_EQ(app().ModeState().locked, LockedState::kNotLocked);
  Command(MenuId::kMoveOrResize);
  app().Modes().RelockRequested();
  EXPECT_EQ(app().ModeState().locked, LockedState::kNotLocked);
  EXPECT_EQ(GetWindowLongW(Hwnd(), GWL_EXSTYLE) & WS_EX_LAYERED, 0);
}

}  // namespace
}  // namespace corvanta
