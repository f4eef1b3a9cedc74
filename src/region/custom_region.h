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

class DrawCanvas;
class EffectList;
class MainWindowSeam;
class OverlayController;
class Program;
class RegionSelectWindow;
class RegionWindow;
class Screenshots;

class CustomRegion {
 public:
  CustomRegion(Program& program, MainWindowSeam& window, OverlayController& overlay, EffectList& list,
               DrawCanvas& canvas, Screenshots& screenshots);
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
  void ShowRegion(const Rect& region);
  void ParkRegionBelowScreen();
  void LockRegion(HWND keyWindow);
  void Abandon();
  void ReturnToStartScreenAfterAbandon();
  void ReturnAfterAbandonedScreenshot();
  void DestroyWindows();
  Rect ParkedRightOfScreen() const;

  // Hooks for subsystems that plug in here.
  // The region screenshot's confirmation takes the rectangle here once screen capture exists.
  void HandOverToScreenshot(const Rect& region);
  // The hotkey host's busy marks of "自选区域截图" and "重新自选区域" are stopped here.
  void ClearHotkeyBusyMarks();

  Program& program_;
  MainWindowSeam& window_;
  OverlayController& overlay_;
  EffectList& list_;
  DrawCanvas& canvas_;
  Screenshots& screenshots_;
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
