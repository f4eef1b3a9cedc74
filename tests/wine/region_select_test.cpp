// Custom region selection in-process: the selection windows, a drag driven by the cursor and the drag
// timer, the lock onto the dragged rectangle, abandon, the close request, the topmost hand-over and
// re-selection from a locked overlay.
#include <windows.h>

#include <gtest/gtest.h>

#include "shell/menus.h"
#include "effects/effect_list.h"
#include "effects/preset.h"
#include "overlay/draw_canvas.h"
#include "overlay/overlay_controller.h"
#include "region/custom_region.h"
#include "region/region_select_window.h"
#include "region/region_window.h"
#include "gdi_reference.h"
#include "hotkeys/hotkey_settings_window.h"
#include "test_program.h"

namespace corvanta {
namespace {

using testing::PumpUntil;
using testing::TestProgram;
using testing::WindowRect;

constexpr const char* kLinesPreset =
    "[Scantype]\r\nLinetype=1\r\n[Linetype]\r\nPixelsize=1\r\n[Scanlinecolor]\r\nColorR=12\r\nColorG=6\r\n"
    "ColorB=2\r\n[ScanlineTransversespacing]\r\nTransverse=3\r\n[ScanlineVerticalspacing]\r\nVertical=7\r\n"
    "[ScanlineObliquespacing]\r\nOblique=0\r\n[ScanlineAntiskewspacing]\r\nAntiskew=5\r\n";

class RegionSelectTest : public ::testing::Test {
 protected:
  // Two presets; the enabled one (GetC = 1) is "b.ini".
  void StartProgram(const std::string& extraConfig = "") {
    program_.WriteConfig("[Config]\r\nFirst=1\r\nSetP=C\r\nGetC=1\r\nGetP=0\r\nAlpha=120\r\nTop=1\r\nW=740\r\n"
                         "H=514\r\nL=50\r\nT=50\r\n[Tips]\r\nTS=1\r\n[Color]\r\nC9=255\r\n" +
                         extraConfig);
    program_.dir.MakeFolder("\\Effect");
    program_.dir.MakeFolder("\\Effect\\C");
    program_.dir.WriteFile("\\Effect\\C\\a.ini", "[Linetype]\r\nPixelsize=1\r\n");
    program_.dir.WriteFile("\\Effect\\C\\b.ini", kLinesPreset);
    program_.Start();
    ASSERT_TRUE(PumpUntil([&] { return Main().List().RowCount() == 2; }));
  }
  MainWindow& Main() { return program_.Main(); }
  App& app() { return *program_.app; }
  CustomRegion& Region() { return Main().Region(); }
  HWND Surface() { return Region().Surface() ? Region().Surface()->Hwnd() : nullptr; }
  HWND RegionHwnd() { return Region().Region() ? Region().Region()->Hwnd() : nullptr; }
  Rect RegionWindowRect() { return Region().Region()->Bounds(); }

  void StartSelection() {
    app().Modes().RegionRequested();
    ASSERT_NE(Surface(), nullptr);
    ASSERT_NE(RegionHwnd(), nullptr);
  }
  void Press(int x, int y) {
    SetCursorPos(x, y);
    SendMessageW(Surface(), WM_LBUTTONDOWN, MK_LBUTTON, 0);
  }
  // Presses at `from`, lets the drag timer take the anchor, moves to `to` and waits for the rectangle.
  void DragTo(int fromX, int fromY, int toX, int toY) {
    Press(fromX, fromY);
    ASSERT_TRUE(PumpUntil([&] { return Region().Selection().PressState() == RegionSelection::Press::kDragging; }));
    SetCursorPos(toX, toY);
    const Rect wanted = *DragRectangle({fromX, fromY}, {toX, toY});
    ASSERT_TRUE(PumpUntil([&] { return RegionWindowRect() == wanted; })) << "the rectangle did not follow";
  }
  void Drag(int fromX, int fromY, int toX, int toY) {
    DragTo(fromX, fromY, toX, toY);
    SendMessageW(Surface(), WM_LBUTTONUP, 0, 0);
  }
  void KeyOn(HWND hwnd, WPARAM key) { testing::PressKey(hwnd, key); }
  void ExpectStartScreenAt(int left, int top, int width, int height) {
    HWND hwnd = Main().Hwnd();
    EXPECT_TRUE(IsWindowVisible(hwnd));
    EXPECT_TRUE(IsWindowEnabled(hwnd));
    const RECT r = WindowRect(hwnd);
    EXPECT_EQ(r.left, left);
    EXPECT_EQ(r.top, top);
    EXPECT_EQ(r.right - r.left, width);
    EXPECT_EQ(r.bottom - r.top, height);
    EXPECT_TRUE(IsWindowVisible(Main().Control(ControlId::kEffectList)));
    EXPECT_TRUE(IsWindowVisible(Main().Control(ControlId::kRegionButton)));
    EXPECT_EQ(GetWindowLongW(hwnd, GWL_EXSTYLE) & (WS_EX_LAYERED | WS_EX_TRANSPARENT), 0);
    EXPECT_EQ(app().ModeState().locked, LockedState::kNotLocked);
    EXPECT_EQ(app().ModeState().StartScreenShape(), true);
    EXPECT_FALSE(app().ModeState().CustomRegionFlag());
    EXPECT_TRUE(Main().GetMenus().IsEnabled(MenuId::kProgramColours));
  }

