// The overlay: locking the selection frame into the click-through, topmost, colour-keyed window,
// cancelling a selection, returning to the start screen, the display modes, the strength, topmost and
// strong topmost, and hiding and showing the main window.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "shell/display_mode.h"
#include "effects/preset.h"
#include "overlay/render.h"

namespace corvanta {

class App;
class MainWindowSeam;

// What one lock draws and where. The selection frame locks the list's selected entry at its own client
// size; a custom region locks the enabled entries at the region window's size and moves the main window
// onto the region.
struct LockRequest {
  std::string presetName;   // a file in Effect\C, read in custom mode
  std::string pictureName;  // a file in Effect\P, shown in picture mode
  std::optional<SIZE> canvasSize;  // none: the main window's client size when the canvas is drawn
  std::optional<RECT> region;  // the screen rectangle the main window takes before it is shown
};

class OverlayController {
 public:
  OverlayController(App& app, MainWindowSeam& window);
  OverlayController(const OverlayController&) = delete;
  OverlayController& operator=(const OverlayController&) = delete;

  // A key released in the main window: in the selection state Backspace and Esc cancel, any other key
  // locks. Returns whether the key was taken for that.
  bool OnKeyReleased(WPARAM virtualKey);

  // Locks the selection frame where it is.
  void Lock();
  void Lock(const LockRequest& request);
  void CancelSelection();
  // Acts only in locked state 1.
  void ReturnToStartScreen();

  // A mode checkbox clicked.
  void ChooseDisplayMode(DisplayMode mode);

  void OnTopmostCheckboxClicked();
  void ToggleTopmostFromMenu();
  void ToggleStrongTopmost();
  void OnStrongTopmostTick();
  int StrongTopmostTicks() const { return strongTopmostTicks_; }

  void OnStrengthChanged(int position);

  void HideMainWindow();
  void ShowMainWindow();

  // The preset values drawn by the last lock; a redraw after a resize uses them again.
  const Preset& LockedPreset() const { return lockedPreset_; }
  // Draws the last lock's grid and picture again for a new canvas size (after a move or resize).
  void RedrawAtSize(int width, int height);
  // The canvas's picture placement (Config/Dp codes), kept for the redraws of the last lock too.
  void SetPicturePlacement(int code);

  // The colour key of the current display mode as a COLORREF.
  COLORREF ColourKey() const;

 private:
  void LoadPreset(const std::string& presetName);
  void RenderLockedCanvas(const LockRequest& request);
  void TakeRegion(const RECT& region);
  void SetHintEntriesVisible(bool visible);
  void ApplyTopmostState(bool onTop);
  void ClearHotkeyBusyMark();
  int Strength() const;

  App& app_;
  MainWindowSeam& window_;
  Preset lockedPreset_;
  RenderRequest lastRender_;  // what the last lock drew
  int strongTopmostTicks_ = 0;
};

}  // namespace corvanta
