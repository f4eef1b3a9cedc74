#include "capture/scan_shot_format_window.h"

#include "capture/capture_exclusion.h"
#include "capture/screenshots.h"
#include "platform/controls.h"
#include "platform/dpi.h"
#include "shell/main_window_seam.h"
#include "shell/program.h"
#include "shell/topmost.h"

namespace corvanta {

namespace {
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
}

ScanShotFormatWindow::ScanShotFormatWindow(Program& program, Screenshots& screenshots)
    : program_(program), screenshots_(screenshots), handOver_(program.Modes()) {}

bool ScanShotFormatWindow::Open() {
  if (hwnd_ != nullptr) return true;
  if (!CreateToolWindow(0, program_.Instance(), kClassName, kCaption, kStyle, kFormatClientWidth, kFormatClientHeight)) {
    return false;
  }
  handOver_.Take();
  const int dpi = WindowDpi(hwnd_);
  if (!CreateFormatButtons(hwnd_, program_.Instance(), dpi, font_)) {
    DestroyWindow(hwnd_);
    return false;
  }
  SizeFormatWindow(hwnd_, kStyle, dpi);
  SetWindowOnTop(hwnd_, true);
  ExcludeFromCapture(hwnd_);
  ShowWindow(hwnd_, SW_SHOW);
  return true;
}

void ScanShotFormatWindow::OnFormatChosen(ImageFormat format) {
  // The window leaves the screen first, so the shot of the scan region does not show it.
  ShowWindow(hwnd_, SW_HIDE);
  if (!IsExcludedFromCapture(hwnd_)) WaitForScreenToSettle();
  screenshots_.SaveScanRegion(format);
  if (hwnd_ != nullptr) DestroyWindow(hwnd_);
}

void ScanShotFormatWindow::OnDestroyed() {
  SetWindowOnTop(hwnd_, false);
  program_.Main().ClearHotkeyBusyMark(ActionTimer::kScanRegionShot);
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
