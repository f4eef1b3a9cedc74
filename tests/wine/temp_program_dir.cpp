#include "temp_program_dir.h"

#include <shellapi.h>

#include <atomic>
#include <vector>

#include "platform/program_dir.h"
#include "platform/text_conv.h"

namespace corvanta::testing {

namespace {

void RemoveTree(const std::wstring& folder) {
  WIN32_FIND_DATAW data{};
  HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &data);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = data.cFileName;
      if (name == L"." || name == L"..") continue;
      const std::wstring path = folder + L"\\" + name;
      if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(path);
      } else {
        SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(path.c_str());
      }
    } while (FindNextFileW(find, &data));
    FindClose(find);
  }
  RemoveDirectoryW(folder.c_str());
}

}  // namespace

TempProgramDir::TempProgramDir(std::wstring_view nameSuffix) {
  static std::atomic<int> counter{0};
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  std::wstring base(temp);
  if (!base.empty() && base.back() == L'\\') base.pop_back();
  exactPath_ = base + L"\\corvanta-test-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
               std::to_wstring(counter++) + std::wstring(nameSuffix);
  RemoveTree(exactPath_);
  CreateDirectoryW(exactPath_.c_str(), nullptr);
  path_ = PathText(exactPath_);
}

TempProgramDir::~TempProgramDir() { RemoveTree(exactPath_); }

std::wstring TempProgramDir::ExactPathOf(const std::string& relative) const {
  return exactPath_ + ToWide(relative);
}

void TempProgramDir::WriteFile(const std::string& relative, const std::string& bytes) const {
  HANDLE file = CreateFileW(ExactPathOf(relative).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
}

std::string TempProgramDir::ReadFile(const std::string& relative) const {
  std::string bytes;
  HANDLE file = CreateFileW(ExactPathOf(relative).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return bytes;
  char buffer[4096];
  DWORD read = 0;
  while (::ReadFile(file, buffer, sizeof(buffer), &read, nullptr) && read > 0) bytes.append(buffer, read);
  CloseHandle(file);
  return bytes;
}

void TempProgramDir::MakeFolder(const std::string& relative) const {
  CreateDirectoryW(ExactPathOf(relative).c_str(), nullptr);
}

DWORD TempProgramDir::AttributesOf(const std::string& relative) const {
  return GetFileAttributesW(ExactPathOf(relative).c_str());
}

void PressKey(HWND hwnd, WPARAM key) {
  SendMessageW(hwnd, WM_KEYDOWN, key, 0);
  SendMessageW(hwnd, WM_KEYUP, key, 0);
}

void PressSystemKey(HWND hwnd, WPARAM key) {
  SendMessageW(hwnd, WM_SYSKEYDOWN, key, 0);
  SendMessageW(hwnd, WM_SYSKEYUP, key, 0);
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
