#include "overlay/overlay_controller.h"

#include <commctrl.h>

#include "app/app.h"
#include "shell/main_window_seam.h"
#include "shell/menus.h"
#include "effects/effect_list.h"
#include "effects/effect_list_text.h"
#include "overlay/draw_canvas.h"
#include "overlay/render.h"
#include "platform/files.h"
#include "settings/paths.h"

namespace corvanta {

namespace {

constexpr int kHiddenPosition = 28888;
constexpr LONG kOverlayExStyle = WS_EX_TRANSPARENT | WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_LAYERED;

// Items that disappear from the tray menu while the main window is hidden.
constexpr MenuId kItemsHiddenWithMainWindow[] = {MenuId::kTopmost,       MenuId::kStrongTopmost,
                                                 MenuId::kScanRegionScreenshotMenu, MenuId::kAdvancedOptions,
                                                 MenuId::kProgramColours, MenuId::kReturnToStart,
                                                 MenuId::kMoveOrResize};

}  // namespace

OverlayController::OverlayController(App& app, MainWindowSeam& window) : app_(app), window_(window) {}

COLORREF OverlayController::ColourKey() const { return ColourKeyOf(app_.State()); }

int OverlayController::Strength() const { return window_.StrengthSliderPosition(); }

bool OverlayController::OnKeyReleased(WPARAM virtualKey) {
  if (!app_.State().selectionState) return false;
  if (virtualKey == VK_BACK || virtualKey == VK_ESCAPE) {
    CancelSelection();
  } else {
    Lock();
  }
  return true;
}

void OverlayController::SetHintEntriesVisible(bool visible) {
  Menus& menus = window_.GetMenus();
  menus.SetVisible(MenuId::kBarEscBack, visible);
  menus.SetVisible(MenuId::kBarPressAnyKey, visible);
  menus.SetVisible(MenuId::kBarHoldMouse, visible);
}

void OverlayController::ApplyTopmostState(bool onTop) {
  window_.SetAlwaysOnTop(onTop);
  window_.GetMenus().SetChecked(MenuId::kTopmost, onTop);
  window_.SetTopmostCheckbox(onTop);
}

void OverlayController::LoadPreset(const std::string& presetName) {
  if (app_.State().displayMode != DisplayMode::kCustom) return;
  const std::string path = app_.Settings().PathOf(paths::kPresetFolder) + "\\" + presetName;
  if (FileExists(path)) lockedPreset_ = ReadPreset(app_.Settings(), path);
}

void OverlayController::RenderLockedCanvas(const LockRequest& lock) {
  const ProgramState& state = app_.State();
  SettingsStore& settings = app_.Settings();
  RenderRequest request;
  request.displayMode = state.displayMode;
  request.placement = settings.ConfigInt(keys::kPicturePlacement);
  if (state.displayMode == DisplayMode::kMixed) {
    const std::string presetPath =
        settings.PathOf(paths::kPresetFolder) + "\\" + ReadMixedPair(settings).presetName;
    if (FileExists(presetPath)) lockedPreset_ = ReadPreset(settings, presetPath);
    request.picturePath = settings.PathOf(paths::kPictureFolder) + "\\" + state.mixedPictureName;
  } else if (state.displayMode == DisplayMode::kPicture) {
    request.picturePath = settings.PathOf(paths::kPictureFolder) + "\\" + lock.pictureName;
  }
  request.preset = lockedPreset_;
  RECT client{};
  GetClientRect(window_.Hwnd(), &client);
  const SIZE size = lock.canvasSize.value_or(SIZE{client.right, client.bottom});
  RenderDisplayMode(window_.Canvas(), size.cx, size.cy, request);
  lastRender_ = request;
}

void OverlayController::RedrawAtSize(int width, int height) {
  RedrawDisplayMode(window_.Canvas(), width, height, lastRender_);
}

void OverlayController::SetPicturePlacement(int code) {
  lastRender_.placement = code;
  window_.Canvas().SetPlacement(code);
}

void OverlayController::TakeRegion(const RECT& region) {
  window_.ShowStartScreenControls(false);
  window_.SetFrame(WindowFrame::kBorderless);
  SetWindowPos(window_.Hwnd(), nullptr, region.left, region.top, region.right - region.left,
               region.bottom - region.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void OverlayController::Lock() {
  LockRequest request;
  request.presetName = window_.List().SelectedName();
  request.pictureName = request.presetName;
  Lock(request);
}

void OverlayController::Lock(const LockRequest& request) {
  HWND hwnd = window_.Hwnd();
  Menus& menus = window_.GetMenus();
  ShowWindow(hwnd, SW_HIDE);
  SetHintEntriesVisible(false);
  menus.SetEnabled(MenuId::kReselectRegion, true);
  menus.SetEnabled(MenuId::kReattach, true);
  EnableWindow(hwnd, FALSE);
  ApplyTopmostState(true);
  LoadPreset(request.presetName);
  RenderLockedCanvas(request);
  menus.SetEnabled(MenuId::kMoveOrResize, true);
  menus.SetEnabled(MenuId::kReattach, true);
  menus.SetEnabled(MenuId::kReturnToStart, true);
  window_.StopTimer(MainTimer::kAttachTrack);
  app_.State().selectionState = false;
  app_.State().lockedState = LockedState::kLocked;
  if (request.region) TakeRegion(*request.region);
  SetWindowLongW(hwnd, GWL_EXSTYLE, GetWindowLongW(hwnd, GWL_EXSTYLE) | kOverlayExStyle);
  SetLayeredWindowAttributes(hwnd, ColourKey(), static_cast<BYTE>(Strength()), LWA_COLORKEY | LWA_ALPHA);
  ShowWindow(hwnd, SW_SHOWNA);
  ClearHotkeyBusyMark();
}

void OverlayController::CancelSelection() {
  HWND hwnd = window_.Hwnd();
  ProgramState& state = app_.State();
  ShowWindow(hwnd, SW_HIDE);
  window_.ShowStartScreenControls(true);
  window_.Canvas().Show(false);
  window_.SetFrame(WindowFrame::kNormal);
  window_.SetBackgroundColour(kStartScreenBackground);
  SetHintEntriesVisible(false);
  window_.GetMenus().SetEnabled(MenuId::kReselectRegion, false);
  window_.GetMenus().SetEnabled(MenuId::kReattach, false);
  window_.StopTimer(MainTimer::kAttachTrack);
  state.selectionState = false;
  state.regionMode = RegionMode::kNone;
  const ScreenRect& saved = state.savedGeometry;
  SetWindowPos(hwnd, nullptr, saved.left, saved.top, saved.width, saved.height, SWP_NOZORDER | SWP_NOACTIVATE);
  window_.GetMenus().SetEnabled(MenuId::kProgramColours, true);
  EnableWindow(hwnd, TRUE);
  SetWindowLongW(hwnd, GWL_EXSTYLE, 0);
  ShowWindow(hwnd, SW_SHOW);
  ClearHotkeyBusyMark();
}

void OverlayController::ReturnToStartScreen() {
  ProgramState& state = app_.State();
  if (state.lockedState != LockedState::kLocked) return;
  HWND hwnd = window_.Hwnd();
  Menus& menus = window_.GetMenus();
  ShowWindow(hwnd, SW_HIDE);
  EnableWindow(hwnd, TRUE);
  window_.Canvas().Clear();
  window_.Canvas().RemovePicture();
  window_.ShowStartScreenControls(true);
  window_.Canvas().Show(false);
  window_.SetFrame(WindowFrame::kNormal);
  window_.SetBackgroundColour(kStartScreenBackground);
  SetHintEntriesVisible(false);
  for (MenuId id : {MenuId::kMoveOrResize, MenuId::kReattach, MenuId::kReselectRegion, MenuId::kReturnToStart}) {
    menus.SetEnabled(id, false);
  }
  SetWindowLongW(hwnd, GWL_EXSTYLE, 0);
  const ScreenRect& saved = state.savedGeometry;
  SetWindowPos(hwnd, nullptr, saved.left, saved.top, saved.width, saved.height, SWP_NOZORDER | SWP_NOACTIVATE);
  state.lockedState = LockedState::kNotLocked;
  state.regionMode = RegionMode::kNone;
  state.customRegionFlag = false;
  menus.SetEnabled(MenuId::kProgramColours, true);
  ShowWindow(hwnd, SW_SHOW);
  window_.LayOutStartScreen();
}

void OverlayController::ChooseDisplayMode(DisplayMode mode) {
  ProgramState& state = app_.State();
  SettingsStore& settings = app_.Settings();
  if (mode == DisplayMode::kMixed) ShowWindow(window_.List().Hwnd(), SW_HIDE);
  window_.ShowModeControls(mode);
  window_.Canvas().Clear();
  if (mode == DisplayMode::kMixed) window_.Canvas().RemovePicture();
  state.displayMode = mode;
  settings.SetConfig(keys::kDisplayMode, StoredDisplayMode(mode));
  int32_t* enabled = EnabledIndexSlot(state.enabled, mode);
  const SettingKey* enabledKey = EnabledIndexKey(mode);
  if (enabled == nullptr || enabledKey == nullptr) return;
  *enabled = settings.ConfigInt(*enabledKey);
  if (mode == DisplayMode::kCustom) {
    state.colourKey = kCustomModeColourKey;
  } else {
    state.colourKey = {settings.ConfigInt(keys::kColourKeyRed), settings.ConfigInt(keys::kColourKeyGreen),
                       settings.ConfigInt(keys::kColourKeyBlue)};
  }
  window_.List().RefreshColouring(*enabled);
  if (mode == DisplayMode::kMixed) {
    window_.StartTimer(MainTimer::kMixedPreparation, 30);
  } else {
    window_.StartTimer(MainTimer::kListFill, 30);
  }
}

void OverlayController::OnTopmostCheckboxClicked() {
  const bool checked = SendMessageW(window_.Control(ControlId::kTopmostCheckbox), BM_GETCHECK, 0, 0) == BST_CHECKED;
  app_.Settings().SetConfig(keys::kTopmost, checked ? "1" : "0");
  window_.SetAlwaysOnTop(checked);
  window_.GetMenus().SetChecked(MenuId::kTopmost, checked);
}

void OverlayController::ToggleTopmostFromMenu() {
  const bool onTop = !window_.GetMenus().IsChecked(MenuId::kTopmost);
  app_.Settings().SetConfig(keys::kTopmost, onTop ? "1" : "0");
  ApplyTopmostState(onTop);
}

void OverlayController::ToggleStrongTopmost() {
  Menus& menus = window_.GetMenus();
  if (!menus.IsChecked(MenuId::kStrongTopmost)) {
    menus.SetChecked(MenuId::kStrongTopmost, true);
    window_.StartTimer(MainTimer::kStrongTopmost, 30);
    return;
  }
  menus.SetChecked(MenuId::kStrongTopmost, false);
  window_.StopTimer(MainTimer::kStrongTopmost);
  // Switch the always-on-top state to the opposite and back: the window ends as "^置顶^" says, whatever
  // the ticks did to its place in the topmost band.
  const bool onTop = window_.GetMenus().IsChecked(MenuId::kTopmost);
  window_.SetAlwaysOnTop(!onTop);
  window_.SetAlwaysOnTop(onTop);
}

void OverlayController::OnStrongTopmostTick() {
  ++strongTopmostTicks_;
  SetWindowPos(window_.Hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE);
}

void OverlayController::OnStrengthChanged(int position) {
  SendMessageW(window_.Control(ControlId::kStrengthSlider), TBM_SETSEL, TRUE, MAKELPARAM(0, position));
  window_.RedrawStrengthSwatch(position);
  app_.Settings().SetConfigInt(keys::kStrength, position);
}

void OverlayController::HideMainWindow() {
  Menus& menus = window_.GetMenus();
  if (!menus.IsChecked(MenuId::kShowMainWindow)) return;
  RECT rect{};
  GetWindowRect(window_.Hwnd(), &rect);
  app_.State().hideRestore = {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
  SetWindowPos(window_.Hwnd(), nullptr, kHiddenPosition, kHiddenPosition, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  for (MenuId id : kItemsHiddenWithMainWindow) menus.SetVisible(id, false);
  menus.SetChecked(MenuId::kShowMainWindow, false);
  menus.SetChecked(MenuId::kHideMainWindow, true);
}

void OverlayController::ShowMainWindow() {
  Menus& menus = window_.GetMenus();
  if (!menus.IsChecked(MenuId::kHideMainWindow)) return;
  const ScreenRect& r = app_.State().hideRestore;
  SetWindowPos(window_.Hwnd(), nullptr, r.left, r.top, r.width, r.height, SWP_NOZORDER | SWP_NOACTIVATE);
  for (MenuId id : kItemsHiddenWithMainWindow) menus.SetVisible(id, true);
  menus.SetChecked(MenuId::kShowMainWindow, true);
  menus.SetChecked(MenuId::kHideMainWindow, false);
}

void OverlayController::ClearHotkeyBusyMark() {
  // A re-attach started by a hotkey has ended with this lock or cancel.
  window_.ClearHotkeyBusyMark(ActionTimer::kReattach);
}

}  // namespace corvanta