  TestProgram program_;
};

TEST_F(RegionSelectTest, StartHidesTheMainWindowAndCoversTheScreen) {
  StartProgram();
  SetWindowPos(Main().Hwnd(), nullptr, 70, 80, 760, 520, SWP_NOZORDER | SWP_NOACTIVATE);
  StartSelection();
  const int sw = GetSystemMetrics(SM_CXSCREEN);
  const int sh = GetSystemMetrics(SM_CYSCREEN);
  EXPECT_EQ(app().Settings().Config("Config", "L"), "70");
  EXPECT_EQ(app().Settings().Config("Config", "W"), "760");
  EXPECT_EQ(app().ModeState().selection, Selection::kRegion);
  EXPECT_TRUE(app().ModeState().CustomRegionFlag());
  EXPECT_FALSE(Main().GetMenus().IsEnabled(MenuId::kProgramColours));
  EXPECT_FALSE(IsWindowVisible(Main().Hwnd()));
  EXPECT_EQ(WindowRect(Main().Hwnd()).left, sw + 100);

  const RECT surface = WindowRect(Surface());
  EXPECT_EQ(surface.left, 0);
  EXPECT_EQ(surface.top, 0);
  EXPECT_EQ(surface.right, sw);
  EXPECT_EQ(surface.bottom, sh);
  EXPECT_EQ(GetWindowLongW(Surface(), GWL_STYLE) & (WS_CAPTION | WS_THICKFRAME), 0);
  COLORREF key = 0;
  BYTE alpha = 0;
  DWORD flags = 0;
  ASSERT_TRUE(GetLayeredWindowAttributes(Surface(), &key, &alpha, &flags));
  EXPECT_EQ(key, RGB(212, 2, 254));
  EXPECT_EQ(alpha, 144);
  EXPECT_EQ(flags, 3u);
  ASSERT_TRUE(GetLayeredWindowAttributes(RegionHwnd(), &key, &alpha, &flags));
  EXPECT_EQ(alpha, 1);
  EXPECT_EQ(flags, static_cast<DWORD>(LWA_ALPHA));
  EXPECT_EQ(Region().Surface()->OutlineColour(), RGB(255, 0, 0));  // C9 = 255
  EXPECT_EQ(RegionWindowRect(), (Rect{sw + 100, 0, 0, 0}));
  // The surface takes the keyboard, so that a key after the drag reaches it.
  EXPECT_EQ(GetFocus(), Surface());
}

TEST_F(RegionSelectTest, AKeyAfterADragLocksTheEnabledPresetOnTheRectangle) {
  StartProgram();
  Main().List().SelectAndReveal(0);  // the selection is a.ini; the enabled preset b.ini is drawn
  StartSelection();
  Drag(300, 200, 700, 500);
  EXPECT_EQ(RegionWindowRect(), (Rect{300, 200, 400, 300}));
  EXPECT_EQ(Region().Surface()->Outline(), (Rect{300, 200, 400, 300}));
  EXPECT_EQ(Region().Selection().ShapeState(), RegionSelection::Shape::kComplete);
  // The hint sits above the rectangle, at its left.
  const RECT hint = testing::ChildRect(Region().Surface()->Hint());
  EXPECT_EQ(hint.left, 300);
  EXPECT_EQ(hint.top, 200 - 102);
  EXPECT_EQ(testing::WindowText(Region().Surface()->Hint()),
            "ESC或退格键返回\r\n按键盘任意键锁定\r\n按住鼠标左键选取区域\r\n鼠标右键取消已选取区域\r\n");

  HWND region = RegionHwnd();
  // A release whose press went elsewhere (a hotkey, a window that has closed) locks nothing.
  SendMessageW(region, WM_KEYUP, 'L', 0);
  SendMessageW(Surface(), WM_SYSKEYUP, VK_F4, 0);
  EXPECT_TRUE(Region().IsOpen());
  KeyOn(region, 'L');
  EXPECT_FALSE(Region().IsOpen());
  EXPECT_FALSE(IsWindow(region));
  HWND hwnd = Main().Hwnd();
  const RECT main = WindowRect(hwnd);
  EXPECT_EQ(main.left, 300);
  EXPECT_EQ(main.top, 200);
  EXPECT_EQ(main.right, 700);
  EXPECT_EQ(main.bottom, 500);
  EXPECT_EQ(app().ModeState().locked, LockedState::kLocked);
  const LONG overlay = WS_EX_TRANSPARENT | WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_LAYERED;
  EXPECT_EQ(GetWindowLongW(hwnd, GWL_EXSTYLE) & overlay, overlay);
  EXPECT_TRUE(IsWindowVisible(hwnd));
  EXPECT_FALSE(IsWindowEnabled(hwnd));
  EXPECT_FALSE(IsWindowVisible(Main().Control(ControlId::kEffectList)));
  EXPECT_EQ(GetWindowLongW(hwnd, GWL_STYLE) & WS_CAPTION, 0);

  // The key came to RegionWindow: the grid is drawn for its size.
  DrawCanvas& canvas = Main().Canvas();
  ASSERT_EQ(canvas.Width(), 400);
  ASSERT_EQ(canvas.Height(), 300);
  const Preset preset = ReadPreset(app().Settings(), program_.dir.PathOf("\\Effect\\C\\b.ini"));
  const testing::ReferenceImage reference = testing::GdiGridReference(ScanlinesOf(preset), 400, 300, RGB(208, 222, 227));
  int differences = 0;
  for (int y = 0; y < 300; ++y) {
    for (int x = 0; x < 400; ++x) differences += canvas.PixelAt(x, y) != reference.At(x, y);
  }
  EXPECT_EQ(differences, 0);
}

TEST_F(RegionSelectTest, AKeyOnTheSurfaceDrawsTheGridForTheScreenFromTheOrigin) {
  StartProgram();
  StartSelection();
  Drag(600, 400, 500, 330);  // toward the upper left
  EXPECT_EQ(RegionWindowRect(), (Rect{500, 330, 100, 70}));
  KeyOn(Surface(), VK_SPACE);
  ASSERT_EQ(app().ModeState().locked, LockedState::kLocked);
  const RECT main = WindowRect(Main().Hwnd());
  EXPECT_EQ(main.left, 500);
  EXPECT_EQ(main.top, 330);
  EXPECT_EQ(main.right - main.left, 100);
  EXPECT_EQ(main.bottom - main.top, 70);
  EXPECT_EQ(Main().Canvas().Width(), GetSystemMetrics(SM_CXSCREEN));
  EXPECT_EQ(Main().Canvas().Height(), GetSystemMetrics(SM_CYSCREEN));
  EXPECT_EQ(Main().Canvas().PixelAt(0, 0), RGB(12, 6, 2));
  EXPECT_EQ(Main().Canvas().PixelAt(1, 3), RGB(12, 6, 2));
}

TEST_F(RegionSelectTest, SmallRectanglesAndAHeldButtonDoNotLock) {
  StartProgram();
  StartSelection();
  struct Row {
    int dx, dy;
    bool locks;
  };
  // 5 x 5 cannot lock, 6 x 6 can; the keys in between are ignored and the selection stays open.
  for (const Row row : {Row{5, 5, false}, Row{6, 6, true}}) {
    Region().Discard();
    Drag(800, 600, 800 + row.dx, 600 + row.dy);
    EXPECT_EQ(RegionWindowRect(), (Rect{800, 600, row.dx, row.dy}));
    KeyOn(Surface(), 'K');
    EXPECT_EQ(app().ModeState().locked == LockedState::kLocked, row.locks) << row.dx;
  }
}

TEST_F(RegionSelectTest, ClicksAndTheRightButton) {
  StartProgram();
  StartSelection();
  // A click: the 4 x 4 rectangle at the click point, the hint above it; it cannot lock.
  Press(900, 700);
  SendMessageW(Surface(), WM_LBUTTONUP, 0, 0);
  EXPECT_EQ(RegionWindowRect(), (Rect{900, 700, 4, 4}));
  EXPECT_EQ(testing::ChildRect(Region().Surface()->Hint()).top, 700 - 102);
  KeyOn(Surface(), VK_SPACE);
  EXPECT_TRUE(Region().IsOpen());
  EXPECT_EQ(app().ModeState().locked, LockedState::kNotLocked);

  // While the button is held a key does nothing.
  Region().Discard();
  DragTo(100, 150, 300, 350);
  KeyOn(Surface(), VK_SPACE);
  EXPECT_TRUE(Region().IsOpen());
  // The right button parks the rectangle below the screen; the release then makes a click rectangle
  // at the anchor.
  SendMessageW(RegionHwnd(), WM_RBUTTONUP, 0, 0);
  EXPECT_EQ(RegionWindowRect(), (Rect{0, GetSystemMetrics(SM_CYSCREEN) + 100, 0, 0}));
  SendMessageW(Surface(), WM_LBUTTONUP, 0, 0);
  EXPECT_EQ(RegionWindowRect(), (Rect{100, 150, 4, 4}));
}

TEST_F(RegionSelectTest, AReleaseOnRegionWindowKeepsATinyRectangle) {
  StartProgram();
  StartSelection();
  DragTo(400, 400, 397, 396);
  SendMessageW(RegionHwnd(), WM_LBUTTONUP, 0, 0);
  EXPECT_EQ(RegionWindowRect(), (Rect{397, 396, 3, 4}));
  EXPECT_FALSE(Region().Selection().ButtonHeld());
}

TEST_F(RegionSelectTest, EscapeAbandonsOnlyAfterAPress) {
  StartProgram();
  SetWindowPos(Main().Hwnd(), nullptr, 70, 80, 760, 520, SWP_NOZORDER | SWP_NOACTIVATE);
  StartSelection();
  KeyOn(Surface(), VK_ESCAPE);
  EXPECT_TRUE(Region().IsOpen()) << "a key before any press is ignored";
  Press(20, 20);
  SendMessageW(Surface(), WM_LBUTTONUP, 0, 0);
  KeyOn(Surface(), VK_BACK);
  EXPECT_FALSE(Region().IsOpen());
  ExpectStartScreenAt(70, 80, 760, 520);
}

TEST_F(RegionSelectTest, ACloseRequestBringsTheStartScreenBack) {
  StartProgram();
  SetWindowPos(Main().Hwnd(), nullptr, 90, 60, 800, 540, SWP_NOZORDER | SWP_NOACTIVATE);
  StartSelection();
  HWND surface = Surface();
  SendMessageW(surface, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_FALSE(IsWindow(surface));
  EXPECT_FALSE(Region().IsOpen());
  ExpectStartScreenAt(90, 60, 800, 540);
}

TEST_F(RegionSelectTest, TopmostIsHandedOverWhileSelectingAndTakenBackAfterwards) {
  StartProgram();
  Menus& menus = Main().GetMenus();
  ASSERT_TRUE(menus.IsChecked(MenuId::kTopmost));  // Top = 1
  app().Modes().StrongTopmostToggled();
  StartSelection();
  EXPECT_FALSE(menus.IsChecked(MenuId::kTopmost));
  EXPECT_FALSE(menus.IsChecked(MenuId::kStrongTopmost));
  EXPECT_FALSE(Main().TimerPending(MainTimer::kStrongTopmost));
  EXPECT_FALSE(Main().IsAlwaysOnTop());
  EXPECT_EQ(program_.Config("Config", "Top"), "1");  // the setting itself is not touched
  Press(20, 20);
  SendMessageW(Surface(), WM_LBUTTONUP, 0, 0);
  KeyOn(Surface(), VK_ESCAPE);
  EXPECT_TRUE(menus.IsChecked(MenuId::kTopmost));
  EXPECT_TRUE(menus.IsChecked(MenuId::kStrongTopmost));
  EXPECT_TRUE(Main().TimerPending(MainTimer::kStrongTopmost));
  EXPECT_TRUE(Main().IsAlwaysOnTop());
  EXPECT_EQ(SendMessageW(Main().Control(ControlId::kTopmostCheckbox), BM_GETCHECK, 0, 0), BST_CHECKED);
}

// An open peer window that sits on top (here the hotkey settings) steps down for the selection surface
// and goes back on top when the selection ends.
TEST_F(RegionSelectTest, APeerWindowOnTopStepsDownWhileSelecting) {
  StartProgram();
  SendMessageW(Main().Hwnd(), WM_COMMAND, static_cast<WPARAM>(MenuId::kCustomHotkeys), 0);
  ASSERT_NE(Main().HotkeySettings(), nullptr);
  HWND settings = Main().HotkeySettings()->Hwnd();
  ASSERT_TRUE(GetWindowLongW(settings, GWL_EXSTYLE) & WS_EX_TOPMOST);
  StartSelection();
  EXPECT_FALSE(GetWindowLongW(settings, GWL_EXSTYLE) & WS_EX_TOPMOST);
  Press(20, 20);
  SendMessageW(Surface(), WM_LBUTTONUP, 0, 0);
  KeyOn(Surface(), VK_ESCAPE);
  EXPECT_TRUE(GetWindowLongW(settings, GWL_EXSTYLE) & WS_EX_TOPMOST);
}

TEST_F(RegionSelectTest, ReselectFromALockedOverlayStartsFromTheStartScreen) {
  StartProgram();
  StartSelection();
  Drag(300, 300, 500, 450);
  KeyOn(Surface(), 'A');
  ASSERT_EQ(app().ModeState().locked, LockedState::kLocked);
  EXPECT_TRUE(Main().GetMenus().IsEnabled(MenuId::kReselectRegion));
  SendMessageW(Main().Hwnd(), WM_COMMAND, static_cast<WPARAM>(MenuId::kReselectRegion), 0);
  ASSERT_TRUE(Region().IsOpen());
  EXPECT_EQ(app().ModeState().locked, LockedState::kNotLocked);
  EXPECT_EQ(app().ModeState().selection, Selection::kRegion);
  EXPECT_EQ(GetFocus(), Surface());
  // The start screen's geometry was saved again, not the overlay's.
  EXPECT_EQ(app().Settings().Config("Config", "W"), "740");
  Drag(100, 100, 300, 200);
  KeyOn(Surface(), 'A');
  const RECT main = WindowRect(Main().Hwnd());
  EXPECT_EQ(main.left, 100);
  EXPECT_EQ(main.right, 300);
  EXPECT_EQ(app().ModeState().locked, LockedState::kLocked);
}

// A close request on either selection window abandons the selection the way Esc does.
TEST_F(RegionSelectTest, ACloseRequestOnEitherWindowAbandonsTheSelection) {
  StartProgram();
  for (const bool onRegionWindow : {true, false}) {
    SCOPED_TRACE(onRegionWindow ? "region window" : "selection surface");
    StartSelection();
    Drag(300, 300, 500, 450);
    SendMessageW(onRegionWindow ? RegionHwnd() : Surface(), WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_FALSE(Region().IsOpen());
    EXPECT_EQ(RegionHwnd(), nullptr);
    ExpectStartScreenAt(50, 50, 740, 514);
  }
}

// The drag holds the mouse: a release anywhere ends it, and another window taking the mouse ends it too.
TEST_F(RegionSelectTest, TheDragHoldsTheMouseUntilItEnds) {
  StartProgram();
  StartSelection();
  DragTo(300, 300, 500, 450);
  EXPECT_EQ(GetCapture(), Surface());
  SetCursorPos(GetSystemMetrics(SM_CXSCREEN) + 400, 450);  // beyond the surface's right edge
  ASSERT_TRUE(PumpUntil([&] { return RegionWindowRect().Right() == GetSystemMetrics(SM_CXSCREEN) - 1; }))
      << "the rectangle stays on the surface";
  SendMessageW(Surface(), WM_LBUTTONUP, 0, 0);
  EXPECT_FALSE(Region().Selection().ButtonHeld());
  EXPECT_EQ(GetCapture(), nullptr);
  // A new drag, ended by another window taking the mouse.
  SendMessageW(Surface(), WM_RBUTTONUP, 0, 0);
  DragTo(200, 200, 260, 280);
  HWND other = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  SetCapture(other);
  EXPECT_FALSE(Region().Selection().ButtonHeld());
  EXPECT_EQ(Region().Selection().ShapeState(), RegionSelection::Shape::kComplete);
  ReleaseCapture();
  DestroyWindow(other);
  KeyOn(Surface(), VK_ESCAPE);
}

// The main window kept visible for a screenshot that includes it lies directly under the surface, so a
// drag that starts over it selects instead of clicking its controls.
TEST_F(RegionSelectTest, TheMainWindowKeptForAScreenshotLiesDirectlyUnderTheSurface) {
  StartProgram();
  ASSERT_TRUE(Main().IsAlwaysOnTop());
  app().Settings().SetConfig("Self", "Switch", "1");
  SendMessageW(Main().Hwnd(), WM_COMMAND, static_cast<WPARAM>(MenuId::kCustomRegionScreenshot), 0);
  ASSERT_NE(Surface(), nullptr);
  EXPECT_TRUE(IsWindowVisible(Main().Hwnd()));
  EXPECT_FALSE(Main().IsAlwaysOnTop());
  EXPECT_EQ(GetWindow(Surface(), GW_HWNDNEXT), Main().Hwnd());
  KeyOn(Surface(), VK_ESCAPE);
  Press(20, 20);
  SendMessageW(Surface(), WM_LBUTTONUP, 0, 0);
  KeyOn(Surface(), VK_ESCAPE);
  EXPECT_FALSE(Region().IsOpen());
  EXPECT_TRUE(Main().IsAlwaysOnTop());
}

TEST_F(RegionSelectTest, TheHintMenuItemTogglesTheSetting) {
  StartProgram();
  Menus& menus = Main().GetMenus();
  ASSERT_TRUE(menus.IsChecked(MenuId::kRegionHint));
  SendMessageW(Main().Hwnd(), WM_COMMAND, static_cast<WPARAM>(MenuId::kRegionHint), 0);
  EXPECT_FALSE(menus.IsChecked(MenuId::kRegionHint));
  EXPECT_EQ(program_.Config("Tips", "TS"), "0");
  // With the hint off it stays parked during a drag.
  StartSelection();
  DragTo(300, 300, 500, 450);
  EXPECT_GT(testing::ChildRect(Region().Surface()->Hint()).left, GetSystemMetrics(SM_CXSCREEN));
  SendMessageW(Surface(), WM_LBUTTONUP, 0, 0);
  SendMessageW(Main().Hwnd(), WM_COMMAND, static_cast<WPARAM>(MenuId::kRegionHint), 0);
  EXPECT_TRUE(menus.IsChecked(MenuId::kRegionHint));
  EXPECT_EQ(program_.Config("Tips", "TS"), "1");
}

// Runs in the prefix whose display scaling is 150 %: the rectangle stays in physical pixels, the hint
// is a layout size and scales.
class RegionSelectDpi144Test : public RegionSelectTest {};

TEST_F(RegionSelectDpi144Test, TheRectangleIsPhysicalAndTheHintScales) {
  StartProgram();
  StartSelection();
  ASSERT_EQ(Region().Surface()->Dpi(), 144);
  Drag(300, 400, 700, 600);
  const RECT hint = testing::ChildRect(Region().Surface()->Hint());
  EXPECT_EQ(hint.left, 300);
  EXPECT_EQ(hint.top, 400 - 153);
  EXPECT_EQ(hint.right - hint.left, 432);
  EXPECT_EQ(hint.bottom - hint.top, 150);
  KeyOn(RegionHwnd(), 'L');
  const RECT main = WindowRect(Main().Hwnd());
  EXPECT_EQ(main.left, 300);
  EXPECT_EQ(main.top, 400);
  EXPECT_EQ(main.right, 700);
  EXPECT_EQ(main.bottom, 600);
  EXPECT_EQ(Main().Canvas().Width(), 400);
  EXPECT_EQ(Main().Canvas().Height(), 200);
}

}  // namespace
}  // namespace corvanta
