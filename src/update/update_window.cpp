#include "update/update_window.h"

#include <commctrl.h>

#include "platform/controls.h"
#include "platform/dpi.h"
#include "update/update_layout.h"

namespace corvanta {

namespace {

constexpr int kFontPoints = 12;
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;

}  // namespace

UpdateWindow::UpdateWindow(HINSTANCE instance, std::string serverAddress, std::function<void()> openHomepage)
    : instance_(instance), serverAddress_(std::move(serverAddress)), openHomepage_(std::move(openHomepage)) {}

bool UpdateWindow::CreateCentred(HWND owner) {
  if (!RegisterToolClass(instance_, kClassName)) return false;
  dpi_ = SystemDpi();
  const Size size = ComputeUpdateWindowLayout(dpi_).window;
  const int left = (GetSystemMetrics(SM_CXSCREEN) - size.width) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - size.height) / 2;
  return CreateOwnWindow(0, kClassName, kCaption, kStyle, left, top, size.width, size.height, owner, instance_);
}

bool UpdateWindow::CreateControls() {
  // The window may sit on a screen of another DPI than the system's.
  dpi_ = WindowDpi(hwnd_);
  font_ = CreateUiFont(kFontPoints, dpi_);
  ControlBatch controls(hwnd_, instance_, font_.Get());
  controls.Add(WC_STATICW, kNotice, SS_LEFT | SS_NOPREFIX, kNoticeId);
  controls.Add(WC_BUTTONW, serverAddress_, WS_TABSTOP | BS_DEFPUSHBUTTON, kHomepageButtonId);
  if (!controls.AllCreated()) return false;
  LayOut(nullptr);
  return true;
}

void UpdateWindow::LayOut(const RECT* suggested) {
  const UpdateWindowLayout layout = ComputeUpdateWindowLayout(dpi_);
  RECT now{};
  GetWindowRect(hwnd_, &now);
  SizeWindowAt(hwnd_, now.left, now.top, layout.window.width, layout.window.height, suggested);
  const struct {
    int id;
    const Rect& rect;
  } places[] = {{kNoticeId, layout.notice}, {kHomepageButtonId, layout.homepageButton}};
  for (const auto& place : places) {
    SetWindowPos(GetDlgItem(hwnd_, place.id), nullptr, place.rect.left, place.rect.top, place.rect.width,
                 place.rect.height, SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void UpdateWindow::OnDpiChanged(int dpi, const RECT& suggested) {
  dpi_ = dpi;
  RefontChildren(hwnd_, kFontPoints, dpi_, font_);
  LayOut(&suggested);
}

void UpdateWindow::RunModal(HWND owner) {
  owner_ = owner;
  ownerWasEnabled_ = owner != nullptr && IsWindowEnabled(owner);
  if (!CreateCentred(owner)) return;
  if (ownerWasEnabled_) EnableWindow(owner_, FALSE);
  ShowWindow(hwnd_, SW_SHOW);
  SetForegroundWindow(hwnd_);
  SetFocus(GetDlgItem(hwnd_, kHomepageButtonId));
  RunModalLoop();
  if (hwnd_ != nullptr) Close();
}

void UpdateWindow::Close() {
  // The owner takes input again before this window goes, so the activation returns to it.
  if (ownerWasEnabled_) EnableWindow(owner_, TRUE);
  DestroyWindow(hwnd_);
}

LRESULT UpdateWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      return CreateControls() ? 0 : -1;
    case WM_COMMAND:
      if (LOWORD(wParam) == kHomepageButtonId) {
        if (openHomepage_) openHomepage_();
        Close();
      } else if (LOWORD(wParam) == IDCANCEL) {
        Close();
      }
      return 0;
    case WM_CLOSE:
      Close();
      return 0;
    case WM_DPICHANGED:
      OnDpiChanged(DpiFromMessage(wParam), *reinterpret_cast<const RECT*>(lParam));
      return 0;
    default:
      return DefaultHandling(message, wParam, lParam);
  }
}

}  // namespace corvanta
