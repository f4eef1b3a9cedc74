// The settings backend over the real files: each read parses the whole file with the INI rules, each
// write replaces the whole file, so the bytes on disk stay GBK on every system code page. A file in UTF-16
// or UTF-8 with a byte-order mark is read and written in its own encoding, as the profile functions do.
#pragma once

#include "settings/settings_backend.h"

namespace corvanta {

class Win32SettingsBackend : public SettingsBackend {
 public:
  std::string ReadProfileText(const std::string& path, const std::string& section, const std::string& key,
                                size_t bufferSize) override;
  bool WriteProfileTexts(const std::string& path, const std::vector<ProfileEntry>& entries) override;
  bool Exists(const std::string& path) override;
  void CreateFolder(const std::string& path) override;
};

}  // namespace corvanta
