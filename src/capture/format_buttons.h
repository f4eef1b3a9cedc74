// The four format buttons that both screenshot format windows ("选择图片格式：") carry, 144 x 44 each
// in a client area of 330 x 130 at 96 DPI.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>

#include "capture/image_format.h"
#include "platform/gdi.h"

namespace corvanta {

// Button ids, clear of IDOK and IDCANCEL, which Enter and Esc send.
inline constexpr int kBmpFormatButton = 101;
inline constexpr int kJpgFormatButton = 102;
inline constexpr int kGifFormatButton = 103;
inline constexpr int kPngFormatButton = 104;
inline constexpr int kFormatClientWidth = 330;
inline constexpr int kFormatClientHeight = 130;
inline constexpr DWORD kFormatWindowStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;

// Fits out a format window just made with kFormatWindowStyle: its buttons, its size for its DPI, centred
// on the screen, always on top and kept out of screen captures. False, with the window destroyed, when
// the buttons could not be made.
bool FitOutFormatWindow(HWND window, HINSTANCE instance, ScopedFont& font);
// The messages both format windows handle alike: a format button, Esc and a DPI change. The message's
// result when it is one of them.
std::optional<LRESULT> HandleFormatMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                           ScopedFont& font, const std::function<void(ImageFormat)>& chosen);
// Creates the buttons in their design places for the DPI, with the UI font kept in font.
bool CreateFormatButtons(HWND window, HINSTANCE instance, int dpi, ScopedFont& font);
// Puts the buttons in their design places for the DPI.
void PlaceFormatButtons(HWND window, int dpi);
// The outer size of a window of that style with the client size of the DPI.
SIZE FormatWindowSize(DWORD style, int dpi);
// Gives the window its client size for the DPI and centres it on the screen, or a step right and down
// of another format window already there.
void SizeFormatWindow(HWND window, DWORD style, int dpi);
// A format window's WM_DPICHANGED: the buttons get their places and font for the new DPI, the window
// its size for it at the place the system suggests.
void OnFormatDpiChanged(HWND window, DWORD style, WPARAM wParam, LPARAM lParam, ScopedFont& font);
// The format of a button id, none for any other id.
std::optional<ImageFormat> FormatOfButton(int id);
// A format window's WM_COMMAND: Esc closes the window without a choice, a format button chooses.
void OnFormatCommand(HWND window, WPARAM wParam, const std::function<void(ImageFormat)>& chosen);

}  // namespace corvanta
