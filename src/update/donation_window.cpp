#include "update/donation_window.h"

#include <optional>

#include "platform/controls.h"
#include "platform/dpi.h"
#include "platform/picture_decoder.h"
#include "update/update_layout.h"

namespace corvanta {

namespace {

constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr uint32_t kBackground = 0xFFFFFF;  // what shows through transparent pixels

// One ARGB pixel laid over the background, as an opaque 0x00RRGGBB pixel.
uint32_t OverBackground(uint32_t argb) {
  const uint32_t alpha = argb >> 24;
  uint32_t out = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    const uint32_t top = (argb >> shift) & 0xFF;
    const uint32_t under = (kBackground >> shift) & 0xFF;
    out |= ((top * alpha + under * (255 - alpha) + 127) / 255) << shift;
  }
  return out;
}

// The picture as a 32-bpp DIB section, laid over the background.
HBITMAP BitmapOf(const PixelImage& image) {
  void* bits = nullptr;
  HBITMAP bitmap = CreateTopDownDib(image.width, image.height, &bits);
  if (bitmap == nullptr || bits == nullptr) return bitmap;
  auto* pixels = static_cast<uint32_t*>(bits);
  for (size_t i = 0; i < image.argb.size(); ++i) pixels[i] = OverBackground(image.argb[i]);
  GdiFlush();
  return bitmap;
}

}  // namespace

std::vector<unsigned char> ResourceBytes(HMODULE module, const wchar_t* name) {
  HRSRC found = FindResourceW(module, name, MAKEINTRESOURCEW(10));  // RT_RCDATA
  if (found == nullptr) return {};
  HGLOBAL loaded = LoadResource(module, found);
  const auto* data = static_cast<const unsigned char*>(loaded != nullptr ? LockResource(loaded) : nullptr);
  if (data == nullptr) return {};
  return std::vector<unsigned char>(data, data + SizeofResource(module, found));
}

DonationWindow::DonationWindow(HINSTANCE instance, HMODULE pictureModule)
    : instance_(instance), pictureModule_(pictureModule) {}

bool DonationWindow::Open() {
  WNDCLASSEXW wc{};
  wc.hInstance = instance_;
  wc.hCursor = ArrowCursor();
  wc.hIcon = ProgramIcon(instance_);
  wc.hIconSm = wc.hIcon;
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  if (!RegisterOnce(wc, kClassName)) return false;
  LoadPicture();
  const Size size = DonationWindowSize(SystemDpi());
  const int left = (GetSystemMetrics(SM_CXSCREEN) - size.width) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - size.height) / 2;
  if (!CreateOwnWindow(0, kClassName, "", kStyle, left, top, size.width, size.height, nullptr, instance_)) {
    return false;
  }
  // Sized again for the DPI of the screen it landed on.
  const Size scaled = DonationWindowSize(WindowDpi(hwnd_));
  SetWindowPos(hwnd_, nullptr, 0, 0, scaled.width, scaled.height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  ShowWindow(hwnd_, SW_SHOW);
  return true;
}

void DonationWindow::LoadPicture() {
  const std::optional<PixelImage> image = DecodePicture(ResourceBytes(pictureModule_, kDonationPictureResource));
  if (!image) return;
  picture_.Reset(BitmapOf(*image));
  if (picture_.Get() != nullptr) pictureSize_ = SIZE{image->width, image->height};
}

void DonationWindow::Paint() {
  ScopedPaint paint(hwnd_);
  RECT client{};
  GetClientRect(hwnd_, &client);
  if (picture_.Get() == nullptr) {
    FillRect(paint.Get(), &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    return;
  }
  ScopedMemoryDC source(paint.Get());
  ScopedSelect selected(source.Get(), picture_.Get());
  SetStretchBltMode(paint.Get(), HALFTONE);
  SetBrushOrgEx(paint.Get(), 0, 0, nullptr);
  StretchBlt(paint.Get(), 0, 0, client.right, client.bottom, source.Get(), 0, 0, pictureSize_.cx, pictureSize_.cy,
             SRCCOPY);
}

LRESULT DonationWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // the picture covers the whole client area
    case WM_PAINT:
      Paint();
      return 0;
    case WM_SIZE:
      InvalidateRect(hwnd_, nullptr, FALSE);
      return 0;
    case WM_DPICHANGED: {
      // The picture stretches over whatever client area the window has.
      const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
      const Size size = DonationWindowSize(DpiFromMessage(wParam));
      SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, size.width, size.height,
                   SWP_NOZORDER | SWP_NOACTIVATE);
      return 0;
    }
    default:
      return DefaultHandling(message, wParam, lParam);
  }
}

}  // namespace corvanta
