#include "shell/menus.h"

#include <string>

#include "platform/text_conv.h"

namespace corvanta {

namespace {

UINT StateFlags(bool checked, bool disabled) { return (checked ? MFS_CHECKED : 0u) | (disabled ? MFS_DISABLED : 0u); }

}  // namespace

Menus::Menus() { bar_ = BuildMenu(MenuBarLayout(), false); }

Menus::~Menus() {
  // Detach every submenu first, then destroy each menu once: hidden submenus are not inside any menu.
  for (const auto& node : nodes_) {
    if (node->submenu != nullptr && node->shown) RemoveMenu(node->parentMenu, VisiblePosition(*node), MF_BYPOSITION);
  }
  for (HMENU menu : allMenus_) DestroyMenu(menu);
}

HMENU Menus::BuildMenu(const std::vector<MenuEntry>& items, bool popup) {
  HMENU menu = popup ? CreatePopupMenu() : CreateMenu();
  allMenus_.push_back(menu);
  std::vector<Node*> level;
  for (const MenuEntry& item : items) {
    auto node = std::make_unique<Node>();
    node->item = item;
    node->item.children.clear();
    node->checked = item.checked;
    node->disabled = item.disabled;
    node->visible = item.visible;
    node->parentMenu = menu;
    if (!item.children.empty()) node->submenu = BuildMenu(item.children, true);
    if (!item.IsSeparator()) byId_[static_cast<uint16_t>(item.id)] = node.get();
    level.push_back(node.get());
    nodes_.push_back(std::move(node));
  }
  for (Node* node : level) node->siblings = level;
  SyncLevel(level);
  return menu;
}

Menus::Node* Menus::Find(MenuId id) const {
  auto it = byId_.find(static_cast<uint16_t>(id));
  return it == byId_.end() ? nullptr : it->second;
}

HMENU Menus::SubmenuOf(MenuId id) const {
  const Node* node = Find(id);
  return node == nullptr ? nullptr : node->submenu;
}

UINT Menus::VisiblePosition(const Node& node) const {
  UINT position = 0;
  for (const Node* sibling : node.siblings) {
    if (sibling == &node) break;
    if (sibling->shown) ++position;
  }
  return position;
}

void Menus::InsertItem(Node& node) {
  MENUITEMINFOW info{};
  info.cbSize = sizeof(info);
  std::wstring text;
  if (node.item.IsSeparator()) {
    info.fMask = MIIM_FTYPE;
    info.fType = MFT_SEPARATOR;
  } else {
    text = ToWide(node.item.text);
    info.fMask = MIIM_ID | MIIM_STRING | MIIM_STATE | (node.submenu != nullptr ? MIIM_SUBMENU : 0u);
    info.wID = static_cast<UINT>(node.item.id);
    info.dwTypeData = text.data();
    info.fState = StateFlags(node.checked, node.disabled);
    info.hSubMenu = node.submenu;
  }
  InsertMenuItemW(node.parentMenu, VisiblePosition(node), TRUE, &info);
  node.shown = true;
}

void Menus::RemoveItem(Node& node) {
  RemoveMenu(node.parentMenu, VisiblePosition(node), MF_BYPOSITION);
  node.shown = false;
}

void Menus::SyncLevel(const std::vector<Node*>& level) {
  std::vector<bool> isSeparator;
  std::vector<bool> visible;
  for (const Node* node : level) {
    isSeparator.push_back(node->item.IsSeparator());
    visible.push_back(node->visible);
  }
  const std::vector<bool> separatorsShown = SeparatorsToShow(isSeparator, visible);
  for (size_t i = 0; i < level.size(); ++i) {
    Node& node = *level[i];
    const bool wanted = node.item.IsSeparator() ? separatorsShown[i] : bool(node.visible);
    if (wanted && !node.shown) InsertItem(node);
    if (!wanted && node.shown) RemoveItem(node);
  }
}

void Menus::ApplyState(const Node& node) {
  if (!node.shown) return;
  MENUITEMINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_STATE;
  info.fState = StateFlags(node.checked, node.disabled);
  SetMenuItemInfoW(node.parentMenu, VisiblePosition(node), TRUE, &info);
}

void Menus::SetChecked(MenuId id, bool checked) {
  if (Node* node = Find(id)) {
    node->checked = checked;
    ApplyState(*node);
  }
}

bool Menus::IsChecked(MenuId id) const {
  const Node* node = Find(id);
  return node != nullptr && node->checked;
}

void Menus::SetEnabled(MenuId id, bool enabled) {
  if (Node* node = Find(id)) {
    node->disabled = !enabled;
    ApplyState(*node);
  }
}

bool Menus::IsEnabled(MenuId id) const {
  const Node* node = Find(id);
  return node != nullptr && !node->disabled;
}

void Menus::SetVisible(MenuId id, bool visible) {
  Node* node = Find(id);
  if (node == nullptr || node->visible == visible) return;
  node->visible = visible;
  SyncLevel(node->siblings);
  if (node->parentMenu == bar_ && onBarChanged_) onBarChanged_();
}

bool Menus::IsVisible(MenuId id) const {
  const Node* node = Find(id);
  return node != nullptr && node->visible;
}

bool Menus::AnyBarEntryVisible() const { return GetMenuItemCount(bar_) > 0; }

}  // namespace corvanta
