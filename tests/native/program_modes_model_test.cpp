// A model-based test of the owner of the program's modes. A model of the windows (the main window, the
// selection surface and its region window, the screenshot's format window, the menus) stands behind the
// mode seam and behaves as the platform does where that matters: a window taken out of the topmost band
// rises above every other window, a modal window's end enables its owner again, disabled windows and
// windows behind a modal one take no input. Seeded random sequences of user events (buttons, tray items,
// hotkeys, keys, mouse, close requests, timers) drive the owner; after every step the invariants hold,
// and at the end of every sequence Esc, the tray's return or closing the window in front lead back to
// the start screen. A failing seed is shrunk to the shortest sequence that still fails.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "hotkeys/hotkey_actions.h"
#include "region/region_geometry.h"
#include "region/region_selection.h"
#include "settings/first_run.h"
#include "settings/ini_text.h"
#include "settings/memory_backend.h"
#include "settings/paths.h"
#include "settings/setting_keys.h"
#include "shell/mode_menus.h"
#include "shell/program_modes.h"
#include "shell/start_screen_size.h"

namespace corvanta {
namespace {

constexpr const char* kRoot = "C:\\corvanta";
constexpr Size kScreen{1920, 1080};
constexpr int kEscape = 0x1B;
constexpr int kBackspace = 0x08;
constexpr int kReturn = 0x0D;
constexpr int kF5 = 0x74;

enum class Shape { kStartScreen, kSelectionFrame, kOverlay, kMoveResize };
enum class Kind { kMain, kSurface, kRegion, kFormat };

// What one event is; x and y are a screen point for the mouse, a key code for a key, a slot for a hotkey.
enum class EventType {
  kAttachButton,
  kRegionButton,
  kTopmostCheckbox,
  kTray,
  kHotkey,
  kKeyOnMain,
  kKeyOnSurface,
  kKeyOnRegion,
  kPressOnSurface,
  kDragTick,
  kReleaseOnSurface,
  kReleaseOnRegion,
  kReleaseElsewhere,
  kRightButton,
  kCloseSurface,
  kCloseRegion,
  kCloseFormat,
  kFormatButton,
  kTimerTick,
  kIncludeSelfToggle,
  kAttachedWindowMoves,     // the window under the selection frame or the following overlay: x, y its new corner
  kAttachedWindowMinimised,
  kAttachedWindowRestored,
  kAttachedWindowClosed,
  kFollowOptionToggle,      // x: 0 "跟随窗口移动", 1 "仅覆盖客户区", applied at once
};

struct Event {
  EventType type;
  int x = 0;
  int y = 0;
  MenuId item = MenuId::kNone;
};

std::string Describe(const Event& e) {
  static const char* const names[] = {"attach button", "region button", "topmost checkbox", "tray", "hotkey",
                                      "key on main", "key on surface", "key on region", "press on surface",
                                      "drag tick", "release on surface", "release on region",
                                      "release elsewhere", "right button", "close surface", "close region",
                                      "close format", "format button", "timer tick", "toggle include-self",
                                      "attached window moves", "attached window minimised",
                                      "attached window restored", "attached window closed", "toggle follow option"};
  std::ostringstream out;
  out << names[static_cast<int>(e.type)];
  if (e.type == EventType::kTray) out << " " << static_cast<int>(e.item);
  if (e.type == EventType::kHotkey) out << " slot " << e.x;
  if (e.type == EventType::kKeyOnMain || e.type == EventType::kKeyOnSurface || e.type == EventType::kKeyOnRegion) {
    out << " key " << e.x;
  }
  if (e.type == EventType::kPressOnSurface || e.type == EventType::kDragTick || e.type == EventType::kAttachedWindowMoves) {
    out << " at " << e.x << "," << e.y;
  }
  if (e.type == EventType::kFollowOptionToggle) out << (e.x == 0 ? " follow" : " client area");
  return out.str();
}

// The windows as the platform would show them.
class WindowModel : public ModeSeam {
 public:
  explicit WindowModel(bool enabledEffect) : enabledEffect_(enabledEffect) { z_ = {Kind::kMain}; }
  void SetOwner(ProgramModes* owner) { owner_ = owner; }

