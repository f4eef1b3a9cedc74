// The settings backend over the real profile-string and folder functions.
#pragma once

#include "settings/settings_backend.h"

namespace corvanta {

class Win32SettingsBackend : public SettingsBackend {
 public:
  std::string ReadProfileText(const std::string& path, const std::string& section, const std::string& key,
                                size_t bufferSize) override;
  void WriteProfileText(const std::string& path, const std::string& section, const std::string& key,
                          const std::string& value) override;
  bool Exists(const std::string& path) override;
  void CreateFolder(const std::string& path) override;
};

}  // namespace corvanta
