// The real HMENUs of the menu trees, with a visibility state that the platform lacks: a hidden item is
// removed from its menu and put back at the same position when it is shown again, and separators show
// only between visible items. Check and disabled states are kept for hidden items too and may be read
// from any thread.
#pragma once

#include <windows.h>

#include <atomic>
#include <functional>
#include <memory>
#include <unordered_map>
#include <vector>

#include "shell/menu_layout.h"

namespace corvanta {

class Menus {
 public:
  Menus();
  ~Menus();
  Menus(const Menus&) = delete;
  Menus& operator=(const Menus&) = delete;

  HMENU Bar() const { return bar_; }
  HMENU EffectListMenu() const { return SubmenuOf(MenuId::kBarOptions); }
  HMENU TrayMenu() const { return SubmenuOf(MenuId::kBarQuickMenu); }
  HMENU SubmenuOf(MenuId id) const;

  void SetChecked(MenuId id, bool checked);
  bool IsChecked(MenuId id) const;
  void SetEnabled(MenuId id, bool enabled);
  bool IsEnabled(MenuId id) const;
  void SetVisible(MenuId id, bool visible);
  bool IsVisible(MenuId id) const;

  bool AnyBarEntryVisible() const;
  // Called after a menu bar entry was shown or hidden, so the window can attach or detach the bar.
  void SetOnBarChanged(std::function<void()> callback) { onBarChanged_ = std::move(callback); }

 private:
  struct Node {
    MenuEntry item;
    std::atomic<bool> checked{false};
    std::atomic<bool> disabled{false};
    std::atomic<bool> visible{true};  // wanted; a separator also needs visible items around it
    bool shown = false;               // in the platform menu now
    HMENU parentMenu = nullptr;
    HMENU submenu = nullptr;
    std::vector<Node*> siblings;  // the parent's children, in order, this node included
  };

  HMENU BuildMenu(const std::vector<MenuEntry>& items, bool popup);
  Node* Find(MenuId id) const;
  UINT VisiblePosition(const Node& node) const;
  void InsertItem(Node& node);
  void RemoveItem(Node& node);
  // Brings one menu level in line with the visibility of its items.
  void SyncLevel(const std::vector<Node*>& level);
  void ApplyState(const Node& node);

  HMENU bar_ = nullptr;
  std::vector<std::unique_ptr<Node>> nodes_;
  std::unordered_map<uint16_t, Node*> byId_;
  std::vector<HMENU> allMenus_;
  std::function<void()> onBarChanged_;
};

}  // namespace corvanta
