// Message boxes of this thread, read and answered from a thread timer, so also inside the modal loops
// that open them.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "test_program.h"

namespace corvanta::testing {

struct SeenMessageBox {
  std::string caption;
  std::string text;
  bool operator==(const SeenMessageBox&) const = default;
};

namespace detail {

inline BOOL CALLBACK TakeBoxText(HWND child, LPARAM text) {
  wchar_t className[32] = {};
  GetClassNameW(child, className, 32);
  if (lstrcmpiW(className, L"Static") == 0 && GetWindowTextLengthW(child) > 0) {
    *reinterpret_cast<std::string*>(text) = WindowText(child);
  }
  return TRUE;
}

inline BOOL CALLBACK TakeNewBox(HWND hwnd, LPARAM found) {
  wchar_t className[16] = {};
  GetClassNameW(hwnd, className, 16);
  if (lstrcmpW(className, L"#32770") != 0 || !IsWindowVisible(hwnd) || GetPropW(hwnd, L"answered") != nullptr) {
    return TRUE;
  }
  *reinterpret_cast<HWND*>(found) = hwnd;
  return FALSE;
}

}  // namespace detail

// A message box of this thread that showed since the last call, marked as seen; nullptr when none did.
inline HWND NewMessageBox() {
  HWND box = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), &detail::TakeNewBox, reinterpret_cast<LPARAM>(&box));
  if (box != nullptr) SetPropW(box, L"answered", box);
  return box;
}

// Its caption and text; then presses OK.
inline SeenMessageBox AnswerMessageBox(HWND box) {
  SeenMessageBox seen{WindowText(box), {}};
  EnumChildWindows(box, &detail::TakeBoxText, reinterpret_cast<LPARAM>(&seen.text));
  PostMessageW(box, WM_COMMAND, IDOK, 0);
  return seen;
}

// Answers every message box as soon as it shows and records it.
class MessageBoxAnswerer {
 public:
  MessageBoxAnswerer() {
    self_ = this;
    timer_ = SetTimer(nullptr, 0, 20, &MessageBoxAnswerer::Tick);
  }
  ~MessageBoxAnswerer() {
    KillTimer(nullptr, timer_);
    self_ = nullptr;
  }
  MessageBoxAnswerer(const MessageBoxAnswerer&) = delete;
  MessageBoxAnswerer& operator=(const MessageBoxAnswerer&) = delete;

  std::vector<SeenMessageBox> boxes;

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (self_ == nullptr) return;
    if (HWND box = NewMessageBox()) self_->boxes.push_back(AnswerMessageBox(box));
  }

  static inline MessageBoxAnswerer* self_ = nullptr;
  UINT_PTR timer_ = 0;
};

}  // namespace corvanta::testing
