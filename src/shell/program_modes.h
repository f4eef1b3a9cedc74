// The owner of the program's modes: the only code that changes whether an overlay is locked, which
// selection is open, whether the main window is hidden or on top and whether hotkey hints show. Each
// change is a transition named by what happened; it checks that it applies in the current mode, does
// nothing otherwise, and takes its steps on the windows through the seam. Everything else reads View().
// No platform calls.
#pragma once

#include "settings/settings_store.h"
#include "shell/geometry.h"
#include "shell/mode_seam.h"
#include "shell/mode_view.h"

namespace corvanta {

// What a window that must show above the overlay switched off while it is open, to be switched on
// again when it closes.
struct TopmostTaken {
  bool topmost = false;
  bool strongTopmost = false;
};

class ProgramModes {
 public:
  explicit ProgramModes(SettingsStore& settings) : settings_(settings) {}
  ProgramModes(const ProgramModes&) = delete;
  ProgramModes& operator=(const ProgramModes&) = delete;

  // The windows the transitions work on; set once the main window exists, before StartedUp.
  void SetSeam(ModeSeam* seam) { seam_ = seam; }
  const ModeView& View() const { return view_; }

  // The start screen after start-up, with the geometry and the switches read from Config.ini.
  void StartedUp(const Rect& savedGeometry, const Rect& hideRestore, bool topmost, bool hotkeyHints);
  // Quitting: the start screen's place is written only while the start screen is what the main window
  // is (hidden, the place "#显示主窗口" brings back); an overlay, a selection or the frame leave the place
  // that was saved when they began.
  void ExitRequested();

  // Smart attach: "智能吸附" (nothing without an enabled effect), then a key on the selection frame:
  // Backspace and Esc cancel, any other key locks. FrameKeyReleased returns whether the key was taken.
  void AttachRequested();
  bool FrameKeyReleased(int virtualKey);

  // The custom region: "自选区域" and "<-+自选区域截图+->" open the selection; a key on it locks the
  // rectangle, confirms the screenshot or abandons the selection, as does a close request on either of
  // its windows; the screenshot's format window ends the screenshot.
  void RegionRequested();
  void RegionShotRequested();
  void RegionLockRequested(const Rect& region, const Size& canvasSize);
  void RegionShotConfirmed(const Rect& region);
  void RegionShotFinished();
  void RegionAbandoned();

  // Following the attached window: its changes, and new options ("跟随窗口移动", "仅覆盖客户区") while it
  // is followed. A window gone brings the start screen back as the tray's return does.
  void AttachedWindowChanged(const AttachedWindow& now);
  void FollowingOptionsChanged();

  // The overlay's commands.
  void ReturnRequested();      // "<<<更换效果(返回)"
  void ReattachRequested();    // "<-=重新吸附窗口"
  void ReselectRequested();    // "<-=重新自选区域"
  void MoveResizeRequested();  // "<-移动或调整尺寸->"
  void FinishRequested();      // "完成配置并锁定区域", F5
  // A locked overlay locked again in place (a new picture placement): it is redrawn where it stands.
  void RelockRequested();

  // The main window: "#隐藏主窗口" and "#显示主窗口"; "置顶" and "^置顶^" (written to Config/Top) and
  // ">+^强力置顶^+<", which wait while the selection surface is open.
  void HideRequested();
  void ShowRequested();
  void TopmostChosen(bool onTop);
  void StrongTopmostToggled();
  // A window that must show above the overlay switches both topmost states off while it is open
  // (without writing Config/Top), and back on when it closes unless the user switched them meanwhile.
  TopmostTaken TakeTopmost();
  void GiveTopmostBack(const TopmostTaken& taken);

  void HotkeyHintsToggled();  // "#启用快捷键提示", written to SP/TST
  void SuiteOpened();
  void SuiteClosed();

 private:
  void SetTopmost(bool onTop);
  void SwitchStrongTopmost();
  void SaveStartScreenGeometry();
  void WriteGeometry(const Rect& r);
  void KeepHidden();
  bool OpenSelection(Selection selection);
  void CloseSelection();
  void ToStartScreen();
  void LockedAs(const OverlayLock& lock);
  void EndRegionHotkeys();
  void FollowAfterLock();
  void StopFollowingWindow();
  void ApplyAttachedWindow();
  void Changed();

  SettingsStore& settings_;
  ModeSeam* seam_ = nullptr;
  ModeView view_;
  TopmostTaken takenBySelection_;
  // A screenshot taken while an overlay is locked gives the overlay back as it was.
  bool shotOverOverlay_ = false;
  AttachedWindow attached_;
  bool hiddenWithAttached_ = false;
};

}  // namespace corvanta
