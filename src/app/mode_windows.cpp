#include "app/mode_windows.h"

#include "app/main_window.h"
#include "effects/effect_list.h"
#include "effects/lock_content.h"
#include "overlay/overlay_controller.h"
#include "region/custom_region.h"
#include "region/move_resize.h"
#include "region/smart_attach.h"
#include "region/window_follower.h"
#include "shell/menus.h"
#include "shell/mode_menus.h"
#include "shell/program.h"
#include "shell/win_rect.h"

namespace corvanta {

namespace {

constexpr UINT kStrongTopmostInterval = 30;

}  // namespace

ModeWindows::ModeWindows(Program& program, MainWindow& main, OverlayController& overlay, SmartAttach& attach,
                         WindowFollower& follower, CustomRegion& region, MoveResize& moveResize)
    : program_(program),
      main_(main),
      overlay_(overlay),
      attach_(attach),
      follower_(follower),
      region_(region),
      moveResize_(moveResize) {}

Rect ModeWindows::MainRect() const { return WindowRectOf(main_.Hwnd()); }

int ModeWindows::MainDpi() const { return main_.Dpi(); }

bool ModeWindows::SelectEnabledEffect() { return attach_.SelectEnabledEffect(); }

void ModeWindows::ShowStartScreen(const Rect& place) { overlay_.ShowStartScreen(place); }

void ModeWindows::ShowSelectionFrame() { attach_.ShowSelectionFrame(); }

void ModeWindows::StopFollowingCursor() { main_.StopTimer(MainTimer::kAttachTrack); }

void ModeWindows::LockOverlay(const OverlayLock& lock) {
  EffectList& list = main_.List();
  const EnabledIndexes& enabled = program_.State().enabled;
  const std::string selected = list.SelectedName();
  LockRequest request = lock.from == OverlayLock::From::kSelectionFrame
                            ? LockRequestFor(program_, selected, selected)
                            : LockRequestFor(program_, list.NameAt(enabled.custom), list.NameAt(enabled.picture));
  if (lock.place) {
    const Size canvas = lock.canvasSize.value_or(Size{lock.place->width, lock.place->height});
    request.canvasSize = SIZE{canvas.width, canvas.height};
    request.region = ToRECT(*lock.place);
  }
  overlay_.Lock(request);
}

void ModeWindows::PrepareOverlayMemory() { overlay_.Memory().Prepare(); }

void ModeWindows::ReleaseOverlayMemory() { overlay_.Memory().Release(); }

std::optional<Rect> ModeWindows::AttachedWindowPlace(bool clientArea) {
  return FollowedPlace(attach_.TrackedWindow(), clientArea);
}

void ModeWindows::FollowAttachedWindow(bool clientArea) { follower_.Start(attach_.TrackedWindow(), clientArea); }

void ModeWindows::StopFollowing() { follower_.Stop(); }

void ModeWindows::MoveOverlay(const Rect& place) {
  const Rect now = WindowRectOf(main_.Hwnd());
  if (place == now) return;
  MoveWindowTo(main_.Hwnd(), place);
  // Drawn anew for a new size through the renderer, not stretched.
  if (place.width != now.width || place.height != now.height) overlay_.RedrawAtSize(place.width, place.height);
}

void ModeWindows::BeginMoveResize() { moveResize_.Begin(); }

void ModeWindows::FinishMoveResize() { moveResize_.Finish(); }

void ModeWindows::PrepareRelock() { moveResize_.PrepareRelock(); }

void ModeWindows::MoveMain(const Rect& place) { MoveWindowTo(main_.Hwnd(), place); }

void ModeWindows::ParkMainOffScreen() {
  SetWindowPos(main_.Hwnd(), nullptr, kOffScreenPosition, kOffScreenPosition, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ModeWindows::ShowMain(bool activate) { ShowWindow(main_.Hwnd(), activate ? SW_SHOW : SW_SHOWNA); }

void ModeWindows::HideMain() { ShowWindow(main_.Hwnd(), SW_HIDE); }

void ModeWindows::SetMainEnabled(bool enabled) { EnableWindow(main_.Hwnd(), enabled ? TRUE : FALSE); }

void ModeWindows::SetMainTopmost(bool onTop) { main_.SetAlwaysOnTop(onTop); }

void ModeWindows::StartStrongTopmost() { main_.StartTimer(MainTimer::kStrongTopmost, kStrongTopmostInterval); }

void ModeWindows::StopStrongTopmost() {
  main_.StopTimer(MainTimer::kStrongTopmost);
  // Switched to the opposite and back: the window ends as "^置顶^" says, whatever the ticks did to its
  // place in the topmost band.
  const bool onTop = program_.ModeState().topmost;
  main_.SetAlwaysOnTop(!onTop);
  main_.SetAlwaysOnTop(onTop);
}

bool ModeWindows::OpenSelection(bool /*forScreenshot*/) { return region_.Open(); }

void ModeWindows::CloseSelection() { region_.Close(); }

void ModeWindows::SetSelectionInput(bool enabled) { region_.SetInput(enabled); }

void ModeWindows::ShowMainUnderSelection() { region_.ShowMainUnderSurface(); }

void ModeWindows::PutMainAsideForSelection() { region_.PutMainAside(); }

void ModeWindows::TakeTopmostFromPeers() { region_.TakePeersTopmost(); }

void ModeWindows::GiveTopmostBackToPeers() { region_.GivePeersTopmostBack(); }

void ModeWindows::RunRegionShotFormat(const Rect& region) { region_.RunShotFormat(region); }

void ModeWindows::ClearHotkeyBusyMark(ActionTimer timer) { main_.ClearHotkeyBusyMark(timer); }

void ModeWindows::ShowMarks(const ModeView& view) {
  Menus& menus = main_.GetMenus();
  for (const MenuItemState& item : MenuStatesOf(view)) {
    if (item.checked) menus.SetChecked(item.id, *item.checked);
    if (item.enabled) menus.SetEnabled(item.id, *item.enabled);
    if (item.visible) menus.SetVisible(item.id, *item.visible);
  }
  main_.SetTopmostCheckbox(view.topmost);
}

}  // namespace corvanta
