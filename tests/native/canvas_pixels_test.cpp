#include "overlay/canvas_pixels.h"
#include "overlay/line_batch.h"

#include <gtest/gtest.h>

#include <random>

namespace corvanta {
namespace {

constexpr uint32_t kBack = 0x000000;
constexpr uint32_t kInk = 0xABCDEF;

struct Surface {
  Surface(int32_t w, int32_t h, uint32_t fill = kBack)
      : pixels(static_cast<size_t>(w) * h, fill), width(w), height(h) {}
  PixelView View() { return PixelView{pixels.data(), width, height}; }
  uint32_t At(int32_t x, int32_t y) const { return pixels[static_cast<size_t>(y) * width + x]; }
  std::vector<uint32_t> pixels;
  int32_t width;
  int32_t height;
};

// Walks the segment pixel by pixel from the start point, leaving out the end point, and keeps what
// lies on the surface (and, with a dash pattern, what the pattern draws): the pen line rule without any
// clipping arithmetic.
Surface Reference(int32_t w, int32_t h, int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                  const std::vector<uint8_t>& pattern = {}) {
  Surface s(w, h);
  const int64_t dx = int64_t{x2} - x1;
  const int64_t dy = int64_t{y2} - y1;
  const int64_t steps = std::max(std::llabs(dx), std::llabs(dy));
  for (int64_t k = 0; k < steps; ++k) {
    const int64_t x = x1 + (dx > 0 ? k : dx < 0 ? -k : 0);
    const int64_t y = y1 + (dy > 0 ? k : dy < 0 ? -k : 0);
    const bool drawn = pattern.empty() || pattern[static_cast<size_t>(k % static_cast<int64_t>(pattern.size()))];
    if (drawn && x >= 0 && y >= 0 && x < w && y < h) s.pixels[static_cast<size_t>(y * w + x)] = kInk;
  }
  return s;
}

// One line through a batch of its own.
bool DrawOne(Surface& s, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  LineBatch batch;
  batch.Reset(s.width, s.height);
  const bool added = batch.Add(x1, y1, x2, y2);
  batch.Draw(s.View(), kInk);
  return added;
}

struct Line {
  int32_t x1, y1, x2, y2;
};

// Random horizontal, vertical and diagonal lines with ends on, near and off a 17 x 11 surface.
std::vector<Line> RandomLines(std::mt19937& random, int n) {
  std::uniform_int_distribution<int32_t> near(-40, 40);
  std::uniform_int_distribution<int> kind(0, 3);
  std::vector<Line> lines;
  for (int i = 0; i < n; ++i) {
    Line l{near(random), near(random), 0, 0};
    const int32_t length = near(random);
    l.x2 = l.x1;
    l.y2 = l.y1;
    switch (kind(random)) {
      case 0: l.x2 += length; break;
      case 1: l.y2 += length; break;
      case 2: l.x2 += length; l.y2 += length; break;
      default: l.x2 += length; l.y2 -= length; break;
    }
    lines.push_back(l);
  }
  return lines;
}

TEST(LineBatchTest, StartDrawnEndNotInEveryDirection) {
  const Line cases[] = {{1, 2, 5, 2}, {5, 2, 1, 2}, {3, 0, 3, 4}, {3, 4, 3, 0},
                        {0, 0, 4, 4}, {4, 4, 0, 0}, {0, 4, 4, 0}, {4, 0, 0, 4}};
  for (const Line& c : cases) {
    Surface s(6, 6);
    ASSERT_TRUE(DrawOne(s, c.x1, c.y1, c.x2, c.y2));
    EXPECT_EQ(s.At(c.x1, c.y1), kInk) << c.x1 << "," << c.y1 << " -> " << c.x2 << "," << c.y2;
    EXPECT_EQ(s.At(c.x2, c.y2), kBack) << c.x1 << "," << c.y1 << " -> " << c.x2 << "," << c.y2;
    EXPECT_EQ(s.pixels, Reference(6, 6, c.x1, c.y1, c.x2, c.y2).pixels);
  }
}

TEST(LineBatchTest, ZeroLengthDrawsNothingAndOtherSlopesAreRefused) {
  Surface s(5, 5);
  EXPECT_TRUE(DrawOne(s, 2, 2, 2, 2));
  EXPECT_FALSE(DrawOne(s, 0, 0, 4, 2));
  EXPECT_EQ(s.pixels, Surface(5, 5).pixels);
}

TEST(LineBatchTest, ClippingKeepsExactlyThePixelsOnTheSurface) {
  std::mt19937 random(12345);
  for (const Line& l : RandomLines(random, 4000)) {
    Surface s(17, 11);
    ASSERT_TRUE(DrawOne(s, l.x1, l.y1, l.x2, l.y2));
    ASSERT_EQ(s.pixels, Reference(17, 11, l.x1, l.y1, l.x2, l.y2).pixels)
        << l.x1 << "," << l.y1 << " -> " << l.x2 << "," << l.y2;
  }
}

TEST(LineBatchTest, ManyLinesAtOnceGiveTheUnionOfTheirPixels) {
  std::mt19937 random(777);
  LineBatch batch;
  for (int round = 0; round < 50; ++round) {
    const std::vector<Line> lines = RandomLines(random, 60);
    Surface expected(17, 11);
    for (const Line& l : lines) {
      const Surface one = Reference(17, 11, l.x1, l.y1, l.x2, l.y2);
      for (size_t i = 0; i < one.pixels.size(); ++i) expected.pixels[i] |= one.pixels[i];
    }
    Surface s(17, 11);
    batch.Reset(17, 11);
    for (const Line& l : lines) batch.Add(l.x1, l.y1, l.x2, l.y2);
    batch.Draw(s.View(), kInk);
    ASSERT_EQ(s.pixels, expected.pixels) << "round " << round;
    EXPECT_TRUE(batch.Empty());
  }
}

TEST(LineBatchTest, RowsAreFilledFirstWithTheColourOrTheImage) {
  Surface s(4, 3, 0x999999);
  LineBatch batch;
  batch.Reset(4, 3);
  batch.Add(0, 1, 4, 1);
  const LineBatch::RowFill colour{0x123456, nullptr};
  batch.Draw(s.View(), kInk, &colour);
  EXPECT_EQ(s.pixels, (std::vector<uint32_t>{0x123456, 0x123456, 0x123456, 0x123456,  //
                                             kInk, kInk, kInk, kInk,                      //
                                             0x123456, 0x123456, 0x123456, 0x123456}));
  const std::vector<uint32_t> image = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
  const LineBatch::RowFill picture{0x123456, image.data()};
  batch.Add(3, 0, 3, 3);
  batch.Draw(s.View(), kInk, &picture);
  EXPECT_EQ(s.pixels, (std::vector<uint32_t>{1, 2, 3, kInk, 5, 6, 7, kInk, 9, 10, 11, kInk}));
  // A surface of another size than the batch was set up for is left alone.
  Surface other(3, 3);
  batch.Add(0, 0, 3, 0);
  batch.Draw(other.View(), kInk, &colour);
  EXPECT_EQ(other.pixels, Surface(3, 3).pixels);
}

TEST(LineBatchTest, FillingRowsGivesTheSamePixelsAsDrawingOnAFilledSurface) {
  // With a fill the one-pixel runs are counted per diagonal and column and each row is written once;
  // without, they are written into the row one by one.
  std::mt19937 random(31337);
  const std::vector<uint8_t> pattern = {1, 1, 0, 1, 0, 0, 0};
  for (int round = 0; round < 40; ++round) {
    const std::vector<Line> solid = RandomLines(random, 50);
    const std::vector<Line> dashed = RandomLines(random, 10);
    std::vector<uint32_t> image(17 * 11);
    for (size_t i = 0; i < image.size(); ++i) image[i] = 0x1000 + static_cast<uint32_t>(i);
    for (const bool withImage : {false, true}) {
      Surface filled(17, 11, 0x123456);
      if (withImage) filled.pixels = image;
      Surface viaFill(17, 11, 0x999999);
      LineBatch batch;
      const LineBatch::RowFill fill{0x123456, withImage ? image.data() : nullptr};
      for (const bool useFill : {false, true}) {
        batch.Reset(17, 11);
        batch.SetDashPattern(DashPattern{});
        for (const Line& l : solid) batch.Add(l.x1, l.y1, l.x2, l.y2);
        batch.SetDashPattern(DashPattern{pattern});
        for (const Line& l : dashed) batch.Add(l.x1, l.y1, l.x2, l.y2);
        batch.Draw(useFill ? viaFill.View() : filled.View(), kInk, useFill ? &fill : nullptr);
      }
      ASSERT_EQ(viaFill.pixels, filled.pixels) << "round " << round << (withImage ? ", image" : ", colour");
    }
  }
}

TEST(LineBatchTest, ARowStrideWiderThanTheSurfaceLeavesTheSpareColumnsAlone) {
  // A 6 x 4 surface inside rows of 9 pixels: lines, fills and the background stay in their columns.
  std::vector<uint32_t> memory(9 * 4, 0x777777);
  const PixelView view{memory.data(), 6, 4, 9};
  LineBatch batch;
  batch.Reset(6, 4);
  batch.Add(2, 0, 6, 4);
  batch.Add(0, 3, 20, 3);
  batch.Add(5, -2, 5, 9);
  const LineBatch::RowFill fill{kBack, nullptr};
  batch.Draw(view, kInk, &fill);
  FillPixels(view, 1, 1, 99, 2, 0x555555);
  for (int32_t y = 0; y < 4; ++y) {
    for (int32_t x = 0; x < 9; ++x) {
      const uint32_t expected = x >= 6 ? 0x777777 : (y == 1 && x >= 1) ? 0x555555 : (y == 3 || x == 5 || x - y == 2) ? kInk : kBack;
      EXPECT_EQ(memory[static_cast<size_t>(y * 9 + x)], expected) << x << "," << y;
    }
  }
}

TEST(LineBatchTest, ExtremeCoordinatesStayOnTheSurface) {
  Surface s(8, 8);
  LineBatch batch;
  batch.Reset(8, 8);
  EXPECT_TRUE(batch.Add(INT32_MIN, 3, INT32_MAX, 3));
  EXPECT_TRUE(batch.Add(0, INT32_MAX, INT32_MAX, 0));  // x + y = INT32_MAX: off the surface
  EXPECT_TRUE(batch.Add(INT32_MAX, INT32_MAX, INT32_MIN + 1, INT32_MIN + 1));
  EXPECT_TRUE(batch.Add(5, INT32_MIN, 5, INT32_MAX));
  batch.Draw(s.View(), kInk);
  for (int32_t y = 0; y < 8; ++y) {
    for (int32_t x = 0; x < 8; ++x) EXPECT_EQ(s.At(x, y), (y == 3 || x == y || x == 5) ? kInk : kBack) << x << "," << y;
  }
}

TEST(LineBatchTest, DashedLinesFollowThePatternFromTheirStartPointInEveryDirection) {
  const std::vector<std::vector<uint8_t>> patterns = {
      {1, 1, 1, 0, 0, 0},
      {1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 1, 1, 1, 0, 0, 0, 0, 0, 0},
      {0, 1, 1, 0, 1},
  };
  std::mt19937 random(2024);
  for (const auto& pattern : patterns) {
    LineBatch batch;
    batch.SetDashPattern(DashPattern{pattern});
    for (int round = 0; round < 60; ++round) {
      const std::vector<Line> lines = RandomLines(random, 12);
      Surface expected(17, 11);
      for (const Line& l : lines) {
        const Surface one = Reference(17, 11, l.x1, l.y1, l.x2, l.y2, pattern);
        for (size_t i = 0; i < one.pixels.size(); ++i) expected.pixels[i] |= one.pixels[i];
      }
      Surface s(17, 11);
      batch.Reset(17, 11);
      for (const Line& l : lines) ASSERT_TRUE(batch.Add(l.x1, l.y1, l.x2, l.y2));
      batch.Draw(s.View(), kInk);
      ASSERT_EQ(s.pixels, expected.pixels) << "pattern of " << pattern.size() << ", round " << round;
    }
  }
  // Far-away start points keep their phase: pixel k of the line is drawn by pattern[k % size].
  LineBatch batch;
  batch.SetDashPattern(DashPattern{patterns[1]});
  batch.Reset(17, 11);
  batch.Add(-1000003, 4, 17, 4);
  batch.Add(16, 1000010, 16, 0);
  batch.Add(-1000000, 1000010, 20, -10);
  Surface s(17, 11);
  batch.Draw(s.View(), kInk);
  Surface expected(17, 11);
  for (const Line& l : {Line{-1000003, 4, 17, 4}, Line{16, 1000010, 16, 0}, Line{-1000000, 1000010, 20, -10}}) {
    for (int32_t y = 0; y < 11; ++y) {
      for (int32_t x = 0; x < 17; ++x) {
        const int64_t k = l.x1 == l.x2 ? int64_t{l.y1} - y : int64_t{x} - l.x1;
        const bool onLine = l.x1 == l.x2 ? x == l.x1 : (l.y1 == l.y2 ? y == l.y1 : int64_t{x} + y == int64_t{l.x1} + l.y1);
        const int64_t length = std::max(std::llabs(int64_t{l.x2} - l.x1), std::llabs(int64_t{l.y2} - l.y1));
        if (onLine && k < length && patterns[1][static_cast<size_t>(k % 24)]) expected.pixels[static_cast<size_t>(y * 17 + x)] = kInk;
      }
    }
  }
  EXPECT_EQ(s.pixels, expected.pixels);
}

TEST(LineBatchTest, APatternChangeWaitsUntilTheCollectedLinesAreDrawn) {
  const std::vector<uint8_t> longPattern = {1, 1, 0, 1, 1, 1, 0, 0, 1, 0, 1, 0, 0, 1, 1, 1, 0, 1, 0};
  LineBatch batch;
  batch.Reset(40, 3);
  ASSERT_TRUE(batch.SetDashPattern(DashPattern{longPattern}));
  ASSERT_TRUE(batch.Add(39, 0, 39, 3));
  ASSERT_TRUE(batch.Add(38, 1, 0, 1));  // pattern index 18 at x = 20
  EXPECT_FALSE(batch.SetDashPattern(DashPattern{{1, 0}}));
  EXPECT_FALSE(batch.SetDashPattern(DashPattern{}));
  EXPECT_TRUE(batch.SetDashPattern(DashPattern{longPattern}));
  Surface s(40, 3);
  batch.Draw(s.View(), kInk);
  Surface expected = Reference(40, 3, 39, 0, 39, 3, longPattern);
  const Surface row = Reference(40, 3, 38, 1, 0, 1, longPattern);
  for (size_t i = 0; i < row.pixels.size(); ++i) expected.pixels[i] |= row.pixels[i];
  EXPECT_EQ(s.pixels, expected.pixels);

  EXPECT_TRUE(batch.SetDashPattern(DashPattern{{1, 0}}));  // nothing collected any more
  batch.Add(0, 2, 6, 2);
  Surface dotted(40, 3);
  batch.Draw(dotted.View(), kInk);
  for (int32_t x = 0; x < 8; ++x) EXPECT_EQ(dotted.At(x, 2), x < 6 && x % 2 == 0 ? kInk : kBack) << x;
}

TEST(FillPixelsTest, FillsTheClippedRectangleOnly) {
  Surface s(6, 4);
  FillPixels(s.View(), -3, 1, 2, 99, kInk);
  for (int32_t y = 0; y < 4; ++y) {
    for (int32_t x = 0; x < 6; ++x) EXPECT_EQ(s.At(x, y), (y >= 1 && x < 2) ? kInk : kBack) << x << "," << y;
  }
  FillPixels(s.View(), 4, 3, 2, 1, 0x111111);  // empty rectangle
  EXPECT_EQ(s.At(5, 3), kBack);
}

// A 2 x 2 picture: opaque red, green / blue, and a half-transparent white.
PixelImage Picture2x2() {
  return PixelImage{2, 2, {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0x80FFFFFF}};
}

constexpr uint32_t kRed = 0xFF0000;
constexpr uint32_t kGreen = 0x00FF00;
constexpr uint32_t kBlue = 0x0000FF;
constexpr uint32_t kBg = 0x102030;
// 0x80 of white over kBg, per channel (s * 128 + d * 127 + 127) / 255.
constexpr uint32_t kHalf = 0x889098;

std::vector<uint32_t> Compose(int32_t w, int32_t h, const PixelImage& picture, Placement placement) {
  Surface s(w, h, 0xDEADBE);
  ComposeBackground(s.View(), kBg, picture, placement);
  return s.pixels;
}

TEST(ComposeBackgroundTest, EachPlacementPutsThePictureWhereItBelongs) {
  const PixelImage p = Picture2x2();
  const std::vector<uint32_t> topLeft = {kRed, kGreen, kBg, kBg,  //
                                         kBlue, kHalf, kBg, kBg,  //
                                         kBg, kBg, kBg, kBg};
  EXPECT_EQ(Compose(4, 3, p, Placement::kTopLeft), topLeft);
  EXPECT_EQ(Compose(4, 3, p, static_cast<Placement>(7)), topLeft) << "an unknown placement";
  EXPECT_EQ(Compose(4, 3, p, static_cast<Placement>(-1)), topLeft);
  EXPECT_EQ(Compose(5, 3, p, Placement::kCentred), (std::vector<uint32_t>{kBg, kRed, kGreen, kBg, kBg,  //
                                                                    kBg, kBlue, kHalf, kBg, kBg,  //
                                                                    kBg, kBg, kBg, kBg, kBg}));
  EXPECT_EQ(Compose(4, 4, p, Placement::kStretched), (std::vector<uint32_t>{kRed, kRed, kGreen, kGreen,    //
                                                                      kRed, kRed, kGreen, kGreen,    //
                                                                      kBlue, kBlue, kHalf, kHalf,    //
                                                                      kBlue, kBlue, kHalf, kHalf}));
  EXPECT_EQ(Compose(3, 3, p, Placement::kTiled), (std::vector<uint32_t>{kRed, kGreen, kRed,  //
                                                                  kBlue, kHalf, kBlue,  //
                                                                  kRed, kGreen, kRed}));
}

TEST(ComposeBackgroundTest, LargerCentredPictureHasNegativeOffsetsTruncatedTowardZero) {
  // 5 x 1 picture on a 2 x 1 surface: offset (2 - 5) / 2 = -1, so columns 1 and 2 of the picture show.
  const PixelImage wide{5, 1, {0xFF000001, 0xFF000002, 0xFF000003, 0xFF000004, 0xFF000005}};
  EXPECT_EQ(Compose(2, 1, wide, Placement::kCentred), (std::vector<uint32_t>{2, 3}));
}

TEST(ComposeBackgroundTest, WithoutAPictureTheColourAloneRemains) {
  EXPECT_EQ(Compose(2, 2, PixelImage{}, Placement::kTiled), std::vector<uint32_t>(4, kBg));
  EXPECT_EQ(Compose(2, 2, PixelImage{3, 3, {}}, Placement::kStretched), std::vector<uint32_t>(4, kBg));
}

TEST(ColourPixelTest, ColourRefAndSurfaceLayoutsSwapRedAndBlue) {
  EXPECT_EQ(ColourToPixel(0x00E3DED0), 0x00D0DEE3u);  // RGB(208, 222, 227)
  EXPECT_EQ(PixelToColour(0xFF112233), 0x00332211u);
}

}  // namespace
}  // namespace corvanta
