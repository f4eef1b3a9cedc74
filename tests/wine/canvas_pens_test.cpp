// The pens the canvas writes into its surface itself, against GDI's own pixels for the same lines:
// the grid families and random lines, every line type, pen widths 0 to 8, odd and even canvas sizes.
// Lines of other slopes and pens wider than kMaxWrittenPenWidth keep going through GDI; they are
// among the random lines, so the mix of both ways is compared as well.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <vector>

#include "gdi_reference.h"
#include "effects/preset.h"
#include "overlay/draw_canvas.h"
#include "overlay/grid.h"
#include "overlay/render.h"
#include "platform/dib_reserve.h"
#include "overlay/pen_samples.h"

namespace corvanta {
namespace {

constexpr COLORREF kInk = RGB(12, 6, 2);
constexpr COLORREF kKey = RGB(208, 222, 227);

class CanvasPensTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host_ = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 200, 200, nullptr, nullptr, GetModuleHandleA(nullptr),
                            nullptr);
    ASSERT_TRUE(canvas_.Create(host_, GetModuleHandleA(nullptr), 0, 0, 10, 10));
  }
  void TearDown() override { DestroyWindow(host_); }

  std::vector<COLORREF> CanvasPixels() {
    std::vector<COLORREF> pixels;
    for (int y = 0; y < canvas_.Height(); ++y) {
      for (int x = 0; x < canvas_.Width(); ++x) pixels.push_back(canvas_.PixelAt(x, y));
    }
    return pixels;
  }

  HWND host_ = nullptr;
  OwnedWindow<DrawCanvas> canvas_;
};

// The lines drawn by GDI with the pen the canvas stands for: one-pixel pens of the line type's style,
// wider ones solid.
std::vector<COLORREF> GdiLines(int w, int h, int lineType, int width, const std::vector<Segment>& lines) {
  void* bits = nullptr;
  ScopedBitmap bitmap(CreateTopDownDib(w, h, &bits));
  ScopedMemoryDC dc(nullptr);
  ScopedSelect selectBitmap(dc.Get(), bitmap.Get());
  ScopedBrush brush(CreateSolidBrush(kKey));
  const RECT all{0, 0, w, h};
  FillRect(dc.Get(), &all, brush.Get());
  SetBkMode(dc.Get(), TRANSPARENT);
  const int styles[] = {PS_SOLID, PS_SOLID, PS_DASH, PS_DOT, PS_DASHDOT, PS_DASHDOTDOT};
  const int style = width <= 1 && lineType >= 1 && lineType <= 5 ? styles[lineType] : PS_SOLID;
  ScopedPen pen(CreatePen(style, width <= 1 ? 0 : width, kInk));
  ScopedSelect selectPen(dc.Get(), pen.Get());
  for (const Segment& s : lines) {
    MoveToEx(dc.Get(), s.x1, s.y1, nullptr);
    LineTo(dc.Get(), s.x2, s.y2);
  }
  GdiFlush();
  std::vector<COLORREF> pixels;
  const auto* p = static_cast<const uint32_t*>(bits);
  for (int i = 0; i < w * h; ++i) pixels.push_back(PixelToColour(p[i]));
  return pixels;
}

// The top-left w x h pixels a window shows.
std::vector<COLORREF> ShownPixels(HWND hwnd, int w, int h) {
  void* bits = nullptr;
  ScopedBitmap bitmap(CreateTopDownDib(w, h, &bits));
  ScopedMemoryDC dc(nullptr);
  ScopedSelect selectBitmap(dc.Get(), bitmap.Get());
  ScopedWindowDC window(hwnd);
  BitBlt(dc.Get(), 0, 0, w, h, window.Get(), 0, 0, SRCCOPY);
  GdiFlush();
  std::vector<COLORREF> pixels;
  const auto* p = static_cast<const uint32_t*>(bits);
  for (int i = 0; i < w * h; ++i) pixels.push_back(PixelToColour(p[i]));
  return pixels;
}

// The scanlines of a preset drawn in kInk.
Scanlines GridPreset(int32_t lineType, int32_t pixelSize, int32_t t, int32_t v, int32_t o, int32_t k) {
  return ScanlinesOf(Preset{lineType, pixelSize, 12, 6, 2, t, v, o, k});
}

struct Size {
  int w;
  int h;
};
constexpr Size kParities[] = {{64, 40}, {65, 41}, {64, 41}, {65, 40}};

