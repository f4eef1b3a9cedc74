// Timed runs under Wine: an overlay locked on a 1920 x 1080 window follows it. From the move of the
// window (made on another thread, as another program would) to the overlay in place with its canvas
// drawn, over 50 moves and 20 resizes; then the CPU time of the locked program over 10 s in which
// nothing moves. Prints figures; not a test.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/app.h"
#include "app/main_window.h"
#include "effects/effect_list.h"
#include "overlay/draw_canvas.h"
#include "region/window_follower.h"
#include "settings/paths.h"
#include "shell/win_rect.h"
#include "../tests/wine/temp_program_dir.h"
#include "wine_bench_common.h"

namespace {

using corvanta::bench::Milliseconds;

using corvanta::App;
using corvanta::MainWindow;
using corvanta::Rect;

constexpr UINT kPlaceMessage = WM_APP + 1;  // wParam: left | top << 16, lParam: width | height << 16

// The followed window, on a thread of its own with its own message loop.
struct TargetThread {
  HWND hwnd = nullptr;
  HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  HANDLE thread = nullptr;

  static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kPlaceMessage) {
      SetWindowPos(hwnd, nullptr, static_cast<short>(LOWORD(wParam)), static_cast<short>(HIWORD(wParam)), LOWORD(lParam),
                   HIWORD(lParam),
                   SWP_NOZORDER | SWP_NOACTIVATE);
      return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
  static DWORD WINAPI Run(void* self) {
    auto* t = static_cast<TargetThread*>(self);
    WNDCLASSW wc{};
    wc.lpfnWndProc = Proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = L"CorvantaFollowBenchTarget";
    RegisterClassW(&wc);
    t->hwnd = CreateWindowExW(0, wc.lpszClassName, L"target", WS_POPUP | WS_VISIBLE, 0, 0, 1920, 1080, nullptr,
                              nullptr, wc.hInstance, nullptr);
    SetEvent(t->ready);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
    DestroyWindow(t->hwnd);
    return 0;
  }
  void Start() {
    thread = CreateThread(nullptr, 0, Run, this, 0, nullptr);
    WaitForSingleObject(ready, INFINITE);
  }
  void Place(const Rect& r) {
    PostMessageW(hwnd, kPlaceMessage, MAKEWPARAM(r.left, r.top), MAKELPARAM(r.width, r.height));
  }
  void Stop() {
    PostThreadMessageW(GetThreadId(thread), WM_QUIT, 0, 0);
    WaitForSingleObject(thread, INFINITE);
  }
};

// Pumps the program's messages until the overlay covers r and its canvas is r's size, then paints it.
bool WaitUntilDrawn(MainWindow& main, const Rect& r) {
  const DWORD deadline = GetTickCount() + 3000;
  while (GetTickCount() < deadline) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    if (corvanta::WindowRectOf(main.Hwnd()) == r && main.Canvas().Width() == r.width &&
        main.Canvas().Height() == r.height) {
      RedrawWindow(main.Hwnd(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
      GdiFlush();
      return true;
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
  }
  return false;
}

// kFromTheMove times from the move request to the overlay drawn, waiting for however the program learns
// of the move; kFromTheLook waits until the window has moved and times from the program's look at it.
enum class Timing { kFromTheMove, kFromTheLook };

void Measure(MainWindow& main, TargetThread& target, const char* what, int runs, Rect (*placeOf)(int),
             Timing timing) {
  std::vector<double> times;
  for (int run = 0; run < runs; ++run) {
    const Rect r = placeOf(run);
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    target.Place(r);
    if (timing == Timing::kFromTheLook) {
      while (corvanta::WindowRectOf(target.hwnd) != r) Sleep(1);
      QueryPerformanceCounter(&start);
      main.Follower().OnCheckTick();
    }
    if (!WaitUntilDrawn(main, r)) {
      const Rect now = corvanta::WindowRectOf(main.Hwnd());
      const Rect window = corvanta::WindowRectOf(target.hwnd);
      printf("%s %d: the overlay did not reach %d,%d %d x %d: it is at %d,%d %d x %d, the window at %d,%d %d x %d\n",
             what, run, r.left, r.top, r.width, r.height, now.left, now.top, now.width, now.height, window.left,
             window.top, window.width, window.height);
      return;
    }
    QueryPerformanceCounter(&end);
    times.push_back(Milliseconds(start, end));
  }
  std::sort(times.begin(), times.end());
  printf("%s, %s (%d runs): min %.2f ms, median %.2f ms, max %.2f ms\n", what,
         timing == Timing::kFromTheMove ? "from the move" : "from the look", runs, times.front(),
         times[times.size() / 2], times.back());
}

double CpuMilliseconds() {
  FILETIME created, exited, kernel, user;
  GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
  auto ticks = [](const FILETIME& t) { return (static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime; };
  return static_cast<double>(ticks(kernel) + ticks(user)) / 10000.0;
}

// A message loop that sleeps until a message comes, as the program's own does; returns the messages.
int WaitForMessagesFor(DWORD milliseconds) {
  int messages = 0;
  const DWORD start = GetTickCount();
  for (DWORD elapsed = 0; elapsed < milliseconds; elapsed = GetTickCount() - start) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, milliseconds - elapsed, QS_ALLINPUT);
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      ++messages;
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
  return messages;
}

}  // namespace

int main() {
  corvanta::testing::TempProgramDir dir;
  corvanta::bench::PrepareCustomModeProgram(dir);
  App app(GetModuleHandleA(nullptr), dir.Path());
  app.SetQuitOnExit(false);
  if (!app.Start(SW_SHOWNOACTIVATE)) return 1;
  corvanta::testing::PumpMessages(200);
  MainWindow& main = app.Window();

  TargetThread target;
  target.Start();
  SetCursorPos(960, 540);
  app.Modes().AttachRequested();
  const DWORD deadline = GetTickCount() + 3000;
  while (corvanta::WindowRectOf(main.Hwnd()) != Rect{0, 0, 1920, 1080} && GetTickCount() < deadline) {
    corvanta::testing::PumpMessages(10);
  }
  corvanta::testing::PressKey(main.Hwnd(), VK_SPACE);
  if (!app.ModeState().following) {
    printf("the locked overlay does not follow its window\n");
    return 1;
  }
  corvanta::testing::PumpMessages(200);

  // Moves within the screen: the overlay keeps its size, only its place changes.
  auto move = [](int run) { return Rect{run % 2 == 0 ? -16 : 0, run % 2 == 0 ? -8 : 0, 1920, 1080}; };
  // Resizes: the canvas is drawn anew at the new size.
  auto resize = [](int run) { return Rect{0, 0, run % 2 == 0 ? 1900 : 1920, run % 2 == 0 ? 1060 : 1080}; };
  Measure(main, target, "move 1920 x 1080", 50, move, Timing::kFromTheMove);
  printf("  window events %s\n", main.Follower().EventsArrive() ? "arrive" : "do not arrive: the 100 ms look");
  Measure(main, target, "move 1920 x 1080", 50, move, Timing::kFromTheLook);
  Measure(main, target, "resize around 1920 x 1080", 20, resize, Timing::kFromTheMove);
  Measure(main, target, "resize around 1920 x 1080", 20, resize, Timing::kFromTheLook);

  // Locked, nothing moving: the program waits for messages.
  WaitForMessagesFor(500);
  const double before = CpuMilliseconds();
  const int messages = WaitForMessagesFor(10000);
  const double after = CpuMilliseconds();
  printf("locked, nothing moving for 10 s: CPU time %.1f ms, %d messages\n", after - before, messages);
  target.Stop();
  return 0;
}