  // ---- The seam ----------------------------------------------------------------------------------
  Rect MainRect() const override { return mainRect; }
  int MainDpi() const override { return 96; }
  bool SelectEnabledEffect() override { return enabledEffect_; }
  void ShowStartScreen(const Rect& place) override {
    shape = Shape::kStartScreen;
    mainEnabled = true;
    layered = clickThrough = false;
    mainRect = place;
    ShowMain(true);
  }
  void ShowSelectionFrame() override {
    shape = Shape::kSelectionFrame;
    layered = true;
    clickThrough = false;
    followingCursor = true;
  }
  void StopFollowingCursor() override { followingCursor = false; }
  void LockOverlay(const OverlayLock& lock) override {
    mainEnabled = false;
    shape = Shape::kOverlay;
    layered = clickThrough = true;
    if (lock.place) mainRect = *lock.place;
    ShowMain(false);
  }
  void PrepareOverlayMemory() override { overlayMemory = true; }
  void ReleaseOverlayMemory() override { overlayMemory = false; }
  std::optional<Rect> AttachedWindowPlace(bool clientArea) override {
    if (!attachedExists || !frameLeftItsPlace) return std::nullopt;
    return clientArea ? ClientOf(attachedRect) : attachedRect;
  }
  void FollowAttachedWindow(bool clientArea) override {
    followingWindow = true;
    followedGone = false;
    followClientArea = clientArea;
    ReportAttached();
  }
  void StopFollowing() override { followingWindow = false; }
  void MoveOverlay(const Rect& place) override { mainRect = place; }
  void BeginMoveResize() override {
    mainEnabled = true;
    shape = Shape::kMoveResize;
    clickThrough = false;
    ShowMain(true);
  }
  void FinishMoveResize() override {
    mainEnabled = false;
    shape = Shape::kOverlay;
    layered = clickThrough = true;
  }
  void PrepareRelock() override { clickThrough = false; }
  void MoveMain(const Rect& place) override { mainRect = place; }
  void ParkMainOffScreen() override { mainRect.left = mainRect.top = kOffScreenPosition; }
  void ShowMain(bool activate) override {
    mainShown = true;
    if (activate) Raise(Kind::kMain);
  }
  void HideMain() override { mainShown = false; }
  void SetMainEnabled(bool enabled) override { mainEnabled = enabled; }
  void SetMainTopmost(bool onTop) override {
    // Out of the band or into it, a shown window lands in front of every window of its new band.
    mainTopmost = onTop;
    if (mainShown) Raise(Kind::kMain);
  }
  void StartStrongTopmost() override { strongTopmost = true; }
  void StopStrongTopmost() override {
    strongTopmost = false;
    SetMainTopmost(!owner_->View().topmost);
    SetMainTopmost(owner_->View().topmost);
  }
  bool OpenSelection(bool) override {
    if (surfaceOpen) ++doubleOpens;
    surfaceOpen = regionOpen = true;
    selectionInput = true;
    drag.Begin(Rect{kScreen.width + 100, 0, 0, 0}, kScreen);
    Raise(Kind::kSurface);
    Raise(Kind::kRegion);
    return true;
  }
  void CloseSelection() override {
    surfaceOpen = regionOpen = false;
    Drop(Kind::kSurface);
    Drop(Kind::kRegion);
  }
  void SetSelectionInput(bool enabled) override { selectionInput = enabled; }
  void ShowMainUnderSelection() override {
    mainShown = true;
    mainTopmost = false;
    Drop(Kind::kMain);
    const auto surface = std::find(z_.begin(), z_.end(), Kind::kSurface);
    z_.insert(surface == z_.end() ? z_.end() : surface + 1, Kind::kMain);
  }
  void PutMainAsideForSelection() override {
    mainShown = false;
    mainRect.left = kScreen.width + 100;
  }
  void TakeTopmostFromPeers() override {}
  void GiveTopmostBackToPeers() override {}
  void RunRegionShotFormat(const Rect&) override {
    formatOpen = true;
    mainEnabled = false;  // modal for the main window
    mainShown = true;     // shown again once the rectangle is captured
    Raise(Kind::kFormat);
  }
  void ClearHotkeyBusyMark(ActionTimer timer) override { busy.erase(timer); }
  void ShowMarks(const ModeView& view) override {
    for (const MenuItemState& item : MenuStatesOf(view)) menus[item.id] = item;
    checkbox = view.topmost;
  }

  // ---- The model ---------------------------------------------------------------------------------
  static Rect ClientOf(const Rect& outer) { return Rect{outer.left + 8, outer.top + 31, outer.width - 16, outer.height - 39}; }
  Rect FollowedPlace() const { return followClientArea ? ClientOf(attachedRect) : attachedRect; }
  // The follower tells the owner what the attached window is now.
  void ReportAttached() {
    if (followingWindow) owner_->AttachedWindowChanged(AttachedWindow{attachedExists, attachedShown, FollowedPlace()});
  }
  void EndFormatWindow() {
    formatOpen = false;
    Drop(Kind::kFormat);
    mainEnabled = true;  // the end of a modal loop enables its owner again
    owner_->RegionShotFinished();
  }
  bool MenuItemOffered(MenuId id) const {
    const auto it = menus.find(id);
    if (it == menus.end()) return true;
    return it->second.enabled.value_or(true) && it->second.visible.value_or(true);
  }
  bool MainOnScreen() const { return mainRect.left < kScreen.width && mainRect.top < kScreen.height; }
  bool MainBelowSurface() const {
    const auto main = std::find(z_.begin(), z_.end(), Kind::kMain);
    const auto surface = std::find(z_.begin(), z_.end(), Kind::kSurface);
    return main != z_.end() && surface != z_.end() && main > surface;
  }
  // The window that takes the keyboard and the clicks: a modal window first, then the surface.
  std::optional<Kind> Front() const {
    if (formatOpen) return Kind::kFormat;
    if (surfaceOpen) return Kind::kSurface;
    if (mainShown && mainEnabled && MainOnScreen()) return Kind::kMain;
    return std::nullopt;
  }

