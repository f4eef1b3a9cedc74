#include "region/custom_region.h"

#include "capture/region_screenshot.h"
#include "effects/effect_list.h"
#include "effects/lock_content.h"
#include "overlay/draw_canvas.h"
#include "overlay/overlay_controller.h"
#include "platform/dpi_scale.h"
#include "region/region_select_window.h"
#include "region/region_window.h"
#include "settings/setting_keys.h"
#include "shell/main_window_seam.h"
#include "shell/menus.h"
#include "shell/program.h"
#include "shell/start_screen_size.h"
#include "shell/topmost_hand_over.h"
#include "shell/win_rect.h"

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

}  // namespace

CustomRegion::CustomRegion(Program& program, MainWindowSeam& window, OverlayController& overlay, EffectList& list,
                           DrawCanvas& canvas, Screenshots& screenshots)
    : program_(program),
      window_(window),
      overlay_(overlay),
      list_(list),
      canvas_(canvas),
      screenshots_(screenshots),
      handOver_(window) {}

CustomRegion::~CustomRegion() = default;

bool CustomRegion::IsOpen() const { return surface_ != nullptr && surface_->Hwnd() != nullptr; }

RegionSelectWindow* CustomRegion::Surface() const { return IsOpen() ? surface_.get() : nullptr; }

RegionWindow* CustomRegion::Region() const {
  return region_ != nullptr && region_->Hwnd() != nullptr ? region_.get() : nullptr;
}

Rect CustomRegion::ParkedRightOfScreen() const { return Rect{screenWidth_ + kParkMargin, 0, 0, 0}; }

void CustomRegion::SaveStartScreenGeometry() {
  const Rect r = WindowRectOf(window_.Hwnd());
  const Size minimum = MinimumWindowSize(window_.Dpi());
  if (r.left <= 0 || r.top <= 0 || r.width <= minimum.width || r.height <= minimum.height) return;
  program_.State().savedGeometry = {r.left, r.top, r.width, r.height};
  SettingsStore& settings = program_.Settings();
  settings.SetConfigInt(keys::kWidth, r.width);
  settings.SetConfigInt(keys::kHeight, r.height);
  settings.SetConfigInt(keys::kLeft, r.left);
  settings.SetConfigInt(keys::kTop, r.top);
}

void CustomRegion::Start() {
  if (IsOpen()) return;
  SaveStartScreenGeometry();
  program_.State().regionMode = RegionMode::kSelecting;
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
  SettingsStore& settings = program_.Settings();
  const bool on = settings.ConfigInt(keys::kRegionHint) == 1;
  window_.GetMenus().SetChecked(MenuId::kRegionHint, !on);
  settings.SetConfig(keys::kRegionHint, on ? "0" : "1");
}

void CustomRegion::ReadSurfaceSettings() {
  SettingsStore& settings = program_.Settings();
  outlineColour_ = static_cast<COLORREF>(
      settings.ConfigInt(keys::kColourSection, keys::ProgramColourKey(kOutlineColourIndex)));
  hintFollows_ = settings.ConfigInt(keys::kRegionHint) == 1;
}

