#include "settings/first_run.h"

#include <algorithm>

#include "settings/paths.h"

namespace corvanta {

namespace {

constexpr SettingEntry kDefaults[] = {
    {"Config", "Ar", "208"},      {"Config", "Ag", "222"},      {"Config", "Ab", "227"},
    {"Config", "Num", "0"},       {"Config", "Top", "1"},       {"Config", "SetP", "C"},
    {"Config", "GetD", "0"},      {"Config", "GetC", "0"},      {"Config", "GetP", "0"},
    {"Config", "First", "0"},     {"Config", "Alpha", "75"},    {"Config", "W", "740"},
    {"Config", "H", "514"},       {"Config", "L", "50"},        {"Config", "T", "50"},
    {"Config", "Dp", "3"},        {"Config", "TC", "12"},       {"Config", "SZ", "1000"},
    {"Tips", "TS", "1"},          {"Preview", "Pre", "1"},      {"Folder", "Auto", "1"},
    {"Self", "Switch", "1"},      {"SP", "TST", "1"},
    {"Color", "C1", "2894892"},   {"Color", "C2", "13944764"},  {"Color", "C3", "15132390"},
    {"Color", "C4", "10256239"},  {"Color", "C5", "65535"},     {"Color", "C6", "2894892"},
    {"Color", "C7", "15790320"},  {"Color", "C8", "15790320"},  {"Color", "C9", "65280"},
    {"SCK", "sck0", ""},
    {"SCK", "sck1", "Shift+D"},   {"SCK", "sck2", "Shift+Q"},   {"SCK", "sck3", "Shift+Alt+D"},
    {"SCK", "sck4", "Shift+Alt+Q"}, {"SCK", "sck5", "Ctrl+Shift+Alt+A"}, {"SCK", "sck6", "Ctrl+Shift+P"},
    {"SCK", "sck7", "Ctrl+Shift+K"}, {"SCK", "sck8", "Shift+F"}, {"SCK", "sck9", "Shift+R"},
    {"SCK", "sck10", "Shift+Alt+E"}, {"SCK", "sck11", "Ctrl+E"}, {"SCK", "sck12", "Alt+W"},
    {"SCK", "sck13", "Alt+Q"},    {"SCK", "sck14", "Alt+Win+X"},
    {"SCK", "sx0", "-1"},         {"SCK", "sx1", "30"},         {"SCK", "sx2", "43"},
    {"SCK", "sx3", "186"},        {"SCK", "sx4", "199"},        {"SCK", "sx5", "261"},
    {"SCK", "sx6", "146"},        {"SCK", "sx7", "141"},        {"SCK", "sx8", "32"},
    {"SCK", "sx9", "44"},         {"SCK", "sx10", "187"},       {"SCK", "sx11", "5"},
    {"SCK", "sx12", "75"},        {"SCK", "sx13", "69"},        {"SCK", "sx14", "258"},
};

constexpr const char* kFoldersAfterDefaults[] = {paths::kEffectFolder, paths::kMixedFolder, paths::kPictureFolder,
                                                 paths::kPresetFolder, paths::kImagesFolder};

}  // namespace

std::span<const SettingEntry> DefaultConfigEntries() { return kDefaults; }

void PrepareSettingsFiles(SettingsStore& settings) {
  settings.EnsureFolder(paths::kConfigFolder);
  if (!settings.Exists(paths::kConfigFile)) {
    for (const SettingEntry& entry : kDefaults) settings.SetConfig(entry.section, entry.key, entry.value);
  }
  for (const char* folder : kFoldersAfterDefaults) settings.EnsureFolder(folder);
}

EnabledIndexes ReadEnabledIndexes(const SettingsStore& settings) {
  return {settings.ConfigInt("Config", "GetD"), settings.ConfigInt("Config", "GetC"),
          settings.ConfigInt("Config", "GetP")};
}

bool ApplyFirstRunSelection(SettingsStore& settings, EnabledIndexes& indexes) {
  if (settings.ConfigInt("Config", "First") != 0) return false;
  settings.SetConfigInt("Config", "GetD", kFirstRunSelection.mixed);
  settings.SetConfigInt("Config", "GetC", kFirstRunSelection.custom);
  settings.SetConfigInt("Config", "GetP", kFirstRunSelection.picture);
  settings.SetConfigInt("Config", "First", 1);
  indexes = kFirstRunSelection;
  return true;
}

int32_t ReadClampedFontSize(SettingsStore& settings) {
  const int32_t read = settings.ConfigInt("Config", "TC");
  const int32_t clamped = std::clamp(read, kMinFontSize, kMaxFontSize);
  if (clamped != read) settings.SetConfigInt("Config", "TC", clamped);
  return clamped;
}

}  // namespace corvanta
