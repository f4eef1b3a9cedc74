#include "settings/first_run.h"

#include <gtest/gtest.h>

#include "settings/memory_backend.h"
#include "settings/paths.h"
#include "shared/default_config_text.h"

namespace corvanta {
namespace {

constexpr const char* kRoot = "D:\\corvanta";

class FirstRunTest : public ::testing::Test {
 protected:
  FirstRunTest() : backend_(kRoot), settings_(backend_, kRoot) {}
  std::vector<std::tuple<std::string, std::string, std::string>> ConfigEntries() const {
    std::vector<std::tuple<std::string, std::string, std::string>> out;
    const MemoryBackend::File* file = backend_.FileAt(settings_.PathOf(paths::kConfigFile));
    if (file == nullptr) return out;
    for (const auto& section : *file)
      for (const auto& key : section.keys) out.emplace_back(section.name, key.name, key.value);
    return out;
  }
  MemoryBackend backend_;
  SettingsStore settings_;
};


TEST_F(FirstRunTest, FreshDirectoryGetsFoldersInOrderAndTheWholeDefaultSet) {
  EXPECT_TRUE(PrepareSettingsFiles(settings_));
  EXPECT_EQ(backend_.FolderCreationOrder(),
            (std::vector<std::string>{"D:\\corvanta\\Config", "D:\\corvanta\\Effect", "D:\\corvanta\\Effect\\D",
                                      "D:\\corvanta\\Effect\\P", "D:\\corvanta\\Effect\\C", "D:\\corvanta\\Images"}));
  const std::string* bytes = backend_.BytesAt(settings_.PathOf(paths::kConfigFile));
  ASSERT_NE(bytes, nullptr);
  EXPECT_EQ(*bytes, testing::kDefaultConfigText);
  EXPECT_EQ(backend_.WriteCount(), 64);  // one write per key: nothing is written twice
  EXPECT_FALSE(PrepareSettingsFiles(settings_));  // an existing file: not a first start
}

TEST_F(FirstRunTest, AnExistingFileIsNeverCompleted) {
  backend_.CreateFolder("D:\\corvanta\\Config");
  settings_.SetConfig("Config", "Alpha", "10");
  PrepareSettingsFiles(settings_);
  EXPECT_EQ(ConfigEntries().size(), 1u);
  EXPECT_EQ(settings_.Config("Config", "SetP"), "");
}

TEST_F(FirstRunTest, FirstRunSelectionAppliesOnceAndWritesInOrder) {
  PrepareSettingsFiles(settings_);
  EnabledIndexes indexes = ReadEnabledIndexes(settings_);
  EXPECT_TRUE(ApplyFirstRunSelection(settings_, indexes));
  EXPECT_EQ(indexes.mixed, 0);
  EXPECT_EQ(indexes.custom, 23);
  EXPECT_EQ(indexes.picture, 3);
  EXPECT_EQ(settings_.ConfigInt("Config", "GetC"), 23);
  EXPECT_EQ(settings_.ConfigInt("Config", "GetP"), 3);
  EXPECT_EQ(settings_.ConfigInt("Config", "First"), 1);

  settings_.SetConfigInt("Config", "GetC", 5);
  indexes = ReadEnabledIndexes(settings_);
  EXPECT_FALSE(ApplyFirstRunSelection(settings_, indexes));
  EXPECT_EQ(indexes.custom, 5);
}

TEST_F(FirstRunTest, MissingFirstKeyCountsAsZero) {
  backend_.CreateFolder("D:\\corvanta\\Config");
  settings_.SetConfig("Config", "GetC", "7");
  EnabledIndexes indexes = ReadEnabledIndexes(settings_);
  EXPECT_TRUE(ApplyFirstRunSelection(settings_, indexes));
  EXPECT_EQ(indexes.custom, 23);
}

TEST_F(FirstRunTest, FontSizeIsClampedAndWrittenBackOnlyWhenChanged) {
  backend_.CreateFolder("D:\\corvanta\\Config");
  struct Case {
    const char* stored;
    int32_t expected;
    const char* left;
  } cases[] = {{"30", 24, "24"}, {"5", 9, "9"}, {"12", 12, "12"}, {"13", 13, "13"},
               {"", 9, "9"},     {"abc", 9, "9"}, {"24x", 24, "24x"}, {"-3", 9, "9"}};
  for (const Case& c : cases) {
    settings_.SetConfig("Config", "TC", c.stored);
    EXPECT_EQ(ReadClampedFontSize(settings_), c.expected) << c.stored;
    EXPECT_EQ(settings_.Config("Config", "TC"), c.left) << c.stored;
  }
}

}  // namespace
}  // namespace corvanta