void CustomRegion::PutMainWindowAside() {
  HWND main = window_.Hwnd();
  if (window_.GetMenus().IsChecked(MenuId::kScreenshotIncludesSelf) && program_.State().regionScreenshotFlag) {
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
  ProgramState& state = program_.State();
  savedTopmost_ = window_.IsAlwaysOnTop();
  screenWidth_ = GetSystemMetrics(SM_CXSCREEN);
  screenHeight_ = GetSystemMetrics(SM_CYSCREEN);
  selection_.Begin(ParkedRightOfScreen());
  ReadSurfaceSettings();
  // The objects of a previous selection are gone from the screen already; only now are they released.
  region_.reset();
  surface_ = MakeWindow<RegionSelectWindow>(*this);
  region_ = MakeWindow<RegionWindow>(*this);
  state.customRegionFlag = true;
  if (!surface_->Create(program_.Instance(), screenWidth_, screenHeight_, outlineColour_) ||
      !region_->Create(program_.Instance(), ParkedRightOfScreen())) {
    Abandon();
    return;
  }
  surface_->SetOutline(ParkedRightOfScreen());
  // The suite's windows and the preference windows must show above the overlay: they give up their
  // always-on-top state while a selection is open (the suite's first) and take it back when it closes
  // (the preference windows first).
  handOver_.Take(Joined(window_.SuiteWindows(), window_.PreferenceWindows()));
  // The surface is activated while the main window is still shown, so the activation stays with this
  // program and the surface gets the keyboard.
  surface_->ShowWithFocus();
  PutMainWindowAside();
}

void CustomRegion::ShowRegion(const Rect& region) {
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
      selection_.DragTick(Point{cursor.x, cursor.y}, screenHeight_, hintFollows_, metrics);
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
  if (!selection_.ReleasedOnSurface(Point{cursor.x, cursor.y})) return;
  // Too small: the 4 x 4 click rectangle at the anchor, with the hint above it whatever the hint setting.
  const Rect& click = selection_.Region();
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
  selection_.Discard(Rect{0, screenHeight_ + kParkMargin, 0, 0});
  region_->Place(selection_.Region());
  surface_->SetOutline(ParkedRightOfScreen());
  surface_->ParkHint();
}

bool CustomRegion::OnKeyReleased(WPARAM virtualKey, HWND keyWindow) {
  if (Region() == nullptr) return false;
  const ProgramState& state = program_.State();
  RegionKeyContext context;
  context.selecting = state.customRegionFlag;
  context.regionOnScreen = region_->Bounds().left < screenWidth_;
  context.forScreenshot = state.regionScreenshotFlag;
  context.buttonHeld = selection_.ButtonHeld();
  context.region = region_->Bounds();
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
  const Rect region = region_->Bounds();
  DestroyWindows();
  const ProgramState& state = program_.State();
  LockRequest request =
      LockRequestFor(program_, list_.NameAt(state.enabled.custom), list_.NameAt(state.enabled.picture));
  // The grid is drawn for the size of the window that took the key, from the canvas origin.
  request.canvasSize = SIZE{client.right, client.bottom};
  request.region = ToRECT(region);
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
  if (program_.State().regionScreenshotFlag) {
    ReturnAfterAbandonedScreenshot();
  } else {
    ReturnToStartScreenAfterAbandon();
  }
}

void CustomRegion::ReturnToStartScreenAfterAbandon() {
  HWND main = window_.Hwnd();
  ProgramState& state = program_.State();
  Menus& menus = window_.GetMenus();
  ShowWindow(main, SW_HIDE);
  window_.ShowStartScreenControls(true);
  canvas_.Show(false);
  window_.SetFrame(WindowFrame::kNormal);
  window_.SetBackgroundColour(kStartScreenBackground);
  menus.SetVisible(MenuId::kBarEscBack, false);
  menus.SetVisible(MenuId::kBarPressAnyKey, false);
  menus.SetVisible(MenuId::kBarHoldMouse, false);
  const Rect& saved = state.savedGeometry;
  MoveWindowTo(main, saved);
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
  ProgramState& state = program_.State();
  const Rect current = WindowRectOf(main);
  const Size minimum = MinimumWindowSize(window_.Dpi());
  // A locked overlay is smaller than any start screen and keeps its place.
  if (current.width > minimum.width && current.height > minimum.height) {
    const Rect& saved = state.savedGeometry;
    MoveWindowTo(main, saved);
  }
  ShowWindow(main, SW_SHOW);
  window_.SetAlwaysOnTop(savedTopmost_);
  state.regionMode = RegionMode::kNone;
  state.regionScreenshotFlag = false;
  window_.GetMenus().SetEnabled(MenuId::kProgramColours, true);
}

void CustomRegion::OnSurfaceDestroyed() {
  handOver_.GiveBack(Joined(window_.PreferenceWindows(), window_.SuiteWindows()));
  ClearHotkeyBusyMarks();
}

void CustomRegion::OnRegionWindowDestroyed() { ClearHotkeyBusyMarks(); }

void CustomRegion::HandOverToScreenshot(const Rect& /*region*/) {
  // The selection stays open under the format window until a format is chosen or the window closes.
  RegionShotSelection selection;
  selection.region = [this] {
    const Rect r = Region() != nullptr ? region_->Bounds() : Rect{};
    return ToRECT(r);
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
  ConfirmRegionScreenshot(program_, screenshots_, std::move(selection));
}

void CustomRegion::ClearHotkeyBusyMarks() {
  // A custom-region screenshot or re-selection started by a hotkey has ended with the selection.
  window_.ClearHotkeyBusyMark(ActionTimer::kCustomRegionShot);
  window_.ClearHotkeyBusyMark(ActionTimer::kReselectRegion);
}

}  // namespace corvanta