  Rect mainRect{50, 50, 740, 514};
  bool mainShown = true;
  bool mainEnabled = true;
  bool mainTopmost = false;
  bool strongTopmost = false;
  bool layered = false;
  bool clickThrough = false;
  bool followingCursor = false;
  bool overlayMemory = false;  // the canvas memory a lock would draw into
  bool followingWindow = false;
  bool checkbox = false;
  Shape shape = Shape::kStartScreen;
  bool surfaceOpen = false;
  bool regionOpen = false;
  bool selectionInput = true;
  bool formatOpen = false;
  int doubleOpens = 0;
  // The window the selection frame lies on, and whether the frame went there at all.
  Rect attachedRect{300, 200, 400, 300};
  bool attachedExists = true;
  bool attachedShown = true;
  bool frameLeftItsPlace = false;
  bool followClientArea = false;
  bool followedGone = false;  // the followed window was closed: a window seen since is another one
  RegionSelection drag;
  std::set<ActionTimer> busy;
  std::vector<ActionTimer> armed;
  std::map<MenuId, MenuItemState> menus;

 private:
  void Raise(Kind kind) {
    Drop(kind);
    z_.insert(z_.begin(), kind);
  }
  void Drop(Kind kind) { z_.erase(std::remove(z_.begin(), z_.end(), kind), z_.end()); }

  bool enabledEffect_;
  ProgramModes* owner_ = nullptr;
  std::vector<Kind> z_;
};

// The Config.ini a first start writes.
const std::string& DefaultConfigFile() {
  static const std::string file = [] {
    MemoryBackend backend(kRoot);
    SettingsStore settings(backend, kRoot);
    PrepareSettingsFiles(settings);
    return *backend.BytesAt(settings.PathOf(paths::kConfigFile));
  }();
  return file;
}

// One program: Config.ini in memory, the window model and the owner.
class World {
 public:
  explicit World(bool enabledEffect) : backend_(kRoot), settings_(backend_, kRoot), windows_(enabledEffect), modes_(settings_) {
    backend_.CreateFolder(settings_.PathOf(paths::kConfigFolder));  // writes need the folder
    backend_.PutBytes(settings_.PathOf(paths::kConfigFile), DefaultConfigFile());
    windows_.SetOwner(&modes_);
    modes_.SetSeam(&windows_);
    modes_.StartedUp(Rect{50, 50, 740, 514}, Rect{}, true, true);
  }

