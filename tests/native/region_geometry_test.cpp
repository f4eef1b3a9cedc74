// The dragged rectangle, the region hint's place and what a released key does during a custom region
// selection.
#include <gtest/gtest.h>

#include <optional>

#include "region/region_geometry.h"

namespace corvanta {
namespace {

TEST(DragRectangleTest, SpansFromTheAnchorInEveryQuadrant) {
  const Point anchor{500, 400};
  struct Row {
    Point cursor;
    Rect expected;
  };
  const Row rows[] = {
      {{620, 470}, {500, 400, 120, 70}},  // lower right
      {{430, 470}, {430, 400, 70, 70}},   // lower left
      {{620, 350}, {500, 350, 120, 50}},  // upper right
      {{430, 350}, {430, 350, 70, 50}},   // upper left: the cursor is the top-left pixel
      {{501, 401}, {500, 400, 1, 1}},
  };
  for (const Row& row : rows) {
    const std::optional<Rect> r = DragRectangle(anchor, row.cursor);
    ASSERT_TRUE(r.has_value()) << row.cursor.x << "," << row.cursor.y;
    EXPECT_EQ(*r, row.expected) << row.cursor.x << "," << row.cursor.y;
  }
}

TEST(DragRectangleTest, TheAnchorsColumnOrRowMovesNothing) {
  const Point anchor{500, 400};
  for (const Point cursor : {Point{500, 700}, Point{500, 100}, Point{100, 400},
                                   Point{900, 400}, Point{500, 400}}) {
    EXPECT_FALSE(DragRectangle(anchor, cursor).has_value()) << cursor.x << "," << cursor.y;
  }
}

TEST(RegionSizeTest, ReleaseRuleAndLockableSize) {
  struct Row {
    Rect region;
    bool tooSmall;
    bool lockable;
  };
  const Row rows[] = {
      {{10, 10, 0, 0}, true, false},   {{10, 10, 4, 4}, true, false},  {{10, 10, 5, 5}, false, false},
      {{10, 10, 6, 6}, false, true},   {{10, 10, 6, 5}, false, false}, {{10, 10, 400, 4}, true, false},
      {{10, 10, 4, 400}, true, false}, {{10, 10, 300, 200}, false, true},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(IsTooSmallAfterRelease(row.region), row.tooSmall) << row.region.width << "x" << row.region.height;
    EXPECT_EQ(IsLockable(row.region), row.lockable) << row.region.width << "x" << row.region.height;
  }
  EXPECT_EQ(ClickRectangle({70, 80}), (Rect{70, 80, 4, 4}));
}

// Screen height 1080: the bottom band starts at 980.
TEST(HintTopTest, AboveTheRectangleOnlyWhileClearOfTheTopEdge) {
  const Rect region{300, 500, 200, 150};
  const int above = 500 - 102;
  const int belowOutOfSight = 500 + 150 + 28888;
  const int outOfSight = 500 + 28888;
  struct Row {
    int ay;
    int my;
    std::optional<int> top;
  };
  const Row rows[] = {
      {400, 600, above},             // both in the middle band
      {50, 600, belowOutOfSight},    // anchor near the top, cursor in the middle
      {50, 50, belowOutOfSight},     // both near the top
      {50, 1000, outOfSight},        // anchor near the top, cursor near the bottom
      {400, 1000, above},            // anchor in the middle, cursor near the bottom
      {1000, 1050, above},           // both near the bottom
      {400, 50, belowOutOfSight},    // anchor in the middle, cursor near the top
      {1000, 50, outOfSight},        // anchor near the bottom, cursor near the top
      // Exactly on a boundary no row applies and the hint keeps its place.
      {100, 600, std::nullopt},
      {400, 100, std::nullopt},
      {400, 980, std::nullopt},
      {980, 50, std::nullopt},
      {50, 980, std::nullopt},
      // One pixel inside each boundary.
      {101, 600, above},
      {400, 101, above},
      {400, 979, above},
      {400, 981, above},
      {979, 99, belowOutOfSight},
      {981, 99, outOfSight},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(HintTop(row.ay, row.my, 1080, region), row.top) << "ay " << row.ay << " my " << row.my;
  }
}

TEST(HintTopTest, OnAShortScreenTheLastMatchingRowWins) {
  // Height 150: the bottom band starts at 50, so the bands overlap and several rows match.
  const Rect region{0, 60, 10, 10};
  EXPECT_EQ(HintTop(120, 60, 150, region), 60 + 28888);       // rows 4 and 6 match; 6 wins
  EXPECT_EQ(HintTop(120, 130, 150, region), 60 - 102);        // rows 1 and 4 match, both above
  EXPECT_EQ(HintTop(20, 60, 150, region), 60 + 28888);        // row 3 only (my > 50)
}

TEST(HintTopTest, ScaledMetricsMoveTheBoundariesAndTheGap) {
  const Rect region{0, 500, 10, 10};
  const HintMetrics at144{150, 153};
  EXPECT_EQ(HintTop(149, 600, 1080, region, at144), 500 + 10 + 28888);
  EXPECT_EQ(HintTop(151, 600, 1080, region, at144), 500 - 153);
  EXPECT_EQ(HintTop(151, 930, 1080, region, at144), std::nullopt);
}

TEST(RegionKeyTest, WhatAReleasedKeyDoes) {
  RegionKeyContext ready;
  ready.selecting = true;
  ready.regionOnScreen = true;
  ready.region = {100, 100, 6, 6};
  auto with = [&](auto change) {
    RegionKeyContext c = ready;
    change(c);
    return c;
  };
  struct Row {
    const char* what;
    int key;
    RegionKeyContext context;
    RegionKeyAction action;
  };
  const Row rows[] = {
      {"space locks 6x6", ' ', ready, RegionKeyAction::kLock},
      {"letter locks", 'A', ready, RegionKeyAction::kLock},
      {"esc abandons", 27, ready, RegionKeyAction::kAbandon},
      {"backspace abandons", 8, ready, RegionKeyAction::kAbandon},
      {"5x5 cannot lock", ' ', with([](RegionKeyContext& c) { c.region = {100, 100, 5, 5}; }),
       RegionKeyAction::kNothing},
      {"6x5 cannot lock", ' ', with([](RegionKeyContext& c) { c.region = {100, 100, 6, 5}; }),
       RegionKeyAction::kNothing},
      {"4x4 click cannot lock", ' ', with([](RegionKeyContext& c) { c.region = {100, 100, 4, 4}; }),
       RegionKeyAction::kNothing},
      {"button held", ' ', with([](RegionKeyContext& c) { c.buttonHeld = true; }), RegionKeyAction::kNothing},
      {"esc while held abandons", 27, with([](RegionKeyContext& c) { c.buttonHeld = true; }),
       RegionKeyAction::kAbandon},
      {"screenshot", ' ', with([](RegionKeyContext& c) { c.forScreenshot = true; }), RegionKeyAction::kScreenshot},
      {"esc before any press", 27, with([](RegionKeyContext& c) { c.regionOnScreen = false; }),
       RegionKeyAction::kNothing},
      {"not selecting", 27, with([](RegionKeyContext& c) { c.selecting = false; }), RegionKeyAction::kNothing},
  };
  for (const Row& row : rows) EXPECT_EQ(RegionKeyReleased(row.key, row.context), row.action) << row.what;
}

}  // namespace
}  // namespace corvanta
