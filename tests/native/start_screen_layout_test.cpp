#include "app/start_screen_layout.h"

#include <gtest/gtest.h>

namespace corvanta {
namespace {

TEST(StartScreenLayoutTest, DefaultClientSizeOfAFreshStart) {
  // 740 x 514 window; a typical client area of that window.
  const StartScreenLayout l = ComputeStartScreenLayout(724, 475, 12);
  EXPECT_EQ(l.customModeCheckbox, (ControlRect{15, 9, 158, 40}));
  EXPECT_EQ(l.pictureModeCheckbox, (ControlRect{178, 9, 136, 40}));
  EXPECT_EQ(l.mixedModeCheckbox, (ControlRect{314, 9, 136, 40}));
  EXPECT_EQ(l.topmostCheckbox, (ControlRect{724 - 96, 9, 96, 40}));
  EXPECT_EQ(l.strengthSlider, (ControlRect{76, 59, 724 - 92, 58}));
  EXPECT_EQ(l.strengthSwatch, (ControlRect{15, 59, 58, 58}));
  EXPECT_EQ(l.attachButton, (ControlRect{724 - 136 - 15, 475 - 48 - 16, 136, 48}));
  EXPECT_EQ(l.regionButton, (ControlRect{724 - 2 * 136 - 22, 475 - 48 - 16, 136, 48}));
  EXPECT_EQ(l.suiteButton, (ControlRect{15, 475 - 48 - 16, 197, 48}));
  EXPECT_EQ(l.effectList, (ControlRect{15, 120, 724 - 30, (475 - 64) - 128}));
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
  EXPECT_EQ(l.pictureModeCheckbox.x, 151);
  EXPECT_EQ(l.mixedModeCheckbox.x, 287);
  EXPECT_EQ(l.strengthSlider, (ControlRect{15, 59, 723 - 30, 58}));
  EXPECT_EQ(l.regionButton.y, 463 - 48 - 12);
  EXPECT_EQ(l.effectList.height, l.regionButton.y - 128);
  EXPECT_EQ(*l.columnWidths, (std::array<int, 3>{64, 723 - 210, 84}));
}

TEST(StartScreenLayoutTest, MinimumSizeOnlyOutsideRegionSelection) {
  EXPECT_EQ(EnforceMinimumSize({300, 200}, false), (WindowSize{588, 372}));
  EXPECT_EQ(EnforceMinimumSize({600, 200}, false), (WindowSize{600, 372}));
  EXPECT_EQ(EnforceMinimumSize({587, 372}, false), (WindowSize{588, 372}));
  EXPECT_EQ(EnforceMinimumSize({300, 200}, true), (WindowSize{300, 200}));
}

}  // namespace
}  // namespace corvanta