  // Runs the event if the user or the system could cause it now; returns whether it ran.
  bool Run(const Event& e) {
    beforeEvent_ = Snapshot();
    switch (e.type) {
      case EventType::kAttachButton:
      case EventType::kRegionButton:
      case EventType::kTopmostCheckbox:
        if (windows_.Front() != Kind::kMain || windows_.shape != Shape::kStartScreen) return false;
        if (e.type == EventType::kAttachButton) modes_.AttachRequested();
        if (e.type == EventType::kRegionButton) modes_.RegionRequested();
        if (e.type == EventType::kTopmostCheckbox) modes_.TopmostChosen(!windows_.checkbox);
        return true;
      case EventType::kTray:
        if (!windows_.MenuItemOffered(e.item)) return false;
        Command(e.item);
        return true;
      case EventType::kHotkey:
        Hotkey(e.x);
        return true;
      case EventType::kKeyOnMain:
        if (windows_.Front() != Kind::kMain) return false;
        if (e.x == kF5 && modes_.View().locked == LockedState::kMovingOrResizing) {
          modes_.FinishRequested();
        } else {
          modes_.FrameKeyReleased(e.x);
        }
        return true;
      case EventType::kKeyOnSurface:
      case EventType::kKeyOnRegion:
        if (!SelectionTakesInput()) return false;
        SelectionKey(e.x, e.type == EventType::kKeyOnRegion);
        return true;
      case EventType::kPressOnSurface:
        if (!SelectionTakesInput()) return false;
        pointer_ = Point{e.x, e.y};
        windows_.drag.LeftPressed();
        return true;
      case EventType::kDragTick:
        if (!SelectionTakesInput()) return false;
        pointer_ = Point{e.x, e.y};
        windows_.drag.DragTick(pointer_, kScreen.height, true, HintMetrics{});
        return true;
      case EventType::kReleaseOnSurface:
        if (!SelectionTakesInput()) return false;
        windows_.drag.ReleasedOnSurface(pointer_);
        released_ = true;
        return true;
      case EventType::kReleaseOnRegion:
        if (!SelectionTakesInput()) return false;
        windows_.drag.ReleasedOnRegion();
        released_ = true;
        return true;
      case EventType::kReleaseElsewhere:
        // The button goes up beyond the selection windows: only a window that holds the mouse hears it.
        if (!SelectionTakesInput() || !windows_.drag.ButtonHeld()) return false;
        if (windows_.drag.HoldsMouse()) windows_.drag.ReleasedOnRegion();
        released_ = true;
        return true;
      case EventType::kRightButton:
        if (!SelectionTakesInput()) return false;
        windows_.drag.Discard(Rect{0, kScreen.height + 100, 0, 0});
        return true;
      case EventType::kCloseSurface:
      case EventType::kCloseRegion:
        if (!SelectionTakesInput()) return false;
        modes_.RegionAbandoned();
        return true;
      case EventType::kCloseFormat:
      case EventType::kFormatButton:
        if (!windows_.formatOpen) return false;
        windows_.EndFormatWindow();
        return true;
      case EventType::kTimerTick:
        Tick();
        return true;
      case EventType::kIncludeSelfToggle:
        settings_.SetConfig(keys::kScreenshotIncludesSelf, settings_.ConfigIntFlag(keys::kScreenshotIncludesSelf) ? "0" : "1");
        return true;
      case EventType::kAttachedWindowMoves:
        // Moved and resized by its program, or, once the old one is gone, a new window.
        windows_.attachedExists = true;
        windows_.attachedRect = Rect{e.x, e.y, 300 + std::abs(e.x) % 200, 200 + std::abs(e.y) % 150};
        attachedChanged_ = true;
        windows_.ReportAttached();
        return true;
      case EventType::kAttachedWindowMinimised:
      case EventType::kAttachedWindowRestored:
        if (!windows_.attachedExists) return false;
        windows_.attachedShown = e.type == EventType::kAttachedWindowRestored;
        attachedChanged_ = true;
        windows_.ReportAttached();
        return true;
      case EventType::kAttachedWindowClosed:
        if (!windows_.attachedExists) return false;
        windows_.attachedExists = false;
        attachedChanged_ = true;
        windows_.ReportAttached();
        windows_.followingWindow = false;  // the follower stops with the window
        windows_.followedGone = true;
        return true;
      case EventType::kFollowOptionToggle: {
        const SettingKey key = e.x == 0 ? keys::kFollowWindow : keys::kFollowClientArea;
        settings_.SetConfig(key, settings_.ConfigIntFlag(key) ? "0" : "1");
        modes_.FollowingOptionsChanged();
        return true;
      }
    }
    return false;
  }

  // The invariants; the empty text when they hold.
  std::string Broken() {
    const ModeView& v = modes_.View();
    const WindowModel& w = windows_;
    if (w.doubleOpens > 0) return "a second selection surface was opened";
    if (w.surfaceOpen != w.regionOpen) return "the selection surface and its region window live apart";
    if (w.surfaceOpen != v.CustomRegionFlag()) return "the custom-region flag does not say whether the surface exists";
    if (w.formatOpen != (v.selection == Selection::kShotFormat)) return "the format window and the mode disagree";
    if (w.formatOpen && !w.surfaceOpen) return "the format window outlived the selection";
    if (w.formatOpen && v.locked != shotStartLocked_) return "the overlay changed behind the format window";
    if (w.formatOpen && w.selectionInput) return "the selection windows take input behind the format window";
    if (v.locked == LockedState::kLocked && v.selection == Selection::kNone) {
      const bool hiddenWithItsWindow = v.following && !w.attachedShown;
      if ((!w.mainShown && !hiddenWithItsWindow) || !w.layered || !w.clickThrough || w.mainEnabled ||
          w.shape != Shape::kOverlay) {
        return "a locked overlay is not a shown, layered, click-through, disabled, captionless window";
      }
    }
    if (w.surfaceOpen && w.mainShown && w.MainOnScreen() && !w.MainBelowSurface()) {
      return "the main window lies above the selection surface";
    }
    if (w.mainTopmost != v.topmost && !w.strongTopmost) return "^置顶^ does not say whether the window is on top";
    // The follower stops by itself only when its window is gone.
    if (v.following != w.followingWindow && !w.followedGone) {
      return "the owner and the follower disagree about following";
    }
    if (v.following && v.locked == LockedState::kNotLocked) return "the start screen follows a window";
    if (v.following && v.OverlayShowing() && w.attachedExists && !w.followedGone && !v.mainHidden) {
      if (w.attachedShown && (!w.mainShown || !(w.mainRect == w.FollowedPlace()))) {
        return "the overlay does not cover the window it follows";
      }
      if (!w.attachedShown && w.mainShown) return "the overlay shows while its window is minimised";
    }
    const bool mayLock = v.selection == Selection::kAttach || v.selection == Selection::kRegion;
    if (w.overlayMemory != mayLock) return "overlay memory is held without a selection that may lock, or missing";
    if (released_ && w.drag.ButtonHeld()) return "a release left the drag running";
    released_ = false;
    // Config.ini is checked again whenever something was written to it.
    if (backend_.WriteCount() != checkedWrites_) {
      checkedWrites_ = backend_.WriteCount();
      if (const std::string config = BrokenConfig(); !config.empty()) return config;
    }
    return ShotOverOverlayBroken();
  }

