// One custom region selection driven through presses, drag ticks, releases and the right button.
#include <gtest/gtest.h>

#include "region/region_selection.h"

namespace corvanta {
namespace {

constexpr int kScreenHeight = 1080;
constexpr Size kScreen{1920, kScreenHeight};
constexpr Rect kParkedRight{2020, 0, 0, 0};
constexpr Rect kParkedBelow{0, 1180, 0, 0};

class RegionSelectionTest : public ::testing::Test {
 protected:
  void SetUp() override { selection.Begin(kParkedRight, kScreen); }
  RegionSelection::TickResult Tick(int x, int y, bool hintFollows = true) {
    return selection.DragTick({x, y}, kScreenHeight, hintFollows, HintMetrics{});
  }
  RegionSelection selection;
};

TEST_F(RegionSelectionTest, ADragSpansFromTheFirstTickAndCompletesOnRelease) {
  selection.LeftPressed();
  EXPECT_EQ(selection.PressState(), RegionSelection::Press::kPressed);
  EXPECT_FALSE(Tick(300, 200).moved);  // anchor taken; the cursor is still on it
  EXPECT_EQ(selection.Anchor(), (Point{300, 200}));
  EXPECT_EQ(selection.ShapeState(), RegionSelection::Shape::kDragging);
  const RegionSelection::TickResult tick = Tick(420, 290);
  EXPECT_TRUE(tick.moved);
  EXPECT_EQ(selection.Region(), (Rect{300, 200, 120, 90}));
  EXPECT_EQ(tick.hintTop, 200 - 102);
  EXPECT_FALSE(Tick(300, 500).moved);  // back on the anchor's column: nothing moves
  EXPECT_EQ(selection.Region(), (Rect{300, 200, 120, 90}));
  EXPECT_FALSE(selection.ReleasedOnSurface({420, 290}));
  EXPECT_EQ(selection.ShapeState(), RegionSelection::Shape::kComplete);
  EXPECT_FALSE(selection.ButtonHeld());
  EXPECT_EQ(selection.Region(), (Rect{300, 200, 120, 90}));
}

TEST_F(RegionSelectionTest, TheHintFollowsOnlyWhenAskedAndWhileTheButtonIsHeld) {
  selection.LeftPressed();
  Tick(300, 200, false);
  EXPECT_FALSE(Tick(400, 300, false).hintTop.has_value());
  EXPECT_TRUE(Tick(410, 300, true).hintTop.has_value());
  selection.ReleasedOnSurface({410, 300});
  EXPECT_FALSE(Tick(500, 500, true).hintTop.has_value());
}

TEST_F(RegionSelectionTest, AClickWithoutDragGivesAFourByFourRectangleAtTheClickPoint) {
  // Released before any tick.
  selection.LeftPressed();
  EXPECT_TRUE(selection.ReleasedOnSurface({640, 360}));
  EXPECT_EQ(selection.Region(), (Rect{640, 360, 4, 4}));
  EXPECT_EQ(selection.ShapeState(), RegionSelection::Shape::kComplete);
  // Released after a tick without moving.
  selection.Begin(kParkedRight, kScreen);
  selection.LeftPressed();
  Tick(100, 120);
  EXPECT_TRUE(selection.ReleasedOnSurface({100, 120}));
  EXPECT_EQ(selection.Region(), (Rect{100, 120, 4, 4}));
}

TEST_F(RegionSelectionTest, AThinDragBecomesTheClickRectangleAtTheAnchor) {
  selection.LeftPressed();
  Tick(100, 100);
  Tick(400, 103);
  EXPECT_TRUE(selection.ReleasedOnSurface({400, 103}));
  EXPECT_EQ(selection.Region(), (Rect{100, 100, 4, 4}));
}

TEST_F(RegionSelectionTest, AReleaseOnRegionWindowKeepsTheRectangleAsDrawn) {
  selection.LeftPressed();
  Tick(500, 500);
  Tick(497, 497);  // toward the upper left, 3 x 3
  selection.ReleasedOnRegion();
  EXPECT_EQ(selection.Region(), (Rect{497, 497, 3, 3}));
  EXPECT_EQ(selection.ShapeState(), RegionSelection::Shape::kComplete);
  EXPECT_FALSE(selection.ButtonHeld());
}

TEST_F(RegionSelectionTest, ACompleteRectangleIgnoresANewDragUntilDiscarded) {
  selection.LeftPressed();
  Tick(100, 100);
  Tick(300, 300);
  selection.ReleasedOnSurface({300, 300});
  selection.LeftPressed();
  Tick(600, 600);
  Tick(800, 800);
  EXPECT_EQ(selection.Anchor(), (Point{100, 100}));
  EXPECT_EQ(selection.Region(), (Rect{100, 100, 200, 200}));
  selection.ReleasedOnSurface({800, 800});

  selection.Discard(kParkedBelow);
  EXPECT_EQ(selection.ShapeState(), RegionSelection::Shape::kNone);
  EXPECT_EQ(selection.Region(), kParkedBelow);
  selection.LeftPressed();
  Tick(600, 600);
  Tick(800, 700);
  EXPECT_EQ(selection.Region(), (Rect{600, 600, 200, 100}));
}

TEST_F(RegionSelectionTest, DiscardDuringADragLeavesAClickRectangleAtTheAnchorOnRelease) {
  selection.LeftPressed();
  Tick(200, 200);
  Tick(400, 400);
  selection.Discard(kParkedBelow);
  EXPECT_EQ(selection.ShapeState(), RegionSelection::Shape::kDragging);
  EXPECT_FALSE(selection.ButtonHeld());
  Tick(500, 500);  // the button no longer counts as held: nothing moves
  EXPECT_EQ(selection.Region(), kParkedBelow);
  EXPECT_TRUE(selection.ReleasedOnSurface({500, 500}));
  EXPECT_EQ(selection.Region(), (Rect{200, 200, 4, 4}));
  EXPECT_EQ(selection.ShapeState(), RegionSelection::Shape::kComplete);
}

}  // namespace
}  // namespace corvanta
