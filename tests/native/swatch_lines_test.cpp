#include "overlay/swatch_lines.h"

#include <gtest/gtest.h>

namespace corvanta {
namespace {

TEST(SwatchLinesTest, PenColourFollowsTheStrength) {
  EXPECT_EQ(SwatchPenColour(0, SwatchColourRule::kAtStartup), 0xFFFFFEu);
  EXPECT_EQ(SwatchPenColour(0, SwatchColourRule::kOnChange), 0xFFFFFEu);
  EXPECT_EQ(SwatchPenColour(255, SwatchColourRule::kAtStartup), 0x010101u);
  EXPECT_EQ(SwatchPenColour(255, SwatchColourRule::kOnChange), 0x010000u);
  EXPECT_EQ(SwatchPenColour(75, SwatchColourRule::kAtStartup), 0xB5B5B5u);  // 181
  EXPECT_EQ(SwatchPenColour(1, SwatchColourRule::kOnChange), 0xFFFFFFu);
}

TEST(SwatchLinesTest, LinesEveryThreePixelsForHalfTheHeight) {
  const auto lines = SwatchLines(58, 58);
  ASSERT_EQ(lines.size(), 29u);
  EXPECT_EQ(lines.front(), (SwatchLine{-2, 2, 58, 2}));
  EXPECT_EQ(lines.back(), (SwatchLine{-2, 86, 58, 86}));
  EXPECT_TRUE(SwatchLines(10, 1).empty());
}

}  // namespace
}  // namespace corvanta
