#include "region/region_select_window.h"

#include "shell/win_rect.h"

#include "capture/capture_exclusion.h"
#include "platform/controls.h"
#include "platform/dpi.h"
#include "region/custom_region.h"
#include "shell/colour.h"

namespace corvanta {

namespace {

constexpr int kOutlinePenWidth = 2;
constexpr int kHintFontPoints = 11;
constexpr COLORREF kHintTextColour = ToColorRef({255, 255, 255});
constexpr int kParkMargin = 100;
constexpr const char* kHintText =
    "ESC或退格键返回\r\n按键盘任意键锁定\r\n按住鼠标左键选取区域\r\n鼠标右键取消已选取区域\r\n";


}  // namespace

bool RegionSelectWindow::Create(HINSTANCE instance, int screenWidth, int screenHeight, COLORREF outlineColour) {
  WNDCLASSEXW wc{};
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32515));  // IDC_CROSS
  if (!RegisterOnce(wc, kClassName)) return false;
  outlineColour_ = outlineColour;
  backgroundBrush_.Reset(CreateSolidBrush(kRegionSurfaceBackground));
  if (!CreateOwnWindow(WS_EX_LAYERED, kClassName, "", WS_POPUP | WS_CLIPCHILDREN, 0, 0, screenWidth, screenHeight,
                       nullptr, instance)) {
    return false;
  }
  SetLayeredWindowAttributes(hwnd_, kRegionSurfaceColourKey, kRegionSurfaceAlpha, LWA_COLORKEY | LWA_ALPHA);
  ExcludeFromCapture(hwnd_);  // a screenshot of the dragged rectangle never shows the surface or its outline
  return CreateHint(instance);
}

bool RegionSelectWindow::CreateHint(HINSTANCE instance) {
  hint_ = CreateControl(hwnd_, instance, ControlSetup{L"STATIC", kHintText, SS_LEFT, 1, 0, 0, 0, 0});
  if (hint_ == nullptr) return false;
  hintFont_ = CreateUiFont(kHintFontPoints, Dpi());
  SetControlFont(hint_, hintFont_.Get());
  ParkHint();
  return true;
}

void RegionSelectWindow::ShowWithFocus() {
  ShowWindow(hwnd_, SW_SHOW);
  SetForegroundWindow(hwnd_);
  SetFocus(hwnd_);
}

int RegionSelectWindow::Dpi() const { return WindowDpi(hwnd_); }

void RegionSelectWindow::SetOutline(const Rect& outline) {
  if (outline == outline_) return;
  InvalidateOutline(outline_);
  outline_ = outline;
  InvalidateOutline(outline_);
}

void RegionSelectWindow::InvalidateOutline(const Rect& outline) {
  const RECT area = ToRECT(outline);
  InvalidateRect(hwnd_, &area, FALSE);
}

void RegionSelectWindow::PlaceHint(int left, int top, int width, int height) {
  SetWindowPos(hint_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void RegionSelectWindow::ParkHint() {
  RECT client{};
  GetClientRect(hwnd_, &client);
  PlaceHint(client.right + kParkMargin, 0, 0, 0);
}

void RegionSelectWindow::StartDragTimer() { SetTimer(hwnd_, kDragTimer, kDragInterval, nullptr); }

void RegionSelectWindow::StopDragTimer() { KillTimer(hwnd_, kDragTimer); }

void RegionSelectWindow::Paint() {
  ScopedPaint paint(hwnd_);
  HDC dc = paint.Get();
  FillRect(dc, &paint.Area(), backgroundBrush_.Get());
  const RECT outline = ToRECT(outline_);
  if (IsRectEmpty(&outline)) return;
  // The inside is the colour key, so the screen shows through it; the frame lies inside the edge.
  ScopedBrush key(CreateSolidBrush(kRegionSurfaceColourKey));
  FillRect(dc, &outline, key.Get());
  ScopedPen pen(CreatePen(PS_INSIDEFRAME, kOutlinePenWidth, outlineColour_));
  ScopedSelect selectPen(dc, pen.Get());
  ScopedSelect selectBrush(dc, GetStockObject(NULL_BRUSH));
  Rectangle(dc, outline.left, outline.top, outline.right, outline.bottom);
}

LRESULT RegionSelectWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (const auto result = owner_.OnSelectionMessage(hwnd_, message, wParam, lParam)) return *result;
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT fills everything
    case WM_PAINT:
      Paint();
      return 0;
    case WM_CTLCOLORSTATIC: {
      HDC dc = reinterpret_cast<HDC>(wParam);
      SetTextColor(dc, kHintTextColour);
      SetBkColor(dc, kRegionSurfaceBackground);
      return reinterpret_cast<LRESULT>(backgroundBrush_.Get());
    }
    case WM_LBUTTONDOWN:
      owner_.OnSurfaceLeftPressed();
      return 0;
    case WM_LBUTTONUP:
      owner_.OnSurfaceLeftReleased();
      return 0;
    case WM_TIMER:
      if (wParam == kDragTimer) owner_.OnDragTick();
      return 0;
    case WM_CAPTURECHANGED:
      owner_.OnMouseLost();
      return 0;
    case WM_DESTROY:
      StopDragTimer();
      owner_.OnWindowDestroyed();
      return 0;
    default:
      return DefaultHandling(message, wParam, lParam);
  }
}

}  // namespace corvanta
