#include "platform/win32_backend.h"

#include <windows.h>

#include <algorithm>
#include <vector>

namespace corvanta {

std::string Win32SettingsBackend::ReadProfileText(const std::string& path, const std::string& section,
                                                    const std::string& key, size_t bufferSize) {
  if (bufferSize == 0) return {};
  std::vector<char> buffer(bufferSize, '\0');
  const DWORD length = GetPrivateProfileStringA(section.c_str(), key.c_str(), "", buffer.data(),
                                                static_cast<DWORD>(bufferSize), path.c_str());
  return std::string(buffer.data(), std::min<size_t>(length, bufferSize - 1));
}

void Win32SettingsBackend::WriteProfileText(const std::string& path, const std::string& section,
                                              const std::string& key, const std::string& value) {
  WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), path.c_str());
}

bool Win32SettingsBackend::Exists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void Win32SettingsBackend::CreateFolder(const std::string& path) { CreateDirectoryA(path.c_str(), nullptr); }

}  // namespace corvanta
