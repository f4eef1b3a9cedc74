// "支持作者(捐赠)": a window without caption text that shows the program's donation picture (a PNG of
// 828 x 1136 stored as the resource "DONATION") stretched over its client area. It has no controls.
#pragma once

#include <windows.h>

#include <vector>

#include "platform/gdi.h"
#include "platform/window_base.h"

namespace corvanta {

inline constexpr const wchar_t* kDonationPictureResource = L"DONATION";

// The bytes of an RCDATA resource of the module; empty when it has none of that name.
std::vector<unsigned char> ResourceBytes(HMODULE module, const wchar_t* name);

class DonationWindow : public WindowBase<DonationWindow> {
 public:
  static constexpr const wchar_t* kClassName = L"CorvantaDonationWindow";

  // Creates and shows the window, not modal and without a parent. Returns false when creation failed.
  bool Open();
  bool IsOpen() const { return hwnd_ != nullptr; }
  // The decoded picture's size; 0 x 0 when the picture could not be read.
  SIZE PictureSize() const { return pictureSize_; }

 protected:
  // pictureModule holds the picture resource (the program itself).
  DonationWindow(HINSTANCE instance, HMODULE pictureModule);

  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void LoadPicture();
  void Paint();

  HINSTANCE instance_;
  HMODULE pictureModule_;
  ScopedBitmap picture_;
  SIZE pictureSize_{0, 0};
};

}  // namespace corvanta
