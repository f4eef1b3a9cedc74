#include "effects/preset.h"

#include <algorithm>
#include <array>

#include "settings/paths.h"
#include "settings/text.h"
#include "shell/colour.h"

namespace corvanta {

namespace {

// One stored value: where it lives in the file, which member it fills and the suite slider's range.
struct PresetKey {
  const char* section;
  const char* key;
  int32_t Preset::*value;
  int32_t editMin;
  int32_t editMax;
};

// File order. The section names are historical: the line type lives under [Scantype] and the pixel
// size under [Linetype].
constexpr std::array<PresetKey, 9> kPresetKeys{{
    {"Scantype", "Linetype", &Preset::lineType, 1, 5},
    {"Linetype", "Pixelsize", &Preset::pixelSize, 0, 50},
    {"Scanlinecolor", "ColorR", &Preset::red, 0, 255},
    {"Scanlinecolor", "ColorG", &Preset::green, 0, 255},
    {"Scanlinecolor", "ColorB", &Preset::blue, 0, 255},
    {"ScanlineTransversespacing", "Transverse", &Preset::transverse, 0, 100},
    {"ScanlineVerticalspacing", "Vertical", &Preset::vertical, 0, 100},
    {"ScanlineObliquespacing", "Oblique", &Preset::oblique, 0, 100},
    {"ScanlineAntiskewspacing", "Antiskew", &Preset::antiskew, 0, 100},
}};

}  // namespace

Preset ReadPreset(const SettingsStore& settings, const std::string& fullPath) {
  Preset preset;
  for (const PresetKey& k : kPresetKeys) preset.*k.value = settings.ReadInt(fullPath, k.section, k.key);
  return preset;
}

Preset ReadPresetForEditing(const SettingsStore& settings, const std::string& fullPath) {
  Preset preset = ReadPreset(settings, fullPath);
  for (const PresetKey& k : kPresetKeys) preset.*k.value = std::clamp(preset.*k.value, k.editMin, k.editMax);
  return preset;
}

bool WritePreset(SettingsStore& settings, const std::string& fullPath, const Preset& preset) {
  std::vector<ProfileEntry> entries;
  for (const PresetKey& k : kPresetKeys) entries.push_back({k.section, k.key, FormatInt(preset.*k.value)});
  return settings.WriteAll(fullPath, std::move(entries));
}

Scanlines ScanlinesOf(const Preset& preset) {
  return Scanlines{static_cast<LineType>(preset.lineType), ToColorRef({preset.red, preset.green, preset.blue}),
                   GridSpacing{preset.pixelSize, preset.transverse, preset.vertical, preset.oblique, preset.antiskew}};
}

MixedPair ReadMixedPair(const SettingsStore& settings) {
  const std::string file = settings.PathOf(paths::kMixedPairFile);
  return MixedPair{settings.Read(file, "CN", "CNC"), settings.Read(file, "PN", "PNP")};
}

void WriteMixedPresetName(SettingsStore& settings, std::string_view name) {
  settings.Write(settings.PathOf(paths::kMixedPairFile), "CN", "CNC", name);
}

void WriteMixedPictureName(SettingsStore& settings, std::string_view name) {
  settings.Write(settings.PathOf(paths::kMixedPairFile), "PN", "PNP", name);
}

}  // namespace corvanta
