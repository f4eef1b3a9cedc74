// Relative paths under the program directory; each begins with a backslash.
#pragma once

namespace corvanta::paths {

inline constexpr const char* kConfigFolder = "\\Config";
inline constexpr const char* kConfigFile = "\\Config\\Config.ini";
inline constexpr const char* kPreviewCache = "\\Config\\Temp.ini";
inline constexpr const char* kEffectFolder = "\\Effect";
inline constexpr const char* kMixedFolder = "\\Effect\\D";
inline constexpr const char* kPictureFolder = "\\Effect\\P";
inline constexpr const char* kPresetFolder = "\\Effect\\C";
inline constexpr const char* kImagesFolder = "\\Images";
inline constexpr const char* kMixedPairFile = "\\Effect\\D\\N.ini";
inline constexpr const char* kPresetPattern = "\\Effect\\C\\*.ini";
inline constexpr const char* kPngPattern = "\\Effect\\P\\*.png";
inline constexpr const char* kBmpPattern = "\\Effect\\P\\*.bmp";
inline constexpr const char* kBackdropFolder = "\\BG\\";

}  // namespace corvanta::paths
