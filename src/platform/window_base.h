// Binds a C++ object to its HWND at creation (GWLP_USERDATA) and forwards messages to a member
// window procedure.
#pragma once

#include <windows.h>

namespace corvanta {

template <typename Derived>
class WindowBase {
 public:
  WindowBase() = default;
  WindowBase(const WindowBase&) = delete;
  WindowBase& operator=(const WindowBase&) = delete;
  virtual ~WindowBase() {
    if (hwnd_ != nullptr) {
      SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
      DestroyWindow(hwnd_);
    }
  }

  HWND Hwnd() const { return hwnd_; }

 protected:
  static LRESULT CALLBACK StaticWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    WindowBase* self = nullptr;
    if (message == WM_NCCREATE) {
      auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
      self = static_cast<WindowBase*>(static_cast<Derived*>(create->lpCreateParams));
      self->hwnd_ = hwnd;
      SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    } else {
      self = reinterpret_cast<WindowBase*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    }
    if (self == nullptr) return DefWindowProcA(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
      SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
      const LRESULT result = self->HandleMessage(message, wParam, lParam);
      self->hwnd_ = nullptr;
      return result;
    }
    return self->HandleMessage(message, wParam, lParam);
  }

  // Registers the class once per process; wndClass.lpfnWndProc and lpszClassName are filled in.
  static void RegisterOnce(WNDCLASSEXA wndClass, const char* className) {
    WNDCLASSEXA existing{};
    existing.cbSize = sizeof(existing);
    if (GetClassInfoExA(wndClass.hInstance, className, &existing)) return;
    wndClass.cbSize = sizeof(wndClass);
    wndClass.lpfnWndProc = &WindowBase::StaticWindowProc;
    wndClass.lpszClassName = className;
    RegisterClassExA(&wndClass);
  }

  virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(hwnd_, message, wParam, lParam);
  }

  HWND hwnd_ = nullptr;
};

}  // namespace corvanta
