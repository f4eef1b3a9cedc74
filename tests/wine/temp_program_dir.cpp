#include "temp_program_dir.h"

#include <shellapi.h>

#include <atomic>
#include <vector>

namespace corvanta::testing {

namespace {

void RemoveTree(const std::string& folder) {
  WIN32_FIND_DATAA data{};
  HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &data);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = data.cFileName;
      if (name == "." || name == "..") continue;
      const std::string path = folder + "\\" + name;
      if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(path);
      } else {
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(path.c_str());
      }
    } while (FindNextFileA(find, &data));
    FindClose(find);
  }
  RemoveDirectoryA(folder.c_str());
}

}  // namespace

TempProgramDir::TempProgramDir() {
  static std::atomic<int> counter{0};
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  std::string base(temp);
  if (!base.empty() && base.back() == '\\') base.pop_back();
  path_ = base + "\\corvanta-test-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(counter++);
  RemoveTree(path_);
  CreateDirectoryA(path_.c_str(), nullptr);
}

TempProgramDir::~TempProgramDir() { RemoveTree(path_); }

void TempProgramDir::WriteFile(const std::string& relative, const std::string& bytes) const {
  HANDLE file = CreateFileA(PathOf(relative).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                            nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
}

std::string TempProgramDir::ReadFile(const std::string& relative) const {
  std::string bytes;
  HANDLE file = CreateFileA(PathOf(relative).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return bytes;
  char buffer[4096];
  DWORD read = 0;
  while (::ReadFile(file, buffer, sizeof(buffer), &read, nullptr) && read > 0) bytes.append(buffer, read);
  CloseHandle(file);
  return bytes;
}

void TempProgramDir::MakeFolder(const std::string& relative) const {
  CreateDirectoryA(PathOf(relative).c_str(), nullptr);
}

void PumpMessages(DWORD milliseconds) {
  const DWORD start = GetTickCount();
  do {
    MSG message{};
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    Sleep(1);
  } while (GetTickCount() - start < milliseconds);
}

}  // namespace corvanta::testing
