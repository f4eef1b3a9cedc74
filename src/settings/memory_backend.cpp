#include "settings/memory_backend.h"

namespace corvanta {

namespace {

std::string ParentOf(const std::string& path) {
  const size_t slash = path.find_last_of('\\');
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

}  // namespace

std::string MemoryBackend::ReadProfileText(const std::string& path, const std::string& section,
                                             const std::string& key, size_t bufferSize) {
  ++reads_;
  const std::string* bytes = BytesAt(path);
  return bytes == nullptr ? std::string() : ReadIniValue(*bytes, section, key, bufferSize);
}

bool MemoryBackend::WriteProfileTexts(const std::string& path, const std::vector<ProfileEntry>& entries) {
  ++writes_;
  if (!folders_.contains(ParentOf(path)) || folders_.contains(path)) return false;
  for (const ProfileEntry& e : entries) WriteIniValue(files_[path], e.section, e.key, e.value);
  return true;
}

bool MemoryBackend::Exists(const std::string& path) { return files_.contains(path) || folders_.contains(path); }

void MemoryBackend::CreateFolder(const std::string& path) {
  if (Exists(path) || !folders_.contains(ParentOf(path))) return;
  folders_.insert(path);
  createdFolders_.push_back(path);
}

const MemoryBackend::File* MemoryBackend::FileAt(const std::string& path) const {
  const std::string* bytes = BytesAt(path);
  if (bytes == nullptr) return nullptr;
  File& parsed = parsedFiles_[path];
  parsed = ListIniSections(*bytes);
  return &parsed;
}

const std::string* MemoryBackend::BytesAt(const std::string& path) const {
  auto it = files_.find(path);
  return it == files_.end() ? nullptr : &it->second;
}

void MemoryBackend::PutFile(const std::string& path, const File& file) {
  std::string bytes;
  for (const Section& section : file) {
    bytes += "[" + section.name + "]\r\n";
    for (const Key& key : section.keys) bytes += key.name + "=" + key.value + "\r\n";
  }
  files_[path] = std::move(bytes);
}

}  // namespace corvanta
