// An overlay locked by smart attach follows its window: moved or resized it takes the window's new
// rectangle and is drawn anew at that size, minimised it hides, restored it shows where the window is,
// closed the start screen comes back. A child window is followed through its top-level window's moves;
// "仅覆盖客户区" covers the client area only.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "effects/effect_list.h"
#include "effects/preset.h"
#include "gdi_reference.h"
#include "overlay/draw_canvas.h"
#include "prefs/advanced_options_window.h"
#include "region/window_follower.h"
#include "shell/win_rect.h"
#include "test_program.h"

namespace corvanta {
namespace {

using testing::PumpUntil;
using testing::TestProgram;

// Horizontal lines only: a shape Wine's screen can show.
constexpr const char* kLinesIni =
    "[Scantype]\r\nLinetype=1\r\n[Linetype]\r\nPixelsize=1\r\n[Scanlinecolor]\r\nColorR=12\r\nColorG=6\r\n"
    "ColorB=2\r\n[ScanlineTransversespacing]\r\nTransverse=5\r\n";

// A captioned window of the test, with a child control filling its client area's left half.
class CaptionedWindow {
 public:
  explicit CaptionedWindow(const Rect& r) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = L"CorvantaFollowTarget";
    RegisterClassW(&wc);
    hwnd_ = CreateWindowExW(0, wc.lpszClassName, L"target", WS_OVERLAPPEDWINDOW | WS_VISIBLE, r.left, r.top, r.width,
                            r.height, nullptr, nullptr, wc.hInstance, nullptr);
    RECT client{};
    GetClientRect(hwnd_, &client);
    child_ = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_NOTIFY, 0, 0, client.right / 2, client.bottom, hwnd_,
                             nullptr, wc.hInstance, nullptr);
  }
  ~CaptionedWindow() { Destroy(); }
  CaptionedWindow(const CaptionedWindow&) = delete;
  CaptionedWindow& operator=(const CaptionedWindow&) = delete;
  HWND Hwnd() const { return hwnd_; }
  HWND Child() const { return child_; }
  void Destroy() {
    if (hwnd_ != nullptr) DestroyWindow(hwnd_);
    hwnd_ = child_ = nullptr;
  }

 private:
  HWND hwnd_ = nullptr;
  HWND child_ = nullptr;
};

class OverlayFollowTest : public ::testing::Test {
 protected:
  void Start(const std::string& followSection = "") {
    program_.WriteConfig("[Config]\r\nFirst=1\r\nSetP=C\r\nGetC=0\r\nAlpha=120\r\nTop=1\r\nW=740\r\nH=514\r\nL=50\r\nT=50\r\n" +
                         followSection);
    program_.dir.MakeFolder("\\Effect");
    program_.dir.MakeFolder("\\Effect\\C");
    program_.dir.WriteFile("\\Effect\\C\\lines.ini", kLinesIni);
    program_.Start();
    ASSERT_TRUE(PumpUntil([&] { return program_.Main().List().RowCount() == 1; }));
  }
  // Smart attach with the cursor over the window, then a key.
  void AttachAndLock(HWND window) {
    const Rect r = WindowRectOf(window);
    SetCursorPos(r.left + r.width / 2, r.top + r.height / 2);
    program_.app->Modes().AttachRequested();
    ASSERT_TRUE(PumpUntil([&] { return WindowRectOf(program_.Hwnd()) == r; })) << "the frame did not reach it";
    testing::PressKey(program_.Hwnd(), 'L');
    ASSERT_EQ(program_.app->ModeState().locked, LockedState::kLocked);
  }
  Rect Overlay() { return WindowRectOf(program_.Hwnd()); }
  bool OverlayAt(const Rect& r) {
    return PumpUntil([&] { return Overlay() == r && IsWindowVisible(program_.Hwnd()); }, 3000);
  }
  // The canvas holds exactly the grid of lines.ini for the overlay's size.
  void ExpectGridAtOverlaySize() {
    DrawCanvas& canvas = program_.Main().Canvas();
    const Rect r = Overlay();
    ASSERT_EQ(canvas.Width(), r.width);
    ASSERT_EQ(canvas.Height(), r.height);
    const testing::ReferenceImage reference = testing::GdiGridReference(
        ScanlinesOf(ReadPreset(program_.app->Settings(), program_.dir.PathOf("\\Effect\\C\\lines.ini"))), r.width,
        r.height, RGB(208, 222, 227));
    int differences = 0;
    for (int y = 0; y < r.height; ++y) {
      for (int x = 0; x < r.width; ++x) differences += canvas.PixelAt(x, y) != reference.At(x, y);
    }
    EXPECT_EQ(differences, 0) << r.width << " x " << r.height;
  }
  TestProgram program_;
};

