// The start-up balloon: a tracking balloon tooltip shown at a screen point, without icon.
#pragma once

#include <windows.h>

#include <string_view>

namespace corvanta {

class BalloonTip {
 public:
  BalloonTip() = default;
  BalloonTip(const BalloonTip&) = delete;
  BalloonTip& operator=(const BalloonTip&) = delete;
  ~BalloonTip();

  void Show(HWND owner, POINT screenPoint, std::string_view text);
  void Hide();
  HWND Hwnd() const { return tooltip_; }
  POINT Position() const { return position_; }

 private:
  HWND tooltip_ = nullptr;
  HWND owner_ = nullptr;
  POINT position_{};
};

}  // namespace corvanta
