// The nine values of an effect preset and the INI keys they live under; also the mixed-mode pair file
// that names the preset and the picture that mixed mode combines.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "overlay/scanlines.h"
#include "settings/settings_store.h"

namespace corvanta {

struct Preset {
  int32_t lineType = 0;
  int32_t pixelSize = 0;
  int32_t red = 0;
  int32_t green = 0;
  int32_t blue = 0;
  int32_t transverse = 0;
  int32_t vertical = 0;
  int32_t oblique = 0;
  int32_t antiskew = 0;
  bool operator==(const Preset&) const = default;
};

// The values a new preset starts with in the suite.
inline constexpr Preset kSuiteDefaultPreset{1, 1, 12, 6, 2, 4, 4, 3, 3};

// Every value as stored; a missing file, section or key, or a value without leading digits, reads 0.
Preset ReadPreset(const SettingsStore& settings, const std::string& fullPath);

// As ReadPreset, then each value pinned to the range of its suite slider: line type [1, 5], pixel size
// [0, 50], colour components [0, 255], spacings [0, 100].
Preset ReadPresetForEditing(const SettingsStore& settings, const std::string& fullPath);

// Writes the nine keys in file order in one replacement of the file; other sections and keys are kept.
// Returns whether the keys reached the file; when they did not, the file is as it was.
bool WritePreset(SettingsStore& settings, const std::string& fullPath, const Preset& preset);

// What the preset draws: its pen and its grid, values as stored.
Scanlines ScanlinesOf(const Preset& preset);

// Effect\D\N.ini: [CN] CNC = preset file name, [PN] PNP = picture file name (no folders).
struct MixedPair {
  std::string presetName;
  std::string pictureName;
};
MixedPair ReadMixedPair(const SettingsStore& settings);
void WriteMixedPresetName(SettingsStore& settings, std::string_view name);
void WriteMixedPictureName(SettingsStore& settings, std::string_view name);

}  // namespace corvanta
