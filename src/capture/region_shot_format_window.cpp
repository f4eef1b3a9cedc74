#include "capture/region_shot_format_window.h"

#include <commctrl.h>

#include "capture/capture_exclusion.h"
#include "capture/screen_capture.h"
#include "capture/screenshots.h"
#include "shell/main_window_seam.h"
#include "shell/program.h"
#include "shell/topmost.h"

namespace corvanta {

namespace {

void Run(const std::function<void()>& hook) {
  if (hook) hook();
}

}  // namespace

RegionShotFormatWindow::RegionShotFormatWindow(Program& program, Screenshots& screenshots, RegionShotSelection selection)
    : program_(program), screenshots_(screenshots), selection_(std::move(selection)) {}

void RegionShotFormatWindow::RunModal() {
  HWND main = program_.Main().Hwnd();
  if (!Create()) {
    OnDestroyed();  // nothing to choose from: end as a window closed without a choice would
    return;
  }
  EnableWindow(main, FALSE);
  ShowWindow(hwnd_, SW_SHOW);
  RunModalLoop();
  if (hwnd_ != nullptr) DestroyWindow(hwnd_);
}

bool RegionShotFormatWindow::Create() {
  if (!CreateToolWindow(0, program_.Instance(), kClassName, kCaption, kFormatWindowStyle, kFormatClientWidth, kFormatClientHeight)) {
    return false;
  }
  if (!FitOutFormatWindow(hwnd_, program_.Instance(), font_)) return false;
  CaptureSelection();
  return true;
}

// The window is still hidden here, so it is not in the picture, and neither are the selection's windows;
// the main window shows again afterwards.
void RegionShotFormatWindow::CaptureSelection() {
  Run(selection_.hideHint);
  const RECT region = selection_.region ? selection_.region() : RECT{};
  const OutOfScreenCopies selectionAway(selection_.windows ? selection_.windows() : std::vector<HWND>{});
  pendingImage_ = CaptureRegion(region.left, region.top, region.right - region.left, region.bottom - region.top,
                                program_.State().screenshotDepth);
  ShowWindow(program_.Main().Hwnd(), SW_SHOWNA);
}

void RegionShotFormatWindow::OnFormatChosen(ImageFormat format) {
  SetWindowPos(hwnd_, nullptr, GetSystemMetrics(SM_CXSCREEN) + 100, 0, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  const std::optional<std::string> fileName = screenshots_.Store(pendingImage_, format);
  if (fileName) screenshots_.OpenFolderIfWanted();
  SetWindowOnTop(hwnd_, false);
  program_.Modes().RegionShotFinished();
  // The selection has left the screen: the box about a shot that was not saved is not hidden under it.
  if (fileName) {
    screenshots_.PreviewIfWanted(*fileName);
  } else {
    screenshots_.ReportStoreFailure();
  }
  DestroyWindow(hwnd_);
}

void RegionShotFormatWindow::OnDestroyed() {
  // Before this window goes: the owner enables the main window again unless it is a locked overlay, so
  // the activation returns to it.
  program_.Modes().RegionShotFinished();
  pendingImage_.clear();
}

LRESULT RegionShotFormatWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
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
