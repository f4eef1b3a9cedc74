#include "region/custom_region.h"

#include "capture/region_screenshot.h"
#include "platform/dpi_scale.h"
#include "region/region_select_window.h"
#include "region/region_window.h"
#include "settings/setting_keys.h"
#include "shell/main_window_seam.h"
#include "shell/menus.h"
#include "shell/program.h"
#include "shell/topmost.h"
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

Point CursorPosition() {
  POINT cursor{};
  GetCursorPos(&cursor);
  return Point{cursor.x, cursor.y};
}

bool Contains(const Rect& r, Point p) { return p.x >= r.left && p.x < r.Right() && p.y >= r.top && p.y < r.Bottom(); }

}  // namespace

CustomRegion::CustomRegion(Program& program, MainWindowSeam& window, Screenshots& screenshots)
    : program_(program), window_(window), screenshots_(screenshots) {}

CustomRegion::~CustomRegion() {
  closing_ = true;  // the windows go with this object, after the program's end
}

bool CustomRegion::IsOpen() const { return surface_ != nullptr && surface_->Hwnd() != nullptr; }

RegionSelectWindow* CustomRegion::Surface() const { return IsOpen() ? surface_.get() : nullptr; }

RegionWindow* CustomRegion::Region() const {
  return region_ != nullptr && region_->Hwnd() != nullptr ? region_.get() : nullptr;
}

Rect CustomRegion::ParkedRightOfScreen() const { return Rect{screenWidth_ + kParkMargin, 0, 0, 0}; }

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

bool CustomRegion::Open() {
  if (IsOpen()) return false;
  screenWidth_ = GetSystemMetrics(SM_CXSCREEN);
  screenHeight_ = GetSystemMetrics(SM_CYSCREEN);
  selection_.Begin(ParkedRightOfScreen(), Size{screenWidth_, screenHeight_});
  ReadSurfaceSettings();
  inputEnabled_ = true;
  // The objects of a previous selection are gone from the screen already; only now are they released.
  region_.reset();
  surface_ = MakeWindow<RegionSelectWindow>(*this);
  region_ = MakeWindow<RegionWindow>(*this);
  if (!surface_->Create(program_.Instance(), screenWidth_, screenHeight_, outlineColour_) ||
      !region_->Create(program_.Instance(), ParkedRightOfScreen())) {
    DestroyWindows();
    return false;
  }
  surface_->SetOutline(ParkedRightOfScreen());
  // The surface is activated while the main window is still shown, so the activation stays with this
  // program and the surface gets the keyboard.
  surface_->ShowWithFocus();
  return true;
}

void CustomRegion::Close() { DestroyWindows(); }

void CustomRegion::SetInput(bool enabled) {
  inputEnabled_ = enabled;
  if (!enabled) EndDrag();
  if (IsOpen()) EnableWindow(surface_->Hwnd(), enabled ? TRUE : FALSE);
  if (Region() != nullptr) EnableWindow(region_->Hwnd(), enabled ? TRUE : FALSE);
}

