// The menu trees of the main window: the menu bar (whose entries are all hidden on the start screen),
// the effect list's popup and the tray popup, with their texts and initial states.
#pragma once

#include <cstdint>
#include <vector>

namespace corvanta {

// Every menu item that the program names. Separators have no id.
enum class MenuId : uint16_t {
  kNone = 0,
  // Menu bar entries and their single items.
  kBarMenu = 1001,
  kFinishAndLock,
  kBarF5,
  kBarF5Text,
  kBarVisibleArea,
  kBarVisibleAreaText,
  kBarOptions,
  kBarPressAnyKey,
  kBarPressAnyKeyText,
  kBarEscBack,
  kBarEscBackText,
  kBarHoldMouse,
  kBarHoldMouseText,
  kBarQuickMenu,
  // EffectListMenu.
  kPreviewPicture = 1101,
  kPreviewOrEditPreset,
  kEnableSelected,
  kDeleteSelected,
  // TrayMenu.
  kTopmost = 1201,
  kStrongTopmost,
  kCustomRegionScreenshot,
  kScreenshotIncludesSelf,
  kBitDepthMenu,
  kDepth1,
  kDepth4,
  kDepth8,
  kDepth16,
  kDepth24,
  kDepth32,
  kDepthRestoreNote,
  kAutoPreview,
  kAutoOpenImages,
  kScanRegionScreenshotMenu,
  kOpenScreenshotFolder,
  kFormatNote,
  kSaveBmp,
  kSaveJpg,
  kSaveGif,
  kSavePng,
  kRegionHint,
  kAdvancedOptions,
  kProgramColours,
  kReattach,
  kReselectRegion,
  kReturnToStart,
  kMoveOrResize,
  kCustomHotkeys,
  kHotkeyHints,
  kShowMainWindow,
  kHideMainWindow,
  kHomepage,
  kVersionCheck,
  kDonate,
  kHelp,
  kExit,
};

struct MenuEntry {
  MenuId id = MenuId::kNone;  // kNone for a separator
  const char* text = nullptr;
  bool checked = false;
  bool disabled = false;
  bool visible = true;
  std::vector<MenuEntry> children;

  bool IsSeparator() const { return id == MenuId::kNone; }
};

// The menu bar: eight hidden entries, each with one submenu; entry "选项" holds EffectListMenu and
// entry "快捷菜单" holds TrayMenu.
std::vector<MenuEntry> MenuBarLayout();

}  // namespace corvanta

namespace corvanta {

// Which separators of one menu level to show, given the visibility of its items: a separator shows only
// between two visible items, never at the start or the end and never right after another separator.
// `itemVisible` holds every entry in order; entries whose `isSeparator` is set are separators.
std::vector<bool> SeparatorsToShow(const std::vector<bool>& isSeparator, const std::vector<bool>& itemVisible);

}  // namespace corvanta
