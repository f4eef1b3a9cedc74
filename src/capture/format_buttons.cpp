#include "capture/format_buttons.h"

#include <commctrl.h>

#include "app/dpi_scale.h"
#include "platform/controls.h"
#include "platform/dpi.h"

namespace corvanta {

namespace {

constexpr int kButtonFontPoints = 11;
constexpr int kButtonWidth = 144;
constexpr int kButtonHeight = 44;

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

}  // namespace

bool CreateFormatButtons(HWND window, HINSTANCE instance, int dpi, ScopedFont& font) {
  font = CreateUiFont(kButtonFontPoints, dpi);
  for (const ButtonLayout& button : kButtons) {
    const ControlSetup setup{WC_BUTTONW,
                           button.text,
                           WS_TABSTOP | BS_PUSHBUTTON,
                           button.id,
                           DpiScale(button.x, dpi),
                           DpiScale(button.y, dpi),
                           DpiScale(kButtonWidth, dpi),
                           DpiScale(kButtonHeight, dpi)};
    HWND control = CreateControl(window, instance, setup);
    if (control == nullptr) return false;
    SetControlFont(control, font.Get());
  }
  return true;
}

void SizeFormatWindow(HWND window, DWORD style, int dpi) {
  RECT frame{0, 0, DpiScale(kFormatClientWidth, dpi), DpiScale(kFormatClientHeight, dpi)};
  AdjustWindowRectEx(&frame, style, FALSE, 0);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  SetWindowPos(window, nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
               (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
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
