#include "suite/backdrop_walk.h"

#include <array>

namespace corvanta {

namespace {

constexpr uint32_t kWalkedAttributeMask = 0x37;

bool IsWalkedFolder(uint32_t attributes) {
  return (attributes & kWalkedAttributeMask) == kAttributeDirectory && (attributes & kAttributeReparsePoint) == 0;
}

bool IsReparseFolder(uint32_t attributes) {
  return (attributes & kAttributeDirectory) != 0 && (attributes & kAttributeReparsePoint) != 0;
}

void Walk(const FolderReader& reader, const std::string& folder, size_t limit, int depth,
          std::vector<Backdrop>& found) {
  for (const FolderEntry& entry : reader.Entries(folder)) {
    if (found.size() >= limit) return;
    if (entry.name == "." || entry.name == "..") continue;
    if (IsWalkedFolder(entry.attributes)) {
      if (depth < kBackdropMaxDepth) Walk(reader, folder + entry.name + "\\", limit, depth + 1, found);
      continue;
    }
    if (IsReparseFolder(entry.attributes)) continue;
    if (IsBackdropPictureName(entry.name)) found.push_back({folder + entry.name, entry.name});
  }
}

}  // namespace

bool IsBackdropPictureName(std::string_view name) {
  if (name.size() < 3) return false;
  const std::string_view ending = name.substr(name.size() - 3);
  constexpr std::array<std::string_view, 4> kEndings{"gif", "jpg", "png", "bmp"};
  for (std::string_view known : kEndings) {
    if (ending == known) return true;
  }
  return false;
}

std::vector<Backdrop> WalkBackdrops(const FolderReader& reader, std::string folder, int32_t limit) {
  std::vector<Backdrop> found;
  if (limit <= 0) return found;
  if (folder.empty() || folder.back() != '\\') folder += '\\';
  Walk(reader, folder, static_cast<size_t>(limit), 0, found);
  return found;
}

int PickBackdropItem(int itemCount, uint32_t randomValue) {
  if (itemCount < 2) return 0;
  return 1 + static_cast<int>(randomValue % static_cast<uint32_t>(itemCount - 1));
}

}  // namespace corvanta