TEST_F(CanvasPensTest, GridFamiliesAreGdisOwnPixelsForEveryLineTypeWidthAndParity) {
  const int spacings[][4] = {{4, 4, 3, 3}, {7, 5, 9, 6}, {1, 2, 2, 13}, {25, 3, 4, 2}};
  for (const Size size : kParities) {
    for (const auto& s : spacings) {
      for (int lineType = 1; lineType <= 5; ++lineType) {
        for (int width = 0; width <= 8; ++width) {
          const Scanlines p = GridPreset(lineType, width, s[0], s[1], s[2], s[3]);
          PrepareCanvas(canvas_, size.w, size.h, p);
          DrawGrid(canvas_, size.w, size.h, p.grid);
          const testing::ReferenceImage gdi = testing::GdiGridReference(p, size.w, size.h, kKey);
          ASSERT_EQ(CanvasPixels(), gdi.pixels) << size.w << " x " << size.h << ", type " << lineType << ", width "
                                                << width << ", spacings " << s[0] << " " << s[1] << " " << s[2]
                                                << " " << s[3];
        }
      }
    }
  }
}

TEST_F(CanvasPensTest, ACanvasDrawingIntoALargerReservedSectionGivesGdisOwnPixels) {
  // The overlay's surface comes from a section made the size of the largest monitor, so its rows are
  // longer than the canvas's and there are rows beyond its last (four times the first size: the most a
  // canvas takes). Checked on the screen: what the canvas paints comes through GDI, which knows the
  // section's real rows.
  DibReserve reserve(2 * 64, 2 * 40);
  DestroyWindow(canvas_.Hwnd());  // the fixture's canvas would cover part of this one
  SetWindowPos(host_, HWND_TOPMOST, 0, 0, 200, 200, SWP_NOACTIVATE | SWP_SHOWWINDOW);
  OwnedWindow<DrawCanvas> canvas;
  ASSERT_TRUE(canvas.Create(host_, GetModuleHandleA(nullptr), 0, 0, 1, 1));
  canvas.DrawNextSurfaceFrom(&reserve);
  for (const Size size : kParities) {
    for (int lineType = 1; lineType <= 5; ++lineType) {
      for (const int width : {1, 2, 5}) {
        const Scanlines p = GridPreset(lineType, width, 4, 5, 3, 6);
        PrepareCanvas(canvas, size.w, size.h, p);
        DrawGrid(canvas, size.w, size.h, p.grid);
        RedrawWindow(canvas.Hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        ASSERT_EQ(ShownPixels(canvas.Hwnd(), size.w, size.h), testing::GdiGridReference(p, size.w, size.h, kKey).pixels)
            << size.w << " x " << size.h << ", type " << lineType << ", width " << width;
      }
    }
  }
  EXPECT_FALSE(reserve.Holds());  // taken by the first size

  // Growing past the section makes a new one.
  const Scanlines solid = GridPreset(1, 1, 4, 5, 3, 6);
  PrepareCanvas(canvas, 4 * 65, 41, solid);
  EXPECT_EQ(canvas.Capacity().cx, 4 * 65);
  DrawGrid(canvas, 4 * 65, 41, solid.grid);
  EXPECT_EQ(canvas.PixelAt(4 * 65 - 1, 40), testing::GdiGridReference(solid, 4 * 65, 41, kKey).At(4 * 65 - 1, 40));
}

TEST(DibReserveTest, ACanvasLeavesAReserveOverFourTimesItsSize) {
  DibReserve reserve(200, 100);
  const HWND host = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  OwnedWindow<DrawCanvas> canvas;
  ASSERT_TRUE(canvas.Create(host, GetModuleHandleA(nullptr), 0, 0, 1, 1));
  canvas.DrawNextSurfaceFrom(&reserve);
  canvas.SetSize(99, 50);  // 4950 pixels: 20000 is more than four times that
  EXPECT_EQ(canvas.Capacity().cx, 99);
  EXPECT_TRUE(reserve.Holds());
  canvas.SetSize(100, 50);
  EXPECT_EQ(canvas.Capacity().cx, 200);
  EXPECT_EQ(canvas.Capacity().cy, 100);
  EXPECT_FALSE(reserve.Holds());
  DestroyWindow(host);
}

TEST(DibReserveTest, HandsOverItsSectionOnceAndOnlyWhenItFits) {
  DibReserve reserve(300, 200);
  ASSERT_TRUE(reserve.Holds());
  std::optional<DibSection> section = reserve.Take(300, 120);
  ASSERT_TRUE(section);
  EXPECT_EQ(section->width, 300);
  EXPECT_EQ(section->height, 200);
  EXPECT_EQ(section->bits[0], 0u);
  EXPECT_EQ(section->bits[300 * 200 - 1], 0u);
  EXPECT_FALSE(reserve.Holds());
  EXPECT_FALSE(reserve.Take(10, 10));

  DibReserve tooSmall(300, 200);
  EXPECT_FALSE(tooSmall.Take(301, 10));
  EXPECT_FALSE(tooSmall.Holds()) << "a section that does not fit is released, not kept";
  EXPECT_FALSE(DibReserve(0, 200).Holds());
}

// Horizontal, vertical and diagonal lines in both directions and lines of other slopes, with ends
// on, near and far off the surface.
std::vector<Segment> RandomSegments(std::mt19937& random, int n) {
  std::uniform_int_distribution<int> nearby(-30, 110);
  std::uniform_int_distribution<int> distant(-3000, 3000);
  std::vector<Segment> lines;
  for (int i = 0; i < n; ++i) {
    Segment s{nearby(random), nearby(random), 0, 0};
    if (i % 7 == 6) s.x1 = distant(random);
    const int length = nearby(random) - 40;
    switch (i % 5) {
      case 0: s.x2 = s.x1 + length; s.y2 = s.y1; break;
      case 1: s.x2 = s.x1; s.y2 = s.y1 + length; break;
      case 2: s.x2 = s.x1 + length; s.y2 = s.y1 + length; break;
      case 3: s.x2 = s.x1 - length; s.y2 = s.y1 + length; break;
      default: s.x2 = nearby(random); s.y2 = nearby(random); break;
    }
    if (i % 7 == 6 && i % 5 == 1) s.y1 = distant(random);
    lines.push_back(s);
  }
  return lines;
}

TEST_F(CanvasPensTest, RandomLinesAreGdisOwnPixelsForEveryLineTypeAndWidth) {
  std::mt19937 random(1515);
  for (const Size size : kParities) {
    for (int lineType = 1; lineType <= 5; ++lineType) {
      for (int width = 1; width <= 8; ++width) {
        // Zero-length lines draw nothing on the canvas, where a wide GDI pen would leave a dot.
        std::vector<Segment> lines = RandomSegments(random, 60);
        std::erase_if(lines, [](const Segment& s) { return s.x1 == s.x2 && s.y1 == s.y2; });
        canvas_.SetBounds(0, 0, size.w, size.h);
        canvas_.SetBackgroundColour(kKey);
        canvas_.SetPen(static_cast<LineType>(lineType), width, kInk);
        canvas_.Clear();
        for (const Segment& s : lines) canvas_.DrawLine(s.x1, s.y1, s.x2, s.y2);
        ASSERT_EQ(CanvasPixels(), GdiLines(size.w, size.h, lineType, width, lines))
            << size.w << " x " << size.h << ", type " << lineType << ", width " << width;
      }
    }
  }
}

TEST_F(CanvasPensTest, EveryStyleAndWidthUpToTheLimitIsLearntFromGdi) {
  // Should GDI ever draw a pen that the canvas cannot repeat, the pen falls back to GDI and the
  // pictures above still agree; this keeps that from happening unnoticed.
  for (const int style : {PS_DASH, PS_DOT, PS_DASHDOT, PS_DASHDOTDOT}) {
    const std::optional<DashPattern> pattern = DashPatternFromRow(SampleStyledRow(style, 96));
    ASSERT_TRUE(pattern) << "style " << style;
    EXPECT_LE(pattern->on.size(), 48u);
  }
  const int directions[8][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}, {1, 1}, {-1, -1}, {1, -1}, {-1, 1}};
  for (int width = 2; width <= kMaxWrittenPenWidth; ++width) {
    for (const auto& d : directions) {
      WideLineSampler sampler(width);
      const auto sample = [&](int32_t length) { return sampler.Draw(SampleFrame(width, d[0], d[1], length)); };
      const std::optional<StrokeModel> model = BuildStrokeModel(width, d[0], d[1], sample);
      ASSERT_TRUE(model) << "width " << width << ", direction " << d[0] << "," << d[1];
      EXPECT_LE(model->minLength, 2 * width + 2) << "width " << width << ", direction " << d[0] << "," << d[1];
    }
  }
}

}  // namespace
}  // namespace corvanta
