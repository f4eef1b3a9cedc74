#include "settings/memory_backend.h"

#include <algorithm>

namespace corvanta {

namespace {

bool SameName(const std::string& a, const std::string& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
    return lower(x) == lower(y);
  });
}

std::string ParentOf(const std::string& path) {
  const size_t slash = path.find_last_of('\\');
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

}  // namespace

std::string MemoryBackend::ReadProfileText(const std::string& path, const std::string& section,
                                             const std::string& key, size_t bufferSize) {
  ++reads_;
  const File* file = FileAt(path);
  if (file == nullptr || bufferSize == 0) return {};
  for (const Section& s : *file) {
    if (!SameName(s.name, section)) continue;
    for (const Key& k : s.keys) {
      if (SameName(k.name, key)) return k.value.substr(0, bufferSize - 1);
    }
  }
  return {};
}

void MemoryBackend::WriteProfileText(const std::string& path, const std::string& section, const std::string& key,
                                       const std::string& value) {
  ++writes_;
  if (!folders_.contains(ParentOf(path)) || folders_.contains(path)) return;
  File& file = files_[path];
  auto s = std::find_if(file.begin(), file.end(), [&](const Section& x) { return SameName(x.name, section); });
  if (s == file.end()) s = file.insert(file.end(), Section{section, {}});
  auto k = std::find_if(s->keys.begin(), s->keys.end(), [&](const Key& x) { return SameName(x.name, key); });
  if (k == s->keys.end()) {
    s->keys.push_back(Key{key, value});
  } else {
    k->value = value;
  }
}

bool MemoryBackend::Exists(const std::string& path) { return files_.contains(path) || folders_.contains(path); }

void MemoryBackend::CreateFolder(const std::string& path) {
  if (Exists(path) || !folders_.contains(ParentOf(path))) return;
  folders_.insert(path);
  createdFolders_.push_back(path);
}

const MemoryBackend::File* MemoryBackend::FileAt(const std::string& path) const {
  auto it = files_.find(path);
  return it == files_.end() ? nullptr : &it->second;
}

}  // namespace corvanta
