// The program's windows as the mode owner works on them: each verb of the mode seam is one step of the
// main window's controllers (overlay, smart attach, move and resize), of the custom region's windows or
// of the menus.
#pragma once

#include "shell/mode_seam.h"

namespace corvanta {

class CustomRegion;
class MainWindow;
class MoveResize;
class OverlayController;
class Program;
class SmartAttach;
class WindowFollower;

class ModeWindows : public ModeSeam {
 public:
  ModeWindows(Program& program, MainWindow& main, OverlayController& overlay, SmartAttach& attach,
              WindowFollower& follower, CustomRegion& region, MoveResize& moveResize);

  Rect MainRect() const override;
  int MainDpi() const override;
  bool SelectEnabledEffect() override;
  void ShowStartScreen(const Rect& place) override;
  void ShowSelectionFrame() override;
  void StopFollowingCursor() override;
  void LockOverlay(const OverlayLock& lock) override;
  void PrepareOverlayMemory() override;
  void ReleaseOverlayMemory() override;
  std::optional<Rect> AttachedWindowPlace(bool clientArea) override;
  void FollowAttachedWindow(bool clientArea) override;
  void StopFollowing() override;
  void MoveOverlay(const Rect& place) override;
  void BeginMoveResize() override;
  void FinishMoveResize() override;
  void PrepareRelock() override;
  void MoveMain(const Rect& place) override;
  void ParkMainOffScreen() override;
  void ShowMain(bool activate) override;
  void HideMain() override;
  void SetMainEnabled(bool enabled) override;
  void SetMainTopmost(bool onTop) override;
  void StartStrongTopmost() override;
  void StopStrongTopmost() override;
  bool OpenSelection(bool forScreenshot) override;
  void CloseSelection() override;
  void SetSelectionInput(bool enabled) override;
  void ShowMainUnderSelection() override;
  void PutMainAsideForSelection() override;
  void TakeTopmostFromPeers() override;
  void GiveTopmostBackToPeers() override;
  void RunRegionShotFormat(const Rect& region) override;
  void ClearHotkeyBusyMark(ActionTimer timer) override;
  void ShowMarks(const ModeView& view) override;

 private:
  Program& program_;
  MainWindow& main_;
  OverlayController& overlay_;
  SmartAttach& attach_;
  WindowFollower& follower_;
  CustomRegion& region_;
  MoveResize& moveResize_;
};

}  // namespace corvanta
