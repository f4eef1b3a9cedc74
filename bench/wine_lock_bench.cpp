// Timed runs under Wine: from the key release that locks a selection frame to the overlay being shown
// with its canvas fully drawn, for a 1920 x 1080 and a 3840 x 2160 region with P = 1 presets, after a
// selection of 400 ms (the time the canvas memory is prepared in); beside it the same drawing repeated
// into the surface the lock made. Prints figures; not a test.
//
// The typical preset (transverse lines every 3 pixels) is painted on the screen. The dense preset
// (all four families) is rasterised into the canvas but not painted: Wine's X11 driver cannot build the
// window shape of so complex a colour-keyed picture.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/app.h"
#include "app/main_window.h"
#include "effects/effect_list.h"
#include "overlay/draw_canvas.h"
#include "overlay/overlay_controller.h"
#include "region/smart_attach.h"
#include "settings/paths.h"
#include "../tests/wine/temp_program_dir.h"
#include "wine_bench_common.h"

namespace {

using corvanta::bench::Milliseconds;

using corvanta::App;
using corvanta::MainWindow;

enum class Finish { kPaintOnScreen, kRasteriseOnly };

void Finished(MainWindow& main, Finish finish) {
  // The canvas rasterises what it was asked to draw when it is painted or flushed.
  if (finish == Finish::kPaintOnScreen) {
    RedrawWindow(main.Hwnd(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  } else {
    main.Canvas().Flush();
  }
  GdiFlush();
}

void MeasureLock(App& app, int width, int height, int runs, Finish finish) {
  MainWindow& main = app.Window();
  std::vector<double> times;
  std::vector<double> redraws;
  for (int run = 0; run < runs; ++run) {
    app.Modes().AttachRequested();
    if (app.ModeState().selection != corvanta::Selection::kAttach) {
      printf("attach did not start\n");
      return;
    }
    main.StopTimer(corvanta::MainTimer::kAttachTrack);  // keep the frame where we put it
    SetWindowPos(main.Hwnd(), nullptr, 0, 0, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    corvanta::testing::PumpMessages(400);
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    corvanta::testing::PressKey(main.Hwnd(), VK_SPACE);
    Finished(main, finish);
    QueryPerformanceCounter(&end);
    times.push_back(Milliseconds(start, end));
    QueryPerformanceCounter(&start);
    main.Overlay().RedrawAtSize(width, height);
    Finished(main, finish);
    QueryPerformanceCounter(&end);
    redraws.push_back(Milliseconds(start, end));
    RECT client{};
    GetClientRect(main.Hwnd(), &client);
    if (run == 0) printf("  client %ld x %ld, canvas %d x %d\n", client.right, client.bottom, main.Canvas().Width(),
                         main.Canvas().Height());
    SendMessageA(main.Hwnd(), WM_COMMAND, static_cast<WPARAM>(corvanta::MenuId::kReturnToStart), 0);
    corvanta::testing::PumpMessages(20);
  }
  const double first = times.front();
  std::sort(times.begin(), times.end());
  std::sort(redraws.begin(), redraws.end());
  const double redraw = redraws[redraws.size() / 2];
  printf("  first lock %.2f ms (%.1fx the median lock); the drawing alone repeated in place: median %.2f ms\n",
         first, first / times[times.size() / 2], redraw);
  printf("lock %d x %d, %s: min %.2f ms, median %.2f ms, max %.2f ms (%d runs)\n", width, height,
         finish == Finish::kPaintOnScreen ? "typical preset painted" : "dense preset rasterised", times.front(),
         times[times.size() / 2], times.back(), runs);
}

}  // namespace

int main() {
  corvanta::testing::TempProgramDir dir;
  corvanta::bench::PrepareCustomModeProgram(dir);
  dir.WriteFile("\\Effect\\C\\b_dense.ini",
                "[Scantype]\r\nLinetype=1\r\n[Linetype]\r\nPixelsize=1\r\n[Scanlinecolor]\r\nColorR=10\r\n"
                "ColorG=10\r\nColorB=10\r\n[ScanlineTransversespacing]\r\nTransverse=4\r\n"
                "[ScanlineVerticalspacing]\r\nVertical=4\r\n[ScanlineObliquespacing]\r\nOblique=3\r\n"
                "[ScanlineAntiskewspacing]\r\nAntiskew=3\r\n");
  App app(GetModuleHandleA(nullptr), dir.Path());
  app.SetQuitOnExit(false);
  if (!app.Start(SW_SHOWNOACTIVATE)) return 1;
  corvanta::testing::PumpMessages(200);
  {
    HWND hwnd = app.Window().Hwnd();
    // The lock hides the window first and shows it last; what that alone costs on this platform.
    LARGE_INTEGER a, b, c;
    QueryPerformanceCounter(&a);
    ShowWindow(hwnd, SW_HIDE);
    QueryPerformanceCounter(&b);
    ShowWindow(hwnd, SW_SHOWNA);
    QueryPerformanceCounter(&c);
    printf("window hide %.2f ms, show %.2f ms\n", Milliseconds(a, b), Milliseconds(b, c));
  }
  MeasureLock(app, 1920, 1080, 15, Finish::kPaintOnScreen);
  MeasureLock(app, 3840, 2160, 15, Finish::kPaintOnScreen);
  // Enable the dense preset (entry 1) and measure again.
  app.Settings().SetConfigInt("Config", "GetC", 1);
  app.State().enabled.custom = 1;
  app.Window().List().Fill();
  MeasureLock(app, 1920, 1080, 15, Finish::kRasteriseOnly);
  MeasureLock(app, 3840, 2160, 15, Finish::kRasteriseOnly);
  return 0;
}
