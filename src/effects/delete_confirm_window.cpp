#include "effects/delete_confirm_window.h"

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
  WNDCLASSEXA wc{};
  wc.hInstance = instance_;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  RegisterOnce(wc, kClassName);

  RECT frame{0, 0, kClientWidth, kClientHeight};
  AdjustWindowRectEx(&frame, kStyle, FALSE, kExStyle);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  // Centred over the owner, or over the screen without one.
  RECT over{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  if (owner != nullptr && IsWindowVisible(owner)) GetWindowRect(owner, &over);
  const int left = over.left + ((over.right - over.left) - width) / 2;
  const int top = over.top + ((over.bottom - over.top) - height) / 2;
  CreateWindowExA(kExStyle, kClassName, kCaption, kStyle, left, top, width, height, owner, nullptr, instance_, this);
  return hwnd_ != nullptr;
}

void DeleteConfirmWindow::CreateControls() {
  HDC screen = GetDC(nullptr);
  const int fontHeight = -MulDiv(kFontPoints, GetDeviceCaps(screen, LOGPIXELSY), 72);
  ReleaseDC(nullptr, screen);
  font_.Reset(CreateFontA(fontHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                          CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "微软雅黑"));
  const int buttonTop = kClientHeight - kMargin - kButtonHeight;
  struct Control {
    const char* className;
    const char* text;
    DWORD style;
    int id;
    int x, y, width, height;
  } controls[] = {
      {"STATIC", path_.c_str(), SS_LEFT | SS_NOPREFIX | SS_EDITCONTROL, kPathLabelId, kMargin, kMargin,
       kClientWidth - 2 * kMargin, buttonTop - 2 * kMargin},
      {"BUTTON", "确定", WS_TABSTOP | BS_DEFPUSHBUTTON, IDOK, kClientWidth - 2 * (kButtonWidth + kMargin), buttonTop,
       kButtonWidth, kButtonHeight},
      {"BUTTON", "取消", WS_TABSTOP | BS_PUSHBUTTON, IDCANCEL, kClientWidth - kButtonWidth - kMargin, buttonTop,
       kButtonWidth, kButtonHeight},
  };
  for (const Control& c : controls) {
    HWND control = CreateWindowExA(0, c.className, c.text, WS_CHILD | WS_VISIBLE | c.style, c.x, c.y, c.width,
                                   c.height, hwnd_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)), instance_,
                                   nullptr);
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
  }
}

bool DeleteConfirmWindow::RunModal(HWND owner) {
  confirmed_ = false;
  owner_ = owner;
  if (!CreateAt(owner)) return false;
  if (owner_ != nullptr) EnableWindow(owner_, FALSE);
  ShowWindow(hwnd_, SW_SHOW);
  SetFocus(GetDlgItem(hwnd_, IDOK));
  MSG message{};
  while (hwnd_ != nullptr) {
    const BOOL got = GetMessageA(&message, nullptr, 0, 0);
    if (got <= 0) {
      if (got == 0) PostQuitMessage(static_cast<int>(message.wParam));  // the outer loop ends too
      break;
    }
    if (!IsDialogMessageA(hwnd_, &message)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  }
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
      CreateControls();
      return 0;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) Close(LOWORD(wParam) == IDOK);
      return 0;
    case WM_CLOSE:
      Close(false);
      return 0;
    default:
      return DefWindowProcA(hwnd_, message, wParam, lParam);
  }
}

}  // namespace corvanta
