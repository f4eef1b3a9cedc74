#include "shell/program_modes.h"

#include "settings/setting_keys.h"
#include "shell/start_screen_size.h"

namespace corvanta {

namespace {

bool IsBackOrEscape(int virtualKey) {
  constexpr int kBackspace = 0x08;
  constexpr int kEscape = 0x1B;
  return virtualKey == kBackspace || virtualKey == kEscape;
}

}  // namespace

void ProgramModes::Changed() { seam_->ShowMarks(view_); }

void ProgramModes::StartedUp(const Rect& savedGeometry, const Rect& hideRestore, bool topmost, bool hotkeyHints) {
  view_ = ModeView{};
  view_.savedGeometry = savedGeometry;
  view_.hideRestore = hideRestore;
  view_.hotkeyHints = hotkeyHints;
  view_.topmost = topmost;
  seam_->SetMainTopmost(topmost);
  Changed();
}

void ProgramModes::SetTopmost(bool onTop) {
  view_.topmost = onTop;
  seam_->SetMainTopmost(onTop);
}

void ProgramModes::ExitRequested() {
  if (!view_.StartScreen()) return;
  const Rect r = view_.mainHidden ? view_.hideRestore : seam_->MainRect();
  if (r.left > 0 && r.top > 0) WriteGeometry(r);
}

void ProgramModes::WriteGeometry(const Rect& r) {
  settings_.SetConfigInt(keys::kWidth, r.width);
  settings_.SetConfigInt(keys::kHeight, r.height);
  settings_.SetConfigInt(keys::kLeft, r.left);
  settings_.SetConfigInt(keys::kTop, r.top);
}

// Only a start screen above its minimum size and on the screen is worth keeping; a hidden one is where
// "#显示主窗口" will bring it back.
void ProgramModes::SaveStartScreenGeometry() {
  const Rect r = view_.mainHidden ? view_.hideRestore : seam_->MainRect();
  const Size minimum = MinimumWindowSize(seam_->MainDpi());
  if (r.width <= minimum.width || r.height <= minimum.height || r.left <= 0 || r.top <= 0) return;
  view_.savedGeometry = r;
  WriteGeometry(r);
}

// The main window hidden by "#隐藏主窗口" stays hidden: where a transition placed it becomes the
// rectangle that "#显示主窗口" brings back.
void ProgramModes::KeepHidden() {
  if (!view_.mainHidden) return;
  const Rect placed = seam_->MainRect();
  if (placed.left == kOffScreenPosition && placed.top == kOffScreenPosition) return;
  view_.hideRestore = placed;
  seam_->ParkMainOffScreen();
}

// ---- Smart attach ---------------------------------------------------------------------------------

void ProgramModes::AttachRequested() {
  if (!view_.StartScreen() || !seam_->SelectEnabledEffect()) return;
  // The selection frame follows the cursor on the screen: a hidden main window shows again for it.
  ShowRequested();
  SaveStartScreenGeometry();
  view_.selection = Selection::kAttach;
  Changed();
  seam_->ShowSelectionFrame();
  seam_->PrepareOverlayMemory();
}

bool ProgramModes::FrameKeyReleased(int virtualKey) {
  if (view_.selection != Selection::kAttach) return false;
  seam_->StopFollowingCursor();
  view_.selection = Selection::kNone;
  if (IsBackOrEscape(virtualKey)) {
    Changed();
    seam_->ShowStartScreen(view_.savedGeometry);
  } else {
    OverlayLock lock;
    if (settings_.ConfigIntFlag(keys::kFollowClientArea)) lock.place = seam_->AttachedWindowPlace(true);
    LockedAs(lock);
    FollowAfterLock();
  }
  seam_->ReleaseOverlayMemory();
  KeepHidden();
  // A re-attach started by a hotkey has ended.
  seam_->ClearHotkeyBusyMark(ActionTimer::kReattach);
  return true;
}

// The menu bar's instruction lines go before the canvas is drawn, so that it covers the whole window.
void ProgramModes::LockedAs(const OverlayLock& lock) {
  view_.locked = LockedState::kLocked;
  SetTopmost(true);  // a lock always puts the overlay on top, without writing Config/Top
  Changed();
  seam_->LockOverlay(lock);
}

// ---- Following the attached window ----------------------------------------------------------------

void ProgramModes::FollowAfterLock() {
  if (!settings_.ConfigIntFlagOr(keys::kFollowWindow, true) || !seam_->AttachedWindowPlace(false)) return;
  view_.following = true;
  attached_ = {};
  hiddenWithAttached_ = false;
  seam_->FollowAttachedWindow(settings_.ConfigIntFlag(keys::kFollowClientArea));
  Changed();
}

void ProgramModes::StopFollowingWindow() {
  if (!view_.following) return;
  view_.following = false;
  seam_->StopFollowing();
  if (hiddenWithAttached_) seam_->ShowMain(false);
  hiddenWithAttached_ = false;
}

void ProgramModes::AttachedWindowChanged(const AttachedWindow& now) {
  attached_ = now;
  // While a selection is open over the overlay the overlay waits; it catches up when the selection ends.
  if (view_.following && view_.OverlayShowing()) ApplyAttachedWindow();
}

void ProgramModes::ApplyAttachedWindow() {
  if (!attached_.exists) {
    ToStartScreen();
    return;
  }
  if (!attached_.shown) {
    seam_->HideMain();
    hiddenWithAttached_ = true;
    return;
  }
  seam_->MoveOverlay(attached_.place);
  if (hiddenWithAttached_) seam_->ShowMain(false);
  hiddenWithAttached_ = false;
  KeepHidden();
}

void ProgramModes::FollowingOptionsChanged() {
  if (!view_.following || !view_.OverlayShowing()) return;
  if (!settings_.ConfigIntFlagOr(keys::kFollowWindow, true)) {
    StopFollowingWindow();
    Changed();
    return;
  }
  seam_->FollowAttachedWindow(settings_.ConfigIntFlag(keys::kFollowClientArea));
}

// ---- Custom region --------------------------------------------------------------------------------

bool ProgramModes::OpenSelection(Selection selection) {
  view_.selection = selection;
  takenBySelection_ = TakeTopmost();
  Changed();
  if (!seam_->OpenSelection(selection == Selection::kRegionShot)) return false;
  seam_->TakeTopmostFromPeers();
  const bool shotIncludesMain =
      selection == Selection::kRegionShot && settings_.ConfigIntFlag(keys::kScreenshotIncludesSelf);
  if (shotIncludesMain) {
    seam_->ShowMainUnderSelection();
  } else if (shotOverOverlay_) {
    seam_->HideMain();
  } else {
    seam_->PutMainAsideForSelection();
  }
  return true;
}

void ProgramModes::CloseSelection() {
  seam_->CloseSelection();
  seam_->GiveTopmostBackToPeers();
  GiveTopmostBack(takenBySelection_);
  takenBySelection_ = {};
}

void ProgramModes::EndRegionHotkeys() {
  // A custom-region screenshot or a re-selection started by a hotkey has ended with the selection.
  seam_->ClearHotkeyBusyMark(ActionTimer::kCustomRegionShot);
  seam_->ClearHotkeyBusyMark(ActionTimer::kReselectRegion);
}

void ProgramModes::RegionRequested() {
  if (view_.selection != Selection::kNone || view_.locked == LockedState::kLocked) return;
  SaveStartScreenGeometry();
  shotOverOverlay_ = false;
  if (OpenSelection(Selection::kRegion)) {
    seam_->PrepareOverlayMemory();
  } else {
    RegionAbandoned();
  }
}

void ProgramModes::RegionShotRequested() {
  if (view_.selection != Selection::kNone) return;
  shotOverOverlay_ = view_.locked != LockedState::kNotLocked;
  // The start screen's place is kept only while the start screen shows: an overlay is no start screen.
  if (!shotOverOverlay_) SaveStartScreenGeometry();
  if (!OpenSelection(Selection::kRegionShot)) RegionAbandoned();
}

void ProgramModes::RegionLockRequested(const Rect& region, const Size& canvasSize) {
  if (view_.selection != Selection::kRegion) return;
  CloseSelection();
  view_.selection = Selection::kNone;
  StopFollowingWindow();  // a custom region follows nothing
  LockedAs(OverlayLock{OverlayLock::From::kRegion, region, canvasSize});
  seam_->ReleaseOverlayMemory();
  KeepHidden();
  seam_->ClearHotkeyBusyMark(ActionTimer::kReattach);
  EndRegionHotkeys();
}

void ProgramModes::RegionShotConfirmed(const Rect& region) {
  if (view_.selection != Selection::kRegionShot) return;
  // From here only the format window's buttons, or its closing, end the screenshot.
  view_.selection = Selection::kShotFormat;
  seam_->SetSelectionInput(false);
  if (!shotOverOverlay_) {
    seam_->MoveMain(view_.savedGeometry);
    if (settings_.ConfigIntFlag(keys::kScreenshotIncludesSelf)) {
      seam_->ShowMain(false);
    } else {
      seam_->HideMain();
    }
    KeepHidden();
  }
  Changed();
  seam_->RunRegionShotFormat(region);
}

void ProgramModes::RegionShotFinished() {
  if (view_.selection != Selection::kShotFormat) return;
  CloseSelection();
  view_.selection = Selection::kNone;
  if (shotOverOverlay_) {
    // The overlay as it was: where it stands, shown, and taking no input while it is locked; a window
    // it follows may have moved meanwhile.
    seam_->ShowMain(false);
    seam_->SetMainEnabled(view_.locked != LockedState::kLocked);
    if (view_.following && view_.OverlayShowing()) ApplyAttachedWindow();
  } else {
    seam_->SetMainEnabled(true);
    SetTopmost(true);  // a custom-region screenshot leaves the start screen on top
  }
  KeepHidden();
  EndRegionHotkeys();
  Changed();
}

void ProgramModes::RegionAbandoned() {
  const Selection selection = view_.selection;
  if (selection != Selection::kRegion && selection != Selection::kRegionShot) return;
  CloseSelection();
  view_.selection = Selection::kNone;
  if (selection == Selection::kRegion) view_.locked = LockedState::kNotLocked;
  Changed();
  if (selection == Selection::kRegion) {
    seam_->ReleaseOverlayMemory();
    seam_->ShowStartScreen(view_.savedGeometry);
  } else if (shotOverOverlay_) {
    seam_->ShowMain(false);
    if (view_.following && view_.OverlayShowing()) ApplyAttachedWindow();
  } else {
    seam_->MoveMain(view_.savedGeometry);
    seam_->ShowMain(true);
  }
  KeepHidden();
  EndRegionHotkeys();
}

// ---- The overlay ----------------------------------------------------------------------------------

void ProgramModes::ToStartScreen() {
  StopFollowingWindow();
  view_.locked = LockedState::kNotLocked;
  Changed();
  seam_->ShowStartScreen(view_.savedGeometry);
  KeepHidden();
}

void ProgramModes::ReturnRequested() {
  if (view_.OverlayShowing()) ToStartScreen();
}

void ProgramModes::ReattachRequested() {
  if (view_.selection != Selection::kNone) return;
  seam_->HideMain();
  if (view_.OverlayShowing()) ToStartScreen();
  AttachRequested();
  seam_->ShowMain(true);
}

void ProgramModes::ReselectRequested() {
  if (view_.selection != Selection::kNone) return;
  seam_->HideMain();
  if (view_.OverlayShowing()) ToStartScreen();
  RegionRequested();
  // Shown without activation: the selection surface keeps the keyboard focus. With no selection open
  // (none could be made) it is the start screen that shows.
  seam_->ShowMain(view_.selection == Selection::kNone);
}

void ProgramModes::MoveResizeRequested() {
  if (!view_.OverlayShowing()) return;
  StopFollowingWindow();  // the user chooses the place now
  view_.locked = LockedState::kMovingOrResizing;
  Changed();
  seam_->BeginMoveResize();
}

void ProgramModes::FinishRequested() {
  if (view_.locked != LockedState::kMovingOrResizing || view_.selection != Selection::kNone) return;
  view_.locked = LockedState::kLocked;
  Changed();
  seam_->FinishMoveResize();
}

void ProgramModes::RelockRequested() {
  if (!view_.OverlayShowing()) return;
  seam_->PrepareRelock();
  seam_->FinishMoveResize();
}

// ---- The main window ------------------------------------------------------------------------------

void ProgramModes::HideRequested() {
  if (view_.mainHidden) return;
  view_.hideRestore = seam_->MainRect();
  view_.mainHidden = true;
  Changed();
  seam_->ParkMainOffScreen();
}

void ProgramModes::ShowRequested() {
  if (!view_.mainHidden) return;
  view_.mainHidden = false;
  Changed();
  seam_->MoveMain(view_.hideRestore);
}

// While the selection surface is open the main window stays below it: its topmost states wait.
void ProgramModes::TopmostChosen(bool onTop) {
  if (view_.CustomRegionFlag()) return;
  settings_.SetConfig(keys::kTopmost, onTop ? "1" : "0");
  SetTopmost(onTop);
  Changed();
}

void ProgramModes::StrongTopmostToggled() {
  if (!view_.CustomRegionFlag()) SwitchStrongTopmost();
}

void ProgramModes::SwitchStrongTopmost() {
  view_.strongTopmost = !view_.strongTopmost;
  if (view_.strongTopmost) {
    seam_->StartStrongTopmost();
  } else {
    seam_->StopStrongTopmost();
  }
  Changed();
}

TopmostTaken ProgramModes::TakeTopmost() {
  TopmostTaken taken;
  if (view_.topmost) {
    SetTopmost(false);
    taken.topmost = true;
  }
  if (view_.strongTopmost) {
    SwitchStrongTopmost();
    taken.strongTopmost = true;
  }
  Changed();
  return taken;
}

void ProgramModes::GiveTopmostBack(const TopmostTaken& taken) {
  if (taken.topmost && !view_.topmost) SetTopmost(true);
  if (taken.strongTopmost && !view_.strongTopmost) SwitchStrongTopmost();
  Changed();
}

void ProgramModes::HotkeyHintsToggled() {
  view_.hotkeyHints = !view_.hotkeyHints;
  settings_.SetConfig(keys::kHotkeyHints, view_.hotkeyHints ? "1" : "0");
  Changed();
}

void ProgramModes::SuiteOpened() {
  view_.suiteOpen = true;
  Changed();
}

void ProgramModes::SuiteClosed() {
  view_.suiteOpen = false;
  Changed();
}

}  // namespace corvanta
