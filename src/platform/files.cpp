#include "platform/files.h"

#include <windows.h>

#include <algorithm>

#include "platform/text_conv.h"

namespace corvanta {

namespace {

class FindHandle {
 public:
  explicit FindHandle(HANDLE handle) : handle_(handle) {}
  ~FindHandle() {
    if (handle_ != INVALID_HANDLE_VALUE) FindClose(handle_);
  }
  FindHandle(const FindHandle&) = delete;
  FindHandle& operator=(const FindHandle&) = delete;
  HANDLE Get() const { return handle_; }
  bool Valid() const { return handle_ != INVALID_HANDLE_VALUE; }

 private:
  HANDLE handle_;
};

class FileHandle {
 public:
  explicit FileHandle(HANDLE handle) : handle_(handle) {}
  ~FileHandle() { Close(); }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  HANDLE Get() const { return handle_; }
  bool Valid() const { return handle_ != INVALID_HANDLE_VALUE; }
  // Closes now; false when the last writes could not be completed.
  bool Close() {
    const bool closed = handle_ == INVALID_HANDLE_VALUE || CloseHandle(handle_);
    handle_ = INVALID_HANDLE_VALUE;
    return closed;
  }

 private:
  HANDLE handle_;
};

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
constexpr LONGLONG kLargestReadableFile = 1LL << 30;

bool WriteAll(HANDLE file, const std::vector<unsigned char>& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 24));
    DWORD written = 0;
    if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr) || written == 0) return false;
    done += written;
  }
  return true;
}

}  // namespace

std::vector<std::string> ListFiles(const std::string& pattern) {
  std::vector<std::string> names;
  WIN32_FIND_DATAW data{};
  const FindHandle find(FindFirstFileW(WidePath(pattern).c_str(), &data));
  if (!find.Valid()) return names;
  do {
    if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) continue;
    if (RepresentableInGbk(data.cFileName)) names.push_back(FromWide(data.cFileName));
  } while (FindNextFileW(find.Get(), &data));
  return names;
}

bool FileExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesW(WidePath(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::optional<std::vector<unsigned char>> TryReadWholeFile(const std::string& path) {
  const FileHandle file(CreateFileW(WidePath(path).c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.Valid()) return std::nullopt;
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.Get(), &size) || size.QuadPart >= kLargestReadableFile) return std::nullopt;
  std::vector<unsigned char> bytes(static_cast<size_t>(size.QuadPart));
  size_t done = 0;
  while (done < bytes.size()) {
    DWORD read = 0;
    if (!ReadFile(file.Get(), bytes.data() + done, static_cast<DWORD>(bytes.size() - done), &read, nullptr)) {
      return std::nullopt;
    }
    if (read == 0) break;  // the file shrank meanwhile
    done += read;
  }
  bytes.resize(done);
  return bytes;
}

std::vector<unsigned char> ReadWholeFile(const std::string& path) {
  return TryReadWholeFile(path).value_or(std::vector<unsigned char>());
}

namespace {

// The creation time and attributes of the file it replaced, where the replacement did not keep them.
void KeepIdentityOf(const std::wstring& target, const WIN32_FILE_ATTRIBUTE_DATA& before) {
  SetFileAttributesW(target.c_str(), before.dwFileAttributes);
  FileHandle file(CreateFileW(target.c_str(), FILE_WRITE_ATTRIBUTES, kShareAll, nullptr, OPEN_EXISTING, 0, nullptr));
  if (file.Valid()) SetFileTime(file.Get(), &before.ftCreationTime, nullptr, nullptr);
}

}  // namespace

bool WriteWholeFile(const std::string& path, const std::vector<unsigned char>& bytes) {
  const std::wstring target = WidePath(path);
  WIN32_FILE_ATTRIBUTE_DATA before{};
  const DWORD attributes =
      GetFileAttributesExW(target.c_str(), GetFileExInfoStandard, &before) ? before.dwFileAttributes
                                                                           : INVALID_FILE_ATTRIBUTES;
  if (attributes != INVALID_FILE_ATTRIBUTES &&
      (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) != 0) {
    return false;
  }
  const std::wstring temporary = target + L".tmp";
  FileHandle file(
      CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.Valid()) return false;
  const bool written = WriteAll(file.Get(), bytes) && file.Close();
  // An existing file is replaced keeping its identity (creation time, attributes, permissions); where the
  // platform cannot do that, by a move. Either way the file is whole, old or new, at every moment.
  const bool replaced =
      written && attributes != INVALID_FILE_ATTRIBUTES &&
      ReplaceFileW(target.c_str(), temporary.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr);
  if (!written || (!replaced && !MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING))) {
    file.Close();
    DeleteFileW(temporary.c_str());
    return false;
  }
  if (attributes != INVALID_FILE_ATTRIBUTES) KeepIdentityOf(target, before);
  return true;
}

bool DeleteFileAt(const std::string& path) { return DeleteFileW(WidePath(path).c_str()) != FALSE; }

}  // namespace corvanta
