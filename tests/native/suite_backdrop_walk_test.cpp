// The suite's backdrop walk over a fake folder tree: order, limit, extensions, folder attributes and
// folder loops; and the random pick of the chooser item.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "suite/backdrop_walk.h"

namespace corvanta {
namespace {

constexpr uint32_t kFile = 0x20;
constexpr uint32_t kFolder = kAttributeDirectory;

class FakeFolders : public FolderReader {
 public:
  std::vector<FolderEntry> Entries(const std::string& folder) const override {
    ++listings;
    const auto found = folders.find(folder);
    return found == folders.end() ? std::vector<FolderEntry>{} : found->second;
  }
  std::map<std::string, std::vector<FolderEntry>> folders;
  mutable int listings = 0;
};

std::vector<std::string> Names(const std::vector<Backdrop>& backdrops) {
  std::vector<std::string> names;
  for (const Backdrop& b : backdrops) names.push_back(b.name);
  return names;
}

TEST(SuiteBackdropWalkTest, ListsPicturesInListingOrderAndSkipsOtherFiles) {
  FakeFolders fs;
  fs.folders["C:\\p\\BG\\"] = {{".", kFolder}, {"..", kFolder}, {"b.png", kFile}, {"notes.txt", kFile},
                               {"a.jpg", kFile}};
  const std::vector<Backdrop> found = WalkBackdrops(fs, "C:\\p\\BG\\", 1000);
  ASSERT_EQ(found.size(), 2u);
  EXPECT_EQ(found[0], (Backdrop{"C:\\p\\BG\\b.png", "b.png"}));
  EXPECT_EQ(found[1], (Backdrop{"C:\\p\\BG\\a.jpg", "a.jpg"}));
}

TEST(SuiteBackdropWalkTest, LimitStopsTheWalkAcrossSubfolders) {
  FakeFolders fs;
  fs.folders["C:\\BG\\"] = {{"one.bmp", kFile}, {"sub", kFolder}, {"four.gif", kFile}};
  fs.folders["C:\\BG\\sub\\"] = {{"two.png", kFile}, {"three.jpg", kFile}};
  struct Row {
    int32_t limit;
    std::vector<std::string> names;
  };
  const Row rows[] = {
      {1000, {"one.bmp", "two.png", "three.jpg", "four.gif"}},
      {3, {"one.bmp", "two.png", "three.jpg"}},
      {1, {"one.bmp"}},
      {0, {}},
      {-5, {}},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(Names(WalkBackdrops(fs, "C:\\BG", row.limit)), row.names) << "limit " << row.limit;
  }
  EXPECT_EQ(WalkBackdrops(fs, "C:\\BG", 1000)[1].path, "C:\\BG\\sub\\two.png");
}

TEST(SuiteBackdropWalkTest, ExtensionTestIsByteExactOnTheLastThreeBytes) {
  struct Row {
    const char* name;
    bool listed;
  };
  const Row rows[] = {
      {"x.png", true}, {"x.jpg", true},  {"x.gif", true}, {"x.bmp", true},  {"x.PNG", false},
      {"x.Jpg", false}, {"x.jpeg", false}, {"xpng", true}, {"pn", false},    {"x.png.txt", false},
  };
  for (const Row& row : rows) EXPECT_EQ(IsBackdropPictureName(row.name), row.listed) << row.name;
}

TEST(SuiteBackdropWalkTest, OnlyPlainFoldersAreEnteredAndLinksAreNeverFollowed) {
  FakeFolders fs;
  fs.folders["C:\\BG\\"] = {{"hidden", kFolder | 0x2}, {"link", kFolder | kAttributeReparsePoint},
                            {"archived", kFolder | 0x20}, {"plain", kFolder}};
  for (const char* sub : {"hidden", "link", "archived", "plain"}) {
    fs.folders[std::string("C:\\BG\\") + sub + "\\"] = {{std::string(sub) + ".png", kFile}};
  }
  // 0x37 masks in the archive bit as well, so only "plain" is entered.
  EXPECT_EQ(Names(WalkBackdrops(fs, "C:\\BG\\", 1000)), std::vector<std::string>{"plain.png"});
}

TEST(SuiteBackdropWalkTest, AFolderLoopEndsAtTheDepthLimit) {
  // Every folder holds itself again under "loop" (as a junction without its reparse bit would).
  class LoopingFolders : public FolderReader {
   public:
    std::vector<FolderEntry> Entries(const std::string&) const override {
      ++listings;
      return {{"loop", kFolder}, {"p.png", kFile}};
    }
    mutable int listings = 0;
  } fs;
  const std::vector<Backdrop> found = WalkBackdrops(fs, "C:\\BG\\", 1000);
  EXPECT_EQ(fs.listings, kBackdropMaxDepth + 1);
  EXPECT_EQ(found.size(), static_cast<size_t>(kBackdropMaxDepth + 1));
}

TEST(SuiteBackdropWalkTest, RandomPickStaysWithinThePictures) {
  EXPECT_EQ(PickBackdropItem(0, 7), 0);
  EXPECT_EQ(PickBackdropItem(1, 7), 0);
  EXPECT_EQ(PickBackdropItem(2, 0), 1);
  EXPECT_EQ(PickBackdropItem(2, 12345), 1);
  for (uint32_t value : {0u, 1u, 2u, 3u, 0xFFFFFFFFu}) {
    const int item = PickBackdropItem(4, value);
    EXPECT_GE(item, 1);
    EXPECT_LE(item, 3);
  }
  EXPECT_EQ(PickBackdropItem(4, 0), 1);
  EXPECT_EQ(PickBackdropItem(4, 2), 3);
}

}  // namespace
}  // namespace corvanta