  // Quitting now would keep a place on the screen (never the parked or put-aside one); the file is
  // given back as it was, since the walk goes on.
  std::string ExitWouldSaveAPlaceOffTheScreen() {
    const std::string path = settings_.PathOf(paths::kConfigFile);
    const std::string before = *backend_.BytesAt(path);
    modes_.ExitRequested();
    const Rect saved{settings_.ConfigInt(keys::kLeft), settings_.ConfigInt(keys::kTop), settings_.ConfigInt(keys::kWidth),
                     settings_.ConfigInt(keys::kHeight)};
    backend_.PutBytes(path, before);
    if (saved.left >= kScreen.width || saved.top >= kScreen.height) return "quitting would save a place off the screen";
    return {};
  }

  bool SelectionOpen() const { return windows_.surfaceOpen; }
  bool FormatOpen() const { return windows_.formatOpen; }

  // Esc on the window in front, closing it, the tray's return and "#显示主窗口", a few times: the start
  // screen must come back at the saved geometry.
  std::string Recover() {
    for (int step = 0; step < 8 && !AtStartScreen(); ++step) {
      beforeEvent_ = Snapshot();
      const ModeView& v = modes_.View();
      if (windows_.formatOpen) {
        windows_.EndFormatWindow();
      } else if (windows_.surfaceOpen && SelectionTakesInput()) {
        // Esc acts only once a rectangle was pressed on the surface; closing it (Alt+F4) always does.
        SelectionKey(kEscape, false);
        if (windows_.surfaceOpen) modes_.RegionAbandoned();
      } else if (v.selection == Selection::kAttach) {
        modes_.FrameKeyReleased(kEscape);
      } else if (v.mainHidden) {
        Command(MenuId::kShowMainWindow);
      } else if (v.locked == LockedState::kMovingOrResizing) {
        modes_.FinishRequested();
      } else if (v.locked == LockedState::kLocked) {
        Command(MenuId::kReturnToStart);
      }
      if (const std::string broken = Broken(); !broken.empty()) return "on the way back: " + broken;
    }
    if (!AtStartScreen()) return "Esc, closing and the tray's return do not lead back to the start screen";
    return {};
  }

 private:
  // The format window is modal for the main window only: the selection windows take input unless they
  // were told not to.
  bool SelectionTakesInput() const { return windows_.surfaceOpen && windows_.selectionInput; }

  // What the region windows do with a key: the rules of RegionKeyReleased over the dragged rectangle.
  void SelectionKey(int key, bool onRegionWindow) {
    const ModeView& v = modes_.View();
    RegionKeyContext context;
    context.selecting = v.selection == Selection::kRegion || v.selection == Selection::kRegionShot;
    context.regionOnScreen = windows_.drag.Region().left < kScreen.width;
    context.forScreenshot = v.RegionScreenshotFlag();
    context.buttonHeld = windows_.drag.ButtonHeld();
    context.region = windows_.drag.Region();
    const Size keyWindow = onRegionWindow ? Size{context.region.width, context.region.height} : kScreen;
    switch (RegionKeyReleased(key, context)) {
      case RegionKeyAction::kLock:
        modes_.RegionLockRequested(context.region, keyWindow);
        break;
      case RegionKeyAction::kScreenshot:
        modes_.RegionShotConfirmed(context.region);
        break;
      case RegionKeyAction::kAbandon:
        modes_.RegionAbandoned();
        break;
      case RegionKeyAction::kNothing:
        break;
    }
  }

  // The main window's routing of the mode commands.
  void Command(MenuId id) {
    switch (id) {
      case MenuId::kTopmost: modes_.TopmostChosen(!modes_.View().topmost); break;
      case MenuId::kStrongTopmost: modes_.StrongTopmostToggled(); break;
      case MenuId::kCustomRegionScreenshot: modes_.RegionShotRequested(); break;
      case MenuId::kReturnToStart: modes_.ReturnRequested(); break;
      case MenuId::kMoveOrResize: modes_.MoveResizeRequested(); break;
      case MenuId::kFinishAndLock: modes_.FinishRequested(); break;
      case MenuId::kReattach: modes_.ReattachRequested(); break;
      case MenuId::kReselectRegion: modes_.ReselectRequested(); break;
      case MenuId::kShowMainWindow: modes_.ShowRequested(); break;
      case MenuId::kHideMainWindow: modes_.HideRequested(); break;
      case MenuId::kHotkeyHints: modes_.HotkeyHintsToggled(); break;
      default: break;
    }
  }

