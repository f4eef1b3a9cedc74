// The platform operations the settings store needs: profile strings and folders.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace corvanta {

struct ProfileEntry {
  std::string section;
  std::string key;
  std::string value;
};

class SettingsBackend {
 public:
  virtual ~SettingsBackend() = default;
  // Reads a profile string with an empty default into a buffer of bufferSize bytes, so at most
  // bufferSize - 1 bytes come back. A missing file, section or key gives the empty text.
  virtual std::string ReadProfileText(const std::string& path, const std::string& section,
                                        const std::string& key, size_t bufferSize) = 0;
  // Creates the file when missing, replaces each entry's key in place, keeps everything else, and writes
  // the file once: either every entry reaches it or the file stays as it was. Returns whether the file
  // holds the values afterwards (false: the folder is missing, the name is a folder, the file is
  // read-only or cannot be replaced).
  virtual bool WriteProfileTexts(const std::string& path, const std::vector<ProfileEntry>& entries) = 0;
  bool WriteProfileText(const std::string& path, const std::string& section, const std::string& key,
                        const std::string& value) {
    return WriteProfileTexts(path, {ProfileEntry{section, key, value}});
  }
  // True when any file-system entry (file or folder) has that name.
  virtual bool Exists(const std::string& path) = 0;
  // Creates one folder level; the parent must exist. Failure is silent.
  virtual void CreateFolder(const std::string& path) = 0;
};

}  // namespace corvanta
