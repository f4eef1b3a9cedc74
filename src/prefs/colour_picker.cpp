#include "prefs/colour_picker.h"

#include <commctrl.h>
#include <commdlg.h>

#include "platform/controls.h"
#include "platform/gdi.h"

namespace corvanta {

bool ColourPicker::Create(HWND parent, HINSTANCE instance, int controlId, OnPicked onPicked) {
  onPicked_ = std::move(onPicked);
  button_ =
      CreateControl(parent, instance, ControlSetup{WC_BUTTONW, "", WS_TABSTOP | BS_OWNERDRAW, controlId, 0, 0, 0, 0});
  return button_ != nullptr;
}

void ColourPicker::SetColour(uint32_t colour) {
  colour_ = colour & 0xFFFFFF;
  if (button_ != nullptr) InvalidateRect(button_, nullptr, TRUE);
}

void ColourPicker::Pick(uint32_t colour) {
  SetColour(colour);
  if (onPicked_) onPicked_(colour_);
}

bool ColourPicker::OnCommand(HWND control, int notification) {
  if (control == nullptr || control != button_) return false;
  if (notification == BN_CLICKED) ChooseWithDialog();
  return true;
}

void ColourPicker::ChooseWithDialog() {
  CHOOSECOLORW dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = GetParent(button_);
  dialog.rgbResult = colour_;
  dialog.lpCustColors = customColours_.data();
  dialog.Flags = CC_RGBINIT | CC_FULLOPEN;
  if (ChooseColorW(&dialog)) Pick(dialog.rgbResult);
}

bool ColourPicker::OnDrawItem(const DRAWITEMSTRUCT& item) {
  if (item.hwndItem != button_ || button_ == nullptr) return false;
  RECT r = item.rcItem;
  DrawEdge(item.hDC, &r, (item.itemState & ODS_SELECTED) ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_ADJUST);
  ScopedBrush fill(CreateSolidBrush(colour_));
  FillRect(item.hDC, &r, fill.Get());
  if (item.itemState & ODS_FOCUS) {
    InflateRect(&r, -2, -2);
    DrawFocusRect(item.hDC, &r);
  }
  return true;
}

}  // namespace corvanta
