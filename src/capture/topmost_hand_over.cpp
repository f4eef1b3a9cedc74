#include "capture/topmost_hand_over.h"

#include "app/main_window_seam.h"
#include "app/menus.h"

namespace corvanta {

namespace {

// Strong topmost switches through its tray command, which also runs its timer.
void ToggleStrongTopmost(MainWindowSeam& main) {
  SendMessageW(main.Hwnd(), WM_COMMAND, static_cast<WPARAM>(MenuId::kStrongTopmost), 0);
}

}  // namespace

void TopmostHandOver::Take() {
  Menus& menus = main_.GetMenus();
  topmostTaken_ = false;
  strongTopmostTaken_ = false;
  if (menus.IsChecked(MenuId::kTopmost)) {
    menus.SetChecked(MenuId::kTopmost, false);
    main_.SetAlwaysOnTop(false);
    main_.SetTopmostCheckbox(false);
    topmostTaken_ = true;
  }
  if (menus.IsChecked(MenuId::kStrongTopmost)) {
    ToggleStrongTopmost(main_);
    strongTopmostTaken_ = true;
  }
}

void TopmostHandOver::GiveBack() {
  Menus& menus = main_.GetMenus();
  if (topmostTaken_ && !menus.IsChecked(MenuId::kTopmost)) {
    menus.SetChecked(MenuId::kTopmost, true);
    main_.SetAlwaysOnTop(true);
    main_.SetTopmostCheckbox(true);
  }
  topmostTaken_ = false;
  if (strongTopmostTaken_ && !menus.IsChecked(MenuId::kStrongTopmost)) ToggleStrongTopmost(main_);
  strongTopmostTaken_ = false;
}

}  // namespace corvanta
