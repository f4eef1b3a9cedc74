// A colour picker: an owner-drawn button filled with its colour. A click opens the system's colour
// dialog; a colour chosen there becomes the picker's colour and is reported to the owner window.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <functional>

namespace corvanta {

class ColourPicker {
 public:
  using OnPicked = std::function<void(uint32_t colour)>;

  ColourPicker() = default;
  ColourPicker(const ColourPicker&) = delete;
  ColourPicker& operator=(const ColourPicker&) = delete;

  // Creates the button as a child of parent with the control id; false when it could not be created.
  bool Create(HWND parent, HINSTANCE instance, int controlId, OnPicked onPicked);
  HWND Hwnd() const { return button_; }

  uint32_t Colour() const { return colour_; }
  // Shows a colour without reporting it (opening, defaults).
  void SetColour(uint32_t colour);
  // A colour the user picked: shown, then reported.
  void Pick(uint32_t colour);

  // The owner's WM_COMMAND for this button: opens the colour dialog. Returns whether it was ours.
  bool OnCommand(HWND control, int notification);
  // The owner's WM_DRAWITEM for this button. Returns whether it was ours.
  bool OnDrawItem(const DRAWITEMSTRUCT& item);

 private:
  void ChooseWithDialog();

  HWND button_ = nullptr;
  uint32_t colour_ = 0;
  OnPicked onPicked_;
  std::array<COLORREF, 16> customColours_{};
};

}  // namespace corvanta
