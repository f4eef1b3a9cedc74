// Binds a C++ object to its HWND at creation (GWLP_USERDATA) and forwards messages to a member
// window procedure. Windows are wide ("W") windows; their captions come in as GBK text.
//
// A window object is made only as an OwnedWindow (its class keeps its constructors protected), which
// destroys the window while the object is still whole: the window's own WM_DESTROY handling runs however
// its owner ends it, by closing it or by dropping the object.
#pragma once

#include <windows.h>

#include <memory>
#include <string_view>
#include <type_traits>
#include <utility>

#include "platform/controls.h"
#include "platform/dpi.h"
#include "platform/text_conv.h"

namespace corvanta {

template <typename Derived>
class WindowBase {
 public:
  WindowBase(const WindowBase&) = delete;
  WindowBase& operator=(const WindowBase&) = delete;
  virtual ~WindowBase() {
    // An OwnedWindow has destroyed the window already; the derived object is gone by now, so nothing of
    // it may run any more.
    if (hwnd_ != nullptr) {
      SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
      DestroyWindow(hwnd_);
    }
  }

  HWND Hwnd() const { return hwnd_; }

 protected:
  WindowBase() = default;

  // Destroys the window, if there is one, with its WM_DESTROY handling.
  void DestroyNow() {
    if (hwnd_ != nullptr) DestroyWindow(hwnd_);
  }

  static LRESULT CALLBACK StaticWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    WindowBase* self = nullptr;
    if (message == WM_NCCREATE) {
      auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
      self = static_cast<WindowBase*>(static_cast<Derived*>(create->lpCreateParams));
      self->hwnd_ = hwnd;
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    } else {
      self = reinterpret_cast<WindowBase*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    }
    if (self == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
      const LRESULT result = self->HandleMessage(message, wParam, lParam);
      self->hwnd_ = nullptr;
      return result;
    }
    return self->HandleMessage(message, wParam, lParam);
  }

  // Registers the class once per process; wndClass.lpfnWndProc and lpszClassName are filled in.
  // Returns whether the class exists afterwards.
  static bool RegisterOnce(WNDCLASSEXW wndClass, const wchar_t* className) {
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof(existing);
    if (GetClassInfoExW(wndClass.hInstance, className, &existing)) return true;
    wndClass.cbSize = sizeof(wndClass);
    wndClass.lpfnWndProc = &WindowBase::StaticWindowProc;
    wndClass.lpszClassName = className;
    return RegisterClassExW(&wndClass) != 0;
  }

  // The class of one of the program's ordinary windows: arrow cursor, program icon, button-face background.
  static bool RegisterToolClass(HINSTANCE instance, const wchar_t* className) {
    WNDCLASSEXW wc{};
    wc.hInstance = instance;
    wc.hCursor = ArrowCursor();
    wc.hIcon = ProgramIcon(instance);
    wc.hIconSm = wc.hIcon;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    return RegisterOnce(wc, className);
  }

  // CreateWindowExW for this object; the caption is GBK text. Returns whether the window exists.
  bool CreateOwnWindow(DWORD exStyle, const wchar_t* className, std::string_view caption, DWORD style, int x, int y,
                       int width, int height, HWND parent, HINSTANCE instance) {
    CreateWindowExW(exStyle, className, ToWide(caption).c_str(), style, x, y, width, height, parent, nullptr,
                    instance, static_cast<Derived*>(this));
    return hwnd_ != nullptr;
  }

  // Registers the tool class and creates a window without a parent at 0, 0, its design size scaled for
  // the system's DPI; the caller lays it out and places it once it knows the DPI of its screen.
  bool CreateToolWindow(DWORD exStyle, HINSTANCE instance, const wchar_t* className, std::string_view caption,
                        DWORD style, int designWidth, int designHeight) {
    if (!RegisterToolClass(instance, className)) return false;
    const int dpi = SystemDpi();
    return CreateOwnWindow(exStyle, className, caption, style, 0, 0, DpiScale(designWidth, dpi),
                           DpiScale(designHeight, dpi), nullptr, instance);
  }

  // A modal window's own message loop: runs until this window is gone. A WM_QUIT met on the way is
  // posted again, so the outer loop ends too.
  void RunModalLoop() {
    MSG message{};
    while (hwnd_ != nullptr) {
      const BOOL got = GetMessageW(&message, nullptr, 0, 0);
      if (got <= 0) {
        if (got == 0) PostQuitMessage(static_cast<int>(message.wParam));
        return;
      }
      if (!IsDialogMessageW(hwnd_, &message)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
      }
    }
  }

  LRESULT DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(hwnd_, message, wParam, lParam);
  }

  virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefaultHandling(message, wParam, lParam);
  }

  HWND hwnd_ = nullptr;
};

// A window object as its owner holds it: ending it destroys the window first.
template <typename Window>
class OwnedWindow final : public Window {
 public:
  template <typename... Args>
  explicit OwnedWindow(Args&&... args) : Window(std::forward<Args>(args)...) {
    static_assert(!std::is_constructible_v<Window, Args&&...>,
                  "a window class keeps its constructors protected, so that it is made only as an OwnedWindow");
  }
  ~OwnedWindow() override { this->DestroyNow(); }
};

template <typename Window, typename... Args>
std::unique_ptr<Window> MakeWindow(Args&&... args) {
  return std::make_unique<OwnedWindow<Window>>(std::forward<Args>(args)...);
}

}  // namespace corvanta
