#include "region/smart_attach.h"

#include <cstdlib>

#include "app/app.h"
#include "shell/main_window_seam.h"
#include "shell/menus.h"
#include "app/start_screen_layout.h"
#include "effects/effect_list.h"
#include "effects/effect_list_text.h"
#include "overlay/draw_canvas.h"
#include "overlay/overlay_controller.h"

namespace corvanta {

namespace {

constexpr BYTE kSelectionFrameAlpha = 200;

}  // namespace

SmartAttach::SmartAttach(App& app, MainWindowSeam& window, OverlayController& overlay)
    : app_(app), window_(window), overlay_(overlay) {}

bool SmartAttach::EnabledRowIsMarked() {
  EffectList& list = window_.List();
  ProgramState& state = app_.State();
  const int32_t* enabled = EnabledIndexSlot(state.enabled, state.displayMode);
  list.SelectAndReveal(enabled != nullptr ? *enabled : -1);
  const int selected = list.SelectedIndex();
  return selected >= 0 && list.StatusAt(selected) == "已启用";
}

void SmartAttach::SaveStartScreenGeometry() {
  RECT r{};
  GetWindowRect(window_.Hwnd(), &r);
  const int width = r.right - r.left;
  const int height = r.bottom - r.top;
  // Only a start screen above its minimum size and fully on screen is worth keeping.
  const WindowSize minimum = MinimumWindowSize(window_.Dpi());
  if (app_.State().lockedState != LockedState::kNotLocked || width <= minimum.width || height <= minimum.height ||
      r.left <= 0 || r.top <= 0) {
    return;
  }
  app_.State().savedGeometry = {r.left, r.top, width, height};
  SettingsStore& settings = app_.Settings();
  settings.SetConfigInt(keys::kWidth, width);
  settings.SetConfigInt(keys::kHeight, height);
  settings.SetConfigInt(keys::kLeft, r.left);
  settings.SetConfigInt(keys::kTop, r.top);
}

void SmartAttach::Start() {
  if (!EnabledRowIsMarked()) return;
  SaveStartScreenGeometry();
  ProgramState& state = app_.State();
  state.regionMode = RegionMode::kSelecting;
  window_.ShowStartScreenControls(false);
  window_.Canvas().Show(false);
  window_.SetFrame(WindowFrame::kBorderless);
  Menus& menus = window_.GetMenus();
  menus.SetVisible(MenuId::kBarEscBack, true);
  menus.SetVisible(MenuId::kBarPressAnyKey, true);
  menus.SetVisible(MenuId::kBarHoldMouse, true);
  menus.SetEnabled(MenuId::kReselectRegion, false);
  menus.SetEnabled(MenuId::kReattach, false);
  HWND hwnd = window_.Hwnd();
  SetWindowLongW(hwnd, GWL_EXSTYLE, 0);
  SetWindowLongW(hwnd, GWL_EXSTYLE, GetWindowLongW(hwnd, GWL_EXSTYLE) | WS_EX_LAYERED);
  SetLayeredWindowAttributes(hwnd, ColourKeyOf(app_.State()), kSelectionFrameAlpha, LWA_COLORKEY | LWA_ALPHA);
  window_.SetBackgroundColour(RGB(rand() % 256, rand() % 256, rand() % 256));
  window_.Canvas().Clear();
  window_.Canvas().RemovePicture();
  state.selectionState = true;
  menus.SetEnabled(MenuId::kProgramColours, false);
  window_.StartTimer(MainTimer::kAttachTrack, 30);
}

void SmartAttach::Track() {
  if (!app_.State().selectionState) return;
  ++trackTicks_;
  HWND hwnd = window_.Hwnd();
  SetFocus(hwnd);
  POINT cursor{};
  GetCursorPos(&cursor);
  HWND under = WindowFromPoint(cursor);
  RECT rect{};
  if (under != nullptr && GetWindowRect(under, &rect)) tracked_ = rect;
  SetWindowPos(hwnd, nullptr, tracked_.left, tracked_.top, tracked_.right - tracked_.left,
               tracked_.bottom - tracked_.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void SmartAttach::Reattach() {
  HWND hwnd = window_.Hwnd();
  ShowWindow(hwnd, SW_HIDE);
  overlay_.ReturnToStartScreen();
  Start();
  ShowWindow(hwnd, SW_SHOW);
}

bool SmartAttach::OnLeftButtonDown() {
  if (!app_.State().selectionState) return false;
  ReleaseCapture();
  SendMessageW(window_.Hwnd(), WM_NCLBUTTONDOWN, HTCAPTION, 0);
  return true;
}

}  // namespace corvanta
