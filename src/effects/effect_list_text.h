// The texts and small rules of the effect list that need no platform: row and caption texts, the
// folders each display mode lists, the enabled index of a mode and the picture preview's size rule.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "shell/display_mode.h"

namespace corvanta {

inline constexpr const char* kStatusAvailable = "待选";
inline constexpr const char* kStatusEnabled = "已启用";

// "Corvanta_" + index + "-" + name; an entry that does not exist is shown as index -1, empty name.
std::string MainCaptionFor(int index, std::string_view name);

// The single entry of mixed mode: "【" + preset name + "】+【" + picture name + "】".
std::string MixedEntryName(std::string_view presetName, std::string_view pictureName);

// Program directory + "\Effect\" + display mode + "\" + name.
std::string EffectFilePath(std::string_view programDir, DisplayMode displayMode, std::string_view name);

// The wildcard patterns whose files a display mode lists, in list order: custom mode the presets,
// picture mode every PNG file and then every BMP file. Mixed mode and unknown modes list no folder.
std::vector<std::string> EffectPatterns(std::string_view programDir, DisplayMode displayMode);

// The names the list shows for a folder-listing mode, in the order lister returns each pattern.
using FileLister = std::function<std::vector<std::string>(const std::string& pattern)>;
std::vector<std::string> ListEffectNames(std::string_view programDir, DisplayMode displayMode,
                                         const FileLister& lister);

// The row an enabled index marks in a list of rowCount entries; -1 when it points outside the list.
int RowOfEnabledIndex(int64_t enabledIndex, int rowCount);

// The picture preview: caption name + "_" + width + "x" + height, and a client area of the picture's
// size but never smaller than 520 x 340.
inline constexpr int kPreviewMinClientWidth = 520;
inline constexpr int kPreviewMinClientHeight = 340;
std::string PicturePreviewCaption(std::string_view name, int width, int height);
struct ClientSize {
  int width = 0;
  int height = 0;
  bool operator==(const ClientSize&) const = default;
};
ClientSize PreviewClientSize(int pictureWidth, int pictureHeight);

}  // namespace corvanta