void CustomRegion::ShowMainUnderSurface() {
  HWND main = window_.Hwnd();
  ShowWindow(main, SW_SHOWNA);
  // Out of the topmost band, then directly below the surface: leaving the band alone would raise it
  // above every window that is not always on top, the surface included.
  SetWindowOnTop(main, false);
  if (IsOpen()) SetWindowPos(main, surface_->Hwnd(), 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void CustomRegion::PutMainAside() {
  HWND main = window_.Hwnd();
  ShowWindow(main, SW_HIDE);
  SetWindowPos(main, nullptr, screenWidth_ + kParkMargin, WindowRectOf(main).top, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CustomRegion::TakePeersTopmost() {
  peersTaken_ = TakeTopmostFrom(Joined(window_.SuiteWindows(), window_.PreferenceWindows()));
}

void CustomRegion::GivePeersTopmostBack() {
  GiveTopmostBackTo(Joined(window_.PreferenceWindows(), window_.SuiteWindows()), peersTaken_);
  peersTaken_.clear();
}

void CustomRegion::ShowRegion(const Rect& region) {
  region_->Place(region);
  surface_->SetOutline(region);
}

void CustomRegion::OnSurfaceLeftPressed() {
  if (!TakesInput()) return;
  selection_.LeftPressed();
  if (selection_.HoldsMouse()) SetCapture(surface_->Hwnd());
  surface_->StartDragTimer();
}

void CustomRegion::OnDragTick() {
  if (!TakesInput()) return;
  const int dpi = surface_->Dpi();
  const HintMetrics metrics{DpiScale(kHintEdge, dpi), DpiScale(kHintAbove, dpi)};
  const RegionSelection::TickResult tick = selection_.DragTick(CursorPosition(), screenHeight_, hintFollows_, metrics);
  if (tick.moved) ShowRegion(selection_.Region());
  if (tick.hintTop) {
    surface_->PlaceHint(selection_.Region().left, *tick.hintTop, DpiScale(kHintWidth, dpi),
                        DpiScale(kHintHeight, dpi));
  }
}

void CustomRegion::EndDrag() {
  if (!IsOpen()) return;
  surface_->StopDragTimer();
  if (GetCapture() != surface_->Hwnd()) return;
  releasingMouse_ = true;
  ReleaseCapture();
  releasingMouse_ = false;
}

void CustomRegion::OnSurfaceLeftReleased() {
  if (!TakesInput()) return;
  const Point cursor = CursorPosition();
  // The surface holds the mouse during a drag, so a release over the region window comes here too.
  if (Region() != nullptr && Contains(region_->Bounds(), cursor)) {
    OnRegionLeftReleased();
    return;
  }
  const bool tooSmall = selection_.ReleasedOnSurface(cursor);
  EndDrag();
  if (!tooSmall) return;
  // Too small: the 4 x 4 click rectangle at the anchor, with the hint above it whatever the hint setting.
  const Rect& click = selection_.Region();
  ShowRegion(click);
  const int dpi = surface_->Dpi();
  surface_->PlaceHint(click.left, click.top - DpiScale(kHintAbove, dpi), DpiScale(kHintWidth, dpi),
                      DpiScale(kHintHeight, dpi));
}

void CustomRegion::OnRegionLeftReleased() {
  if (!TakesInput()) return;
  selection_.ReleasedOnRegion();
  EndDrag();
}

void CustomRegion::OnMouseLost() {
  // Another window took the mouse: the drag ends where it stands.
  if (!releasingMouse_ && TakesInput() && selection_.HoldsMouse()) OnRegionLeftReleased();
}

void CustomRegion::Discard() {
  if (!TakesInput()) return;
  selection_.Discard(Rect{0, screenHeight_ + kParkMargin, 0, 0});
  EndDrag();
  region_->Place(selection_.Region());
  surface_->SetOutline(ParkedRightOfScreen());
  surface_->ParkHint();
}

bool CustomRegion::OnKeyReleased(WPARAM virtualKey, HWND keyWindow) {
  if (!keyPresses_.Released(static_cast<unsigned>(virtualKey))) return false;
  if (Region() == nullptr || !TakesInput()) return false;
  const ModeView& modes = program_.ModeState();
  RegionKeyContext context;
  context.selecting = modes.selection == Selection::kRegion || modes.selection == Selection::kRegionShot;
  context.regionOnScreen = region_->Bounds().left < screenWidth_;
  context.forScreenshot = modes.RegionScreenshotFlag();
  context.buttonHeld = selection_.ButtonHeld();
  context.region = region_->Bounds();
  switch (RegionKeyReleased(static_cast<int>(virtualKey), context)) {
    case RegionKeyAction::kLock: {
      // The grid is drawn for the size of the window that took the key, from the canvas origin.
      RECT client{};
      GetClientRect(keyWindow, &client);
      program_.Modes().RegionLockRequested(context.region, Size{client.right, client.bottom});
      return true;
    }
    case RegionKeyAction::kScreenshot:
      program_.Modes().RegionShotConfirmed(context.region);
      return true;
    case RegionKeyAction::kAbandon:
      program_.Modes().RegionAbandoned();
      return true;
    case RegionKeyAction::kNothing:
      break;
  }
  return false;
}

void CustomRegion::OnCloseRequested() {
  // A close request from the system (Alt+F4) on either window leaves the selection the way Esc does,
  // so the main window always comes back; during a screenshot's format window it waits for that window.
  if (TakesInput()) program_.Modes().RegionAbandoned();
}

std::optional<LRESULT> CustomRegion::OnSelectionMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
      Discard();
      return 0;
    case WM_KEYDOWN:
      OnKeyPressed(wParam);
      return 0;
    case WM_SYSKEYDOWN:
      OnKeyPressed(wParam);
      return DefWindowProcW(window, message, wParam, lParam);
    case WM_KEYUP:
      OnKeyReleased(wParam, window);
      return 0;
    case WM_SYSKEYUP:
      if (OnKeyReleased(wParam, window)) return 0;
      return DefWindowProcW(window, message, wParam, lParam);
    case WM_CLOSE:
      OnCloseRequested();
      return 0;
    default:
      return std::nullopt;
  }
}

void CustomRegion::OnWindowDestroyed() {
  // Destroyed by someone else than Close: the selection is over all the same.
  if (!closing_ && program_.ModeState().CustomRegionFlag()) program_.Modes().RegionAbandoned();
}

void CustomRegion::DestroyWindows() {
  closing_ = true;
  EndDrag();
  if (Region() != nullptr) DestroyWindow(region_->Hwnd());
  if (IsOpen()) DestroyWindow(surface_->Hwnd());
  closing_ = false;
}

void CustomRegion::RunShotFormat(const Rect& /*region*/) {
  // The selection stays open under the format window until a format is chosen or the window closes.
  RegionShotSelection selection;
  selection.region = [this] { return ToRECT(Region() != nullptr ? region_->Bounds() : Rect{}); };
  selection.hideHint = [this] {
    if (IsOpen()) surface_->ParkHint();
  };
  selection.windows = [this] {
    std::vector<HWND> windows;
    if (IsOpen()) windows.push_back(surface_->Hwnd());
    if (Region() != nullptr) windows.push_back(region_->Hwnd());
    return windows;
  };
  RunRegionShotFormat(program_, screenshots_, std::move(selection));
}

}  // namespace corvanta
