// Rectangles, points and sizes in pixels, for screen rectangles (a scan region, a saved window place)
// and layout rectangles (a control in its parent's client area) alike. No platform calls.
#pragma once

namespace corvanta {

struct Point {
  int x = 0;
  int y = 0;
  bool operator==(const Point&) const = default;
};

struct Size {
  int width = 0;
  int height = 0;
  bool operator==(const Size&) const = default;
};

struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  int Right() const { return left + width; }
  int Bottom() const { return top + height; }
  bool operator==(const Rect&) const = default;
};

// Where the program parks a window it keeps out of sight: the hidden main window, the hotkey host.
inline constexpr int kOffScreenPosition = 28888;

}  // namespace corvanta
