#include "effects/preset.h"

#include <gtest/gtest.h>

#include "settings/memory_backend.h"
#include "settings/paths.h"

namespace corvanta {
namespace {

constexpr const char* kRoot = "C:\\prog";
constexpr const char* kPresetPath = "C:\\prog\\Effect\\C\\mine.ini";

class PresetTest : public ::testing::Test {
 protected:
  PresetTest() : backend_(kRoot), settings_(backend_, kRoot) {
    backend_.CreateFolder("C:\\prog\\Effect");
    backend_.CreateFolder("C:\\prog\\Effect\\C");
    backend_.CreateFolder("C:\\prog\\Effect\\D");
  }
  void PutPreset(MemoryBackend::File file) { backend_.PutFile(kPresetPath, std::move(file)); }

  MemoryBackend backend_;
  SettingsStore settings_;
};

TEST_F(PresetTest, WrittenPresetHasTheNineKeysInFileOrderAndReadsBack) {
  EXPECT_TRUE(WritePreset(settings_, kPresetPath, kSuiteDefaultPreset));
  EXPECT_EQ(backend_.WriteCount(), 1) << "one write of the whole file";
  const MemoryBackend::File* file = backend_.FileAt(kPresetPath);
  ASSERT_NE(file, nullptr);
  const std::vector<std::pair<std::string, std::vector<std::string>>> expected = {
      {"Scantype", {"Linetype=1"}},
      {"Linetype", {"Pixelsize=1"}},
      {"Scanlinecolor", {"ColorR=12", "ColorG=6", "ColorB=2"}},
      {"ScanlineTransversespacing", {"Transverse=4"}},
      {"ScanlineVerticalspacing", {"Vertical=4"}},
      {"ScanlineObliquespacing", {"Oblique=3"}},
      {"ScanlineAntiskewspacing", {"Antiskew=3"}},
  };
  ASSERT_EQ(file->size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ((*file)[i].name, expected[i].first);
    std::vector<std::string> keys;
    for (const auto& k : (*file)[i].keys) keys.push_back(k.name + "=" + k.value);
    EXPECT_EQ(keys, expected[i].second) << expected[i].first;
  }
  EXPECT_EQ(ReadPreset(settings_, kPresetPath), kSuiteDefaultPreset);
  EXPECT_EQ(ReadPresetForEditing(settings_, kPresetPath), kSuiteDefaultPreset);

  const Preset negative{-1, -2, -3, -4, -5, -6, -7, -8, -2147483647 - 1};
  WritePreset(settings_, kPresetPath, negative);
  EXPECT_EQ(ReadPreset(settings_, kPresetPath), negative);
}

TEST_F(PresetTest, EmptyOrMissingFileReadsZerosAndOpensForEditingWithLineTypeOne) {
  EXPECT_EQ(ReadPreset(settings_, kPresetPath), Preset{});
  PutPreset({});
  EXPECT_EQ(ReadPreset(settings_, kPresetPath), Preset{});
  Preset editing{};
  editing.lineType = 1;
  EXPECT_EQ(ReadPresetForEditing(settings_, kPresetPath), editing);
}

TEST_F(PresetTest, StoredValuesPassUnclampedToTheRendererAndClampedToTheSuite) {
  PutPreset({{"Scantype", {{"Linetype", "9"}}},
             {"Linetype", {{"Pixelsize", "7abc"}}},
             {"Scanlinecolor", {{"ColorR", "300"}, {"ColorG", "-4"}, {"ColorB", "letters"}}},
             {"ScanlineTransversespacing", {{"Transverse", " 101"}}},
             {"ScanlineVerticalspacing", {{"Vertical", "-3"}}},
             {"ScanlineObliquespacing", {{"Oblique", "+55"}}},
             {"ScanlineAntiskewspacing", {{"Antiskew", "99999999999"}}}});
  EXPECT_EQ(ReadPreset(settings_, kPresetPath), (Preset{9, 7, 300, -4, 0, 101, -3, 55, 2147483647}));
  EXPECT_EQ(ReadPresetForEditing(settings_, kPresetPath), (Preset{5, 7, 255, 0, 0, 100, 0, 55, 100}));

  PutPreset({{"Linetype", {{"Pixelsize", "80"}}}});
  EXPECT_EQ(ReadPresetForEditing(settings_, kPresetPath).pixelSize, 50);
}

TEST_F(PresetTest, LineTypeUnderTheWrongSectionIsMissing) {
  PutPreset({{"Linetype", {{"Linetype", "3"}, {"Pixelsize", "2"}}}});
  EXPECT_EQ(ReadPreset(settings_, kPresetPath).lineType, 0);
  EXPECT_EQ(ReadPreset(settings_, kPresetPath).pixelSize, 2);
  EXPECT_EQ(ReadPresetForEditing(settings_, kPresetPath).lineType, 1);
}

TEST_F(PresetTest, WritingKeepsOtherSectionsAndReplacesKeysInPlace) {
  PutPreset({{"Notes", {{"Author", "me"}}},
             {"Scanlinecolor", {{"ColorG", "77"}, {"Extra", "x"}}}});
  WritePreset(settings_, kPresetPath, kSuiteDefaultPreset);
  const MemoryBackend::File* file = backend_.FileAt(kPresetPath);
  ASSERT_NE(file, nullptr);
  EXPECT_EQ((*file)[0].name, "Notes");
  EXPECT_EQ(settings_.Read(kPresetPath, "Notes", "Author"), "me");
  const MemoryBackend::Section& colour = (*file)[1];
  ASSERT_EQ(colour.name, "Scanlinecolor");
  ASSERT_EQ(colour.keys.size(), 4u);
  EXPECT_EQ(colour.keys[0].name + "=" + colour.keys[0].value, "ColorG=6");
  EXPECT_EQ(colour.keys[1].name + "=" + colour.keys[1].value, "Extra=x");
  EXPECT_EQ(ReadPreset(settings_, kPresetPath), kSuiteDefaultPreset);
}

TEST(PresetScanlinesTest, ThePenAndTheGridComeFromTheStoredValues) {
  // Colour components count with their low eight bits; a line type outside the list is kept as stored.
  EXPECT_EQ(ScanlinesOf(Preset{3, 2, 300, 0, -1, 4, 5, 6, 7}),
            (Scanlines{LineType::kDot, 0x00FF002Cu, GridSpacing{2, 4, 5, 6, 7}}));
  EXPECT_EQ(ScanlinesOf(Preset{1, 1, 12, 6, 2, 4, 4, 3, 3}).colour, 0x0002060Cu);
  EXPECT_EQ(ScanlinesOf(Preset{1, 1, 256, 256, 256, 0, 0, 0, 0}).colour, 0u);
  EXPECT_EQ(ScanlinesOf(Preset{9, 0, 0, 0, 511, 0, 0, 0, 0}).lineType, static_cast<LineType>(9));
}

TEST_F(PresetTest, MixedPairNamesThePresetAndThePicture) {
  EXPECT_EQ(ReadMixedPair(settings_).presetName, "");
  WriteMixedPresetName(settings_, "扫描线.ini");
  WriteMixedPictureName(settings_, "b.png");
  const MixedPair pair = ReadMixedPair(settings_);
  EXPECT_EQ(pair.presetName, "扫描线.ini");
  EXPECT_EQ(pair.pictureName, "b.png");
  EXPECT_EQ(settings_.Read(settings_.PathOf(paths::kMixedPairFile), "CN", "CNC"), "扫描线.ini");
  EXPECT_EQ(settings_.Read(settings_.PathOf(paths::kMixedPairFile), "PN", "PNP"), "b.png");
}

}  // namespace
}  // namespace corvanta