  void Hotkey(int slot) {
    const ModeView& v = modes_.View();
    HotkeyConditions conditions;
    conditions.topmost = v.topmost;
    conditions.strongTopmost = v.strongTopmost;
    conditions.overlayLocked = v.OverlayShowing();
    conditions.mainShown = !v.mainHidden;
    conditions.mainHidden = v.mainHidden;
    for (int i = 0; i < kActionTimerSlots; ++i) conditions.timerIdle[i] = !windows_.busy.contains(static_cast<ActionTimer>(i));
    const HotkeyOutcome outcome = DecideHotkeyAction(slot, conditions);
    if (outcome.kind == HotkeyOutcome::Kind::kCommand) Command(outcome.command);
    if (outcome.kind == HotkeyOutcome::Kind::kArmTimer && outcome.timer != ActionTimer::kExit) {
      windows_.busy.insert(outcome.timer);
      windows_.armed.push_back(outcome.timer);
    }
  }

  void Tick() {
    std::vector<ActionTimer> due;
    due.swap(windows_.armed);
    for (ActionTimer timer : due) {
      const MenuId command = TickOf(timer).command;
      // Commands that open no selection end at once; the others end with their selection.
      if (timer == ActionTimer::kScanRegionShot || timer == ActionTimer::kOpenScreenshotFolder) {
        windows_.busy.erase(timer);
        continue;
      }
      Command(command);
    }
    if (windows_.followingCursor && windows_.shape == Shape::kSelectionFrame && windows_.attachedExists) {
      windows_.mainRect = windows_.attachedRect;  // the frame jumps onto the window under the cursor
      windows_.frameLeftItsPlace = true;
    }
  }

  std::string BrokenConfig() const {
    const std::string* file = backend_.BytesAt(settings_.PathOf(paths::kConfigFile));
    if (file == nullptr) return "Config.ini is gone";
    std::set<std::pair<std::string, std::string>> stored;
    for (const IniSection& section : ListIniSections(*file)) {
      for (const IniKey& key : section.keys) stored.emplace(section.name, key.name);
    }
    for (const SettingEntry& entry : DefaultConfigEntries()) {
      if (!stored.contains({std::string(entry.key.section), std::string(entry.key.key)})) {
        return std::string("Config.ini lost ") + entry.key.key;
      }
    }
    for (SettingKey flag : {keys::kTopmost, keys::kHotkeyHints}) {
      const std::string value = settings_.Config(flag);
      if (value != "0" && value != "1") return std::string("Config.ini holds a flag out of range: ") + flag.key;
    }
    const Size minimum{kMinimumWindowWidth, kMinimumWindowHeight};
    if (settings_.ConfigInt(keys::kWidth) <= minimum.width - 1 || settings_.ConfigInt(keys::kHeight) <= minimum.height - 1 ||
        settings_.ConfigInt(keys::kLeft) <= 0 || settings_.ConfigInt(keys::kTop) <= 0) {
      return "Config.ini holds a start-screen geometry no start screen has";
    }
    return {};
  }

  // A screenshot started over a locked overlay gives it back as it was.
  std::string ShotOverOverlayBroken() {
    const ModeView& v = modes_.View();
    const bool shotOpen = v.selection == Selection::kRegionShot || v.selection == Selection::kShotFormat;
    if (shotOpen && !shotOpen_) {
      shotOpen_ = true;
      shotStartLocked_ = v.locked;
      beforeShot_ = beforeEvent_;
      hiddenAtShot_ = v.mainHidden;
      followedAtShot_ = v.following;
      attachedChanged_ = false;
    } else if (!shotOpen && shotOpen_) {
      shotOpen_ = false;
      MainSnapshot after = Snapshot();
      // The user hid or showed it meanwhile: it is elsewhere by right. The window it follows changed
      // meanwhile: it follows it.
      if (v.mainHidden != hiddenAtShot_) after.rect = beforeShot_.rect;
      if (followedAtShot_ && attachedChanged_) after = beforeShot_;
      if (shotStartLocked_ != LockedState::kNotLocked && !(after == beforeShot_)) {
        std::ostringstream out;
        out << "a screenshot over the overlay did not give it back as it was (place " << (after.rect == beforeShot_.rect)
            << ", input " << (after.enabled == beforeShot_.enabled) << ", click-through "
            << (after.clickThrough == beforeShot_.clickThrough) << ", on top " << (after.topmost == beforeShot_.topmost)
            << ", shape " << (after.shape == beforeShot_.shape) << ")";
        return out.str();
      }
    }
    if (!shotOpen) shotStartLocked_ = v.locked;
    return {};
  }

