// The menu items whose checked, enabled or visible state follows the program's modes, derived from them
// in this one place. No platform calls.
#pragma once

#include <optional>
#include <vector>

#include "shell/menu_layout.h"
#include "shell/mode_view.h"

namespace corvanta {

struct MenuItemState {
  MenuId id = MenuId::kNone;
  std::optional<bool> checked;  // none: this item's check mark does not follow a mode
  std::optional<bool> enabled;
  std::optional<bool> visible;
  bool operator==(const MenuItemState&) const = default;
};

std::vector<MenuItemState> MenuStatesOf(const ModeView& view);

}  // namespace corvanta
