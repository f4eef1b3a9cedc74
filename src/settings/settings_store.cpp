#include "settings/settings_store.h"

#include "settings/paths.h"
#include "settings/text.h"

namespace corvanta {

SettingsStore::SettingsStore(SettingsBackend& backend, std::string programDir)
    : backend_(backend), programDir_(std::move(programDir)) {}

std::string SettingsStore::PathOf(std::string_view relative) const {
  return programDir_ + std::string(relative);
}

std::string SettingsStore::Read(std::string_view path, std::string_view section, std::string_view key) const {
  path = TrimLeadingControls(path);
  section = TrimLeadingControls(section);
  key = TrimLeadingControls(key);
  if (path.empty() || section.empty() || key.empty()) return {};
  return backend_.ReadProfileText(std::string(path), std::string(section), std::string(key), kReadBufferSize);
}

int32_t SettingsStore::ReadInt(std::string_view path, std::string_view section, std::string_view key) const {
  return ParseLeadingInt(Read(path, section, key));
}

bool SettingsStore::Write(std::string_view path, std::string_view section, std::string_view key,
                          std::string_view value) {
  path = TrimLeadingControls(path);
  section = TrimLeadingControls(section);
  key = TrimLeadingControls(key);
  if (path.empty() || section.empty() || key.empty()) return false;
  return backend_.WriteProfileText(std::string(path), std::string(section), std::string(key), std::string(value));
}

bool SettingsStore::WriteAll(std::string_view path, std::vector<ProfileEntry> entries) {
  path = TrimLeadingControls(path);
  if (path.empty() || entries.empty()) return false;
  for (ProfileEntry& e : entries) {
    e.section = std::string(TrimLeadingControls(e.section));
    e.key = std::string(TrimLeadingControls(e.key));
    if (e.section.empty() || e.key.empty()) return false;
  }
  return backend_.WriteProfileTexts(std::string(path), entries);
}

bool SettingsStore::WriteInt(std::string_view path, std::string_view section, std::string_view key, int64_t value) {
  return Write(path, section, key, FormatInt(value));
}

std::string SettingsStore::Config(std::string_view section, std::string_view key) const {
  return Read(PathOf(paths::kConfigFile), section, key);
}

int32_t SettingsStore::ConfigInt(std::string_view section, std::string_view key) const {
  return ReadInt(PathOf(paths::kConfigFile), section, key);
}

bool SettingsStore::SetConfig(std::string_view section, std::string_view key, std::string_view value) {
  return Write(PathOf(paths::kConfigFile), section, key, value);
}

bool SettingsStore::SetConfigInt(std::string_view section, std::string_view key, int64_t value) {
  return WriteInt(PathOf(paths::kConfigFile), section, key, value);
}

bool SettingsStore::ConfigTextFlag(std::string_view section, std::string_view key) const {
  return TextEquals(Config(section, key), "1");
}

bool SettingsStore::ConfigIntFlag(std::string_view section, std::string_view key) const {
  return ConfigInt(section, key) == 1;
}

bool SettingsStore::ConfigIntFlagOr(SettingKey key, bool whenAbsent) const {
  if (Config(key).empty()) return whenAbsent;
  return ConfigIntFlag(key);
}

bool SettingsStore::Exists(std::string_view relative) const { return backend_.Exists(PathOf(relative)); }

void SettingsStore::EnsureFolder(std::string_view relative) {
  const std::string path = PathOf(relative);
  if (!backend_.Exists(path)) backend_.CreateFolder(path);
}

}  // namespace corvanta
