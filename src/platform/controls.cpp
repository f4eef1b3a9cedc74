#include "platform/controls.h"

#include <vector>

#include "platform/text_conv.h"

namespace corvanta {

HWND CreateControl(HWND parent, HINSTANCE instance, const ControlSetup& setup) {
  return CreateWindowExW(setup.exStyle, setup.className, ToWide(setup.text).c_str(), WS_CHILD | WS_VISIBLE | setup.style,
                         setup.x, setup.y, setup.width, setup.height, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(setup.id)), instance, nullptr);
}

void SetControlFont(HWND control, HFONT font) {
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

namespace {

BOOL CALLBACK SetFontOfChild(HWND child, LPARAM font) {
  SetControlFont(child, reinterpret_cast<HFONT>(font));
  return TRUE;
}

}  // namespace

void ControlBatch::Add(const wchar_t* className, std::string_view text, DWORD style, int id) {
  const HWND control = CreateControl(parent_, instance_, ControlSetup{className, text, style, id, 0, 0, 0, 0});
  if (control == nullptr) {
    allCreated_ = false;
    return;
  }
  SetControlFont(control, font_);
}

void SetChildrenFont(HWND parent, HFONT font) {
  EnumChildWindows(parent, SetFontOfChild, reinterpret_cast<LPARAM>(font));
}

void SetWindowTextGbk(HWND hwnd, std::string_view text) { SetWindowTextW(hwnd, ToWide(text).c_str()); }

std::string WindowTextGbk(HWND hwnd) {
  const int length = GetWindowTextLengthW(hwnd);
  if (length <= 0) return {};
  std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(hwnd, buffer.data(), length + 1);
  return FromWide(std::wstring_view(buffer.data(), static_cast<size_t>(copied > 0 ? copied : 0)));
}

int ShowMessageBox(HWND owner, std::string_view text, std::string_view caption, UINT type) {
  return MessageBoxW(owner, ToWide(text).c_str(), ToWide(caption).c_str(), type);
}

HICON ProgramIcon(HINSTANCE instance) {
  HICON icon = LoadIconW(instance, MAKEINTRESOURCEW(1));
  return icon != nullptr ? icon : LoadIconW(nullptr, MAKEINTRESOURCEW(32512));  // IDI_APPLICATION
}

HCURSOR ArrowCursor() { return LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); }  // IDC_ARROW

}  // namespace corvanta
