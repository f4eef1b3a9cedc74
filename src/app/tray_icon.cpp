#include "app/tray_icon.h"

#include <shellapi.h>

#include <algorithm>

#include "platform/text_conv.h"

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

bool TrayIcon::Add(HWND owner, UINT callbackMessage, HICON icon, std::string_view tooltip) {
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof(data);
  data.hWnd = owner;
  data.uID = kTrayIconId;
  data.uFlags = NIF_ICON | NIF_MESSAGE | NIF_TIP;
  data.uCallbackMessage = callbackMessage;
  data.hIcon = icon;
  const std::wstring tip = ToWide(tooltip);
  std::copy_n(tip.begin(), std::min(tip.size(), std::size(data.szTip) - 1), data.szTip);
  tooltip_ = tooltip;
  owner_ = owner;
  shown_ = Shell_NotifyIconW(NIM_ADD, &data) != FALSE;
  return shown_;
}

void TrayIcon::Remove() {
  if (!shown_) return;
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof(data);
  data.hWnd = owner_;
  data.uID = kTrayIconId;
  Shell_NotifyIconW(NIM_DELETE, &data);
  shown_ = false;
}

}  // namespace corvanta
