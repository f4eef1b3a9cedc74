// Small RAII owners for GDI handles and device contexts; copying is deleted.
#pragma once

#include <windows.h>

#include <utility>

namespace corvanta {

template <typename Handle>
class ScopedGdiObject {
 public:
  ScopedGdiObject() = default;
  explicit ScopedGdiObject(Handle handle) : handle_(handle) {}
  ScopedGdiObject(const ScopedGdiObject&) = delete;
  ScopedGdiObject& operator=(const ScopedGdiObject&) = delete;
  ScopedGdiObject(ScopedGdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  ScopedGdiObject& operator=(ScopedGdiObject&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.handle_, nullptr));
    return *this;
  }
  ~ScopedGdiObject() { Reset(); }

  // Takes ownership of handle; the handle held so far is deleted unless it is the same one.
  void Reset(Handle handle = nullptr) {
    if (handle_ != nullptr && handle_ != handle) DeleteObject(handle_);
    handle_ = handle;
  }
  Handle Get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }

 private:
  Handle handle_ = nullptr;
};

using ScopedPen = ScopedGdiObject<HPEN>;
using ScopedBrush = ScopedGdiObject<HBRUSH>;
using ScopedBitmap = ScopedGdiObject<HBITMAP>;
using ScopedFont = ScopedGdiObject<HFONT>;
using ScopedRegion = ScopedGdiObject<HRGN>;

// GetDC / ReleaseDC.
class ScopedWindowDC {
 public:
  explicit ScopedWindowDC(HWND hwnd) : hwnd_(hwnd), dc_(GetDC(hwnd)) {}
  ScopedWindowDC(const ScopedWindowDC&) = delete;
  ScopedWindowDC& operator=(const ScopedWindowDC&) = delete;
  ~ScopedWindowDC() {
    if (dc_ != nullptr) ReleaseDC(hwnd_, dc_);
  }
  HDC Get() const { return dc_; }

 private:
  HWND hwnd_;
  HDC dc_;
};

// CreateCompatibleDC / DeleteDC.
class ScopedMemoryDC {
 public:
  explicit ScopedMemoryDC(HDC reference) : dc_(CreateCompatibleDC(reference)) {}
  ScopedMemoryDC(const ScopedMemoryDC&) = delete;
  ScopedMemoryDC& operator=(const ScopedMemoryDC&) = delete;
  ~ScopedMemoryDC() {
    if (dc_ != nullptr) DeleteDC(dc_);
  }
  HDC Get() const { return dc_; }

 private:
  HDC dc_;
};

// BeginPaint / EndPaint.
class ScopedPaint {
 public:
  explicit ScopedPaint(HWND hwnd) : hwnd_(hwnd), dc_(BeginPaint(hwnd, &paint_)) {}
  ScopedPaint(const ScopedPaint&) = delete;
  ScopedPaint& operator=(const ScopedPaint&) = delete;
  ~ScopedPaint() { EndPaint(hwnd_, &paint_); }
  HDC Get() const { return dc_; }
  const RECT& Area() const { return paint_.rcPaint; }

 private:
  HWND hwnd_;
  PAINTSTRUCT paint_{};
  HDC dc_;
};

// SelectObject, undone at scope exit.
class ScopedSelect {
 public:
  ScopedSelect(HDC dc, HGDIOBJ object) : dc_(dc), previous_(dc != nullptr ? SelectObject(dc, object) : nullptr) {}
  ScopedSelect(const ScopedSelect&) = delete;
  ScopedSelect& operator=(const ScopedSelect&) = delete;
  ~ScopedSelect() {
    if (previous_ != nullptr && previous_ != HGDI_ERROR) SelectObject(dc_, previous_);
  }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// WM_ERASEBKGND answered with a brush: fills the whole client area and returns 1, "erased".
inline LRESULT EraseClientWith(HWND hwnd, WPARAM dc, HBRUSH brush) {
  RECT client{};
  GetClientRect(hwnd, &client);
  FillRect(reinterpret_cast<HDC>(dc), &client, brush);
  return 1;
}

// A 32-bpp top-down DIB section of width x height; bits receives its first row.
inline HBITMAP CreateTopDownDib(int width, int height, void** bits) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // negative: the first row is the top row
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, bits, nullptr, 0);
}

}  // namespace corvanta
