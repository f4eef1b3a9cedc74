#include "region/smart_attach.h"

#include <cstdlib>

#include "effects/effect_list.h"
#include "effects/effect_list_text.h"
#include "effects/lock_content.h"
#include "overlay/draw_canvas.h"
#include "overlay/overlay_controller.h"
#include "shell/main_window_seam.h"
#include "shell/menus.h"
#include "shell/program.h"
#include "shell/start_screen_size.h"
#include "shell/colour.h"

namespace corvanta {

namespace {

constexpr BYTE kSelectionFrameAlpha = 200;

}  // namespace

SmartAttach::SmartAttach(Program& program, MainWindowSeam& window, OverlayController& overlay, EffectList& list,
                         DrawCanvas& canvas)
    : program_(program), window_(window), overlay_(overlay), list_(list), canvas_(canvas) {}

bool SmartAttach::EnabledRowIsMarked() {
  ProgramState& state = program_.State();
  const int32_t* enabled = EnabledIndexSlot(state.enabled, state.displayMode);
  list_.SelectAndReveal(enabled != nullptr ? *enabled : -1);
  const int selected = list_.SelectedIndex();
  return selected >= 0 && list_.StatusAt(selected) == kStatusEnabled;
}

void SmartAttach::SaveStartScreenGeometry() {
  RECT r{};
  GetWindowRect(window_.Hwnd(), &r);
  const int width = r.right - r.left;
  const int height = r.bottom - r.top;
  // Only a start screen above its minimum size and fully on screen is worth keeping.
  const Size minimum = MinimumWindowSize(window_.Dpi());
  if (program_.State().lockedState != LockedState::kNotLocked || width <= minimum.width || height <= minimum.height ||
      r.left <= 0 || r.top <= 0) {
    return;
  }
  program_.State().savedGeometry = {r.left, r.top, width, height};
  SettingsStore& settings = program_.Settings();
  settings.SetConfigInt(keys::kWidth, width);
  settings.SetConfigInt(keys::kHeight, height);
  settings.SetConfigInt(keys::kLeft, r.left);
  settings.SetConfigInt(keys::kTop, r.top);
}

void SmartAttach::Start() {
  if (!EnabledRowIsMarked()) return;
  SaveStartScreenGeometry();
  ProgramState& state = program_.State();
  state.regionMode = RegionMode::kSelecting;
  window_.ShowStartScreenControls(false);
  canvas_.Show(false);
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
  SetLayeredWindowAttributes(hwnd, ColourKeyOf(program_.State()), kSelectionFrameAlpha, LWA_COLORKEY | LWA_ALPHA);
  window_.SetBackgroundColour(ToColorRef({rand() % 256, rand() % 256, rand() % 256}));
  canvas_.Clear();
  canvas_.RemovePicture();
  state.selectionState = true;
  menus.SetEnabled(MenuId::kProgramColours, false);
  window_.StartTimer(MainTimer::kAttachTrack, 30);
}

void SmartAttach::Track() {
  if (!program_.State().selectionState) return;
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

bool SmartAttach::OnKeyReleased(WPARAM virtualKey) {
  if (!program_.State().selectionState) return false;
  if (virtualKey == VK_BACK || virtualKey == VK_ESCAPE) {
    overlay_.CancelSelection();
  } else {
    const std::string selected = list_.SelectedName();
    overlay_.Lock(LockRequestFor(program_, selected, selected));
  }
  return true;
}

bool SmartAttach::OnLeftButtonDown() {
  if (!program_.State().selectionState) return false;
  ReleaseCapture();
  SendMessageW(window_.Hwnd(), WM_NCLBUTTONDOWN, HTCAPTION, 0);
  return true;
}

}  // namespace corvanta
