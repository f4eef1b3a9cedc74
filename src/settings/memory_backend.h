// An in-memory stand-in for the profile-string functions and folders, for tests of the logic above them.
// Sections and keys match case-insensitively (ASCII), as the platform's profile functions do.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "settings/settings_backend.h"

namespace corvanta {

class MemoryBackend : public SettingsBackend {
 public:
  struct Key {
    std::string name;
    std::string value;
  };
  struct Section {
    std::string name;
    std::vector<Key> keys;
  };
  using File = std::vector<Section>;

  explicit MemoryBackend(const std::string& rootFolder) { folders_.insert(rootFolder); }

  std::string ReadProfileText(const std::string& path, const std::string& section, const std::string& key,
                                size_t bufferSize) override;
  void WriteProfileText(const std::string& path, const std::string& section, const std::string& key,
                          const std::string& value) override;
  bool Exists(const std::string& path) override;
  void CreateFolder(const std::string& path) override;

  // Test access.
  const File* FileAt(const std::string& path) const;
  std::vector<std::string> FolderCreationOrder() const { return createdFolders_; }
  int ReadCount() const { return reads_; }
  int WriteCount() const { return writes_; }
  void PutFile(const std::string& path, File file) { files_[path] = std::move(file); }

 private:
  std::map<std::string, File> files_;
  std::set<std::string> folders_;
  std::vector<std::string> createdFolders_;
  int reads_ = 0;
  int writes_ = 0;
};

}  // namespace corvanta
