// The notification-area icon of the main window.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

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

  bool Add(HWND owner, UINT callbackMessage, HICON icon, std::string_view tooltip);
  void Remove();
  // The shell has restarted and lost every icon: the next Add puts it back.
  void Forget() { shown_ = false; }
  bool IsShown() const { return shown_; }
  const std::string& Tooltip() const { return tooltip_; }

 private:
  HWND owner_ = nullptr;
  bool shown_ = false;
  std::string tooltip_;
};

}  // namespace corvanta
