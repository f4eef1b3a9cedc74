#include "region/custom_region.h"

#include "app/app.h"
#include "platform/dpi_scale.h"
#include "app/main_window.h"
#include "shell/main_window_seam.h"
#include "shell/menus.h"
#include "app/start_screen_layout.h"
#include "capture/region_screenshot.h"
#include "shell/topmost_hand_over.h"
#include "effects/effect_list.h"
#include "overlay/draw_canvas.h"
#include "overlay/overlay_controller.h"
#include "region/region_select_window.h"
#include "region/region_window.h"
#include "settings/setting_keys.h"
#include "suite/debug_area_window.h"
#include "suite/suite_window.h"

namespace corvanta {

namespace {

constexpr int kParkMargin = 100;
constexpr int kOutlineColourIndex = 8;  // Color/C9
constexpr int kHintWidth = 288;
constexpr int kHintHeight = 100;
constexpr int kHintAbove = 102;
constexpr int kHintEdge = 100;

std::vector<HWND> Joined(std::vector<HWND> first, const std::vector<HWND>& second) {
  first.insert(first.end(), second.begin(), second.end());
  return first;
}

RegionRect WindowRectOf(HWND hwnd) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  return RegionRect{r.left, r.top, r.right - r.left, r.bottom - r.top};
}

}  // namespace

CustomRegion::CustomRegion(App& app, MainWindowSeam& window, OverlayController& overlay)
    : app_(app), window_(window), overlay_(overlay), handOver_(window) {}

CustomRegion::~CustomRegion() = default;

bool CustomRegion::IsOpen() const { return surface_ != nullptr && surface_->Hwnd() != nullptr; }

RegionSelectWindow* CustomRegion::Surface() const { return IsOpen() ? surface_.get() : nullptr; }

RegionWindow* CustomRegion::Region() const {
  return region_ != nullptr && region_->Hwnd() != nullptr ? region_.get() : nullptr;
}

RegionRect CustomRegion::ParkedRightOfScreen() const { return RegionRect{screenWidth_ + kParkMargin, 0, 0, 0}; }

void CustomRegion::SaveStartScreenGeometry() {
  const RegionRect r = WindowRectOf(window_.Hwnd());
  const WindowSize minimum = MinimumWindowSize(window_.Dpi());
  if (r.left <= 0 || r.top <= 0 || r.width <= minimum.width || r.height <= minimum.height) return;
  app_.State().savedGeometry = {r.left, r.top, r.width, r.height};
  SettingsStore& settings = app_.Settings();
  settings.SetConfigInt(keys::kWidth, r.width);
  settings.SetConfigInt(keys::kHeight, r.height);
  settings.SetConfigInt(keys::kLeft, r.left);
  settings.SetConfigInt(keys::kTop, r.top);
}

void CustomRegion::Start() {
  if (IsOpen()) return;
  SaveStartScreenGeometry();
  app_.State().regionMode = RegionMode::kSelecting;
  window_.GetMenus().SetEnabled(MenuId::kProgramColours, false);
  CreateWindows();
}

void CustomRegion::Reselect() {
  HWND main = window_.Hwnd();
  ShowWindow(main, SW_HIDE);
  overlay_.ReturnToStartScreen();
  Start();
  // Shown without activation: the selection surface keeps the keyboard focus.
  ShowWindow(main, SW_SHOWNA);
}

void CustomRegion::ToggleRegionHint() {
  SettingsStore& settings = app_.Settings();
  const bool on = settings.ConfigInt(keys::kRegionHint) == 1;
  window_.GetMenus().SetChecked(MenuId::kRegionHint, !on);
  settings.SetConfig(keys::kRegionHint, on ? "0" : "1");
}

void CustomRegion::ReadSurfaceSettings() {
  SettingsStore& settings = app_.Settings();
  outlineColour_ = static_cast<COLORREF>(
      settings.ConfigInt(keys::kColourSection, keys::ProgramColourKey(kOutlineColourIndex)));
  hintFollows_ = settings.ConfigInt(keys::kRegionHint) == 1;
}

