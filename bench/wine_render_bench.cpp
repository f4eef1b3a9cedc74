// Timed runs under Wine: Prepare canvas + Draw grid of a dense preset on 1920 x 1080 and 3840 x 2160
// canvases, until the surface holds every pixel. Prints the minimum and the median of several runs,
// and for comparison the same segments drawn with plain GDI MoveToEx/LineTo on a DIB section.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <utility>
#include <vector>

#include "overlay/draw_canvas.h"
#include "overlay/grid.h"
#include "overlay/render.h"
#include "effects/preset.h"
#include "platform/dib_reserve.h"
#include "platform/gdi.h"

namespace corvanta {
namespace {

constexpr int kRuns = 15;

Scanlines DensePreset(int32_t lineType, int32_t pixelSize) {
  return ScanlinesOf(Preset{lineType, pixelSize, 12, 6, 2, 4, 4, 3, 3});
}

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(to.QuadPart - from.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

double TimeOnce(const std::function<void()>& work) {
  LARGE_INTEGER start;
  LARGE_INTEGER end;
  QueryPerformanceCounter(&start);
  work();
  QueryPerformanceCounter(&end);
  return Milliseconds(start, end);
}

void PrintTimes(const char* what, int w, int h, double first, std::vector<double> times) {
  std::sort(times.begin(), times.end());
  std::printf("%-44s %4d x %4d  first %7.2f ms  min %7.2f ms  median %7.2f ms\n", what, w, h, first, times.front(),
              times[times.size() / 2]);
}

void Report(const char* what, int w, int h, const std::function<void()>& work) {
  const double first = TimeOnce(work);
  std::vector<double> times;
  for (int i = 0; i < kRuns; ++i) times.push_back(TimeOnce(work));
  PrintTimes(what, w, h, first, std::move(times));
}

// The first lock: a canvas made at 1 x 1, as the overlay's is, draws the grid at full size, every run on
// a canvas of its own; its memory is fresh, or comes from a reserve made beforehand, as the program
// makes one at start-up.
void ReportFirstDraw(const char* what, HWND host, int w, int h, bool fromReserve) {
  const Scanlines solid = DensePreset(1, 1);
  std::vector<double> times;
  for (int i = 0; i < kRuns; ++i) {
    DibReserve reserve(fromReserve ? w : 0, fromReserve ? h : 0);
    reserve.Holds();  // made before the lock
    OwnedWindow<DrawCanvas> canvas;
    if (!canvas.Create(host, GetModuleHandleA(nullptr), 0, 0, 1, 1)) return;
    canvas.DrawNextSurfaceFrom(&reserve);
    times.push_back(TimeOnce([&] {
      PrepareCanvas(canvas, w, h, solid);
      DrawGrid(canvas, w, h, solid.grid);
      canvas.Flush();
    }));
  }
  const double first = times.front();
  PrintTimes(what, w, h, first, std::move(times));
}

void GdiBaseline(int w, int h, const Scanlines& scanlines) {
  void* bits = nullptr;
  ScopedBitmap bitmap(CreateTopDownDib(w, h, &bits));
  ScopedMemoryDC dc(nullptr);
  ScopedSelect selectBitmap(dc.Get(), bitmap.Get());
  ScopedBrush brush(CreateSolidBrush(kOverlayBackground));
  ScopedPen pen(CreatePen(PS_SOLID, 1, scanlines.colour));
  ScopedSelect selectPen(dc.Get(), pen.Get());
  Report("plain GDI: fill + MoveToEx/LineTo", w, h, [&] {
    RECT all{0, 0, w, h};
    FillRect(dc.Get(), &all, brush.Get());
    ForEachGridSegment(scanlines.grid, w, h, [&](const Segment& s) {
      MoveToEx(dc.Get(), s.x1, s.y1, nullptr);
      LineTo(dc.Get(), s.x2, s.y2);
    });
    GdiFlush();
  });
}

int Run() {
  HWND host = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 3840, 2160, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
  const struct {
    int w;
    int h;
  } sizes[] = {{1920, 1080}, {3840, 2160}};
  for (const auto& size : sizes) {
    OwnedWindow<DrawCanvas> canvas;
    if (!canvas.Create(host, GetModuleHandleA(nullptr), 0, 0, 1, 1)) return 1;
    const int w = size.w;
    const int h = size.h;
    const Scanlines solid = DensePreset(1, 1);
    std::printf("P = 1, T = V = 4, O = K = 3: %zu segments\n", GridSegments(solid.grid, w, h).size());
    Report("Prepare + Draw grid, one-pixel solid pen", w, h, [&] {
      PrepareCanvas(canvas, w, h, solid);
      DrawGrid(canvas, w, h, solid.grid);
      canvas.Flush();
    });
    Report("Prepare only", w, h, [&] {
      PrepareCanvas(canvas, w, h, solid);
      canvas.Flush();
    });
    GdiBaseline(w, h, solid);
    const Scanlines dashed = DensePreset(2, 1);
    Report("Prepare + Draw grid, one-pixel dashed pen", w, h, [&] {
      PrepareCanvas(canvas, w, h, dashed);
      DrawGrid(canvas, w, h, dashed.grid);
      canvas.Flush();
    });
    const Scanlines wide = DensePreset(1, 2);
    Report("Prepare + Draw grid, two-pixel pen (P = 2)", w, h, [&] {
      PrepareCanvas(canvas, w, h, wide);
      DrawGrid(canvas, w, h, wide.grid);
      canvas.Flush();
    });
    const struct {
      const char* label;
      Scanlines preset;
    } more[] = {{"Prepare + Draw grid, one-pixel dotted pen", DensePreset(3, 1)},
                {"Prepare + Draw grid, dash-dot-dot pen", DensePreset(5, 1)},
                {"Prepare + Draw grid, five-pixel pen (P = 5)", DensePreset(1, 5)},
                {"Prepare + Draw grid, eight-pixel pen (P = 8)", DensePreset(1, 8)}};
    for (const auto& m : more) {
      Report(m.label, w, h, [&] {
        PrepareCanvas(canvas, w, h, m.preset);
        DrawGrid(canvas, w, h, m.preset.grid);
        canvas.Flush();
      });
    }
    // A locked overlay resized: every run draws at another size than the run before.
    int run = 0;
    Report("Prepare + Draw grid at a new size, solid pen", w, h, [&] {
      const int shrink = (++run % 2) * 7;
      PrepareCanvas(canvas, w - shrink, h - shrink, solid);
      DrawGrid(canvas, w - shrink, h - shrink, solid.grid);
      canvas.Flush();
    });
    ReportFirstDraw("First draw on a new canvas, fresh memory", host, w, h, false);
    ReportFirstDraw("First draw on a new canvas, prepared memory", host, w, h, true);
  }
  DestroyWindow(host);
  return 0;
}

}  // namespace
}  // namespace corvanta

int main() { return corvanta::Run(); }
