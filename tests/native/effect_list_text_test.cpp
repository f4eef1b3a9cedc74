#include "effects/effect_files.h"
#include "effects/effect_list_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corvanta {
namespace {

constexpr const char* kRoot = "C:\\prog";

TEST(EffectListTextTest, CaptionsAndEntryTextsAreGbkBytes) {
  EXPECT_EQ(MainCaptionFor(23, "a.ini"), "Corvanta_23-a.ini");
  EXPECT_EQ(MainCaptionFor(-1, ""), "Corvanta_-1-");
  // 【 is A1 BE and 】 is A1 BF in code page 936.
  EXPECT_EQ(MixedEntryName("a.ini", "b.png"), "\xA1\xBE" "a.ini" "\xA1\xBF+\xA1\xBE" "b.png" "\xA1\xBF");
  EXPECT_EQ(MixedEntryName("", ""), "\xA1\xBE\xA1\xBF+\xA1\xBE\xA1\xBF");
  EXPECT_STREQ(kStatusAvailable, "\xB4\xFD\xD1\xA1");
  EXPECT_STREQ(kStatusEnabled, "\xD2\xD1\xC6\xF4\xD3\xC3");
  EXPECT_EQ(EffectFilePath(kRoot, DisplayMode::kPicture, "z.png"), "C:\\prog\\Effect\\P\\z.png");
  EXPECT_EQ(PicturePreviewCaption("a.png", 640, 480), "a.png_640x480");
}

TEST(EffectListTextTest, PicturesListEveryPngBeforeEveryBmp) {
  std::vector<std::string> asked;
  const FileLister lister = [&asked](const std::string& pattern) -> std::vector<std::string> {
    asked.push_back(pattern);
    if (pattern.ends_with("*.png")) return {"z.png", "y.png"};
    if (pattern.ends_with("*.bmp")) return {"a.bmp"};
    if (pattern.ends_with("*.ini")) return {"a.ini", "b.ini"};
    return {"unexpected"};
  };
  EXPECT_EQ(ListEffectNames(kRoot, DisplayMode::kPicture, lister), (std::vector<std::string>{"z.png", "y.png", "a.bmp"}));
  EXPECT_EQ(asked, (std::vector<std::string>{"C:\\prog\\Effect\\P\\*.png", "C:\\prog\\Effect\\P\\*.bmp"}));
  asked.clear();
  EXPECT_EQ(ListEffectNames(kRoot, DisplayMode::kCustom, lister), (std::vector<std::string>{"a.ini", "b.ini"}));
  EXPECT_EQ(asked, (std::vector<std::string>{"C:\\prog\\Effect\\C\\*.ini"}));
  // Mixed mode has its single pair entry, and no mode lists nothing.
  asked.clear();
  for (DisplayMode mode : {DisplayMode::kMixed, DisplayMode::kNone}) {
    EXPECT_TRUE(ListEffectNames(kRoot, mode, lister).empty());
  }
  EXPECT_TRUE(asked.empty());
}

TEST(EffectListTextTest, EnabledIndexMarksARowOnlyInsideTheList) {
  struct Case {
    int64_t index;
    int rows;
    int row;
  } cases[] = {{0, 1, 0}, {9, 10, 9}, {10, 10, -1}, {23, 10, -1}, {0, 0, -1}, {-1, 5, -1}, {int64_t{1} << 32, 5, -1}};
  for (const Case& c : cases) EXPECT_EQ(RowOfEnabledIndex(c.index, c.rows), c.row) << c.index << " of " << c.rows;
}

TEST(EffectListTextTest, PreviewClientIsThePictureButAtLeast520By340) {
  struct Case {
    int width, height;
    Size client;
  } cases[] = {{640, 480, {640, 480}}, {100, 50, {520, 340}}, {600, 100, {600, 340}},
               {100, 700, {520, 700}}, {0, 0, {520, 340}},     {520, 340, {520, 340}}};
  for (const Case& c : cases) {
    EXPECT_EQ(PreviewClientSize(c.width, c.height), c.client) << c.width << "x" << c.height;
  }
}

}  // namespace
}  // namespace corvanta
