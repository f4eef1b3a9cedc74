// Where the effect files of each display mode lie and which of them the effect list shows, in its order.
// No platform calls: the folder listing is handed in.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "shell/display_mode.h"

namespace corvanta {

// Program directory + "\Effect\" + display mode + "\" + name.
std::string EffectFilePath(std::string_view programDir, DisplayMode displayMode, std::string_view name);

// The wildcard patterns whose files a display mode lists, in list order: custom mode the presets,
// picture mode every PNG file and then every BMP file. Mixed mode and unknown modes list no folder.
std::vector<std::string> EffectPatterns(std::string_view programDir, DisplayMode displayMode);

// The names the list shows for a folder-listing mode, in the order lister returns each pattern.
using FileLister = std::function<std::vector<std::string>(const std::string& pattern)>;
std::vector<std::string> ListEffectNames(std::string_view programDir, DisplayMode displayMode,
                                         const FileLister& lister);

}  // namespace corvanta
