#include "settings/first_run.h"

#include <gtest/gtest.h>

#include "settings/memory_backend.h"
#include "settings/paths.h"

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

// The default set, key by key in the order it is written; the profile writer groups it by section.
constexpr const char* kDefaultConfig =
    "[Config]\r\nAr=208\r\nAg=222\r\nAb=227\r\nNum=0\r\nTop=1\r\nSetP=C\r\nGetD=0\r\nGetC=0\r\nGetP=0\r\nFirst=0\r\n"
    "Alpha=75\r\nW=740\r\nH=514\r\nL=50\r\nT=50\r\nDp=3\r\nTC=12\r\nSZ=1000\r\n[Tips]\r\nTS=1\r\n[Preview]\r\nPre=1\r\n"
    "[Folder]\r\nAuto=1\r\n[Self]\r\nSwitch=1\r\n[SP]\r\nTST=1\r\n[Color]\r\nC1=2894892\r\nC2=13944764\r\n"
    "C3=15132390\r\nC4=10256239\r\nC5=65535\r\nC6=2894892\r\nC7=15790320\r\nC8=15790320\r\nC9=65280\r\n[SCK]\r\n"
    "sck0=\r\nsck1=Shift+D\r\nsck2=Shift+Q\r\nsck3=Shift+Alt+D\r\nsck4=Shift+Alt+Q\r\nsck5=Ctrl+Shift+Alt+A\r\n"
    "sck6=Ctrl+Shift+P\r\nsck7=Ctrl+Shift+K\r\nsck8=Shift+F\r\nsck9=Shift+R\r\nsck10=Shift+Alt+E\r\nsck11=Ctrl+E\r\n"
    "sck12=Alt+W\r\nsck13=Alt+Q\r\nsck14=Alt+Win+X\r\nsx0=-1\r\nsx1=30\r\nsx2=43\r\nsx3=186\r\nsx4=199\r\nsx5=261\r\n"
    "sx6=146\r\nsx7=141\r\nsx8=32\r\nsx9=44\r\nsx10=187\r\nsx11=5\r\nsx12=75\r\nsx13=69\r\nsx14=258\r\n";

TEST_F(FirstRunTest, FreshDirectoryGetsFoldersInOrderAndTheWholeDefaultSet) {
  EXPECT_TRUE(PrepareSettingsFiles(settings_));
  EXPECT_EQ(backend_.FolderCreationOrder(),
            (std::vector<std::string>{"D:\\corvanta\\Config", "D:\\corvanta\\Effect", "D:\\corvanta\\Effect\\D",
                                      "D:\\corvanta\\Effect\\P", "D:\\corvanta\\Effect\\C", "D:\\corvanta\\Images"}));
  const std::string* bytes = backend_.BytesAt(settings_.PathOf(paths::kConfigFile));
  ASSERT_NE(bytes, nullptr);
  EXPECT_EQ(*bytes, kDefaultConfig);
  EXPECT_EQ(backend_.WriteCount(), 62);  // one write per key: nothing is written twice
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
