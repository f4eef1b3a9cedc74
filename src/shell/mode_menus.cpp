#include "shell/mode_menus.h"

namespace corvanta {

std::vector<MenuItemState> MenuStatesOf(const ModeView& view) {
  const bool shown = !view.mainHidden;
  const bool overlay = view.OverlayShowing();
  const bool attaching = view.selection == Selection::kAttach;
  const bool choosing = attaching || view.selection == Selection::kRegion || view.selection == Selection::kRegionShot;
  const bool noSelection = view.selection == Selection::kNone;
  // The program colours preview on the effect list, which only the start screen shows.
  const bool coloursOffered = !view.suiteOpen && view.locked == LockedState::kNotLocked && !choosing;
  return {
      // The selection surface lies above the main window while it is open.
      {MenuId::kTopmost, view.topmost, !view.CustomRegionFlag(), shown},
      {MenuId::kStrongTopmost, view.strongTopmost, !view.CustomRegionFlag(), shown},
      {MenuId::kScanRegionScreenshotMenu, std::nullopt, !view.suiteOpen, shown},
      {MenuId::kAdvancedOptions, std::nullopt, !view.suiteOpen, shown},
      {MenuId::kProgramColours, std::nullopt, coloursOffered, shown},
      {MenuId::kCustomHotkeys, std::nullopt, !view.suiteOpen, std::nullopt},
      {MenuId::kReattach, std::nullopt, overlay, std::nullopt},
      {MenuId::kReselectRegion, std::nullopt, view.locked != LockedState::kNotLocked && noSelection, std::nullopt},
      {MenuId::kReturnToStart, std::nullopt, overlay, shown},
      {MenuId::kMoveOrResize, std::nullopt, overlay, shown},
      {MenuId::kHotkeyHints, view.hotkeyHints, std::nullopt, std::nullopt},
      {MenuId::kShowMainWindow, shown, std::nullopt, std::nullopt},
      {MenuId::kHideMainWindow, view.mainHidden, std::nullopt, std::nullopt},
      // The menu bar's instruction lines: how to lock or leave the selection frame, and how to finish a
      // move or resize.
      {MenuId::kBarEscBack, std::nullopt, std::nullopt, attaching},
      {MenuId::kBarPressAnyKey, std::nullopt, std::nullopt, attaching},
      {MenuId::kBarHoldMouse, std::nullopt, std::nullopt, attaching},
      {MenuId::kBarMenu, std::nullopt, std::nullopt, view.locked == LockedState::kMovingOrResizing},
      {MenuId::kBarF5, std::nullopt, std::nullopt, view.locked == LockedState::kMovingOrResizing},
      {MenuId::kBarVisibleArea, std::nullopt, std::nullopt, view.locked == LockedState::kMovingOrResizing},
  };
}

}  // namespace corvanta
