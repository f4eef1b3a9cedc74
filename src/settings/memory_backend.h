// An in-memory stand-in for the profile files and folders, for tests of the logic above them. Files are
// bytes edited by the same INI rules as the real files.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "settings/ini_text.h"
#include "settings/settings_backend.h"

namespace corvanta {

class MemoryBackend : public SettingsBackend {
 public:
  using Key = IniKey;
  using Section = IniSection;
  using File = std::vector<IniSection>;

  explicit MemoryBackend(const std::string& rootFolder) { folders_.insert(rootFolder); }

  std::string ReadProfileText(const std::string& path, const std::string& section, const std::string& key,
                                size_t bufferSize) override;
  bool WriteProfileTexts(const std::string& path, const std::vector<ProfileEntry>& entries) override;
  bool Exists(const std::string& path) override;
  void CreateFolder(const std::string& path) override;

  // Test access.
  // The file's sections and key lines, or nullptr when there is no such file.
  const File* FileAt(const std::string& path) const;
  const std::string* BytesAt(const std::string& path) const;
  std::vector<std::string> FolderCreationOrder() const { return createdFolders_; }
  int ReadCount() const { return reads_; }
  int WriteCount() const { return writes_; }
  void PutFile(const std::string& path, const File& file);
  void PutBytes(const std::string& path, std::string bytes) { files_[path] = std::move(bytes); }

 private:
  std::map<std::string, std::string> files_;
  mutable std::map<std::string, File> parsedFiles_;
  std::set<std::string> folders_;
  std::vector<std::string> createdFolders_;
  int reads_ = 0;
  int writes_ = 0;
};

}  // namespace corvanta
