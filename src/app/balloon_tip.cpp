#include "app/balloon_tip.h"

#include <commctrl.h>

namespace corvanta {

namespace {

TTTOOLINFOA ToolInfo(HWND owner, const char* text) {
  TTTOOLINFOA info{};
  info.cbSize = sizeof(info);
  info.uFlags = TTF_TRACK | TTF_ABSOLUTE | TTF_IDISHWND;
  info.hwnd = owner;
  info.uId = reinterpret_cast<UINT_PTR>(owner);
  info.lpszText = const_cast<char*>(text);
  return info;
}

}  // namespace

BalloonTip::~BalloonTip() {
  if (tooltip_ != nullptr) DestroyWindow(tooltip_);
}

void BalloonTip::Show(HWND owner, POINT screenPoint, const char* text) {
  if (tooltip_ == nullptr) {
    tooltip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_BALLOON | TTS_NOPREFIX |
                                   TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                               owner, nullptr, reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(owner, GWLP_HINSTANCE)),
                               nullptr);
    if (tooltip_ == nullptr) return;
  }
  owner_ = owner;
  position_ = screenPoint;
  TTTOOLINFOA info = ToolInfo(owner, text);
  SendMessageA(tooltip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
  SendMessageA(tooltip_, TTM_SETMAXTIPWIDTH, 0, 400);
  SendMessageA(tooltip_, TTM_TRACKPOSITION, 0, MAKELPARAM(screenPoint.x, screenPoint.y));
  SendMessageA(tooltip_, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&info));
}

void BalloonTip::Hide() {
  if (tooltip_ == nullptr) return;
  TTTOOLINFOA info = ToolInfo(owner_, "");
  SendMessageA(tooltip_, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&info));
}

}  // namespace corvanta