void CustomRegion::PutMainWindowAside() {
  HWND main = window_.Hwnd();
  if (window_.GetMenus().IsChecked(MenuId::kScreenshotIncludesSelf) && app_.State().regionScreenshotFlag) {
    // The screenshot is to include the main window: it stays visible under the surface.
    ShowWindow(main, SW_SHOWNA);
    window_.SetAlwaysOnTop(false);
    return;
  }
  ShowWindow(main, SW_HIDE);
  SetWindowPos(main, nullptr, screenWidth_ + kParkMargin, WindowRectOf(main).top, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CustomRegion::CreateWindows() {
  ProgramState& state = app_.State();
  savedTopmost_ = window_.IsAlwaysOnTop();
  screenWidth_ = GetSystemMetrics(SM_CXSCREEN);
  screenHeight_ = GetSystemMetrics(SM_CYSCREEN);
  selection_.Begin(ParkedRightOfScreen());
  ReadSurfaceSettings();
  // The objects of a previous selection are gone from the screen already; only now are they released.
  region_.reset();
  surface_ = std::make_unique<RegionSelectWindow>(*this);
  region_ = std::make_unique<RegionWindow>(*this);
  state.customRegionFlag = true;
  if (!surface_->Create(app_.Instance(), screenWidth_, screenHeight_, outlineColour_) ||
      !region_->Create(app_.Instance(), ParkedRightOfScreen())) {
    Abandon();
    return;
  }
  surface_->SetOutline(ParkedRightOfScreen());
  handOver_.Take(Joined(SuiteWindows(), app_.Main().PreferenceWindows()));
  // The surface is activated while the main window is still shown, so the activation stays with this
  // program and the surface gets the keyboard.
  surface_->ShowWithFocus();
  PutMainWindowAside();
}

void CustomRegion::ShowRegion(const RegionRect& region) {
  region_->Place(region);
  surface_->SetOutline(region);
}

void CustomRegion::OnSurfaceLeftPressed() {
  selection_.LeftPressed();
  surface_->StartDragTimer();
}

void CustomRegion::OnDragTick() {
  if (!IsOpen()) return;
  POINT cursor{};
  GetCursorPos(&cursor);
  const int dpi = surface_->Dpi();
  const HintMetrics metrics{DpiScale(kHintEdge, dpi), DpiScale(kHintAbove, dpi)};
  const RegionSelection::TickResult tick =
      selection_.DragTick(RegionPoint{cursor.x, cursor.y}, screenHeight_, hintFollows_, metrics);
  if (tick.moved) ShowRegion(selection_.Region());
  if (tick.hintTop) {
    surface_->PlaceHint(selection_.Region().left, *tick.hintTop, DpiScale(kHintWidth, dpi),
                        DpiScale(kHintHeight, dpi));
  }
}

void CustomRegion::OnSurfaceLeftReleased() {
  surface_->StopDragTimer();
  POINT cursor{};
  GetCursorPos(&cursor);
  if (!selection_.ReleasedOnSurface(RegionPoint{cursor.x, cursor.y})) return;
  // Too small: the 4 x 4 click rectangle at the anchor, with the hint above it whatever the hint setting.
  const RegionRect& click = selection_.Region();
  ShowRegion(click);
  const int dpi = surface_->Dpi();
  surface_->PlaceHint(click.left, click.top - DpiScale(kHintAbove, dpi), DpiScale(kHintWidth, dpi),
                      DpiScale(kHintHeight, dpi));
}

void CustomRegion::OnRegionLeftReleased() {
  if (IsOpen()) surface_->StopDragTimer();
  selection_.ReleasedOnRegion();
}

void CustomRegion::Discard() {
  if (!IsOpen()) return;
  surface_->StopDragTimer();
  selection_.Discard(RegionRect{0, screenHeight_ + kParkMargin, 0, 0});
  region_->Place(selection_.Region());
  surface_->SetOutline(ParkedRightOfScreen());
  surface_->ParkHint();
}

bool CustomRegion::OnKeyReleased(WPARAM virtualKey, HWND keyWindow) {
  if (Region() == nullptr) return false;
  const ProgramState& state = app_.State();
  RegionKeyContext context;
  context.selecting = state.customRegionFlag;
  context.regionOnScreen = region_->Rect().left < screenWidth_;
  context.forScreenshot = state.regionScreenshotFlag;
  context.buttonHeld = selection_.ButtonHeld();
  context.region = region_->Rect();
  switch (RegionKeyReleased(static_cast<int>(virtualKey), context)) {
    case RegionKeyAction::kLock:
      LockRegion(keyWindow);
      return true;
    case RegionKeyAction::kScreenshot:
      HandOverToScreenshot(context.region);
      return true;
    case RegionKeyAction::kAbandon:
      Abandon();
      return true;
    case RegionKeyAction::kNothing:
      break;
  }
  return false;
}

void CustomRegion::LockRegion(HWND keyWindow) {
  RECT client{};
  GetClientRect(keyWindow, &client);
  const RegionRect region = region_->Rect();
  DestroyWindows();
  const ProgramState& state = app_.State();
  LockRequest request;
  request.presetName = window_.List().NameAt(state.enabled.custom);
  request.pictureName = window_.List().NameAt(state.enabled.picture);
  // The grid is drawn for the size of the window that took the key, from the canvas origin.
  request.canvasSize = SIZE{client.right, client.bottom};
  request.region = RECT{region.left, region.top, region.left + region.width, region.top + region.height};
  overlay_.Lock(request);
}

void CustomRegion::OnCloseRequested() {
  // A close request from the system (Alt+F4) leaves the selection the way Esc does, so the main window
  // always comes back.
  Abandon();
}

void CustomRegion::DestroyWindows() {
  if (Region() != nullptr) DestroyWindow(region_->Hwnd());
  if (IsOpen()) DestroyWindow(surface_->Hwnd());
}

void CustomRegion::Abandon() {
  DestroyWindows();
  if (app_.State().regionScreenshotFlag) {
    ReturnAfterAbandonedScreenshot();
  } else {
    ReturnToStartScreenAfterAbandon();
  }
}

void CustomRegion::ReturnToStartScreenAfterAbandon() {
  HWND main = window_.Hwnd();
  ProgramState& state = app_.State();
  Menus& menus = window_.GetMenus();
  ShowWindow(main, SW_HIDE);
  window_.ShowStartScreenControls(true);
  window_.Canvas().Show(false);
  window_.SetFrame(WindowFrame::kNormal);
  window_.SetBackgroundColour(kStartScreenBackground);
  menus.SetVisible(MenuId::kBarEscBack, false);
  menus.SetVisible(MenuId::kBarPressAnyKey, false);
  menus.SetVisible(MenuId::kBarHoldMouse, false);
  const ScreenRect& saved = state.savedGeometry;
  SetWindowPos(main, nullptr, saved.left, saved.top, saved.width, saved.height, SWP_NOZORDER | SWP_NOACTIVATE);
  menus.SetEnabled(MenuId::kReselectRegion, false);
  menus.SetEnabled(MenuId::kReattach, false);
  state.lockedState = LockedState::kNotLocked;
  state.customRegionFlag = false;
  state.regionMode = RegionMode::kNone;
  EnableWindow(main, TRUE);
  SetWindowLongW(main, GWL_EXSTYLE, 0);
  ShowWindow(main, SW_SHOW);
  window_.SetAlwaysOnTop(savedTopmost_);
  state.regionScreenshotFlag = false;
  menus.SetEnabled(MenuId::kProgramColours, true);
}

void CustomRegion::ReturnAfterAbandonedScreenshot() {
  HWND main = window_.Hwnd();
  ProgramState& state = app_.State();
  const RegionRect current = WindowRectOf(main);
  const WindowSize minimum = MinimumWindowSize(window_.Dpi());
  // A locked overlay is smaller than any start screen and keeps its place.
  if (current.width > minimum.width && current.height > minimum.height) {
    const ScreenRect& saved = state.savedGeometry;
    SetWindowPos(main, nullptr, saved.left, saved.top, saved.width, saved.height, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  ShowWindow(main, SW_SHOW);
  window_.SetAlwaysOnTop(savedTopmost_);
  state.regionMode = RegionMode::kNone;
  state.regionScreenshotFlag = false;
  window_.GetMenus().SetEnabled(MenuId::kProgramColours, true);
}

void CustomRegion::OnSurfaceDestroyed() {
  handOver_.GiveBack(Joined(app_.Main().PreferenceWindows(), SuiteWindows()));
  ClearHotkeyBusyMarks();
}

void CustomRegion::OnRegionWindowDestroyed() { ClearHotkeyBusyMarks(); }

void CustomRegion::HandOverToScreenshot(const RegionRect& /*region*/) {
  // The selection stays open under the format window until a format is chosen or the window closes.
  RegionShotSelection selection;
  selection.region = [this] {
    const RegionRect r = Region() != nullptr ? region_->Rect() : RegionRect{};
    return RECT{r.left, r.top, r.left + r.width, r.top + r.height};
  };
  selection.hideHint = [this] {
    if (IsOpen()) surface_->ParkHint();
  };
  selection.hideOutline = [this] {
    if (IsOpen()) surface_->SetOutlineColour(kRegionSurfaceColourKey);
  };
  selection.showOutline = [this] {
    if (IsOpen()) surface_->SetOutlineColour(outlineColour_);
  };
  selection.close = [this] { DestroyWindows(); };
  ConfirmRegionScreenshot(app_, std::move(selection));
}

void CustomRegion::ClearHotkeyBusyMarks() {
  // A custom-region screenshot or re-selection started by a hotkey has ended with the selection.
  window_.ClearHotkeyBusyMark(ActionTimer::kCustomRegionShot);
  window_.ClearHotkeyBusyMark(ActionTimer::kReselectRegion);
}

std::vector<HWND> CustomRegion::SuiteWindows() const {
  SuiteWindow* suite = app_.Main().Suite();
  if (suite == nullptr) return {};
  std::vector<HWND> windows{suite->Hwnd()};
  if (suite->DebugArea() != nullptr) windows.push_back(suite->DebugArea()->Hwnd());
  return windows;
}

}  // namespace corvanta
