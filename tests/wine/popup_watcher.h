// Records which popup menus open on this thread while it lives, and closes each one again at once, so a
// test can run code that calls TrackPopupMenu.
#pragma once

#include <windows.h>

#include <vector>

namespace corvanta::testing {

class PopupWatcher {
 public:
  PopupWatcher() {
    self_ = this;
    hook_ = SetWindowsHookExA(WH_CALLWNDPROC, &PopupWatcher::Hook, nullptr, GetCurrentThreadId());
  }
  ~PopupWatcher() {
    UnhookWindowsHookEx(hook_);
    self_ = nullptr;
  }
  PopupWatcher(const PopupWatcher&) = delete;
  PopupWatcher& operator=(const PopupWatcher&) = delete;

  std::vector<HMENU> opened;

 private:
  static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
    const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && self_ != nullptr && message->message == WM_INITMENUPOPUP) {
      self_->opened.push_back(reinterpret_cast<HMENU>(message->wParam));
      PostMessageA(message->hwnd, WM_CANCELMODE, 0, 0);
      EndMenu();
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }
  static inline PopupWatcher* self_ = nullptr;
  HHOOK hook_ = nullptr;
};

}  // namespace corvanta::testing
