// The backdrop behind the visual debug area: a visible, disabled, borderless window kept under the
// debug area's client rectangle, showing a backdrop picture scaled to fit (aspect kept) on the suite's
// background colour.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <vector>

#include "overlay/canvas_pixels.h"
#include "platform/window_base.h"
#include "suite/suite_layout.h"

namespace corvanta {

class BackdropWindow : public WindowBase<BackdropWindow> {
 public:
  static constexpr const wchar_t* kClassName = L"CorvantaBackdropWindow";
  // What the show-backdrop timer does when it fires (the suite picks the picture).
  using ShowHandler = std::function<void(BackdropWindow&)>;

  bool Create(HINSTANCE instance, COLORREF colour, ShowHandler onShow);

  void SetColour(COLORREF colour);
  COLORREF Colour() const { return colour_; }
  // Decodes the file bytes; unreadable bytes give no picture. Returns whether a picture is shown.
  bool SetPicture(const std::vector<unsigned char>& fileBytes);
  void RemovePicture();
  bool HasPicture() const { return picture_.has_value(); }
  SIZE PictureSize() const;

  // Covers the rectangle and lies directly below `above` in z-order.
  void PlaceBelow(HWND above, const Rect& place);
  void Show(bool visible);

  // One-shot: the show handler runs 30 ms later (a restart delays it again).
  void StartShowTimer();
  bool ShowTimerPending() const { return showPending_; }

 protected:
  BackdropWindow() = default;

  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Paint();

  COLORREF colour_ = 0;
  std::optional<PixelImage> picture_;
  ShowHandler onShow_;
  bool showPending_ = false;
};

}  // namespace corvanta
