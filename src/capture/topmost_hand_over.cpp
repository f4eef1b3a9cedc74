#include "capture/topmost_hand_over.h"

#include "app/main_window.h"
#include "overlay/overlay_controller.h"

namespace corvanta {

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
    main_.Overlay().ToggleStrongTopmost();
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
  if (strongTopmostTaken_ && !menus.IsChecked(MenuId::kStrongTopmost)) main_.Overlay().ToggleStrongTopmost();
  strongTopmostTaken_ = false;
}

}  // namespace corvanta
