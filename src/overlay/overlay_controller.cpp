#include "overlay/overlay_controller.h"

#include <commctrl.h>

#include "overlay/draw_canvas.h"
#include "overlay/render.h"
#include "shell/main_window_seam.h"
#include "shell/menus.h"
#include "shell/program.h"
#include "shell/topmost.h"
#include "shell/win_rect.h"

namespace corvanta {

namespace {

constexpr LONG kOverlayExStyle = WS_EX_TRANSPARENT | WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_LAYERED;

// Items that disappear from the tray menu while the main window is hidden.
constexpr MenuId kItemsHiddenWithMainWindow[] = {MenuId::kTopmost,       MenuId::kStrongTopmost,
                                                 MenuId::kScanRegionScreenshotMenu, MenuId::kAdvancedOptions,
                                                 MenuId::kProgramColours, MenuId::kReturnToStart,
                                                 MenuId::kMoveOrResize};

}  // namespace

OverlayController::OverlayController(Program& program, MainWindowSeam& window, DrawCanvas& canvas)
    : program_(program), window_(window), canvas_(canvas) {}

COLORREF OverlayController::ColourKey() const { return ColourKeyOf(program_.State()); }

int OverlayController::Strength() const { return window_.StrengthSliderPosition(); }

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

void OverlayController::RenderLockedCanvas(const LockRequest& lock) {
  RenderRequest request;
  request.displayMode = program_.State().displayMode;
  request.placement = static_cast<Placement>(program_.Settings().ConfigInt(keys::kPicturePlacement));
  request.picturePath = lock.picturePath;
  // A preset file that is gone leaves the scanlines of the previous lock.
  request.scanlines = lock.scanlines.value_or(lastRender_.scanlines);
  RECT client{};
  GetClientRect(window_.Hwnd(), &client);
  const SIZE size = lock.canvasSize.value_or(SIZE{client.right, client.bottom});
  RenderDisplayMode(canvas_, size.cx, size.cy, request);
  lastRender_ = request;
}

void OverlayController::RedrawAtSize(int width, int height) {
  RedrawDisplayMode(canvas_, width, height, lastRender_);
}

void OverlayController::SetPicturePlacement(Placement placement) {
  lastRender_.placement = placement;
  canvas_.SetPlacement(placement);
}

void OverlayController::TakeRegion(const RECT& region) {
  window_.ShowStartScreenControls(false);
  window_.SetFrame(WindowFrame::kBorderless);
  SetWindowPos(window_.Hwnd(), nullptr, region.left, region.top, region.right - region.left,
               region.bottom - region.top, SWP_NOZORDER | SWP_NOACTIVATE);
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
  RenderLockedCanvas(request);
  menus.SetEnabled(MenuId::kMoveOrResize, true);
  menus.SetEnabled(MenuId::kReattach, true);
  menus.SetEnabled(MenuId::kReturnToStart, true);
  window_.StopTimer(MainTimer::kAttachTrack);
  program_.State().selectionState = false;
  program_.State().lockedState = LockedState::kLocked;
  if (request.region) TakeRegion(*request.region);
  SetWindowLongW(hwnd, GWL_EXSTYLE, GetWindowLongW(hwnd, GWL_EXSTYLE) | kOverlayExStyle);
  SetLayeredWindowAttributes(hwnd, ColourKey(), static_cast<BYTE>(Strength()), LWA_COLORKEY | LWA_ALPHA);
  ShowWindow(hwnd, SW_SHOWNA);
  ClearHotkeyBusyMark();
}

void OverlayController::CancelSelection() {
  HWND hwnd = window_.Hwnd();
  ProgramState& state = program_.State();
  ShowWindow(hwnd, SW_HIDE);
  window_.ShowStartScreenControls(true);
  canvas_.Show(false);
  window_.SetFrame(WindowFrame::kNormal);
  window_.SetBackgroundColour(kStartScreenBackground);
  SetHintEntriesVisible(false);
  window_.GetMenus().SetEnabled(MenuId::kReselectRegion, false);
  window_.GetMenus().SetEnabled(MenuId::kReattach, false);
  window_.StopTimer(MainTimer::kAttachTrack);
  state.selectionState = false;
  state.regionMode = RegionMode::kNone;
  const Rect& saved = state.savedGeometry;
  MoveWindowTo(hwnd, saved);
  window_.GetMenus().SetEnabled(MenuId::kProgramColours, true);
  EnableWindow(hwnd, TRUE);
  SetWindowLongW(hwnd, GWL_EXSTYLE, 0);
  ShowWindow(hwnd, SW_SHOW);
  ClearHotkeyBusyMark();
}

void OverlayController::ReturnToStartScreen() {
  ProgramState& state = program_.State();
  if (state.lockedState != LockedState::kLocked) return;
  HWND hwnd = window_.Hwnd();
  Menus& menus = window_.GetMenus();
  ShowWindow(hwnd, SW_HIDE);
  EnableWindow(hwnd, TRUE);
  canvas_.Clear();
  canvas_.RemovePicture();
  window_.ShowStartScreenControls(true);
  canvas_.Show(false);
  window_.SetFrame(WindowFrame::kNormal);
  window_.SetBackgroundColour(kStartScreenBackground);
  SetHintEntriesVisible(false);
  for (MenuId id : {MenuId::kMoveOrResize, MenuId::kReattach, MenuId::kReselectRegion, MenuId::kReturnToStart}) {
    menus.SetEnabled(id, false);
  }
  SetWindowLongW(hwnd, GWL_EXSTYLE, 0);
  const Rect& saved = state.savedGeometry;
  MoveWindowTo(hwnd, saved);
  state.lockedState = LockedState::kNotLocked;
  state.regionMode = RegionMode::kNone;
  state.customRegionFlag = false;
  menus.SetEnabled(MenuId::kProgramColours, true);
  ShowWindow(hwnd, SW_SHOW);
  window_.LayOutStartScreen();
}

void OverlayController::OnTopmostCheckboxClicked() {
  const bool checked = SendMessageW(window_.Control(ControlId::kTopmostCheckbox), BM_GETCHECK, 0, 0) == BST_CHECKED;
  program_.Settings().SetConfig(keys::kTopmost, checked ? "1" : "0");
  window_.SetAlwaysOnTop(checked);
  window_.GetMenus().SetChecked(MenuId::kTopmost, checked);
}

void OverlayController::ToggleTopmostFromMenu() {
  const bool onTop = !window_.GetMenus().IsChecked(MenuId::kTopmost);
  program_.Settings().SetConfig(keys::kTopmost, onTop ? "1" : "0");
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
  SetWindowOnTop(window_.Hwnd(), true);
}

void OverlayController::OnStrengthChanged(int position) {
  SendMessageW(window_.Control(ControlId::kStrengthSlider), TBM_SETSEL, TRUE, MAKELPARAM(0, position));
  window_.RedrawStrengthSwatch(position);
  program_.Settings().SetConfigInt(keys::kStrength, position);
}

void OverlayController::HideMainWindow() {
  Menus& menus = window_.GetMenus();
  if (!menus.IsChecked(MenuId::kShowMainWindow)) return;
  RECT rect{};
  GetWindowRect(window_.Hwnd(), &rect);
  program_.State().hideRestore = {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
  SetWindowPos(window_.Hwnd(), nullptr, kOffScreenPosition, kOffScreenPosition, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  for (MenuId id : kItemsHiddenWithMainWindow) menus.SetVisible(id, false);
  menus.SetChecked(MenuId::kShowMainWindow, false);
  menus.SetChecked(MenuId::kHideMainWindow, true);
}

void OverlayController::ShowMainWindow() {
  Menus& menus = window_.GetMenus();
  if (!menus.IsChecked(MenuId::kHideMainWindow)) return;
  const Rect& r = program_.State().hideRestore;
  MoveWindowTo(window_.Hwnd(), r);
  for (MenuId id : kItemsHiddenWithMainWindow) menus.SetVisible(id, true);
  menus.SetChecked(MenuId::kShowMainWindow, true);
  menus.SetChecked(MenuId::kHideMainWindow, false);
}

void OverlayController::ClearHotkeyBusyMark() {
  // A re-attach started by a hotkey has ended with this lock or cancel.
  window_.ClearHotkeyBusyMark(ActionTimer::kReattach);
}

}  // namespace corvanta
