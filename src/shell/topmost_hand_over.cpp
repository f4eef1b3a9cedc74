#include "shell/topmost_hand_over.h"

#include <algorithm>

#include "shell/main_window_seam.h"
#include "shell/menus.h"

namespace corvanta {

namespace {

// Strong topmost switches through its tray command, which also runs its timer.
void ToggleStrongTopmost(MainWindowSeam& main) { main.RunCommand(MenuId::kStrongTopmost); }

}  // namespace

void TopmostHandOver::Take(std::span<const HWND> peers) {
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
  peersTaken_.clear();
  for (HWND peer : peers) {
    if (peer == nullptr || !IsWindowOnTop(peer)) continue;
    SetWindowOnTop(peer, false);
    peersTaken_.push_back(peer);
  }
}

void TopmostHandOver::GiveBack(std::span<const HWND> peers) {
  Menus& menus = main_.GetMenus();
  if (topmostTaken_ && !menus.IsChecked(MenuId::kTopmost)) {
    menus.SetChecked(MenuId::kTopmost, true);
    main_.SetAlwaysOnTop(true);
    main_.SetTopmostCheckbox(true);
  }
  topmostTaken_ = false;
  if (strongTopmostTaken_ && !menus.IsChecked(MenuId::kStrongTopmost)) ToggleStrongTopmost(main_);
  strongTopmostTaken_ = false;
  for (HWND peer : peers) {
    const bool taken = std::find(peersTaken_.begin(), peersTaken_.end(), peer) != peersTaken_.end();
    if (peer != nullptr && taken && !IsWindowOnTop(peer)) SetWindowOnTop(peer, true);
  }
  peersTaken_.clear();
}

}  // namespace corvanta
