#include "capture/format_buttons.h"

#include <commctrl.h>

#include <cwchar>

#include "capture/capture_exclusion.h"
#include "capture/region_shot_format_window.h"
#include "capture/scan_shot_format_window.h"
#include "platform/dpi_scale.h"
#include "platform/controls.h"
#include "platform/dpi.h"
#include "shell/topmost.h"

namespace corvanta {

namespace {

constexpr int kButtonFontPoints = 11;
constexpr int kButtonWidth = 144;
constexpr int kButtonHeight = 44;
// How far a format window stands from another one at the same place, right and down.
constexpr int kCascadeStep = 32;

struct ButtonLayout {
  int id;
  const char* text;
  int x, y;
  ImageFormat format;
};

constexpr ButtonLayout kButtons[] = {
    {kBmpFormatButton, "储存为BMP", 14, 14, ImageFormat::kBmp},
    {kJpgFormatButton, "储存为JPG", 172, 14, ImageFormat::kJpeg},
    {kGifFormatButton, "储存为GIF", 14, 72, ImageFormat::kGif},
    {kPngFormatButton, "储存为PNG", 172, 72, ImageFormat::kPng},
};

struct FormatWindowSearch {
  HWND window;
  POINT corner;
  bool found = false;
};

BOOL CALLBACK FindFormatWindowAt(HWND other, LPARAM lParam) {
  auto& search = *reinterpret_cast<FormatWindowSearch*>(lParam);
  wchar_t className[64] = {};
  GetClassNameW(other, className, 64);
  const bool formatWindow = wcscmp(className, RegionShotFormatWindow::kClassName) == 0 ||
                            wcscmp(className, ScanShotFormatWindow::kClassName) == 0;
  RECT place{};
  if (other != search.window && formatWindow && IsWindowVisible(other) && GetWindowRect(other, &place) &&
      place.left == search.corner.x && place.top == search.corner.y) {
    search.found = true;
  }
  return !search.found;
}

// Another visible format window of this thread whose top-left corner is at the point.
bool OtherFormatWindowAt(HWND window, POINT corner) {
  FormatWindowSearch search{window, corner};
  EnumThreadWindows(GetCurrentThreadId(), FindFormatWindowAt, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace

bool FitOutFormatWindow(HWND window, HINSTANCE instance, ScopedFont& font) {
  const int dpi = WindowDpi(window);
  if (!CreateFormatButtons(window, instance, dpi, font)) {
    DestroyWindow(window);
    return false;
  }
  SizeFormatWindow(window, kFormatWindowStyle, dpi);
  SetWindowOnTop(window, true);
  ExcludeFromCapture(window);
  return true;
}

std::optional<LRESULT> HandleFormatMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                           ScopedFont& font, const std::function<void(ImageFormat)>& chosen) {
  switch (message) {
    case WM_COMMAND:
      OnFormatCommand(window, wParam, chosen);
      return 0;
    case WM_DPICHANGED:
      OnFormatDpiChanged(window, kFormatWindowStyle, wParam, lParam, font);
      return 0;
    default:
      return std::nullopt;
  }
}

bool CreateFormatButtons(HWND window, HINSTANCE instance, int dpi, ScopedFont& font) {
  font = CreateUiFont(kButtonFontPoints, dpi);
  ControlBatch buttons(window, instance, font.Get());
  for (const ButtonLayout& button : kButtons) buttons.Add(WC_BUTTONW, button.text, WS_TABSTOP | BS_PUSHBUTTON, button.id);
  if (!buttons.AllCreated()) return false;
  PlaceFormatButtons(window, dpi);
  return true;
}

void PlaceFormatButtons(HWND window, int dpi) {
  for (const ButtonLayout& button : kButtons) {
    SetWindowPos(GetDlgItem(window, button.id), nullptr, DpiScale(button.x, dpi), DpiScale(button.y, dpi),
                 DpiScale(kButtonWidth, dpi), DpiScale(kButtonHeight, dpi), SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

SIZE FormatWindowSize(DWORD style, int dpi) {
  RECT frame{0, 0, DpiScale(kFormatClientWidth, dpi), DpiScale(kFormatClientHeight, dpi)};
  AdjustWindowRectEx(&frame, style, FALSE, 0);
  return SIZE{frame.right - frame.left, frame.bottom - frame.top};
}

void SizeFormatWindow(HWND window, DWORD style, int dpi) {
  const SIZE size = FormatWindowSize(style, dpi);
  POINT corner{(GetSystemMetrics(SM_CXSCREEN) - size.cx) / 2, (GetSystemMetrics(SM_CYSCREEN) - size.cy) / 2};
  // The other format window may be open there already (a scan-region one when a custom-region shot is
  // confirmed): this one stands a step right and down, so that both can be seen.
  if (OtherFormatWindowAt(window, corner)) {
    corner.x += DpiScale(kCascadeStep, dpi);
    corner.y += DpiScale(kCascadeStep, dpi);
  }
  SetWindowPos(window, nullptr, corner.x, corner.y, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

void OnFormatDpiChanged(HWND window, DWORD style, WPARAM wParam, LPARAM lParam, ScopedFont& font) {
  const int dpi = DpiFromMessage(wParam);
  const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
  RefontChildren(window, kButtonFontPoints, dpi, font);
  PlaceFormatButtons(window, dpi);
  const SIZE size = FormatWindowSize(style, dpi);
  SetWindowPos(window, nullptr, suggested.left, suggested.top, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

std::optional<ImageFormat> FormatOfButton(int id) {
  for (const ButtonLayout& button : kButtons) {
    if (button.id == id) return button.format;
  }
  return std::nullopt;
}

void OnFormatCommand(HWND window, WPARAM wParam, const std::function<void(ImageFormat)>& chosen) {
  if (LOWORD(wParam) == IDCANCEL) {
    DestroyWindow(window);
  } else if (HIWORD(wParam) == BN_CLICKED) {
    if (const auto format = FormatOfButton(LOWORD(wParam))) chosen(*format);
  }
}

}  // namespace corvanta
