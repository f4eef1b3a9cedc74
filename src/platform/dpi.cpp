#include "platform/dpi.h"

#include "platform/controls.h"
#include "platform/text_conv.h"

namespace corvanta {

namespace {

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);

GetDpiForWindowFunction DpiForWindowFunction() {
  static const auto function = reinterpret_cast<GetDpiForWindowFunction>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
  return function;
}

}  // namespace

int SystemDpi() {
  ScopedWindowDC screen(nullptr);
  const int dpi = screen.Get() != nullptr ? GetDeviceCaps(screen.Get(), LOGPIXELSY) : kDesignDpi;
  return dpi > 0 ? dpi : kDesignDpi;
}

int WindowDpi(HWND hwnd) {
  if (GetDpiForWindowFunction function = DpiForWindowFunction(); function != nullptr && hwnd != nullptr) {
    const UINT dpi = function(hwnd);
    if (dpi > 0) return static_cast<int>(dpi);
  }
  return SystemDpi();
}

ScopedFont CreateUiFont(int points, int dpi) {
  const int height = -MulDiv(points, dpi, 72);
  return ScopedFont(CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                                CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                                ToWide("微软雅黑").c_str()));
}

void RefontChildren(HWND parent, int points, int dpi, ScopedFont& font) {
  ScopedFont next = CreateUiFont(points, dpi);
  SetChildrenFont(parent, next.Get());
  font = std::move(next);
}

int FrameWidth(HWND hwnd) {
  RECT window{}, client{};
  GetWindowRect(hwnd, &window);
  GetClientRect(hwnd, &client);
  return (window.right - window.left) - (client.right - client.left);
}

void SizeWindowAt(HWND hwnd, int left, int top, int width, int height, const RECT* suggested) {
  if (suggested != nullptr) {
    left = suggested->left;
    top = suggested->top;
  }
  SetWindowPos(hwnd, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace corvanta
