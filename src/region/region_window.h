// RegionWindow: the practically invisible window (alpha 1) that lies exactly on the dragged rectangle.
// Its rectangle is the result of the selection; it still takes clicks and keys, which it hands to the
// CustomRegion that owns it.
#pragma once

#include <windows.h>

#include "platform/window_base.h"
#include "region/region_geometry.h"

namespace corvanta {

class CustomRegion;

class RegionWindow : public WindowBase<RegionWindow> {
 public:
  static constexpr const wchar_t* kClassName = L"CorvantaRegionWindow";

  // Creates it shown, without activation, at `parked`.
  bool Create(HINSTANCE instance, const Rect& parked);
  // Moves it onto the rectangle, above the selection surface.
  void Place(const Rect& region);
  Rect Bounds() const;

 protected:
  explicit RegionWindow(CustomRegion& owner) : owner_(owner) {}

  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  CustomRegion& owner_;
};

}  // namespace corvanta
