#include "capture/scan_shot_format_window.h"

#include "capture/capture_exclusion.h"
#include "capture/screenshots.h"
#include "shell/main_window_seam.h"
#include "shell/program.h"
#include "shell/topmost.h"

namespace corvanta {

ScanShotFormatWindow::ScanShotFormatWindow(Program& program, Screenshots& screenshots)
    : program_(program), screenshots_(screenshots), handOver_(program.Modes()) {}

bool ScanShotFormatWindow::Open() {
  if (hwnd_ != nullptr) return true;
  if (!CreateToolWindow(0, program_.Instance(), kClassName, kCaption, kFormatWindowStyle, kFormatClientWidth, kFormatClientHeight)) {
    return false;
  }
  handOver_.Take();
  if (!FitOutFormatWindow(hwnd_, program_.Instance(), font_)) return false;
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
  if (const auto handled = HandleFormatMessage(hwnd_, message, wParam, lParam, font_,
                                                [this](ImageFormat format) { OnFormatChosen(format); })) {
    return *handled;
  }
  switch (message) {
    case WM_DESTROY:
      OnDestroyed();
      return 0;
    default:
      return DefaultHandling(message, wParam, lParam);
  }
}

}  // namespace corvanta
