// The start screen: start-up, layout, minimum size, geometry at exit.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>
#include <gtest/gtest.h>

#include "app/app.h"
#include "test_program.h"

namespace corvanta {
namespace {

using testing::ChildRect;
using testing::ExpectAt;
using testing::TestProgram;
using testing::WindowRect;

TEST(MainWindowTest, FirstStartInAnEmptyDirectory) {
  TestProgram program;
  program.Start();
  HWND hwnd = program.Hwnd();
  ASSERT_NE(hwnd, nullptr);
  const RECT window = WindowRect(hwnd);
  EXPECT_EQ(window.left, 50);
  EXPECT_EQ(window.top, 50);
  EXPECT_EQ(window.right - window.left, 740);
  EXPECT_EQ(window.bottom - window.top, 514);
  MainWindow& main = program.Main();
  EXPECT_EQ(SendMessageA(main.Control(ControlId::kStrengthSlider), TBM_GETPOS, 0, 0), 75);
  EXPECT_EQ(SendMessageA(main.Control(ControlId::kStrengthSlider), TBM_GETSELEND, 0, 0), 75);
  EXPECT_EQ(SendMessageA(main.Control(ControlId::kTopmostCheckbox), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(SendMessageA(main.Control(ControlId::kCustomModeCheckbox), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(SendMessageA(main.Control(ControlId::kPictureModeCheckbox), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_TRUE(main.GetMenus().IsChecked(MenuId::kTopmost));
  EXPECT_TRUE(main.IsAlwaysOnTop());
  EXPECT_EQ(program.app->ModeState().savedGeometry, (Rect{50, 50, 740, 514}));

  testing::ExpectControlsAt(main, testing::kStartScreenAt96);
  EXPECT_FALSE(IsWindowVisible(main.Control(ControlId::kDrawCanvas)));
  EXPECT_EQ(ListView_GetColumnWidth(main.Control(ControlId::kEffectList), 0), 56);
  EXPECT_EQ(ListView_GetColumnWidth(main.Control(ControlId::kEffectList), 1), 524);
}

TEST(MainWindowTest, StartPositionGuards) {
  {
    TestProgram program;
    program.WriteConfig("[Config]\r\nFirst=1\r\nSetP=C\r\nL=5000\r\nT=60\r\nW=740\r\nH=514\r\n");
    program.Start();
    EXPECT_EQ(WindowRect(program.Hwnd()).left, 50);
    EXPECT_EQ(WindowRect(program.Hwnd()).top, 60);
    EXPECT_EQ(program.app->ModeState().hideRestore.left, 50);
  }
  {
    TestProgram program;
    program.WriteConfig("[Config]\r\nFirst=1\r\nSetP=C\r\nL=-20\r\nT=-7\r\nW=740\r\nH=514\r\n");
    program.Start();
    EXPECT_EQ(WindowRect(program.Hwnd()).left, 0);
    EXPECT_EQ(WindowRect(program.Hwnd()).top, 0);
    EXPECT_EQ(program.app->ModeState().savedGeometry.left, -20);
    program.Stop();
    EXPECT_NE(program.ConfigFile().find("L=-20"), std::string::npos);  // left 0: nothing saved at exit
  }
}

TEST(MainWindowTest, GeometryIsWrittenAtExitOnlyWhenAllowed) {
  {
    TestProgram program;
    program.WriteConfig("[Config]\r\nFirst=1\r\nSetP=C\r\n[Other]\r\nX=1\r\n");
    program.Start();
    SetWindowPos(program.Hwnd(), nullptr, 120, 130, 800, 600, SWP_NOZORDER | SWP_NOACTIVATE);
    program.Stop();
    const std::string file = program.ConfigFile();
    const size_t w = file.find("W=800"), h = file.find("H=600"), l = file.find("L=120"), t = file.find("T=130");
    ASSERT_NE(w, std::string::npos);
    ASSERT_NE(t, std::string::npos);
    EXPECT_LT(w, h);
    EXPECT_LT(h, l);
    EXPECT_LT(l, t);
  }
  for (int caseIndex = 0; caseIndex < 2; ++caseIndex) {
    TestProgram program;
    program.WriteConfig("[Config]\r\nFirst=1\r\nSetP=C\r\nW=700\r\nH=500\r\nL=40\r\nT=45\r\n");
    program.Start();
    if (caseIndex == 0) {
      SetWindowPos(program.Hwnd(), nullptr, 0, 200, 800, 600, SWP_NOZORDER | SWP_NOACTIVATE);
    } else {
      program.LockRegion(Rect{100, 200, 800, 600});
      ASSERT_EQ(program.app->ModeState().locked, LockedState::kLocked);
    }
    program.Stop();
    const std::string file = program.ConfigFile();
    for (const char* kept : {"W=700", "H=500", "L=40", "T=45"}) {
      EXPECT_NE(file.find(kept), std::string::npos) << kept << " case " << caseIndex;
    }
  }
}

TEST(MainWindowTest, MinimumSizeAndUnknownFontSizeKeepsColumns) {
  TestProgram program;
  program.WriteConfig("[Config]\r\nFirst=1\r\nSetP=C\r\nTC=13\r\nW=740\r\nH=514\r\nL=50\r\nT=50\r\n");
  program.Start();
  HWND list = program.Main().Control(ControlId::kEffectList);
  const int first = ListView_GetColumnWidth(list, 0);
  const int status = ListView_GetColumnWidth(list, 2);
  EXPECT_EQ(first, 64);  // the creation widths stay for a size outside the table
  EXPECT_EQ(status, 84);
  SetWindowPos(program.Hwnd(), nullptr, 0, 0, 300, 200, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  testing::PumpUntil([&] { return WindowRect(program.Hwnd()).right - WindowRect(program.Hwnd()).left == 588; });
  const RECT window = WindowRect(program.Hwnd());
  EXPECT_EQ(window.right - window.left, 588);
  EXPECT_EQ(window.bottom - window.top, 372);
  EXPECT_EQ(ListView_GetColumnWidth(list, 0), first);
  EXPECT_EQ(ListView_GetColumnWidth(list, 2), status);
  // The overlay keeps its own rectangle: no minimum applies.
  program.LockRegion(Rect{400, 300, 300, 200});
  EXPECT_EQ(WindowRect(program.Hwnd()).right - WindowRect(program.Hwnd()).left, 300);
}

TEST(MainWindowTest, FontSizeFromTheFileIsClamped) {
  TestProgram program;
  program.WriteConfig("[Config]\r\nFirst=1\r\nSetP=C\r\nTC=30\r\nW=740\r\nH=514\r\nL=50\r\nT=50\r\n");
  program.Start();
  EXPECT_EQ(program.app->State().listFontSize, 24);
  EXPECT_EQ(program.Config("Config", "TC"), "24");
}

// A control that cannot be created (here: refused by a hook) makes the whole start fail, before any
// setting is written.
TEST(MainWindowTest, AFailedControlCreationFailsTheStart) {
  static HHOOK hook = nullptr;
  hook = SetWindowsHookExW(
      WH_CBT,
      [](int code, WPARAM wParam, LPARAM lParam) -> LRESULT {
        if (code == HCBT_CREATEWND) {
          wchar_t className[64] = {};
          GetClassNameW(reinterpret_cast<HWND>(wParam), className, 64);
          if (lstrcmpiW(className, TRACKBAR_CLASSW) == 0) return 1;  // refuse the strength slider
        }
        return CallNextHookEx(hook, code, wParam, lParam);
      },
      nullptr, GetCurrentThreadId());
  ASSERT_NE(hook, nullptr);
  testing::TempProgramDir dir;
  App app(GetModuleHandleW(nullptr), dir.Path());
  app.SetQuitOnExit(false);
  const bool started = app.Start(SW_SHOWNOACTIVATE);
  UnhookWindowsHookEx(hook);
  EXPECT_FALSE(started);
  EXPECT_EQ(app.Window().Hwnd(), nullptr);
  EXPECT_FALSE(app.Window().Tray().IsShown());
  EXPECT_EQ(dir.AttributesOf("\\Config"), INVALID_FILE_ATTRIBUTES);
}

// System keys that no selection takes keep their platform meaning (F10 and Alt open the window menu).
TEST(MainWindowTest, SystemKeysOutsideASelectionReachTheDefaultHandling) {
  TestProgram program;
  program.Start();
  static int keyMenuCommands = 0;
  keyMenuCommands = 0;
  HHOOK hook = SetWindowsHookExW(
      WH_CALLWNDPROC,
      [](int code, WPARAM wParam, LPARAM lParam) -> LRESULT {
        const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (code == HC_ACTION && message->message == WM_SYSCOMMAND && (message->wParam & 0xFFF0) == SC_KEYMENU) {
          ++keyMenuCommands;
          return 0;
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
      },
      nullptr, GetCurrentThreadId());
  ASSERT_NE(hook, nullptr);
  // The key menu runs a modal loop; the queued cancel ends it as soon as it starts.
  PostMessageW(program.Hwnd(), WM_CANCELMODE, 0, 0);
  SendMessageW(program.Hwnd(), WM_SYSKEYDOWN, VK_F10, 0);
  testing::PressSystemKey(program.Hwnd(), VK_F10);
  UnhookWindowsHookEx(hook);
  EXPECT_GT(keyMenuCommands, 0);
  EXPECT_EQ(program.app->ModeState().locked, LockedState::kNotLocked);
}

// When the shell restarts, its notification area forgets every icon; the program adds its icon again.
TEST(MainWindowTest, TheTrayIconComesBackWhenTheShellRestarts) {
  TestProgram program;
  program.Start();
  ASSERT_TRUE(program.Main().Tray().IsShown());
  NOTIFYICONDATAW icon{};
  icon.cbSize = sizeof(icon);
  icon.hWnd = program.Hwnd();
  icon.uID = 1;
  ASSERT_TRUE(Shell_NotifyIconW(NIM_DELETE, &icon));
  EXPECT_FALSE(Shell_NotifyIconW(NIM_MODIFY, &icon));  // gone from the notification area
  SendMessageW(program.Hwnd(), RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
  EXPECT_TRUE(program.Main().Tray().IsShown());
  EXPECT_TRUE(Shell_NotifyIconW(NIM_MODIFY, &icon));
}

}  // namespace
}  // namespace corvanta
