// "Corvanta_更新:": the modal notice that a newer version exists, with a button that opens the homepage.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "platform/dpi_scale.h"
#include "platform/gdi.h"
#include "platform/window_base.h"

namespace corvanta {

class UpdateWindow : public WindowBase<UpdateWindow> {
 public:
  static constexpr const wchar_t* kClassName = L"CorvantaUpdateWindow";
  static constexpr const char* kCaption = "Corvanta_更新:";
  static constexpr const char* kNotice =
      "程序检测到有新版本发布，请点击以下按钮前往软件主页以更新到最新版本感谢您的使用！";
  static constexpr int kNoticeId = 100;
  static constexpr int kHomepageButtonId = 101;

  // Shows the window centred on the screen and returns when it is closed. The owner takes no input
  // meanwhile and gets back the enabled state it had.
  void RunModal(HWND owner);

 protected:
  // serverAddress is the button's text; openHomepage runs when the button is clicked.
  UpdateWindow(HINSTANCE instance, std::string serverAddress, std::function<void()> openHomepage);

  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  bool CreateCentred(HWND owner);
  bool CreateControls();
  // Sizes the window for dpi_, at the suggested place when there is one, and places the controls.
  void LayOut(const RECT* suggested);
  void OnDpiChanged(int dpi, const RECT& suggested);
  void Close();

  HINSTANCE instance_;
  std::string serverAddress_;
  std::function<void()> openHomepage_;
  int dpi_ = kDesignDpi;
  HWND owner_ = nullptr;
  bool ownerWasEnabled_ = false;
  ScopedFont font_;
};

}  // namespace corvanta