TEST_F(OverlayFollowTest, TheOverlayFollowsItsWindowAndRedrawsAtItsSize) {
  Start();
  CaptionedWindow target(Rect{900, 200, 400, 300});
  AttachAndLock(target.Hwnd());
  EXPECT_TRUE(program_.app->ModeState().following);
  EXPECT_EQ(Overlay(), (Rect{900, 200, 400, 300}));

  SetWindowPos(target.Hwnd(), nullptr, 700, 150, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_TRUE(OverlayAt(Rect{700, 150, 400, 300})) << "moved";
  SetWindowPos(target.Hwnd(), nullptr, 0, 0, 520, 260, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_TRUE(OverlayAt(Rect{700, 150, 520, 260})) << "resized";
  ExpectGridAtOverlaySize();

  ShowWindow(target.Hwnd(), SW_MINIMIZE);
  EXPECT_TRUE(PumpUntil([&] { return !IsWindowVisible(program_.Hwnd()); }, 3000)) << "minimised";
  ShowWindow(target.Hwnd(), SW_RESTORE);
  EXPECT_TRUE(OverlayAt(WindowRectOf(target.Hwnd()))) << "restored";
  EXPECT_EQ(program_.app->ModeState().locked, LockedState::kLocked);
  EXPECT_FALSE(IsWindowEnabled(program_.Hwnd()));

  target.Destroy();
  EXPECT_TRUE(PumpUntil([&] { return program_.app->ModeState().StartScreen(); }, 3000)) << "closed";
  EXPECT_EQ(Overlay(), program_.app->ModeState().savedGeometry);
  EXPECT_FALSE(program_.app->ModeState().following);
}

TEST_F(OverlayFollowTest, AChildWindowIsFollowedThroughItsTopLevelWindow) {
  Start();
  CaptionedWindow target(Rect{800, 300, 500, 320});
  const Rect child = WindowRectOf(target.Child());
  AttachAndLock(target.Child());
  EXPECT_EQ(Overlay(), child);
  SetWindowPos(target.Hwnd(), nullptr, 600, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_TRUE(OverlayAt(Rect{child.left - 200, child.top - 200, child.width, child.height}));
}

TEST_F(OverlayFollowTest, TheClientAreaOnlyIsCovered) {
  Start("[Follow]\r\nMove=1\r\nClient=1\r\n");
  CaptionedWindow target(Rect{900, 200, 400, 300});
  AttachAndLock(target.Hwnd());
  const Rect client = *FollowedPlace(target.Hwnd(), true);
  EXPECT_LT(client.width, 400);
  EXPECT_EQ(Overlay(), client) << "at the lock";
  ExpectGridAtOverlaySize();
  SetWindowPos(target.Hwnd(), nullptr, 0, 0, 460, 340, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_TRUE(OverlayAt(*FollowedPlace(target.Hwnd(), true))) << "while following";
  ExpectGridAtOverlaySize();
}

// Where the system delivers window events, the destruction of the follower's probe window stops the look
// at once, and the window's events alone move the overlay from then on. Wine raises none of these: the
// test hands them over as the system would.
TEST_F(OverlayFollowTest, DeliveredEventsTakeOverFromTheLook) {
  Start();
  CaptionedWindow target(Rect{900, 200, 400, 300});
  AttachAndLock(target.Hwnd());
  const WindowFollower& follower = program_.Main().Follower();
  testing::PumpMessages(300);
  ASSERT_FALSE(follower.EventsArrive());
  ASSERT_NE(follower.DeliveryProbe(), nullptr);
  EXPECT_FALSE(IsWindow(follower.DeliveryProbe()));
  WindowFollower::OnWinEvent(nullptr, EVENT_OBJECT_DESTROY, follower.DeliveryProbe(), OBJID_WINDOW, CHILDID_SELF, 0, 0);
  EXPECT_TRUE(follower.EventsArrive());
  EXPECT_EQ(follower.DeliveryProbe(), nullptr);

  SetWindowPos(target.Hwnd(), nullptr, 700, 150, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  WindowFollower::OnWinEvent(nullptr, EVENT_OBJECT_LOCATIONCHANGE, program_.Hwnd(), OBJID_WINDOW, CHILDID_SELF, 0, 0);
  testing::PumpMessages(300);
  EXPECT_EQ(Overlay(), (Rect{900, 200, 400, 300})) << "no look, and another window's event";
  WindowFollower::OnWinEvent(nullptr, EVENT_OBJECT_LOCATIONCHANGE, target.Hwnd(), OBJID_WINDOW, CHILDID_SELF, 0, 0);
  EXPECT_TRUE(OverlayAt(Rect{700, 150, 400, 300}));
  ExpectGridAtOverlaySize();
}

// With "跟随窗口移动" off the overlay stays where it was locked; a custom region follows nothing; moving
// or resizing by hand ends the following.
TEST_F(OverlayFollowTest, WhatFollowsNothing) {
  Start("[Follow]\r\nMove=0\r\nClient=0\r\n");
  CaptionedWindow target(Rect{900, 200, 400, 300});
  AttachAndLock(target.Hwnd());
  EXPECT_FALSE(program_.app->ModeState().following);
  program_.app->Modes().ReturnRequested();

  program_.app->Settings().SetConfig("Follow", "Move", "1");
  program_.LockRegion(Rect{200, 200, 300, 200});
  EXPECT_FALSE(program_.app->ModeState().following);
  program_.app->Modes().ReturnRequested();

  AttachAndLock(target.Hwnd());
  ASSERT_TRUE(program_.app->ModeState().following);
  program_.Main().RunCommand(MenuId::kMoveOrResize);
  EXPECT_FALSE(program_.app->ModeState().following);
  const Rect place = Overlay();
  SetWindowPos(target.Hwnd(), nullptr, 100, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  testing::PumpMessages(300);
  EXPECT_EQ(Overlay(), place);
}

// The section "吸附窗口：" of the advanced options: an older Config.ini without [Follow] shows the
// defaults; "确定" writes both keys and an overlay that follows takes the choice at once.
TEST_F(OverlayFollowTest, TheAdvancedOptionsChooseHowToFollow) {
  Start();
  CaptionedWindow target(Rect{900, 200, 400, 300});
  AttachAndLock(target.Hwnd());
  program_.Main().RunCommand(MenuId::kAdvancedOptions);
  AdvancedOptionsWindow* options = program_.Main().AdvancedOptions();
  ASSERT_NE(options, nullptr);
  auto checkbox = [&](AdvancedOptionsControl id) { return options->Control(id); };
  auto checked = [&](AdvancedOptionsControl id) { return SendMessageW(checkbox(id), BM_GETCHECK, 0, 0) == BST_CHECKED; };
  auto click = [&](AdvancedOptionsControl id) {
    SendMessageW(checkbox(id), BM_CLICK, 0, 0);
    testing::PumpMessages(50);
  };
  EXPECT_EQ(testing::WindowText(checkbox(AdvancedOptionsControl::kFollowLabel)), "吸附窗口：");
  EXPECT_EQ(testing::WindowText(checkbox(AdvancedOptionsControl::kFollowMoveCheckbox)), "跟随窗口移动");
  EXPECT_EQ(testing::WindowText(checkbox(AdvancedOptionsControl::kFollowClientCheckbox)), "仅覆盖客户区");
  EXPECT_TRUE(checked(AdvancedOptionsControl::kFollowMoveCheckbox));
  EXPECT_FALSE(checked(AdvancedOptionsControl::kFollowClientCheckbox));

  click(AdvancedOptionsControl::kFollowClientCheckbox);
  EXPECT_EQ(options->Status(AdvancedOptionsControl::kFollowStatus), PreferenceStatus::kPending);
  EXPECT_EQ(Overlay(), (Rect{900, 200, 400, 300})) << "a check box only records a choice";
  click(AdvancedOptionsControl::kFollowApply);
  EXPECT_EQ(options->Status(AdvancedOptionsControl::kFollowStatus), PreferenceStatus::kApplied);
  EXPECT_EQ(program_.Config("Follow", "Move") + program_.Config("Follow", "Client"), "11");
  EXPECT_TRUE(OverlayAt(*FollowedPlace(target.Hwnd(), true))) << "the client area at once";

  click(AdvancedOptionsControl::kFollowMoveCheckbox);
  click(AdvancedOptionsControl::kFollowApply);
  EXPECT_FALSE(program_.app->ModeState().following);
  const Rect place = Overlay();
  SetWindowPos(target.Hwnd(), nullptr, 100, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  testing::PumpMessages(300);
  EXPECT_EQ(Overlay(), place);

  click(AdvancedOptionsControl::kFollowDefaults);
  EXPECT_TRUE(checked(AdvancedOptionsControl::kFollowMoveCheckbox));
  EXPECT_FALSE(checked(AdvancedOptionsControl::kFollowClientCheckbox));
  EXPECT_EQ(program_.Config("Follow", "Move") + program_.Config("Follow", "Client"), "10");
}

}  // namespace
}  // namespace corvanta
