#include "settings/settings_store.h"

#include <gtest/gtest.h>

#include "settings/memory_backend.h"
#include "settings/paths.h"

namespace corvanta {
namespace {

constexpr const char* kRoot = "C:\\prog";

class SettingsStoreTest : public ::testing::Test {
 protected:
  SettingsStoreTest() : backend_(kRoot), settings_(backend_, kRoot) { backend_.CreateFolder("C:\\prog\\Config"); }
  MemoryBackend backend_;
  SettingsStore settings_;
};

TEST_F(SettingsStoreTest, PathsAreProgramDirectoryPlusRelativePath) {
  EXPECT_EQ(settings_.PathOf(paths::kConfigFile), "C:\\prog\\Config\\Config.ini");
  EXPECT_EQ(settings_.PathOf(paths::kMixedPairFile), "C:\\prog\\Effect\\D\\N.ini");
}

TEST_F(SettingsStoreTest, WriteThenReadBackAndMissingValuesAreEmpty) {
  settings_.SetConfig("Config", "SetP", "C");
  settings_.SetConfigInt("Config", "L", -20);
  EXPECT_EQ(settings_.Config("Config", "SetP"), "C");
  EXPECT_EQ(settings_.ConfigInt("Config", "L"), -20);
  EXPECT_EQ(settings_.Config("Config", "Missing"), "");
  EXPECT_EQ(settings_.ConfigInt("Config", "Missing"), 0);
  EXPECT_EQ(settings_.Read(settings_.PathOf("\\Config\\Nope.ini"), "Config", "SetP"), "");
}

TEST_F(SettingsStoreTest, LeadingBlanksAndControlsAreStrippedFromPathSectionAndKey) {
  settings_.Write(" \t" + settings_.PathOf(paths::kConfigFile), "  Config", "\x01" "Alpha", "75");
  EXPECT_EQ(settings_.ConfigInt("Config", "Alpha"), 75);
  EXPECT_EQ(settings_.Read("  " + settings_.PathOf(paths::kConfigFile), " Config", "\tAlpha"), "75");
}

TEST_F(SettingsStoreTest, EmptyOrBlankNamesNeverTouchTheFile) {
  const std::string file = settings_.PathOf(paths::kConfigFile);
  settings_.Write(file, "   ", "Key", "x");
  settings_.Write(file, "Section", " \t", "x");
  settings_.Write("  ", "Section", "Key", "x");
  settings_.Write(file, "", "Key", "x");
  EXPECT_EQ(backend_.WriteCount(), 0);
  EXPECT_EQ(backend_.FileAt(file), nullptr);

  settings_.Write(file, "Section", "Key", "value");
  const int readsBefore = backend_.ReadCount();
  EXPECT_EQ(settings_.Read(file, " ", "Key"), "");
  EXPECT_EQ(settings_.Read(file, "Section", ""), "");
  EXPECT_EQ(settings_.ReadInt("", "Section", "Key"), 0);
  EXPECT_EQ(backend_.ReadCount(), readsBefore);
}

TEST_F(SettingsStoreTest, LongValuesComeBackCutToTheBuffer) {
  const std::string longValue(20000, 'x');
  settings_.SetConfig("Config", "Long", longValue);
  EXPECT_EQ(settings_.Config("Config", "Long").size(), SettingsStore::kReadBufferSize - 1);
  settings_.SetConfig("Config", "Exact", std::string(10239, 'y'));
  EXPECT_EQ(settings_.Config("Config", "Exact").size(), 10239u);
}

TEST_F(SettingsStoreTest, FlagsCompareAsTextOrAsIntegers) {
  // The file trims blanks around a value; quotes keep them.
  struct Case {
    const char* value;
    bool textFlag;
    bool intFlag;
  } cases[] = {{"1", true, true},       {"01", false, true}, {"true", false, false}, {"\"1 \"", false, true},
               {"\" 1\"", false, true}, {"0", false, false}, {"", false, false},     {"2", false, false},
               {" 1 ", true, true}};
  for (const Case& c : cases) {
    settings_.SetConfig("SP", "TST", c.value);
    EXPECT_EQ(settings_.ConfigTextFlag("SP", "TST"), c.textFlag) << c.value;
    EXPECT_EQ(settings_.ConfigIntFlag("SP", "TST"), c.intFlag) << c.value;
  }
}

TEST_F(SettingsStoreTest, AnAbsentLaterFlagTakesItsDefault) {
  const SettingKey key{"Follow", "Move"};
  EXPECT_TRUE(settings_.ConfigIntFlagOr(key, true)) << "older file without the key";
  EXPECT_FALSE(settings_.ConfigIntFlagOr(key, false));
  settings_.SetConfig(key, "0");
  EXPECT_FALSE(settings_.ConfigIntFlagOr(key, true));
  settings_.SetConfig(key, "1");
  EXPECT_TRUE(settings_.ConfigIntFlagOr(key, false));
}

TEST_F(SettingsStoreTest, SeveralKeysAreWrittenTogetherOrNotAtAll) {
  const std::string file = settings_.PathOf(paths::kConfigFile);
  EXPECT_TRUE(settings_.WriteAll(file, {{"A", "x", "1"}, {" B", "\ty", "2"}, {"A", "z", "3"}}));
  EXPECT_EQ(*backend_.BytesAt(file), "[A]\r\nx=1\r\nz=3\r\n[B]\r\ny=2\r\n");
  EXPECT_EQ(backend_.WriteCount(), 1);
  EXPECT_FALSE(settings_.WriteAll(file, {{"A", "x", "9"}, {"A", " ", "9"}})) << "a blank key fails them all";
  EXPECT_FALSE(settings_.WriteAll(file, {}));
  EXPECT_FALSE(settings_.WriteAll(settings_.PathOf("\\Missing\\N.ini"), {{"A", "x", "1"}}));
  EXPECT_EQ(*backend_.BytesAt(file), "[A]\r\nx=1\r\nz=3\r\n[B]\r\ny=2\r\n");
}

TEST_F(SettingsStoreTest, WritesReplaceInPlaceAndKeepOtherSections) {
  const std::string file = settings_.PathOf(paths::kConfigFile);
  settings_.Write(file, "A", "x", "1");
  settings_.Write(file, "B", "y", "2");
  settings_.Write(file, "A", "z", "3");
  settings_.Write(file, "A", "x", "4");
  const MemoryBackend::File& f = *backend_.FileAt(file);
  ASSERT_EQ(f.size(), 2u);
  EXPECT_EQ(f[0].name, "A");
  ASSERT_EQ(f[0].keys.size(), 2u);
  EXPECT_EQ(f[0].keys[0].value, "4");
  EXPECT_EQ(f[1].keys[0].value, "2");
}

TEST_F(SettingsStoreTest, WritesReportWhetherTheValueReachedTheFile) {
  backend_.CreateFolder("C:\\prog\\Effect");
  backend_.CreateFolder("C:\\prog\\Effect\\C");
  const struct {
    const char* path;
    const char* section;
    bool written;
  } cases[] = {
      {"C:\\prog\\Config\\Config.ini", "Config", true},
      {"C:\\prog\\Missing\\N.ini", "Config", false},  // no such folder
      {"C:\\prog\\Effect\\C", "Config", false},       // the name is a folder
      {"C:\\prog\\Config\\Config.ini", " ", false},   // blank section: the file is not touched
  };
  for (const auto& c : cases) {
    EXPECT_EQ(settings_.Write(c.path, c.section, "Key", "v"), c.written) << c.path << " [" << c.section << "]";
    EXPECT_EQ(settings_.WriteInt(c.path, c.section, "Int", 7), c.written) << c.path << " [" << c.section << "]";
  }
  EXPECT_TRUE(settings_.SetConfig(keys::kStrength, "75"));
  EXPECT_TRUE(settings_.SetConfigInt(keys::kStrength, 75));  // unchanged value: still in the file
  EXPECT_EQ(*backend_.BytesAt(settings_.PathOf(paths::kConfigFile)), "[Config]\r\nKey=v\r\nInt=7\r\nAlpha=75\r\n");
}

TEST_F(SettingsStoreTest, EnsureFolderCreatesOnlyWhenNothingHasThatName) {
  settings_.EnsureFolder("\\Effect");
  settings_.EnsureFolder("\\Effect");
  settings_.EnsureFolder("\\Missing\\Child");  // one level only: the parent does not exist
  EXPECT_EQ(backend_.FolderCreationOrder(), (std::vector<std::string>{"C:\\prog\\Config", "C:\\prog\\Effect"}));
}

}  // namespace
}  // namespace corvanta