  struct MainSnapshot {
    Rect rect;
    bool enabled, clickThrough, layered, topmost;
    Shape shape;
    bool operator==(const MainSnapshot&) const = default;
  };
  MainSnapshot Snapshot() const {
    return {windows_.mainRect, windows_.mainEnabled, windows_.clickThrough, windows_.layered, windows_.mainTopmost,
            windows_.shape};
  }

  bool AtStartScreen() const {
    const ModeView& v = modes_.View();
    return v.StartScreen() && !v.mainHidden && windows_.shape == Shape::kStartScreen && windows_.mainShown &&
           windows_.mainEnabled && !windows_.layered && !windows_.surfaceOpen && !windows_.formatOpen &&
           windows_.mainRect == v.savedGeometry;
  }

  MemoryBackend backend_;
  SettingsStore settings_;
  WindowModel windows_;
  ProgramModes modes_;
  Point pointer_;
  int checkedWrites_ = -1;
  bool released_ = false;
  bool shotOpen_ = false;
  LockedState shotStartLocked_ = LockedState::kNotLocked;
  MainSnapshot beforeShot_{};
  MainSnapshot beforeEvent_{};
  bool hiddenAtShot_ = false;
  bool attachedChanged_ = false;
  bool followedAtShot_ = false;
};

constexpr MenuId kTrayItems[] = {
    MenuId::kTopmost,      MenuId::kStrongTopmost,  MenuId::kCustomRegionScreenshot, MenuId::kReturnToStart,
    MenuId::kMoveOrResize, MenuId::kFinishAndLock,  MenuId::kReattach,               MenuId::kReselectRegion,
    MenuId::kShowMainWindow, MenuId::kHideMainWindow, MenuId::kHotkeyHints};

Event RandomEvent(std::mt19937& random) {
  auto pick = [&random](int count) { return static_cast<int>(random() % static_cast<unsigned>(count)); };
  const auto type = static_cast<EventType>(pick(static_cast<int>(EventType::kFollowOptionToggle) + 1));
  Event e{type};
  constexpr int kKeys[] = {'A', kEscape, kBackspace, kReturn, kF5};
  switch (type) {
    case EventType::kTray:
      e.item = kTrayItems[pick(static_cast<int>(std::size(kTrayItems)))];
      break;
    case EventType::kHotkey:
      e.x = 1 + pick(14);
      break;
    case EventType::kKeyOnMain:
    case EventType::kKeyOnSurface:
    case EventType::kKeyOnRegion:
      e.x = kKeys[pick(static_cast<int>(std::size(kKeys)))];
      break;
    case EventType::kPressOnSurface:
    case EventType::kDragTick:
    case EventType::kAttachedWindowMoves:
      e.x = pick(kScreen.width + 200) - 100;
      e.y = pick(kScreen.height + 200) - 100;
      break;
    case EventType::kFollowOptionToggle:
      e.x = pick(2);
      break;
    default:
      break;
  }
  return e;
}

// While a selection or the format window is open, the user mostly works on it: a drag, a key, the
// format window's buttons; otherwise any event.
Event LikelyEvent(std::mt19937& random, const World& world) {
  constexpr EventType kDragging[] = {EventType::kPressOnSurface,   EventType::kDragTick,         EventType::kDragTick,
                                     EventType::kReleaseOnSurface, EventType::kReleaseElsewhere, EventType::kReleaseOnRegion,
                                     EventType::kKeyOnSurface,     EventType::kKeyOnRegion,      EventType::kRightButton};
  Event e = RandomEvent(random);
  if (world.FormatOpen() && random() % 3 == 0) {
    e.type = random() % 2 == 0 ? EventType::kCloseFormat : EventType::kFormatButton;
  } else if (world.SelectionOpen() && random() % 5 < 3) {
    constexpr int kSelectionKeys[] = {'A', 'A', 'A', kReturn, kEscape};
    e = Event{kDragging[random() % std::size(kDragging)]};
    const bool key = e.type == EventType::kKeyOnSurface || e.type == EventType::kKeyOnRegion;
    e.x = key ? kSelectionKeys[random() % std::size(kSelectionKeys)] : static_cast<int>(random() % kScreen.width);
    e.y = static_cast<int>(random() % kScreen.height);
  }
  return e;
}

struct Outcome {
  std::string broken;  // empty: every invariant held
  std::vector<Event> ran;
};

// Replays the events (an event that cannot happen in the state reached is passed over).
Outcome Play(const std::vector<Event>& events, bool enabledEffect) {
  World world(enabledEffect);
  Outcome outcome;
  for (const Event& e : events) {
    if (!world.Run(e)) continue;
    outcome.ran.push_back(e);
    if (outcome.broken = world.Broken(); !outcome.broken.empty()) return outcome;
  }
  // Quitting where the walk ended, then the way back.
  if (outcome.broken = world.ExitWouldSaveAPlaceOffTheScreen(); !outcome.broken.empty()) return outcome;
  outcome.broken = world.Recover();
  return outcome;
}

// A walk of `steps` events, each drawn until one can happen in the state reached.
Outcome Walk(std::mt19937& random, int steps, bool enabledEffect) {
  World world(enabledEffect);
  Outcome outcome;
  for (int step = 0; step < steps; ++step) {
    for (int attempt = 0; attempt < 30; ++attempt) {
      const Event e = LikelyEvent(random, world);
      if (!world.Run(e)) continue;
      outcome.ran.push_back(e);
      break;
    }
    if (outcome.broken = world.Broken(); !outcome.broken.empty()) return outcome;
  }
  // Quitting where the walk ended, then the way back.
  if (outcome.broken = world.ExitWouldSaveAPlaceOffTheScreen(); !outcome.broken.empty()) return outcome;
  outcome.broken = world.Recover();
  return outcome;
}

// Drops events, one at a time, while the sequence still fails.
std::vector<Event> Shrink(std::vector<Event> events, bool enabledEffect) {
  for (bool dropped = true; dropped;) {
    dropped = false;
    for (size_t i = 0; i < events.size(); ++i) {
      std::vector<Event> shorter = events;
      shorter.erase(shorter.begin() + static_cast<std::ptrdiff_t>(i));
      if (!Play(shorter, enabledEffect).broken.empty()) {
        events = std::move(shorter);
        dropped = true;
        break;
      }
    }
  }
  return events;
}

TEST(ProgramModesModelTest, EveryStateKeepsTheInvariantsAndLeadsBackToTheStartScreen) {
  constexpr int kSequences = 4000;
  for (int seed = 1; seed <= kSequences; ++seed) {
    std::mt19937 random(static_cast<unsigned>(seed));
    const bool enabledEffect = random() % 4 != 0;
    const Outcome outcome = Walk(random, 1 + static_cast<int>(random() % 80), enabledEffect);
    if (outcome.broken.empty()) continue;
    const std::vector<Event> shortest = Shrink(outcome.ran, enabledEffect);
    std::ostringstream report;
    report << "seed " << seed << ": " << Play(shortest, enabledEffect).broken << "\n  shortest sequence ("
           << shortest.size() << " events" << (enabledEffect ? "" : ", no enabled effect") << "):";
    for (const Event& e : shortest) report << "\n    " << Describe(e);
    FAIL() << report.str();
  }
}

// The menus show what the modes allow: the overlay's commands only over a showing overlay, the
// selection frame's instruction lines only while it follows the cursor, the move-and-resize lines only
// while the overlay is moved.
TEST(ProgramModesModelTest, TheMenusFollowTheModes) {
  struct Row {
    ModeView view;
    MenuId item;
    bool enabled;
    bool visible;
  };
  ModeView locked;
  locked.locked = LockedState::kLocked;
  ModeView shotOverOverlay = locked;
  shotOverOverlay.selection = Selection::kShotFormat;
  ModeView attaching;
  attaching.selection = Selection::kAttach;
  ModeView moving;
  moving.locked = LockedState::kMovingOrResizing;
  ModeView hidden = locked;
  hidden.mainHidden = true;
  ModeView suite;
  suite.suiteOpen = true;
  const Row rows[] = {
      {ModeView{}, MenuId::kReturnToStart, false, true},     {locked, MenuId::kReturnToStart, true, true},
      {shotOverOverlay, MenuId::kReturnToStart, false, true}, {moving, MenuId::kReturnToStart, false, true},
      {moving, MenuId::kReselectRegion, true, true},         {attaching, MenuId::kReattach, false, true},
      {attaching, MenuId::kBarEscBack, true, true},          {locked, MenuId::kBarEscBack, true, false},
      {moving, MenuId::kBarF5, true, true},                  {locked, MenuId::kBarF5, true, false},
      {hidden, MenuId::kMoveOrResize, true, false},          {attaching, MenuId::kProgramColours, false, true},
      {locked, MenuId::kProgramColours, false, true},        {ModeView{}, MenuId::kProgramColours, true, true},
      {suite, MenuId::kCustomHotkeys, false, true},          {suite, MenuId::kAdvancedOptions, false, true},
  };
  for (const Row& row : rows) {
    std::optional<MenuItemState> found;
    for (const MenuItemState& state : MenuStatesOf(row.view)) {
      if (state.id == row.item) found = state;
    }
    ASSERT_TRUE(found) << static_cast<int>(row.item);
    EXPECT_EQ(found->enabled.value_or(true), row.enabled) << static_cast<int>(row.item);
    EXPECT_EQ(found->visible.value_or(true), row.visible) << static_cast<int>(row.item);
  }
}

}  // namespace
}  // namespace corvanta
