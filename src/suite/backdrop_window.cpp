#include "suite/backdrop_window.h"

#include "platform/controls.h"
#include "platform/gdi.h"
#include "platform/picture_decoder.h"

namespace corvanta {

namespace {

constexpr UINT_PTR kShowTimer = 1;
constexpr UINT kShowDelay = 30;

}  // namespace

bool BackdropWindow::Create(HINSTANCE instance, COLORREF colour, ShowHandler onShow) {
  colour_ = colour;
  onShow_ = std::move(onShow);
  WNDCLASSEXW wc{};
  wc.hInstance = instance;
  wc.hCursor = ArrowCursor();
  if (!RegisterOnce(wc, kClassName)) return false;
  // Disabled: clicks on it are ignored and never activate it. Shown once it is in place (Show).
  return CreateOwnWindow(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kClassName, "", WS_POPUP | WS_DISABLED, 0, 0, 1, 1,
                         nullptr, instance);
}

void BackdropWindow::SetColour(COLORREF colour) {
  colour_ = colour;
  InvalidateRect(hwnd_, nullptr, TRUE);
}

bool BackdropWindow::SetPicture(const std::vector<unsigned char>& fileBytes) {
  picture_ = DecodePicture(fileBytes);
  InvalidateRect(hwnd_, nullptr, TRUE);
  return picture_.has_value();
}

void BackdropWindow::RemovePicture() {
  picture_.reset();
  InvalidateRect(hwnd_, nullptr, TRUE);
}

SIZE BackdropWindow::PictureSize() const {
  if (!picture_) return SIZE{0, 0};
  return SIZE{picture_->width, picture_->height};
}

void BackdropWindow::PlaceBelow(HWND above, const Rect& place) {
  SetWindowPos(hwnd_, above, place.left, place.top, place.width, place.height, SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}

void BackdropWindow::Show(bool visible) { ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE); }

void BackdropWindow::StartShowTimer() {
  if (SetTimer(hwnd_, kShowTimer, kShowDelay, nullptr) != 0) showPending_ = true;
}

void BackdropWindow::Paint() {
  ScopedPaint paint(hwnd_);
  RECT client{};
  GetClientRect(hwnd_, &client);
  ScopedBrush brush(CreateSolidBrush(colour_));
  FillRect(paint.Get(), &client, brush.Get());
  if (!picture_ || picture_->width <= 0 || picture_->height <= 0) return;
  const Rect fit = FitPicture(picture_->width, picture_->height, client.right, client.bottom);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = picture_->width;
  info.bmiHeader.biHeight = -picture_->height;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  SetStretchBltMode(paint.Get(), HALFTONE);
  SetBrushOrgEx(paint.Get(), 0, 0, nullptr);
  StretchDIBits(paint.Get(), fit.left, fit.top, fit.width, fit.height, 0, 0, picture_->width, picture_->height,
                picture_->argb.data(), &info, DIB_RGB_COLORS, SRCCOPY);
}

LRESULT BackdropWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      Paint();
      return 0;
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    case WM_TIMER:
      if (wParam == kShowTimer) {
        KillTimer(hwnd_, kShowTimer);
        showPending_ = false;
        if (onShow_) onShow_(*this);
        return 0;
      }
      break;
    default:
      break;
  }
  return DefaultHandling(message, wParam, lParam);
}

}  // namespace corvanta
