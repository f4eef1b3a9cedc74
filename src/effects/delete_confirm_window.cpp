#include "effects/delete_confirm_window.h"

#include <commctrl.h>

#include "shell/geometry.h"
#include "platform/controls.h"
#include "platform/dpi.h"

namespace corvanta {

namespace {

constexpr int kClientWidth = 460;
constexpr int kClientHeight = 150;
constexpr int kMargin = 16;
constexpr int kButtonWidth = 96;
constexpr int kButtonHeight = 32;
constexpr int kFontPoints = 10;
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;

}  // namespace

DeleteConfirmWindow::DeleteConfirmWindow(HINSTANCE instance, std::string path)
    : instance_(instance), path_(std::move(path)) {}

bool DeleteConfirmWindow::CreateAt(HWND owner) {
  WNDCLASSEXW wc{};
  wc.hInstance = instance_;
  wc.hCursor = ArrowCursor();
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  if (!RegisterOnce(wc, kClassName)) return false;

  dpi_ = owner != nullptr ? WindowDpi(owner) : SystemDpi();
  const SIZE size = WindowSize();
  const int width = size.cx;
  const int height = size.cy;
  // Centred over the owner, or over the screen without one.
  RECT over{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  if (owner != nullptr && IsWindowVisible(owner)) GetWindowRect(owner, &over);
  const int left = over.left + ((over.right - over.left) - width) / 2;
  const int top = over.top + ((over.bottom - over.top) - height) / 2;
  return CreateOwnWindow(kExStyle, kClassName, kCaption, kStyle, left, top, width, height, owner, instance_);
}

SIZE DeleteConfirmWindow::WindowSize() const {
  RECT frame{0, 0, Scale(kClientWidth), Scale(kClientHeight)};
  AdjustWindowRectEx(&frame, kStyle, FALSE, kExStyle);
  return SIZE{frame.right - frame.left, frame.bottom - frame.top};
}

bool DeleteConfirmWindow::CreateControls() {
  font_ = CreateUiFont(kFontPoints, dpi_);
  ControlBatch controls(hwnd_, instance_, font_.Get());
  controls.Add(WC_STATICW, path_, SS_LEFT | SS_NOPREFIX | SS_EDITCONTROL, kPathLabelId);
  controls.Add(WC_BUTTONW, "确定", WS_TABSTOP | BS_DEFPUSHBUTTON, IDOK);
  controls.Add(WC_BUTTONW, "取消", WS_TABSTOP | BS_PUSHBUTTON, IDCANCEL);
  if (!controls.AllCreated()) return false;
  PlaceControls();
  return true;
}

void DeleteConfirmWindow::PlaceControls() {
  const int clientWidth = Scale(kClientWidth);
  const int margin = Scale(kMargin);
  const int buttonWidth = Scale(kButtonWidth);
  const int buttonHeight = Scale(kButtonHeight);
  const int buttonTop = Scale(kClientHeight) - margin - buttonHeight;
  const struct {
    int id;
    Rect place;
  } places[] = {
      {kPathLabelId, {margin, margin, clientWidth - 2 * margin, buttonTop - 2 * margin}},
      {IDOK, {clientWidth - 2 * (buttonWidth + margin), buttonTop, buttonWidth, buttonHeight}},
      {IDCANCEL, {clientWidth - buttonWidth - margin, buttonTop, buttonWidth, buttonHeight}},
  };
  for (const auto& control : places) {
    const Rect& r = control.place;
    SetWindowPos(GetDlgItem(hwnd_, control.id), nullptr, r.left, r.top, r.width, r.height, SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void DeleteConfirmWindow::OnDpiChanged(int dpi, const RECT& suggested) {
  dpi_ = dpi;
  RefontChildren(hwnd_, kFontPoints, dpi_, font_);
  PlaceControls();
  const SIZE size = WindowSize();
  SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

bool DeleteConfirmWindow::RunModal(HWND owner) {
  confirmed_ = false;
  owner_ = owner;
  if (!CreateAt(owner)) return false;
  if (owner_ != nullptr) EnableWindow(owner_, FALSE);
  ShowWindow(hwnd_, SW_SHOW);
  SetFocus(GetDlgItem(hwnd_, IDOK));
  RunModalLoop();
  if (hwnd_ != nullptr) Close(false);
  if (owner_ != nullptr) EnableWindow(owner_, TRUE);
  return confirmed_;
}

void DeleteConfirmWindow::Close(bool confirmed) {
  confirmed_ = confirmed;
  // The owner takes input again before this window goes, so the activation returns to it.
  if (owner_ != nullptr) EnableWindow(owner_, TRUE);
  DestroyWindow(hwnd_);
}

LRESULT DeleteConfirmWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      return CreateControls() ? 0 : -1;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) Close(LOWORD(wParam) == IDOK);
      return 0;
    case WM_CLOSE:
      Close(false);
      return 0;
    case WM_DPICHANGED:
      OnDpiChanged(DpiFromMessage(wParam), *reinterpret_cast<const RECT*>(lParam));
      return 0;
    default:
      return DefaultHandling(message, wParam, lParam);
  }
}

}  // namespace corvanta
