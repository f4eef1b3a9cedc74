// The texts and small rules of the effect list that need no platform: row and caption texts, the row of
// an enabled index and the picture preview's caption and size rule.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "shell/geometry.h"

namespace corvanta {

inline constexpr const char* kStatusAvailable = "待选";
inline constexpr const char* kStatusEnabled = "已启用";

// "Corvanta_" + index + "-" + name; an entry that does not exist is shown as index -1, empty name.
std::string MainCaptionFor(int index, std::string_view name);

// The single entry of mixed mode: "【" + preset name + "】+【" + picture name + "】".
std::string MixedEntryName(std::string_view presetName, std::string_view pictureName);

// The row an enabled index marks in a list of rowCount entries; -1 when it points outside the list.
int RowOfEnabledIndex(int64_t enabledIndex, int rowCount);

// The picture preview: caption name + "_" + width + "x" + height, and a client area of the picture's
// size but never smaller than 520 x 340.
inline constexpr int kPreviewMinClientWidth = 520;
inline constexpr int kPreviewMinClientHeight = 340;
std::string PicturePreviewCaption(std::string_view name, int width, int height);
Size PreviewClientSize(int pictureWidth, int pictureHeight);

}  // namespace corvanta
