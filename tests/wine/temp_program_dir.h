// A fresh, empty program directory for one test, removed with everything in it afterwards.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace corvanta::testing {

// The helpers below reach the folder by its exact UTF-16 path, never through the code under test.
class TempProgramDir {
 public:
  // A suffix such as L"-\uC124\uC815" gives a folder name GBK cannot represent; Path() is then the
  // program's GBK text for it (with '?'), and the exact folder stays reachable through WidePath.
  explicit TempProgramDir(std::wstring_view nameSuffix = {});
  ~TempProgramDir();
  TempProgramDir(const TempProgramDir&) = delete;
  TempProgramDir& operator=(const TempProgramDir&) = delete;

  const std::string& Path() const { return path_; }
  std::string PathOf(const std::string& relative) const { return path_ + relative; }
  const std::wstring& ExactPath() const { return exactPath_; }
  // The exact path of a relative GBK path (beginning with a backslash).
  std::wstring ExactPathOf(const std::string& relative) const;
  void WriteFile(const std::string& relative, const std::string& bytes) const;
  std::string ReadFile(const std::string& relative) const;
  void MakeFolder(const std::string& relative) const;
  // INVALID_FILE_ATTRIBUTES when nothing has that name.
  DWORD AttributesOf(const std::string& relative) const;

 private:
  std::wstring exactPath_;
  std::string path_;
};

// Runs the message loop of this thread for about the given time.
void PumpMessages(DWORD milliseconds);
// A key pressed and released on the window, as the keyboard delivers them to the window with the focus.
void PressKey(HWND hwnd, WPARAM key);
void PressSystemKey(HWND hwnd, WPARAM key);
// Pumps until the condition holds or the time is up; returns the condition.
template <typename Condition>
bool PumpUntil(Condition condition, DWORD timeoutMilliseconds = 3000) {
  const DWORD start = GetTickCount();
  while (!condition()) {
    if (GetTickCount() - start > timeoutMilliseconds) return condition();
    PumpMessages(5);
  }
  return true;
}

}  // namespace corvanta::testing
