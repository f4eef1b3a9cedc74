// Custom region selection: the user drags the scan region as a free rectangle on a darkened screen
// (RegionSelectWindow, with RegionWindow lying on the rectangle) and locks it with a key, or abandons
// the selection with Backspace or Esc. The same windows serve the custom-region screenshot.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "shell/topmost_hand_over.h"
#include "region/region_selection.h"

namespace corvanta {

class App;
class MainWindowSeam;
class OverlayController;
class RegionSelectWindow;
class RegionWindow;

class CustomRegion {
 public:
  CustomRegion(App& app, MainWindowSeam& window, OverlayController& overlay);
  ~CustomRegion();
  CustomRegion(const CustomRegion&) = delete;
  CustomRegion& operator=(const CustomRegion&) = delete;

  // "自选区域" (and the custom-region screenshot, after it has set its flag).
  void Start();
  // "<-=重新自选区域": a locked overlay returns to the start screen first.
  void Reselect();
  // "#自选区域提示".
  void ToggleRegionHint();

  // Events of the two selection windows.
  void OnSurfaceLeftPressed();
  void OnDragTick();
  void OnSurfaceLeftReleased();
  void OnRegionLeftReleased();
  void Discard();
  // A key released on either window; keyWindow is the one whose handler runs. Returns whether it acted.
  bool OnKeyReleased(WPARAM virtualKey, HWND keyWindow);
  void OnCloseRequested();
  void OnSurfaceDestroyed();
  void OnRegionWindowDestroyed();

  bool IsOpen() const;
  RegionSelectWindow* Surface() const;
  RegionWindow* Region() const;
  const RegionSelection& Selection() const { return selection_; }

 private:
  void SaveStartScreenGeometry();
  void CreateWindows();
  void PutMainWindowAside();
  void ReadSurfaceSettings();
  void ShowRegion(const RegionRect& region);
  void ParkRegionBelowScreen();
  void LockRegion(HWND keyWindow);
  void Abandon();
  void ReturnToStartScreenAfterAbandon();
  void ReturnAfterAbandonedScreenshot();
  void DestroyWindows();
  RegionRect ParkedRightOfScreen() const;

  // Hooks for subsystems that plug in here.
  // The region screenshot's confirmation takes the rectangle here once screen capture exists.
  void HandOverToScreenshot(const RegionRect& region);
  // The hotkey host's busy marks of "自选区域截图" and "重新自选区域" are stopped here.
  void ClearHotkeyBusyMarks();
  // The suite and its preview while they are open. With the main window's preference windows they
  // must show above the overlay: they give up their always-on-top state while a selection is open (the
  // suite's first) and take it back when it closes (the preference windows first).
  std::vector<HWND> SuiteWindows() const;

  App& app_;
  MainWindowSeam& window_;
  OverlayController& overlay_;
  std::unique_ptr<RegionSelectWindow> surface_;
  std::unique_ptr<RegionWindow> region_;
  RegionSelection selection_;
  int screenWidth_ = 0;
  int screenHeight_ = 0;
  bool hintFollows_ = false;
  COLORREF outlineColour_ = 0;
  bool savedTopmost_ = false;
  TopmostHandOver handOver_;
};

}  // namespace corvanta
