// The settings store over the real profile-string functions, in a temporary program directory.
#include <gtest/gtest.h>

#include "platform/win32_backend.h"
#include "settings/first_run.h"
#include "settings/paths.h"
#include "settings/settings_store.h"
#include "temp_program_dir.h"

namespace corvanta {
namespace {

using testing::TempProgramDir;

class SettingsWineTest : public ::testing::Test {
 protected:
  SettingsWineTest() : settings_(backend_, dir_.Path()) {}
  TempProgramDir dir_;
  Win32SettingsBackend backend_;
  SettingsStore settings_;
};

TEST_F(SettingsWineTest, DefaultsAreWrittenInCatalogueOrder) {
  PrepareSettingsFiles(settings_);
  const std::string text = dir_.ReadFile(paths::kConfigFile);
  size_t searchFrom = 0;
  for (const SettingEntry& entry : DefaultConfigEntries()) {
    const std::string line = std::string(entry.key) + "=" + entry.value + "\r\n";
    const size_t at = text.find(line, searchFrom);
    ASSERT_NE(at, std::string::npos) << "missing or out of order: " << line;
    searchFrom = at + line.size();
  }
  for (const char* folder : {"\\Config", "\\Effect", "\\Effect\\D", "\\Effect\\P", "\\Effect\\C", "\\Images"}) {
    const DWORD attributes = GetFileAttributesA(dir_.PathOf(folder).c_str());
    EXPECT_TRUE(attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) << folder;
  }
}

TEST_F(SettingsWineTest, ReadsAndWritesThroughTheProfileFunctions) {
  dir_.MakeFolder("\\Config");
  dir_.WriteFile(paths::kConfigFile, "[Other]\r\nKeep=yes\r\n[Config]\r\nTop=01\r\n[Tips]\r\nTS=01\r\n");
  EXPECT_FALSE(settings_.ConfigTextFlag("Config", "Top"));
  EXPECT_TRUE(settings_.ConfigIntFlag("Tips", "TS"));
  settings_.SetConfigInt("Config", "TC", 24);
  EXPECT_EQ(settings_.Config("Other", "Keep"), "yes");
  EXPECT_EQ(settings_.ConfigInt("Config", "TC"), 24);
  EXPECT_EQ(settings_.Config("config", "tc"), "24");  // the platform matches names case-insensitively
}

TEST_F(SettingsWineTest, BlankSectionOrKeyNeverTouchesTheFile) {
  settings_.SetConfig("   ", "Key", "x");
  settings_.SetConfig("Config", " ", "x");
  EXPECT_EQ(GetFileAttributesA(dir_.PathOf(paths::kConfigFile).c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(settings_.Config(" ", "Key"), "");
}

TEST_F(SettingsWineTest, LongValueIsCutTo10239Bytes) {
  dir_.MakeFolder("\\Config");
  dir_.WriteFile(paths::kConfigFile, "[Config]\r\nLong=" + std::string(20000, '7') + "\r\n");
  const std::string value = settings_.Config("Config", "Long");
  EXPECT_EQ(value.size(), 10239u);
  EXPECT_EQ(settings_.ConfigInt("Config", "Long"), INT32_MAX);
}

TEST_F(SettingsWineTest, GbkValuesRoundTripAsBytes) {
  dir_.MakeFolder("\\Config");
  settings_.Write(dir_.PathOf("\\Effect\\D\\N.ini"), "CN", "CNC", "x");  // folder missing: silent
  settings_.SetConfig("CN", "CNC", "扫描线.ini");
  EXPECT_EQ(settings_.Config("CN", "CNC"), "扫描线.ini");
  EXPECT_NE(dir_.ReadFile(paths::kConfigFile).find("\xC9\xA8\xC3\xE8\xCF\xDF"), std::string::npos);
}

}  // namespace
}  // namespace corvanta
