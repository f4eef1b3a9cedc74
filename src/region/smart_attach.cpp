#include "region/smart_attach.h"

#include <cstdlib>

#include "effects/effect_list.h"
#include "effects/effect_list_text.h"
#include "overlay/draw_canvas.h"
#include "shell/colour.h"
#include "shell/main_window_seam.h"
#include "shell/program.h"

namespace corvanta {

namespace {

constexpr BYTE kSelectionFrameAlpha = 200;
constexpr UINT kTrackInterval = 30;

}  // namespace

SmartAttach::SmartAttach(Program& program, MainWindowSeam& window, EffectList& list, DrawCanvas& canvas)
    : program_(program), window_(window), list_(list), canvas_(canvas) {}

bool SmartAttach::Following() const { return program_.ModeState().selection == Selection::kAttach; }

bool SmartAttach::SelectEnabledEffect() {
  const ProgramState& state = program_.State();
  const int32_t* enabled = EnabledIndexSlot(state.enabled, state.displayMode);
  list_.SelectAndReveal(enabled != nullptr ? *enabled : -1);
  const int selected = list_.SelectedIndex();
  return selected >= 0 && list_.StatusAt(selected) == kStatusEnabled;
}

void SmartAttach::ShowSelectionFrame() {
  window_.ShowStartScreenControls(false);
  canvas_.Show(false);
  window_.SetFrame(WindowFrame::kBorderless);
  HWND hwnd = window_.Hwnd();
  SetWindowLongW(hwnd, GWL_EXSTYLE, 0);
  SetWindowLongW(hwnd, GWL_EXSTYLE, GetWindowLongW(hwnd, GWL_EXSTYLE) | WS_EX_LAYERED);
  SetLayeredWindowAttributes(hwnd, ColourKeyOf(program_.State()), kSelectionFrameAlpha, LWA_COLORKEY | LWA_ALPHA);
  window_.SetBackgroundColour(ToColorRef({rand() % 256, rand() % 256, rand() % 256}));
  canvas_.Clear();
  canvas_.RemovePicture();
  trackedWindow_ = nullptr;
  window_.StartTimer(MainTimer::kAttachTrack, kTrackInterval);
}

void SmartAttach::Track() {
  if (!Following()) return;
  ++trackTicks_;
  HWND hwnd = window_.Hwnd();
  SetFocus(hwnd);
  POINT cursor{};
  GetCursorPos(&cursor);
  HWND under = WindowFromPoint(cursor);
  RECT rect{};
  if (under != nullptr && GetWindowRect(under, &rect)) {
    tracked_ = rect;
    if (GetAncestor(under, GA_ROOT) != hwnd) trackedWindow_ = under;
  }
  SetWindowPos(hwnd, nullptr, tracked_.left, tracked_.top, tracked_.right - tracked_.left,
               tracked_.bottom - tracked_.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

bool SmartAttach::OnLeftButtonDown() {
  if (!Following()) return false;
  ReleaseCapture();
  SendMessageW(window_.Hwnd(), WM_NCLBUTTONDOWN, HTCAPTION, 0);
  return true;
}

}  // namespace corvanta
