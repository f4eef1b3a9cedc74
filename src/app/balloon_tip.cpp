#include "app/balloon_tip.h"

#include <commctrl.h>

#include "platform/text_conv.h"

namespace corvanta {

namespace {

TTTOOLINFOW ToolInfo(HWND owner, wchar_t* text) {
  TTTOOLINFOW info{};
  info.cbSize = sizeof(info);
  info.uFlags = TTF_TRACK | TTF_ABSOLUTE | TTF_IDISHWND;
  info.hwnd = owner;
  info.uId = reinterpret_cast<UINT_PTR>(owner);
  info.lpszText = text;
  return info;
}

}  // namespace

BalloonTip::~BalloonTip() {
  if (tooltip_ != nullptr) DestroyWindow(tooltip_);
}

void BalloonTip::Show(HWND owner, POINT screenPoint, std::string_view text) {
  if (tooltip_ == nullptr) {
    tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                               WS_POPUP | TTS_BALLOON | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                               reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(owner, GWLP_HINSTANCE)), nullptr);
    if (tooltip_ == nullptr) return;
  }
  owner_ = owner;
  position_ = screenPoint;
  std::wstring wide = ToWide(text);
  TTTOOLINFOW info = ToolInfo(owner, wide.data());
  // A later hint replaces the tool of the one before, text and all.
  SendMessageW(tooltip_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&info));
  SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
  SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, 400);
  SendMessageW(tooltip_, TTM_TRACKPOSITION, 0, MAKELPARAM(screenPoint.x, screenPoint.y));
  SendMessageW(tooltip_, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&info));
}

void BalloonTip::Hide() {
  if (tooltip_ == nullptr) return;
  wchar_t empty[] = L"";
  TTTOOLINFOW info = ToolInfo(owner_, empty);
  SendMessageW(tooltip_, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&info));
}

}  // namespace corvanta
