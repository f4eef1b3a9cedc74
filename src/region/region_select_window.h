// RegionSelectWindow: the darkened surface over the whole primary screen on which the scan region is
// dragged, left out of screen copies where the system can do that. The rectangle itself is filled with
// the colour key, so the screen shows through it undimmed, and outlined on its inside; the region hint
// follows it. Mouse, key and timer events go to the CustomRegion that owns the window.
#pragma once

#include <windows.h>

#include "platform/gdi.h"
#include "platform/window_base.h"
#include "region/region_geometry.h"
#include "shell/colour.h"

namespace corvanta {

class CustomRegion;

inline constexpr COLORREF kRegionSurfaceBackground = ToColorRef({14, 10, 12});
inline constexpr COLORREF kRegionSurfaceColourKey = ToColorRef({212, 2, 254});
inline constexpr BYTE kRegionSurfaceAlpha = 144;

class RegionSelectWindow : public WindowBase<RegionSelectWindow> {
 public:
  static constexpr const wchar_t* kClassName = L"CorvantaRegionSelectWindow";
  static constexpr UINT_PTR kDragTimer = 1;
  static constexpr UINT kDragInterval = 2;

  // Creates the hidden surface at (0, 0) with the screen's size, its outline colour and its hint label.
  bool Create(HINSTANCE instance, int screenWidth, int screenHeight, COLORREF outlineColour);
  // Shows it and gives it the keyboard focus, so that the next key released reaches it.
  void ShowWithFocus();

  // The outline's rectangle in screen coordinates (the surface's client origin is the screen origin).
  void SetOutline(const Rect& outline);
  Rect Outline() const { return outline_; }
  void PlaceHint(int left, int top, int width, int height);
  // Moves the hint out of sight (right of the surface, no size).
  void ParkHint();
  HWND Hint() const { return hint_; }
  COLORREF OutlineColour() const { return outlineColour_; }
  int Dpi() const;

  void StartDragTimer();
  void StopDragTimer();

 protected:
  explicit RegionSelectWindow(CustomRegion& owner) : owner_(owner) {}

  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  bool CreateHint(HINSTANCE instance);
  void Paint();
  void InvalidateOutline(const Rect& outline);

  CustomRegion& owner_;
  HWND hint_ = nullptr;
  Rect outline_;
  COLORREF outlineColour_ = 0;
  ScopedBrush backgroundBrush_;
  ScopedFont hintFont_;
};

}  // namespace corvanta
