// Access rules for the INI settings: every value is read from the file when needed and written when
// it changes; nothing is cached here.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "settings/settings_backend.h"
#include "settings/setting_keys.h"

namespace corvanta {

class SettingsStore {
 public:
  static constexpr size_t kReadBufferSize = 10240;

  SettingsStore(SettingsBackend& backend, std::string programDir);

  const std::string& ProgramDir() const { return programDir_; }
  // Program directory + a relative path that begins with a backslash.
  std::string PathOf(std::string_view relative) const;

  // Leading bytes up to 0x20 are stripped from path, section and key; if any of them is then empty
  // the result is the empty text (or 0) and the file is not touched.
  std::string Read(std::string_view path, std::string_view section, std::string_view key) const;
  int32_t ReadInt(std::string_view path, std::string_view section, std::string_view key) const;
  // Both return whether the value reached the file (false too for a blank path, section or key).
  bool Write(std::string_view path, std::string_view section, std::string_view key, std::string_view value);
  bool WriteInt(std::string_view path, std::string_view section, std::string_view key, int64_t value);
  // Several keys of one file in one replacement of it: every value reaches the file, or none does. An
  // entry with a blank section or key fails the whole write.
  bool WriteAll(std::string_view path, std::vector<ProfileEntry> entries);

  // Shorthands for Config\Config.ini.
  std::string Config(std::string_view section, std::string_view key) const;
  int32_t ConfigInt(std::string_view section, std::string_view key) const;
  bool SetConfig(std::string_view section, std::string_view key, std::string_view value);
  bool SetConfigInt(std::string_view section, std::string_view key, int64_t value);
  // The same through the named keys of Config.ini.
  std::string Config(SettingKey key) const { return Config(key.section, key.key); }
  int32_t ConfigInt(SettingKey key) const { return ConfigInt(key.section, key.key); }
  bool SetConfig(SettingKey key, std::string_view value) { return SetConfig(key.section, key.key, value); }
  bool SetConfigInt(SettingKey key, int64_t value) { return SetConfigInt(key.section, key.key, value); }
  bool ConfigTextFlag(SettingKey key) const { return ConfigTextFlag(key.section, key.key); }
  bool ConfigIntFlag(SettingKey key) const { return ConfigIntFlag(key.section, key.key); }
  // `Top` and `TST` count as set only for the exact text "1".
  bool ConfigTextFlag(std::string_view section, std::string_view key) const;
  // The other flags are read as integers and count as set when the integer is 1 ("01" too).
  bool ConfigIntFlag(std::string_view section, std::string_view key) const;
  // A flag of a later version, absent from older files: it takes `whenAbsent` while the key has no value.
  bool ConfigIntFlagOr(SettingKey key, bool whenAbsent) const;

  bool Exists(std::string_view relative) const;
  // Creates the folder when no entry of that name exists under the program directory.
  void EnsureFolder(std::string_view relative);

  SettingsBackend& Backend() const { return backend_; }

 private:
  SettingsBackend& backend_;
  std::string programDir_;
};

}  // namespace corvanta
