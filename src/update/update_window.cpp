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
  const WindowSize size = ComputeUpdateWindowLayout(dpi_).window;
  const int left = (GetSystemMetrics(SM_CXSCREEN) - size.width) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - size.height) / 2;
  return CreateOwnWindow(0, kClassName, kCaption, kStyle, left, top, size.width, size.height, owner, instance_);
}

bool UpdateWindow::CreateControls() {
  // The window may sit on a screen of another DPI than the system's.
  dpi_ = WindowDpi(hwnd_);
  const UpdateWindowLayout layout = ComputeUpdateWindowLayout(dpi_);
  SetWindowPos(hwnd_, nullptr, 0, 0, layout.window.width, layout.window.height,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  font_ = CreateUiFont(kFontPoints, dpi_);
  const ControlRect& notice = layout.notice;
  const ControlRect& button = layout.homepageButton;
  const ControlSetup controls[] = {
      {WC_STATICW, kNotice, SS_LEFT | SS_NOPREFIX, kNoticeId, notice.x, notice.y, notice.width, notice.height},
      {WC_BUTTONW, serverAddress_, WS_TABSTOP | BS_DEFPUSHBUTTON, kHomepageButtonId, button.x, button.y,
       button.width, button.height},
  };
  for (const ControlSetup& setup : controls) {
    HWND control = CreateControl(hwnd_, instance_, setup);
    if (control == nullptr) return false;
    SetControlFont(control, font_.Get());
  }
  return true;
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
    default:
      return DefaultHandling(message, wParam, lParam);
  }
}

}  // namespace corvanta
