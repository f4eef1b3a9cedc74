#include "app/tray_icon.h"

#include <shellapi.h>

#include <cstring>

namespace corvanta {

namespace {
constexpr UINT kTrayIconId = 1;
}

TrayCode TrayCodeFromMessage(LPARAM lParam) {
  switch (LOWORD(lParam)) {
    case WM_LBUTTONUP:
      return TrayCode::kLeftUp;
    case WM_LBUTTONDBLCLK:
      return TrayCode::kLeftDoubleClick;
    case WM_RBUTTONUP:
    case WM_CONTEXTMENU:
      return TrayCode::kRightUp;
    default:
      return TrayCode::kNone;
  }
}

bool TrayIcon::Add(HWND owner, UINT callbackMessage, HICON icon, const char* tooltip) {
  NOTIFYICONDATAA data{};
  data.cbSize = sizeof(data);
  data.hWnd = owner;
  data.uID = kTrayIconId;
  data.uFlags = NIF_ICON | NIF_MESSAGE | NIF_TIP;
  data.uCallbackMessage = callbackMessage;
  data.hIcon = icon;
  strncpy(data.szTip, tooltip, sizeof(data.szTip) - 1);
  strncpy(tooltip_, tooltip, sizeof(tooltip_) - 1);
  owner_ = owner;
  shown_ = Shell_NotifyIconA(NIM_ADD, &data) != FALSE;
  return shown_;
}

void TrayIcon::Remove() {
  if (!shown_) return;
  NOTIFYICONDATAA data{};
  data.cbSize = sizeof(data);
  data.hWnd = owner_;
  data.uID = kTrayIconId;
  Shell_NotifyIconA(NIM_DELETE, &data);
  shown_ = false;
}

}  // namespace corvanta
