// The backdrop pictures the suite offers: a recursive walk of the BG folder that lists GIF, JPG, PNG and
// BMP files up to a limit, and the random pick among them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace corvanta {

// One entry of a folder as the file system lists it (name without folder, GBK; attribute bits).
struct FolderEntry {
  std::string name;
  uint32_t attributes = 0;
};

inline constexpr uint32_t kAttributeDirectory = 0x10;
inline constexpr uint32_t kAttributeReparsePoint = 0x400;

// Lists a folder (path ending in a backslash) in the file system's order; nothing when it is missing.
class FolderReader {
 public:
  virtual ~FolderReader() = default;
  virtual std::vector<FolderEntry> Entries(const std::string& folder) const = 0;
};

struct Backdrop {
  std::string path;  // full path
  std::string name;  // file name, as the chooser shows it
  bool operator==(const Backdrop&) const = default;
};

// Folders below this depth are not entered, so a folder loop cannot run away.
inline constexpr int kBackdropMaxDepth = 16;

// The name ends in "gif", "jpg", "png" or "bmp", compared byte for byte (so upper case does not count).
bool IsBackdropPictureName(std::string_view name);

// Walks the folder and its subfolders in listing order and collects at most `limit` pictures. A folder
// is entered when its attributes masked with 0x37 are exactly the directory bit and it is not a reparse
// point (a junction or link could lead back up).
std::vector<Backdrop> WalkBackdrops(const FolderReader& reader, std::string folder, int32_t limit);

// The chooser's item on opening and for "随机": item 0 ("不显示当前背景图") when there is no picture,
// otherwise one of items 1..itemCount-1 picked by the random value.
int PickBackdropItem(int itemCount, uint32_t randomValue);

}  // namespace corvanta
