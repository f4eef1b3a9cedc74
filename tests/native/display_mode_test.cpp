#include "shell/display_mode.h"

#include <gtest/gtest.h>

#include <string>

namespace corvanta {
namespace {

TEST(DisplayModeTest, OnlyTheExactStoredLettersAreModes) {
  struct Case {
    const char* stored;
    DisplayMode mode;
  } cases[] = {{"C", DisplayMode::kCustom}, {"P", DisplayMode::kPicture}, {"D", DisplayMode::kMixed},
               {"c", DisplayMode::kNone},   {"p", DisplayMode::kNone},    {"", DisplayMode::kNone},
               {" C", DisplayMode::kNone},  {"C ", DisplayMode::kNone},   {"CP", DisplayMode::kNone},
               {"X", DisplayMode::kNone}};
  for (const Case& c : cases) EXPECT_EQ(ParseDisplayMode(c.stored), c.mode) << '"' << c.stored << '"';
  for (DisplayMode mode : {DisplayMode::kCustom, DisplayMode::kPicture, DisplayMode::kMixed}) {
    EXPECT_EQ(ParseDisplayMode(StoredDisplayMode(mode)), mode);
  }
  EXPECT_STREQ(StoredDisplayMode(DisplayMode::kNone), "");
}

TEST(DisplayModeTest, EachModeHasItsOwnEnabledIndex) {
  EnabledIndexes indexes{1, 2, 3};
  struct Case {
    DisplayMode mode;
    const char* key;
    int32_t* slot;
  } cases[] = {{DisplayMode::kCustom, "GetC", &indexes.custom},
               {DisplayMode::kPicture, "GetP", &indexes.picture},
               {DisplayMode::kMixed, "GetD", &indexes.mixed}};
  for (const Case& c : cases) {
    ASSERT_NE(EnabledIndexKey(c.mode), nullptr);
    EXPECT_STREQ(EnabledIndexKey(c.mode)->section, "Config");
    EXPECT_STREQ(EnabledIndexKey(c.mode)->key, c.key);
    EXPECT_EQ(EnabledIndexSlot(indexes, c.mode), c.slot) << c.key;
  }
  EXPECT_EQ(EnabledIndexKey(DisplayMode::kNone), nullptr);
  EXPECT_EQ(EnabledIndexSlot(indexes, DisplayMode::kNone), nullptr);
}

TEST(DisplayModeTest, EffectMenuShowsWhatEachModeCanDo) {
  struct Case {
    DisplayMode mode;
    EffectMenuItems items;
  } cases[] = {
      {DisplayMode::kCustom, {.previewPicture = false, .previewOrEditPreset = true, .enableSelected = true,
                              .deleteSelected = true}},
      {DisplayMode::kPicture, {.previewPicture = true, .previewOrEditPreset = false, .enableSelected = true,
                               .deleteSelected = true}},
      {DisplayMode::kMixed, {.previewPicture = false, .previewOrEditPreset = false, .enableSelected = true,
                             .deleteSelected = false}},
  };
  for (const Case& c : cases) EXPECT_EQ(EffectMenuItemsFor(c.mode), c.items) << StoredDisplayMode(c.mode);
}

}  // namespace
}  // namespace corvanta
