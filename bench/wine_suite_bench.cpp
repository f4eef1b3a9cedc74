// Timed runs under Wine: from a spacing slider change in the custom mode suite to the debug area's canvas
// holding the new grid (the 30 ms preview delay included), for a simple preset painted on the screen and
// for the dense default preset rasterised into the canvas of a hidden debug area (Wine's X11 driver
// cannot shape so complex a colour-keyed window). Also counts the redraws of a burst of changes.
// Prints figures; not a test.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/app.h"
#include "app/main_window.h"
#include "overlay/draw_canvas.h"
#include "settings/paths.h"
#include "suite/debug_area_window.h"
#include "suite/suite_window.h"
#include "../tests/wine/temp_program_dir.h"
#include "wine_bench_common.h"

namespace {

using corvanta::bench::Milliseconds;

using corvanta::SuiteSlider;
using corvanta::SuiteWindow;

void MoveSlider(SuiteWindow& suite, SuiteSlider slider, int position) {
  HWND control = suite.SliderControl(slider);
  SendMessageW(control, TBM_SETPOS, TRUE, position);
  SendMessageW(suite.Hwnd(), WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, position), reinterpret_cast<LPARAM>(control));
}

bool WaitForRedraws(SuiteWindow& suite, int count) {
  return corvanta::testing::PumpUntil([&] { return suite.DebugArea()->PreviewRedraws() >= count; }, 5000);
}

void MeasureChange(SuiteWindow& suite, const char* what, int runs) {
  corvanta::DebugAreaWindow& debug = *suite.DebugArea();
  corvanta::testing::PumpUntil([&] { return !debug.PreviewRedrawPending(); }, 5000);
  std::vector<double> times;
  for (int run = 0; run < runs; ++run) {
    const int before = debug.PreviewRedraws();
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    MoveSlider(suite, SuiteSlider::kTransverse, run % 2 == 0 ? 5 : 4);
    if (!WaitForRedraws(suite, before + 1)) {
      printf("no redraw\n");
      return;
    }
    if (IsWindowVisible(debug.Hwnd())) {
      RedrawWindow(debug.Hwnd(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    } else {
      debug.Canvas().Flush();
    }
    GdiFlush();
    QueryPerformanceCounter(&end);
    times.push_back(Milliseconds(start, end));
  }
  std::sort(times.begin(), times.end());
  printf("slider change to drawn preview, %s (canvas %d x %d): min %.1f ms, median %.1f ms, max %.1f ms (%d runs)\n",
         what, debug.Canvas().Width(), debug.Canvas().Height(), times.front(), times[times.size() / 2], times.back(),
         runs);
}

void CountBurst(SuiteWindow& suite) {
  corvanta::DebugAreaWindow& debug = *suite.DebugArea();
  const int before = debug.PreviewRedraws();
  for (int i = 0; i < 10; ++i) {
    MoveSlider(suite, SuiteSlider::kTransverse, 4 + i % 3);
    corvanta::testing::PumpMessages(5);
  }
  WaitForRedraws(suite, before + 1);
  corvanta::testing::PumpMessages(100);
  printf("10 changes 5 ms apart: %d redraw(s)\n", debug.PreviewRedraws() - before);
}

}  // namespace

int main() {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  corvanta::testing::TempProgramDir dir;
  for (const char* folder : {"\\Config", "\\Effect", "\\Effect\\C"}) dir.MakeFolder(folder);
  dir.WriteFile(corvanta::paths::kConfigFile, "[Config]\r\nFirst=1\r\nSetP=C\r\nGetC=0\r\n");
  corvanta::App app(GetModuleHandleW(nullptr), dir.Path());
  app.SetQuitOnExit(false);
  if (!app.Start(SW_SHOWNOACTIVATE)) return 1;
  corvanta::testing::PumpMessages(200);

  app.Window().OpenSuite();
  SuiteWindow* suite = app.Window().Suite();
  if (suite == nullptr || suite->DebugArea() == nullptr) return 1;
  // Simple values before anything is drawn: horizontal lines only, which Wine can show.
  for (SuiteSlider slider : {SuiteSlider::kVertical, SuiteSlider::kOblique, SuiteSlider::kAntiskew}) {
    MoveSlider(*suite, slider, 0);
  }
  MeasureChange(*suite, "horizontal lines painted", 15);
  CountBurst(*suite);

  ShowWindow(suite->DebugArea()->Hwnd(), SW_HIDE);
  MoveSlider(*suite, SuiteSlider::kVertical, 4);
  MoveSlider(*suite, SuiteSlider::kOblique, 3);
  MoveSlider(*suite, SuiteSlider::kAntiskew, 3);
  MeasureChange(*suite, "dense default grid rasterised", 15);
  return 0;
}
