// The format choice of a scan-region screenshot that the hotkey "扫描区域截图" opens ("选择图片格式："):
// not modal, always on top, the same four buttons as the custom-region one. A button saves a shot of
// the scan region in its format and closes the window. While it is open the main window's topmost and
// strong topmost are handed over; closing gives them back and ends the hotkey's busy mark.
#pragma once

#include <windows.h>

#include "capture/format_buttons.h"
#include "capture/image_format.h"
#include "shell/topmost_hand_over.h"
#include "platform/gdi.h"
#include "platform/window_base.h"

namespace corvanta {

class Program;
class Screenshots;

class ScanShotFormatWindow : public WindowBase<ScanShotFormatWindow> {
 public:
  static constexpr const wchar_t* kClassName = L"CorvantaScanShotFormat";
  static constexpr const char* kCaption = "选择图片格式：";

  // Opens the window, shown and always on top; false when it could not be made.
  bool Open();
  bool IsOpen() const { return hwnd_ != nullptr; }

 protected:
  ScanShotFormatWindow(Program& program, Screenshots& screenshots);

  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void OnFormatChosen(ImageFormat format);
  void OnDestroyed();

  Program& program_;
  Screenshots& screenshots_;
  TopmostHandOver handOver_;
  ScopedFont font_;
};

}  // namespace corvanta
