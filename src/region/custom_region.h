// The windows of a custom region selection: RegionSelectWindow darkens the screen and the user drags
// the scan region on it, RegionWindow lies on the dragged rectangle. Their mouse events and drag ticks
// are handled here; a key, or a close request on either window, goes to the mode owner, which decides
// whether to lock the rectangle, confirm a screenshot or abandon the selection, and opens and closes
// the windows through the calls below. The same windows serve the custom-region screenshot.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <vector>

#include "region/region_selection.h"
#include "shell/key_presses.h"

namespace corvanta {

class MainWindowSeam;
class Program;
class RegionSelectWindow;
class RegionWindow;
class Screenshots;

class CustomRegion {
 public:
  CustomRegion(Program& program, MainWindowSeam& window, Screenshots& screenshots);
  ~CustomRegion();
  CustomRegion(const CustomRegion&) = delete;
  CustomRegion& operator=(const CustomRegion&) = delete;

  // The selection windows: opened with the surface holding the keyboard, closed, and taking input or
  // not (not while a screenshot's format window is open).
  bool Open();
  void Close();
  void SetInput(bool enabled);
  // The main window while a selection is open: visible directly below the surface (a screenshot that
  // includes it), or hidden right of the screen.
  void ShowMainUnderSurface();
  void PutMainAside();
  // The suite's windows and the preference windows must show above the overlay: they give up their
  // always-on-top state while a selection is open (the suite's first) and take it back when it closes
  // (the preference windows first).
  void TakePeersTopmost();
  void GivePeersTopmostBack();
  // The modal format window of a custom-region screenshot over the rectangle; returns once it is gone.
  void RunShotFormat(const Rect& region);

  // "#自选区域提示".
  void ToggleRegionHint();

  // Events of the two selection windows.
  void OnSurfaceLeftPressed();
  void OnDragTick();
  void OnSurfaceLeftReleased();
  void OnRegionLeftReleased();
  void OnMouseLost();
  void Discard();
  // A key pressed and released on the two windows; keyWindow is the one whose handler runs. A release acts
  // only after its press came to one of them. OnKeyReleased returns whether it acted.
  void OnKeyPressed(WPARAM virtualKey) { keyPresses_.Pressed(static_cast<unsigned>(virtualKey)); }
  bool OnKeyReleased(WPARAM virtualKey, HWND keyWindow);
  void OnCloseRequested();
  void OnWindowDestroyed();
  // The input both windows take alike: the right button discards, the keys above, a close request. The
  // message's result when it is one of them (a system key also has its default handling).
  std::optional<LRESULT> OnSelectionMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  bool IsOpen() const;
  bool TakesInput() const { return IsOpen() && inputEnabled_; }
  RegionSelectWindow* Surface() const;
  RegionWindow* Region() const;
  const RegionSelection& Selection() const { return selection_; }

 private:
  void ReadSurfaceSettings();
  void ShowRegion(const Rect& region);
  void EndDrag();
  void DestroyWindows();
  Rect ParkedRightOfScreen() const;

  Program& program_;
  MainWindowSeam& window_;
  Screenshots& screenshots_;
  std::unique_ptr<RegionSelectWindow> surface_;
  std::unique_ptr<RegionWindow> region_;
  RegionSelection selection_;
  int screenWidth_ = 0;
  int screenHeight_ = 0;
  bool hintFollows_ = false;
  bool inputEnabled_ = true;
  bool closing_ = false;
  bool releasingMouse_ = false;
  COLORREF outlineColour_ = 0;
  std::vector<HWND> peersTaken_;
  KeyPresses keyPresses_;
};

}  // namespace corvanta
