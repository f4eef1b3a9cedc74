#include "hotkeys/hotkey_settings.h"

#include <gtest/gtest.h>


namespace corvanta {
namespace {

StoredHotkeyKeys CompleteKeys() {
  StoredHotkeyKeys stored;
  stored.picks[0] = "-1";
  for (int slot = 1; slot < kHotkeySlotCount; ++slot) {
    stored.names[slot] = NotSetText(slot);
    stored.picks[slot] = "0";
  }
  return stored;
}

TEST(HotkeySettingsTest, RepairWritesOnlyWhatIsMissingOrWrongForTheFixedSlot) {
  EXPECT_TRUE(HotkeyKeyRepairs(CompleteKeys()).empty());

  StoredHotkeyKeys stored = CompleteKeys();
  stored.names[0] = "Alt+Q";
  stored.names[4].clear();
  stored.picks[0] = "0";
  stored.picks[4].clear();
  stored.picks[7] = "abc";  // present, so left for the list to read as 0
  const std::vector<HotkeyKeyWrite> expected{
      {"sck0", ""}, {"sck4", "Shift+Alt+Q"}, {"sx0", "-1"}, {"sx4", "199"}};
  EXPECT_EQ(HotkeyKeyRepairs(stored), expected);

  const auto fresh = HotkeyKeyRepairs(StoredHotkeyKeys{});
  ASSERT_EQ(fresh.size(), 29u);  // sx0 and every user slot's two keys
  EXPECT_EQ(fresh[0], (HotkeyKeyWrite{"sck1", HotkeySlotDefaults()[1].name}));
  EXPECT_EQ(fresh.back(), (HotkeyKeyWrite{"sx14", "258"}));
}

TEST(HotkeySettingsTest, StoredIndexReadsLikeCStringToIntegerAndOutOfRangeSelectsNothing) {
  const struct {
    const char* text;
    std::optional<int> index;
  } cases[] = {{"199", 199}, {"", 0},   {"abc", 0},           {" 12x", 12},          {"+5", 5},
               {"-0", 0},    {"363", 363}, {"364", std::nullopt}, {"-1", std::nullopt}, {"99999999999999999999", std::nullopt}};
  for (const auto& c : cases) EXPECT_EQ(StoredPickIndex(c.text), c.index) << c.text;
}

TEST(HotkeySettingsTest, DuplicateCheckFindsTheFirstEqualPairInOrder) {
  std::vector<std::string> texts;
  for (int slot = 1; slot < kHotkeySlotCount; ++slot) texts.push_back(NotSetText(slot));
  EXPECT_FALSE(FirstDuplicatePair(texts).has_value());  // not-set entries never collide
  texts[4] = "Alt+Q";
  texts[9] = "Ctrl+F1";
  texts[1] = "Alt+Q";
  texts[12] = "Ctrl+F1";
  EXPECT_EQ(FirstDuplicatePair(texts), (std::pair<int, int>{1, 4}));
  texts[1] = "";  // an index outside the list saves as the empty text
  texts[3] = "";
  EXPECT_EQ(FirstDuplicatePair(texts), (std::pair<int, int>{1, 3}));
}

TEST(HotkeySettingsTest, RefusedHotkeysAreNamedInSlotOrder) {
  EXPECT_EQ(RefusedHotkeysReport({}), "");
  const std::string one[] = {"Alt+W"};
  EXPECT_EQ(RefusedHotkeysReport(one), "以下快捷键已被占用：Alt+W");
  const std::string three[] = {kFixedSlotName, "Alt+W", "Ctrl+Shift+P"};
  EXPECT_EQ(RefusedHotkeysReport(three), "以下快捷键已被占用：Ctrl+Shift+Alt+End、Alt+W、Ctrl+Shift+P");
}

TEST(HotkeySettingsTest, SaveAnimationBlinksItsLightAndEndsAfter1140Milliseconds) {
  unsigned elapsed = 100;  // the first step runs 100 ms after the click
  for (int step = 1; step < kSaveAnimationSteps; ++step) elapsed += SaveAnimationStepOf(step, false).nextDelay;
  EXPECT_EQ(elapsed, 1140u);
  EXPECT_EQ(SaveAnimationStepOf(kSaveAnimationSteps, false).nextDelay, 100u);  // then the registration pass

  const Colour blue{102, 102, 255}, green{102, 255, 102}, red{255, 102, 102};
  const Colour saving[] = {blue, kLightOff, blue, kLightOff, blue, green, blue, kLightOff};
  const Colour conflict[] = {red, kLightOff, red, kLightOff, red, kLightOff, red, kLightOff};
  for (int step = 1; step <= kSaveAnimationSteps; ++step) {
    EXPECT_EQ(SaveAnimationStepOf(step, false).light, saving[step - 1]) << step;
    EXPECT_EQ(SaveAnimationStepOf(step, true).light, conflict[step - 1]) << step;
    EXPECT_STREQ(SaveAnimationStepOf(step, true).status, "检测到快捷按键有冲突！！！");
    EXPECT_EQ(SaveAnimationStepOf(step, true).statusColour, (Colour{255, 0, 0}));
  }
  EXPECT_EQ(SaveAnimationStepOf(6, false).statusColour, green);
  EXPECT_STREQ(SaveAnimationStepOf(7, false).status, "保存配置中...");
  EXPECT_STREQ(SaveAnimationStepOf(8, false).status, "成功保存并已生效！");
}

TEST(HotkeySettingsTest, LayoutMatchesTheDesignAndScales) {
  const HotkeySettingsLayout design = LayOutHotkeySettings(16, 96);
  EXPECT_EQ(design.windowWidth, 1280);
  EXPECT_EQ(design.windowHeight, 510 - 8);
  EXPECT_EQ(design.labels[0].left, 26);
  EXPECT_EQ(design.labels[6].top, 340);
  EXPECT_EQ(design.labels[7].left, 26 + 636);
  EXPECT_EQ(design.lists[0].left, 26 + 212);
  EXPECT_EQ(design.lists[13].left, 26 + 636 + 206);
  EXPECT_EQ(design.lists[13].top, 344);
  EXPECT_EQ(design.disableButton.top, 408);
  EXPECT_EQ(design.status.left, 26 + 153);
  EXPECT_EQ(design.saveButton.left, 26 + 1041);

  const HotkeySettingsLayout scaled = LayOutHotkeySettings(24, 144);
  EXPECT_EQ(scaled.windowWidth, 1920);
  EXPECT_EQ(scaled.labels[6].top, 510);
  EXPECT_EQ(scaled.saveButton, (Rect{24 + 1577, 612, 300, 60}));  // right edge 24 + 1877

  EXPECT_EQ(HotkeySettingsPosition(1920, 1080, 1280), (std::pair<int, int>{1804 - 1280, 86}));
}

}  // namespace
}  // namespace corvanta
