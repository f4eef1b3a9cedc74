#include "platform/win32_backend.h"

#include <windows.h>

#include <optional>
#include <vector>

#include "platform/files.h"
#include "platform/text_conv.h"
#include "settings/ini_text.h"

namespace corvanta {

namespace {

// A write reads, edits and replaces the whole file; two threads doing that at once would lose one edit.
SRWLOCK fileLock = SRWLOCK_INIT;

class SharedLock {
 public:
  SharedLock() { AcquireSRWLockShared(&fileLock); }
  ~SharedLock() { ReleaseSRWLockShared(&fileLock); }
  SharedLock(const SharedLock&) = delete;
  SharedLock& operator=(const SharedLock&) = delete;
};

class ExclusiveLock {
 public:
  ExclusiveLock() { AcquireSRWLockExclusive(&fileLock); }
  ~ExclusiveLock() { ReleaseSRWLockExclusive(&fileLock); }
  ExclusiveLock(const ExclusiveLock&) = delete;
  ExclusiveLock& operator=(const ExclusiveLock&) = delete;
};

std::string AsText(const std::vector<unsigned char>& bytes) { return std::string(bytes.begin(), bytes.end()); }

// The current text of a file about to be written: empty when there is no file yet, nothing when an
// entry exists that cannot be read as a file.
std::optional<std::string> TextBeforeWrite(const std::string& path) {
  if (std::optional<std::vector<unsigned char>> bytes = TryReadWholeFile(path)) return AsText(*bytes);
  if (GetFileAttributesW(WidePath(path).c_str()) != INVALID_FILE_ATTRIBUTES) return std::nullopt;
  return std::string();
}

}  // namespace

std::string Win32SettingsBackend::ReadProfileText(const std::string& path, const std::string& section,
                                                    const std::string& key, size_t bufferSize) {
  const SharedLock lock;
  const std::optional<std::vector<unsigned char>> bytes = TryReadWholeFile(path);
  return bytes ? ReadIniValue(AsText(*bytes), section, key, bufferSize) : std::string();
}

bool Win32SettingsBackend::WriteProfileText(const std::string& path, const std::string& section,
                                              const std::string& key, const std::string& value) {
  const ExclusiveLock lock;
  std::optional<std::string> text = TextBeforeWrite(path);
  if (!text) return false;
  if (!WriteIniValue(*text, section, key, value)) return true;
  return WriteWholeFile(path, std::vector<unsigned char>(text->begin(), text->end()));
}

bool Win32SettingsBackend::Exists(const std::string& path) {
  return GetFileAttributesW(WidePath(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

void Win32SettingsBackend::CreateFolder(const std::string& path) { CreateDirectoryW(WidePath(path).c_str(), nullptr); }

}  // namespace corvanta
