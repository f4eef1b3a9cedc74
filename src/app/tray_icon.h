// The notification-area icon of the main window.
#pragma once

#include <windows.h>

namespace corvanta {

// The tray icon's mouse events as the program names them.
enum class TrayCode { kNone = 0, kLeftUp = 1, kLeftDoubleClick = 2, kRightUp = 3 };
TrayCode TrayCodeFromMessage(LPARAM lParam);

class TrayIcon {
 public:
  TrayIcon() = default;
  TrayIcon(const TrayIcon&) = delete;
  TrayIcon& operator=(const TrayIcon&) = delete;
  ~TrayIcon() { Remove(); }

  bool Add(HWND owner, UINT callbackMessage, HICON icon, const char* tooltip);
  void Remove();
  bool IsShown() const { return shown_; }
  const char* Tooltip() const { return tooltip_; }

 private:
  HWND owner_ = nullptr;
  bool shown_ = false;
  char tooltip_[128] = {};
};

}  // namespace corvanta
