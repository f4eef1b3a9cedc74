// The format choice of a custom-region screenshot ("选择图片格式："): a modal, always-on-top window with
// four buttons, "储存为BMP", "储存为JPG", "储存为GIF" and "储存为PNG". It captures the selected rectangle
// when it opens; a button saves that image in its format; closing it without a choice saves nothing.
// Either way the screenshot ends there: the mode owner closes the selection windows.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <vector>

#include "capture/format_buttons.h"
#include "capture/image_format.h"
#include "platform/gdi.h"
#include "platform/window_base.h"

namespace corvanta {

class Program;
class Screenshots;

// What the format window does with the open custom region selection.
struct RegionShotSelection {
  std::function<RECT()> region;                // RegionWindow's screen rectangle
  std::function<void()> hideHint;              // hides RegionSelectWindow's region hint
  std::function<std::vector<HWND>()> windows;  // the selection's windows, which must not be in the picture
};

class RegionShotFormatWindow : public WindowBase<RegionShotFormatWindow> {
 public:
  static constexpr const wchar_t* kClassName = L"CorvantaRegionShotFormat";
  static constexpr const char* kCaption = "选择图片格式：";
  // The buttons of capture/format_buttons.h.
  static constexpr int kBmpButton = kBmpFormatButton;
  static constexpr int kJpgButton = kJpgFormatButton;
  static constexpr int kGifButton = kGifFormatButton;
  static constexpr int kPngButton = kPngFormatButton;

  // Opens the window, captures the region, and returns once the window is gone. The main window takes
  // no input meanwhile.
  void RunModal();

  // The image captured when the window opened (the pending region image).
  const std::vector<uint8_t>& PendingImage() const { return pendingImage_; }

 protected:
  RegionShotFormatWindow(Program& program, Screenshots& screenshots, RegionShotSelection selection);

  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  bool Create();
  void CaptureSelection();
  void OnFormatChosen(ImageFormat format);
  void OnDestroyed();

  Program& program_;
  Screenshots& screenshots_;
  RegionShotSelection selection_;
  std::vector<uint8_t> pendingImage_;
  ScopedFont font_;
};

}  // namespace corvanta
