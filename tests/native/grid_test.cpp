#include "overlay/grid.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace corvanta {
namespace {

GridSpacing Spacings(int32_t pixelSize, int32_t t, int32_t v, int32_t o, int32_t k) {
  return GridSpacing{pixelSize, t, v, o, k};
}

TEST(GridNumbersTest, FloorParityAndAdjustment) {
  struct {
    double quotient;
    int32_t floor;
  } floors[] = {{3.5, 3},
                {2.9999999999995, 3},  // just below an integer counts as that integer
                {2.99999999999, 2},
                {-2.5, -3},
                {-2.9999999999995, -3},
                {-0.9999999999995, -1},
                {7.0, 7},
                {0.0, 0},
                {std::numeric_limits<double>::infinity(), 0},
                {-std::numeric_limits<double>::infinity(), 0},
                {std::nan(""), 0},
                {1e20, INT32_MAX},
                {-1e20, INT32_MIN}};
  for (const auto& c : floors) EXPECT_EQ(GridFloor(c.quotient), c.floor) << c.quotient;

  EXPECT_TRUE(IsOdd(5));
  EXPECT_TRUE(IsOdd(-3));
  EXPECT_FALSE(IsOdd(0));
  EXPECT_FALSE(IsOdd(-8));
  EXPECT_EQ(Adjust(5), 8);
  EXPECT_EQ(Adjust(4), 6);
  EXPECT_EQ(Adjust(-3), 0);
  EXPECT_EQ(Adjust(-10), -8);
  EXPECT_EQ(Adjust(INT32_MAX), int64_t{INT32_MAX} + 3);
}

TEST(GridSegmentsTest, WorkedExampleSegmentForSegment) {
  const std::vector<Segment> expected = {
      // transverse
      {0, 0, 12, 0}, {0, 3, 12, 3}, {0, 6, 12, 6}, {0, 9, 12, 9}, {0, 12, 12, 12}, {0, 15, 12, 15},
      // vertical
      {0, 0, 0, 10}, {4, 0, 4, 10}, {8, 0, 8, 10}, {12, 0, 12, 10}, {16, 0, 16, 10}, {20, 0, 20, 10},
      {24, 0, 24, 10}, {28, 0, 28, 10},
      // oblique
      {12, 0, 12, 0}, {12, 5, 7, 0}, {12, 10, 2, 0}, {12, 15, -3, 0}, {12, 20, -8, 0}, {12, 25, -13, 0},
      {12, 30, -18, 0}, {12, 35, -23, 0},
      // antiskew
      {0, 0, 0, 0}, {0, 5, 5, 0}, {0, 10, 10, 0}, {0, 15, 15, 0}, {0, 20, 20, 0}, {0, 25, 25, 0},
      {0, 30, 30, 0}, {0, 35, 35, 0}};
  EXPECT_EQ(GridSegments(Spacings(2, 3, 4, 5, 5), 10, 7), expected);
}

TEST(GridSegmentsTest, ThresholdsOfTheFourFamilies) {
  const GridPlan ones = PlanGrid(Spacings(1, 1, 1, 1, 1), 20, 5);
  EXPECT_EQ(ones.transverse.count, 8);  // adj(5): y = 0 .. 7
  EXPECT_EQ(ones.vertical.count, 22);
  EXPECT_EQ(ones.oblique.count, 0);
  EXPECT_EQ(ones.antiskew.count, 0);
  const auto transverse = GridSegments(Spacings(1, 1, 0, 1, 1), 20, 5);
  ASSERT_EQ(transverse.size(), 8u);
  EXPECT_EQ(transverse.back(), (Segment{0, 7, 22, 7}));

  const GridPlan twos = PlanGrid(Spacings(1, 0, -4, 2, 2), 20, 5);
  EXPECT_EQ(twos.transverse.count, 0);
  EXPECT_EQ(twos.vertical.count, 0);
  EXPECT_EQ(twos.oblique.count, 22);
  EXPECT_EQ(twos.antiskew.count, 22);
  EXPECT_TRUE(GridSegments(Spacings(1, 0, 0, 0, 0), 20, 5).empty());
}

TEST(GridSegmentsTest, CountsAndExtents) {
  const GridPlan square = PlanGrid(Spacings(4, 1, 1, 2, 2), 8, 8);
  for (const FamilyPlan* f : {&square.transverse, &square.vertical, &square.oblique, &square.antiskew}) {
    EXPECT_EQ(f->count, 4);
  }
  EXPECT_EQ(square.oblique.extent, 10);  // W is not greater than H: adj(H)

  const GridPlan tall = PlanGrid(Spacings(1, 1, 1, 2, 2), 10, 11);
  EXPECT_EQ(tall.oblique.extent, 14);  // adj(11)
  EXPECT_EQ(tall.oblique.count, 14);   // max(adj(10), adj(11))
  EXPECT_EQ(tall.vertical.extent, 14);

  EXPECT_EQ(GridSegments(Spacings(1, 3, 0, 0, 0), 11, 4).front(), (Segment{0, 0, 14, 0}));
  EXPECT_EQ(GridSegments(Spacings(1, 3, 0, 0, 0), 10, 4).front(), (Segment{0, 0, 12, 0}));

  const auto thirds = GridSegments(Spacings(3, 2, 0, 0, 0), 50, 600);
  ASSERT_EQ(thirds.size(), 202u);
  EXPECT_EQ(thirds.back().y1, 402);

  const GridPlan hd = PlanGrid(Spacings(1, 4, 4, 3, 3), 1920, 1080);
  EXPECT_EQ(hd.transverse.count, 1082);
  EXPECT_EQ(hd.vertical.count, 1922);
  EXPECT_EQ(hd.oblique.count, 1922);
  EXPECT_EQ(hd.antiskew.count, 1922);
}

TEST(GridSegmentsTest, PixelSizeZeroAndNegative) {
  EXPECT_EQ(GridSegments(Spacings(0, 5, 0, 0, 0), 100, 80),
            (std::vector<Segment>{{0, 0, 102, 0}, {0, 5, 102, 5}}));
  const GridPlan zero = PlanGrid(Spacings(0, 5, 6, 7, 8), 0, 0);  // 0 / 0 is NaN
  EXPECT_EQ(zero.transverse.count, 2);
  EXPECT_EQ(zero.antiskew.count, 2);

  // floor(10 / -1) = -10, adj = -8: no lines; floor(1 / -1) = -1, adj = 2: two lines.
  EXPECT_TRUE(GridSegments(Spacings(-1, 3, 3, 3, 3), 10, 10).empty());
  EXPECT_EQ(GridSegments(Spacings(-1, 3, 0, 0, 0), 10, 1), (std::vector<Segment>{{0, 0, 12, 0}, {0, 3, 12, 3}}));
}

TEST(GridSegmentsTest, HugeValuesArePinnedWithoutOverflow) {
  const auto far = GridSegments(Spacings(1, 2000000000, 0, 2000000000, 2000000000), 100, 100);
  ASSERT_EQ(far.size(), 3u * 102u);
  EXPECT_EQ(far[1], (Segment{0, 2000000000, 102, 2000000000}));
  EXPECT_EQ(far[2], (Segment{0, INT32_MAX, 102, INT32_MAX}));
  EXPECT_EQ(far[102 + 1], (Segment{102, 2000000000, 102 - 2000000000, 0}));
  EXPECT_EQ(far[102 + 2], (Segment{102, INT32_MAX, INT32_MIN, 0}));
  EXPECT_EQ(far.back(), (Segment{0, INT32_MAX, INT32_MAX, 0}));

  const GridPlan extreme = PlanGrid(Spacings(-1, INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX), INT32_MIN, INT32_MIN);
  EXPECT_EQ(extreme.transverse.count, int64_t{INT32_MAX} + 3);
  EXPECT_EQ(FamilySegment(GridFamily::kTransverse, extreme.transverse, extreme.transverse.count - 1).y1, INT32_MAX);
  EXPECT_EQ(extreme.transverse.extent, int64_t{INT32_MIN} + 2);
  const GridPlan wide = PlanGrid(Spacings(1, 1, 1, 2, 2), INT32_MAX, INT32_MAX);
  EXPECT_EQ(FamilySegment(GridFamily::kTransverse, wide.transverse, 0), (Segment{0, 0, INT32_MAX, 0}));
  EXPECT_EQ(FamilySegment(GridFamily::kOblique, wide.oblique, wide.oblique.count - 1).x2, INT32_MIN);
}

}  // namespace
}  // namespace corvanta
