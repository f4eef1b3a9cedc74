#include "region/region_window.h"

#include "shell/win_rect.h"

#include "capture/capture_exclusion.h"
#include "platform/gdi.h"
#include "region/custom_region.h"
#include "region/region_select_window.h"

namespace corvanta {

namespace {

constexpr BYTE kRegionWindowAlpha = 1;

}  // namespace

bool RegionWindow::Create(HINSTANCE instance, const Rect& parked) {
  WNDCLASSEXW wc{};
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32515));  // IDC_CROSS
  if (!RegisterOnce(wc, kClassName)) return false;
  if (!CreateOwnWindow(WS_EX_LAYERED, kClassName, "", WS_POPUP, parked.left, parked.top, parked.width,
                       parked.height, nullptr, instance)) {
    return false;
  }
  SetLayeredWindowAttributes(hwnd_, kRegionSurfaceBackground, kRegionWindowAlpha, LWA_ALPHA);
  ExcludeFromCapture(hwnd_);  // it lies exactly on what a screenshot of the region copies
  ShowWindow(hwnd_, SW_SHOWNA);
  return true;
}

void RegionWindow::Place(const Rect& region) {
  SetWindowPos(hwnd_, HWND_TOP, region.left, region.top, region.width, region.height, SWP_NOACTIVATE);
}

Rect RegionWindow::Bounds() const {
  return WindowRectOf(hwnd_);
}

LRESULT RegionWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (const auto result = owner_.OnSelectionMessage(hwnd_, message, wParam, lParam)) return *result;
  switch (message) {
    case WM_ERASEBKGND: {
      ScopedBrush brush(CreateSolidBrush(kRegionSurfaceBackground));
      return EraseClientWith(hwnd_, wParam, brush.Get());
    }
    case WM_LBUTTONUP:
      owner_.OnRegionLeftReleased();
      return 0;
    case WM_DESTROY:
      owner_.OnWindowDestroyed();
      return 0;
    default:
      return DefaultHandling(message, wParam, lParam);
  }
}

}  // namespace corvanta
