// The grid of a P = 1 preset with all four families at full HD and 4K: the segment list, the
// allocation-free walk, and the one-pixel solid and dotted rasters the canvas uses for it.
#include <benchmark/benchmark.h>

#include <vector>

#include "overlay/canvas_pixels.h"
#include "overlay/line_batch.h"
#include "overlay/grid.h"

namespace corvanta {
namespace {

GridSpacing DensePreset() { return GridSpacing{1, 4, 4, 3, 3}; }

void BM_GridSegments(benchmark::State& state) {
  const auto w = static_cast<int32_t>(state.range(0));
  const auto h = static_cast<int32_t>(state.range(1));
  size_t count = 0;
  for (auto _ : state) {
    std::vector<Segment> segments = GridSegments(DensePreset(), w, h);
    count = segments.size();
    benchmark::DoNotOptimize(segments.data());
  }
  state.counters["segments"] = static_cast<double>(count);
}
BENCHMARK(BM_GridSegments)->Args({1920, 1080})->Args({3840, 2160});

void BM_GridWalk(benchmark::State& state) {
  const auto w = static_cast<int32_t>(state.range(0));
  const auto h = static_cast<int32_t>(state.range(1));
  for (auto _ : state) {
    int64_t sum = 0;
    ForEachGridSegment(DensePreset(), w, h, [&](const Segment& s) { sum += s.x2 + s.y1; });
    benchmark::DoNotOptimize(sum);
  }
}
BENCHMARK(BM_GridWalk)->Args({1920, 1080})->Args({3840, 2160});

// Clear plus grid on a 32-bit surface, as the canvas does for a one-pixel solid pen: the lines are
// collected and drawn row by row, each row filled with the background first.
void BM_GridRaster(benchmark::State& state) {
  const auto w = static_cast<int32_t>(state.range(0));
  const auto h = static_cast<int32_t>(state.range(1));
  std::vector<uint32_t> pixels(static_cast<size_t>(w) * h);
  const PixelView view{pixels.data(), w, h};
  const LineBatch::RowFill fill{0xD0DEE3, nullptr};
  LineBatch batch;
  for (auto _ : state) {
    batch.Reset(w, h);
    ForEachGridSegment(DensePreset(), w, h,
                       [&](const Segment& s) { batch.Add(s.x1, s.y1, s.x2, s.y2); });
    batch.Draw(view, 0x0C0602, &fill);
    benchmark::DoNotOptimize(pixels.data());
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_GridRaster)->Args({1920, 1080})->Args({3840, 2160})->Unit(benchmark::kMillisecond);

// The same with a dotted pen (three pixels on, three off).
void BM_GridRasterDotted(benchmark::State& state) {
  const auto w = static_cast<int32_t>(state.range(0));
  const auto h = static_cast<int32_t>(state.range(1));
  std::vector<uint32_t> pixels(static_cast<size_t>(w) * h);
  const PixelView view{pixels.data(), w, h};
  const LineBatch::RowFill fill{0xD0DEE3, nullptr};
  LineBatch batch;
  batch.SetDashPattern(DashPattern{{1, 1, 1, 0, 0, 0}});
  for (auto _ : state) {
    batch.Reset(w, h);
    ForEachGridSegment(DensePreset(), w, h,
                       [&](const Segment& s) { batch.Add(s.x1, s.y1, s.x2, s.y2); });
    batch.Draw(view, 0x0C0602, &fill);
    benchmark::DoNotOptimize(pixels.data());
  }
}
BENCHMARK(BM_GridRasterDotted)->Args({1920, 1080})->Args({3840, 2160})->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace corvanta
