#include "platform/win32_backend.h"

#include <windows.h>

#include <optional>
#include <string_view>
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

std::wstring Utf8ToWide(std::string_view utf8) {
  if (utf8.empty()) return {};
  const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  if (length <= 0) return {};
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), length);
  return wide;
}

std::string WideToUtf8(std::wstring_view wide) {
  if (wide.empty()) return {};
  const int length =
      WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
  if (length <= 0) return {};
  std::string utf8(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(), length, nullptr, nullptr);
  return utf8;
}

// Stored files in UTF-16 or UTF-8 meet the program's GBK text here; wchar_t is UTF-16 on Windows.
class PlatformIniCodec : public IniTextCodec {
 public:
  std::u16string ToUtf16(std::string_view text, IniEncoding from) const override {
    const std::wstring wide = from == IniEncoding::kUtf8 ? Utf8ToWide(text) : ToWide(text);
    return std::u16string(wide.begin(), wide.end());
  }
  std::string FromUtf16(std::u16string_view text, IniEncoding to) const override {
    const std::wstring wide(text.begin(), text.end());
    return to == IniEncoding::kUtf8 ? WideToUtf8(wide) : FromWide(wide);
  }
};

const PlatformIniCodec codec;

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
  return bytes ? ReadIniFileValue(AsText(*bytes), section, key, bufferSize, codec) : std::string();
}

bool Win32SettingsBackend::WriteProfileTexts(const std::string& path, const std::vector<ProfileEntry>& entries) {
  const ExclusiveLock lock;
  std::optional<std::string> text = TextBeforeWrite(path);
  if (!text) return false;
  bool changed = false;
  for (const ProfileEntry& e : entries) changed = WriteIniFileValue(*text, e.section, e.key, e.value, codec) || changed;
  if (!changed) return true;
  return WriteWholeFile(path, std::vector<unsigned char>(text->begin(), text->end()));
}

bool Win32SettingsBackend::Exists(const std::string& path) {
  return GetFileAttributesW(WidePath(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

void Win32SettingsBackend::CreateFolder(const std::string& path) { CreateDirectoryW(WidePath(path).c_str(), nullptr); }

}  // namespace corvanta
