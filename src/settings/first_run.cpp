#include "settings/first_run.h"

#include <algorithm>

#include "settings/paths.h"

namespace corvanta {

namespace {

constexpr SettingEntry kDefaults[] = {
    {keys::kColourKeyRed, "208"},      {keys::kColourKeyGreen, "222"},      {keys::kColourKeyBlue, "227"},
    {keys::kNum, "0"},       {keys::kTopmost, "1"},       {keys::kDisplayMode, "C"},
    {keys::kEnabledMixed, "0"},      {keys::kEnabledCustom, "0"},      {keys::kEnabledPicture, "0"},
    {keys::kFirstRunDone, "0"},     {keys::kStrength, "75"},    {keys::kWidth, "740"},
    {keys::kHeight, "514"},       {keys::kLeft, "50"},        {keys::kTop, "50"},
    {keys::kPicturePlacement, "3"},        {keys::kListFontSize, "12"},       {keys::kBackdropLimit, "1000"},
    {keys::kRegionHint, "1"},          {keys::kAutoPreview, "1"},      {keys::kAutoOpenImages, "1"},
    {keys::kScreenshotIncludesSelf, "1"},      {keys::kHotkeyHints, "1"},
    {{keys::kColourSection, "C1"}, "2894892"},   {{keys::kColourSection, "C2"}, "13944764"},  {{keys::kColourSection, "C3"}, "15132390"},
    {{keys::kColourSection, "C4"}, "10256239"},  {{keys::kColourSection, "C5"}, "65535"},     {{keys::kColourSection, "C6"}, "2894892"},
    {{keys::kColourSection, "C7"}, "15790320"},  {{keys::kColourSection, "C8"}, "15790320"},  {{keys::kColourSection, "C9"}, "65280"},
    {{keys::kHotkeySection, "sck0"}, ""},
    {{keys::kHotkeySection, "sck1"}, "Shift+D"},   {{keys::kHotkeySection, "sck2"}, "Shift+Q"},   {{keys::kHotkeySection, "sck3"}, "Shift+Alt+D"},
    {{keys::kHotkeySection, "sck4"}, "Shift+Alt+Q"}, {{keys::kHotkeySection, "sck5"}, "Ctrl+Shift+Alt+A"}, {{keys::kHotkeySection, "sck6"}, "Ctrl+Shift+P"},
    {{keys::kHotkeySection, "sck7"}, "Ctrl+Shift+K"}, {{keys::kHotkeySection, "sck8"}, "Shift+F"}, {{keys::kHotkeySection, "sck9"}, "Shift+R"},
    {{keys::kHotkeySection, "sck10"}, "Shift+Alt+E"}, {{keys::kHotkeySection, "sck11"}, "Ctrl+E"}, {{keys::kHotkeySection, "sck12"}, "Alt+W"},
    {{keys::kHotkeySection, "sck13"}, "Alt+Q"},    {{keys::kHotkeySection, "sck14"}, "Alt+Win+X"},
    {{keys::kHotkeySection, "sx0"}, "-1"},         {{keys::kHotkeySection, "sx1"}, "30"},         {{keys::kHotkeySection, "sx2"}, "43"},
    {{keys::kHotkeySection, "sx3"}, "186"},        {{keys::kHotkeySection, "sx4"}, "199"},        {{keys::kHotkeySection, "sx5"}, "261"},
    {{keys::kHotkeySection, "sx6"}, "146"},        {{keys::kHotkeySection, "sx7"}, "141"},        {{keys::kHotkeySection, "sx8"}, "32"},
    {{keys::kHotkeySection, "sx9"}, "44"},         {{keys::kHotkeySection, "sx10"}, "187"},       {{keys::kHotkeySection, "sx11"}, "5"},
    {{keys::kHotkeySection, "sx12"}, "75"},        {{keys::kHotkeySection, "sx13"}, "69"},        {{keys::kHotkeySection, "sx14"}, "258"},
    {keys::kFollowWindow, "1"},                    {keys::kFollowClientArea, "0"},
};

constexpr const char* kFoldersAfterDefaults[] = {paths::kEffectFolder, paths::kMixedFolder, paths::kPictureFolder,
                                                 paths::kPresetFolder, paths::kImagesFolder};

}  // namespace

std::span<const SettingEntry> DefaultConfigEntries() { return kDefaults; }

bool PrepareSettingsFiles(SettingsStore& settings) {
  settings.EnsureFolder(paths::kConfigFolder);
  const bool firstStart = !settings.Exists(paths::kConfigFile);
  if (firstStart) {
    for (const SettingEntry& entry : kDefaults) settings.SetConfig(entry.key, entry.value);
  }
  for (const char* folder : kFoldersAfterDefaults) settings.EnsureFolder(folder);
  return firstStart;
}

bool ApplyFirstRunSelection(SettingsStore& settings, EnabledIndexes& indexes) {
  if (settings.ConfigInt(keys::kFirstRunDone) != 0) return false;
  settings.SetConfigInt(keys::kEnabledMixed, kFirstRunSelection.mixed);
  settings.SetConfigInt(keys::kEnabledCustom, kFirstRunSelection.custom);
  settings.SetConfigInt(keys::kEnabledPicture, kFirstRunSelection.picture);
  settings.SetConfigInt(keys::kFirstRunDone, 1);
  indexes = kFirstRunSelection;
  return true;
}

int32_t ReadClampedFontSize(SettingsStore& settings) {
  const int32_t read = settings.ConfigInt(keys::kListFontSize);
  const int32_t clamped = std::clamp(read, kMinFontSize, kMaxFontSize);
  if (clamped != read) settings.SetConfigInt(keys::kListFontSize, clamped);
  return clamped;
}

}  // namespace corvanta
