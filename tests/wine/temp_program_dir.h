// A fresh, empty program directory for one test, removed with everything in it afterwards.
#pragma once

#include <windows.h>

#include <string>

namespace corvanta::testing {

class TempProgramDir {
 public:
  TempProgramDir();
  ~TempProgramDir();
  TempProgramDir(const TempProgramDir&) = delete;
  TempProgramDir& operator=(const TempProgramDir&) = delete;

  const std::string& Path() const { return path_; }
  std::string PathOf(const std::string& relative) const { return path_ + relative; }
  void WriteFile(const std::string& relative, const std::string& bytes) const;
  std::string ReadFile(const std::string& relative) const;
  void MakeFolder(const std::string& relative) const;

 private:
  std::string path_;
};

// Runs the message loop of this thread for about the given time.
void PumpMessages(DWORD milliseconds);
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
