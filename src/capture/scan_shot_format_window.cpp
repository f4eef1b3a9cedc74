#include "capture/scan_shot_format_window.h"

#include "app/app.h"
#include "app/main_window.h"
#include "capture/screenshot_saver.h"
#include "platform/controls.h"
#include "platform/dpi.h"

namespace corvanta {

namespace {
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
}

ScanShotFormatWindow::ScanShotFormatWindow(App& app) : app_(app), handOver_(app.Main()) {}

bool ScanShotFormatWindow::Open() {
  if (hwnd_ != nullptr) return true;
  if (!CreateToolWindow(0, app_.Instance(), kClassName, kCaption, kStyle, kFormatClientWidth, kFormatClientHeight)) {
    return false;
  }
  handOver_.Take();
  const int dpi = WindowDpi(hwnd_);
  if (!CreateFormatButtons(hwnd_, app_.Instance(), dpi, font_)) {
    DestroyWindow(hwnd_);
    return false;
  }
  SizeFormatWindow(hwnd_, kStyle, dpi);
  SetWindowPos(hwnd_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
  return true;
}

void ScanShotFormatWindow::OnFormatChosen(ImageFormat format) {
  // The window leaves the screen first, so the shot of the scan region does not show it.
  ShowWindow(hwnd_, SW_HIDE);
  SaveScanRegionScreenshot(app_, format);
  if (hwnd_ != nullptr) DestroyWindow(hwnd_);
}

void ScanShotFormatWindow::OnDestroyed() {
  SetWindowPos(hwnd_, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  app_.Main().ClearHotkeyBusyMark(ActionTimer::kScanRegionShot);
  handOver_.GiveBack();
}

LRESULT ScanShotFormatWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      OnFormatCommand(hwnd_, wParam, [this](ImageFormat format) { OnFormatChosen(format); });
      return 0;
    case WM_DPICHANGED:
      OnFormatDpiChanged(hwnd_, kStyle, wParam, lParam, font_);
      return 0;
    case WM_DESTROY:
      OnDestroyed();
      return 0;
    default:
      return DefaultHandling(message, wParam, lParam);
  }
}

}  // namespace corvanta
