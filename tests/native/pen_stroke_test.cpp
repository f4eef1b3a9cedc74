#include "overlay/pen_stroke.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "overlay/line_batch.h"

namespace corvanta {
namespace {

// A round-ended pen of diameter width: the pixels whose centre lies within width / 2 of the line
// from the frame's start point to its end point. Local and the same wherever the line lies, as a
// platform pen is.
PixelMask Capsule(int32_t width, const StrokeFrame& f) {
  PixelMask mask{f.width, f.height, std::vector<uint8_t>(static_cast<size_t>(f.width) * f.height, 0)};
  const double ax = f.startX, ay = f.startY, bx = f.endX, by = f.endY;
  const double lengthSquared = (bx - ax) * (bx - ax) + (by - ay) * (by - ay);
  for (int32_t y = 0; y < f.height; ++y) {
    for (int32_t x = 0; x < f.width; ++x) {
      double t = lengthSquared == 0 ? 0 : ((x - ax) * (bx - ax) + (y - ay) * (by - ay)) / lengthSquared;
      t = std::clamp(t, 0.0, 1.0);
      const double px = ax + t * (bx - ax) - x;
      const double py = ay + t * (by - ay) - y;
      if (px * px + py * py <= width * width / 4.0) mask.cells[static_cast<size_t>(y) * f.width + x] = 1;
    }
  }
  return mask;
}

constexpr int kDirections[8][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}, {1, 1}, {-1, -1}, {1, -1}, {-1, 1}};

TEST(DashPatternTest, TheShortestRepeatingPatternOfTheRow) {
  EXPECT_EQ(DashPatternFromRow({1, 1, 0, 1, 1, 0, 1, 1, 0, 1})->on, (std::vector<uint8_t>{1, 1, 0}));
  EXPECT_EQ(DashPatternFromRow({1, 1, 1, 1})->on, (std::vector<uint8_t>{1}));
  EXPECT_EQ(DashPatternFromRow({0, 255, 0, 255, 0, 255})->on, (std::vector<uint8_t>{0, 1}));
  EXPECT_FALSE(DashPatternFromRow({0, 0, 0, 0}));           // no ink
  EXPECT_FALSE(DashPatternFromRow({1, 1, 1, 0, 0, 1, 1}));  // does not repeat twice
  EXPECT_FALSE(DashPatternFromRow({}));
}

TEST(StrokeModelTest, ALearntPenDrawsEveryLengthAsTheSamplerDoes) {
  std::mt19937 random(99);
  for (int32_t width = 2; width <= 8; ++width) {
    for (const auto& d : kDirections) {
      const auto sampler = [&](int32_t length) { return Capsule(width, SampleFrame(width, d[0], d[1], length)); };
      const std::optional<StrokeModel> model = BuildStrokeModel(width, d[0], d[1], sampler);
      ASSERT_TRUE(model) << "width " << width << " direction " << d[0] << "," << d[1];
      EXPECT_LE(model->minLength, width + 2) << "width " << width;
      std::uniform_int_distribution<int32_t> lengths(model->minLength, 160);
      for (int i = 0; i < 6; ++i) {
        const int32_t length = lengths(random);
        const StrokeFrame frame = SampleFrame(width, d[0], d[1], length);
        ASSERT_EQ(DrawStrokeInFrame(*model, frame, length).cells, Capsule(width, frame).cells)
            << "width " << width << " direction " << d[0] << "," << d[1] << " length " << length;
      }
    }
  }
}

TEST(StrokeModelTest, APenThatChangesAlongItsLengthIsNotLearnt) {
  // Thicker the longer the line: no steady middle to repeat.
  const auto growing = [](int32_t length) { return Capsule(2 + length / 20, SampleFrame(8, 1, 1, length)); };
  EXPECT_FALSE(BuildStrokeModel(8, 1, 1, growing));
  const auto empty = [](int32_t length) {
    const StrokeFrame f = SampleFrame(3, 0, 1, length);
    return PixelMask{f.width, f.height, std::vector<uint8_t>(static_cast<size_t>(f.width) * f.height, 0)};
  };
  EXPECT_FALSE(BuildStrokeModel(3, 0, 1, empty));
}

TEST(StrokeModelTest, ShortLinesThatDifferAreLeftOut) {
  // A sampler that draws lines up to 5 steps one pixel fatter: those lengths are not covered.
  const auto odd = [](int32_t length) { return Capsule(length <= 5 ? 5 : 4, SampleFrame(4, 1, 0, length)); };
  const std::optional<StrokeModel> model = BuildStrokeModel(4, 1, 0, odd);
  ASSERT_TRUE(model);
  EXPECT_GE(model->minLength, 6);
  LineBatch batch;
  batch.Reset(50, 50);
  EXPECT_FALSE(batch.AddStroke(10, 10, 15, 10, *model));   // too short
  EXPECT_FALSE(batch.AddStroke(30, 10, 10, 10, *model));   // another direction
  EXPECT_FALSE(batch.AddStroke(10, 10, 30, 17, *model));   // another slope
  EXPECT_TRUE(batch.AddStroke(10, 10, 30, 10, *model));
}

TEST(StrokeModelTest, LinesCrossingTheEdgesKeepExactlyTheirPixelsOnTheSurface) {
  // Each line drawn on a large surface, then the same line shifted onto a small one: the small one
  // must show the matching window of the large one, wherever the line enters and leaves.
  std::mt19937 random(5);
  std::uniform_int_distribution<int32_t> offset(-30, 30);
  std::uniform_int_distribution<int32_t> lengthOf(12, 50);
  for (int32_t width : {2, 3, 7}) {
    for (const auto& d : kDirections) {
      const auto sampler = [&](int32_t length) { return Capsule(width, SampleFrame(width, d[0], d[1], length)); };
      const std::optional<StrokeModel> model = BuildStrokeModel(width, d[0], d[1], sampler);
      ASSERT_TRUE(model);
      for (int i = 0; i < 20; ++i) {
        const int32_t length = lengthOf(random);
        const int32_t x1 = offset(random), y1 = offset(random);
        const int32_t x2 = x1 + d[0] * length, y2 = y1 + d[1] * length;
        const int32_t big = 160, shift = 70, small = 13;
        std::vector<uint32_t> whole(big * big, 0), window(small * small, 0);
        LineBatch batch;
        batch.Reset(big, big);
        ASSERT_TRUE(batch.AddStroke(x1 + shift, y1 + shift, x2 + shift, y2 + shift, *model));
        batch.Draw(PixelView{whole.data(), big, big}, 1);
        batch.Reset(small, small);
        ASSERT_TRUE(batch.AddStroke(x1, y1, x2, y2, *model));
        batch.Draw(PixelView{window.data(), small, small}, 1);
        for (int32_t y = 0; y < small; ++y) {
          for (int32_t x = 0; x < small; ++x) {
            ASSERT_EQ(window[y * small + x], whole[(y + shift) * big + x + shift])
                << "width " << width << " line " << x1 << "," << y1 << " -> " << x2 << "," << y2 << " at " << x << ","
                << y;
          }
        }
      }
    }
  }
}

}  // namespace
}  // namespace corvanta
