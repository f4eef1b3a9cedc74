#include "app/start_screen_layout.h"

#include <gtest/gtest.h>

#include "platform/dpi_scale.h"

namespace corvanta {
namespace {

TEST(StartScreenLayoutTest, DefaultClientSizeOfAFreshStart) {
  // 740 x 514 window; a typical client area of that window.
  const StartScreenLayout l = ComputeStartScreenLayout(724, 475, 12);
  EXPECT_EQ(l.customModeCheckbox, (Rect{15, 9, 158, 40}));
  EXPECT_EQ(l.pictureModeCheckbox, (Rect{178, 9, 136, 40}));
  EXPECT_EQ(l.mixedModeCheckbox, (Rect{314, 9, 136, 40}));
  EXPECT_EQ(l.topmostCheckbox, (Rect{724 - 96, 9, 96, 40}));
  EXPECT_EQ(l.strengthSlider, (Rect{76, 59, 724 - 92, 58}));
  EXPECT_EQ(l.strengthSwatch, (Rect{15, 59, 58, 58}));
  EXPECT_EQ(l.attachButton, (Rect{724 - 136 - 15, 475 - 48 - 16, 136, 48}));
  EXPECT_EQ(l.regionButton, (Rect{724 - 2 * 136 - 22, 475 - 48 - 16, 136, 48}));
  EXPECT_EQ(l.suiteButton, (Rect{15, 475 - 48 - 16, 197, 48}));
  EXPECT_EQ(l.effectList, (Rect{15, 120, 724 - 30, (475 - 64) - 128}));
  ASSERT_TRUE(l.columnWidths.has_value());
  EXPECT_EQ(*l.columnWidths, (std::array<int, 3>{56, 724 - 208, 90}));
}

TEST(StartScreenLayoutTest, ColumnWidthsFollowTheFontSizeTable) {
  struct Case {
    int fontSize;
    std::array<int, 3> widths;
  } cases[] = {{9, {46, 1000 - 178, 70}},   {10, {50, 1000 - 188, 76}},  {11, {54, 1000 - 200, 84}},
               {12, {56, 1000 - 208, 90}},  {14, {64, 1000 - 230, 104}}, {16, {72, 1000 - 250, 116}},
               {18, {80, 1000 - 270, 128}}, {24, {104, 1000 - 330, 164}}};
  for (const Case& c : cases) {
    auto widths = ColumnWidthsForFontSize(c.fontSize, 1000);
    ASSERT_TRUE(widths.has_value()) << c.fontSize;
    EXPECT_EQ(*widths, c.widths) << c.fontSize;
  }
  for (int other : {0, 8, 13, 15, 17, 19, 20, 23, 25}) EXPECT_FALSE(ColumnWidthsForFontSize(other, 1000)) << other;
}

TEST(StartScreenLayoutTest, PreliminaryLayoutUsesItsOwnPositions) {
  const StartScreenLayout l = ComputePreliminaryLayout(723, 463);
  EXPECT_EQ(l.pictureModeCheckbox.left, 151);
  EXPECT_EQ(l.mixedModeCheckbox.left, 287);
  EXPECT_EQ(l.strengthSlider, (Rect{15, 59, 723 - 30, 58}));
  EXPECT_EQ(l.regionButton.top, 463 - 48 - 12);
  EXPECT_EQ(l.effectList.height, l.regionButton.top - 128);
  EXPECT_EQ(*l.columnWidths, (std::array<int, 3>{64, 723 - 210, 84}));
}

TEST(StartScreenLayoutTest, MinimumSizeOnlyOutsideRegionSelection) {
  EXPECT_EQ(EnforceMinimumSize({300, 200}, false), (Size{588, 372}));
  EXPECT_EQ(EnforceMinimumSize({600, 200}, false), (Size{600, 372}));
  EXPECT_EQ(EnforceMinimumSize({587, 372}, false), (Size{588, 372}));
  EXPECT_EQ(EnforceMinimumSize({300, 200}, true), (Size{300, 200}));
}

// At 144 DPI every design number is scaled by one and a half; the controls on the right and at the
// bottom keep to the edges of the 1086 x 712 client area.
TEST(StartScreenLayoutTest, At144DpiEveryDesignNumberIsScaledByOneAndAHalf) {
  const StartScreenLayout l = ComputeStartScreenLayout(1086, 712, 12, 144);
  EXPECT_EQ(l.customModeCheckbox, (Rect{23, 14, 237, 60}));
  EXPECT_EQ(l.pictureModeCheckbox, (Rect{267, 14, 204, 60}));
  EXPECT_EQ(l.mixedModeCheckbox, (Rect{471, 14, 204, 60}));
  EXPECT_EQ(l.topmostCheckbox, (Rect{1086 - 144, 14, 144, 60}));
  EXPECT_EQ(l.strengthSwatch, (Rect{23, 89, 87, 87}));
  EXPECT_EQ(l.strengthSlider, (Rect{114, 89, 1086 - 138, 87}));
  EXPECT_EQ(l.attachButton, (Rect{1086 - 204 - 23, 712 - 72 - 24, 204, 72}));
  EXPECT_EQ(l.regionButton, (Rect{1086 - 2 * 204 - 33, 712 - 72 - 24, 204, 72}));
  EXPECT_EQ(l.suiteButton, (Rect{23, 712 - 72 - 24, 296, 72}));
  EXPECT_EQ(l.effectList, (Rect{23, 180, 1086 - 45, (712 - 96) - 192}));
  const struct {
    int fontSize;
    std::array<int, 3> widths;
  } columns[] = {{9, {69, 1086 - 267, 105}}, {12, {84, 1086 - 312, 135}}, {24, {156, 1086 - 495, 246}}};
  for (const auto& c : columns) EXPECT_EQ(ComputeStartScreenLayout(1086, 712, c.fontSize, 144).columnWidths, c.widths);
  EXPECT_EQ(ComputePreliminaryLayout(1086, 712, 144).columnWidths, (std::array<int, 3>{96, 1086 - 315, 126}));
}

TEST(StartScreenLayoutTest, MinimumSizeScalesWithTheDpi) {
  EXPECT_EQ(MinimumWindowSize(96), (Size{588, 372}));
  EXPECT_EQ(MinimumWindowSize(120), (Size{735, 465}));
  EXPECT_EQ(MinimumWindowSize(144), (Size{882, 558}));
  EXPECT_EQ(MinimumWindowSize(192), (Size{1176, 744}));
  EXPECT_EQ(EnforceMinimumSize({740, 514}, false, 144), (Size{882, 558}));
  EXPECT_EQ(EnforceMinimumSize({1200, 900}, false, 144), (Size{1200, 900}));
  EXPECT_EQ(EnforceMinimumSize({300, 200}, true, 144), (Size{300, 200}));
}

TEST(StartScreenLayoutTest, DpiScaleRoundsLikeMulDiv) {
  struct Case {
    int value, dpi, scaled;
  } cases[] = {{15, 144, 23}, {9, 144, 14}, {1, 144, 2}, {0, 144, 0}, {-15, 144, -23}, {739, 120, 924},
               {58, 96, 58},  {3, 120, 4},  {2, 120, 3}, {1, 120, 1}, {588, 144, 882}};
  for (const Case& c : cases) EXPECT_EQ(DpiScale(c.value, c.dpi), c.scaled) << c.value << " at " << c.dpi;
}

}  // namespace
}  // namespace corvanta
