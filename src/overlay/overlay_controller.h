// The overlay: locking the selection frame into the click-through, topmost, colour-keyed window,
// cancelling a selection, returning to the start screen, the display modes, the strength, topmost and
// strong topmost, and hiding and showing the main window.
#pragma once

#include <windows.h>

#include "effects/preset.h"

namespace corvanta {

class App;
class MainWindow;

class OverlayController {
 public:
  OverlayController(App& app, MainWindow& window);
  OverlayController(const OverlayController&) = delete;
  OverlayController& operator=(const OverlayController&) = delete;

  // A key released in the main window: in the selection state Backspace and Esc cancel, any other key locks.
  void OnKeyReleased(WPARAM virtualKey);

  void Lock();
  void CancelSelection();
  // Acts only in locked state 1.
  void ReturnToStartScreen();

  // `mode` is "C", "P" or "D".
  void ChooseDisplayMode(const char* mode);

  void OnTopmostCheckboxClicked();
  void ToggleTopmostFromMenu();
  void ToggleStrongTopmost();
  void OnStrongTopmostTick();

  void OnStrengthChanged(int position);

  void HideMainWindow();
  void ShowMainWindow();

  // The preset values drawn by the last lock; a redraw after a resize uses them again.
  const Preset& LockedPreset() const { return lockedPreset_; }

  // Shows or hides every start-screen control (and the StrengthSwatch); the canvas is left alone.
  void ShowStartScreenControls(bool visible);
  void SetNormalBorder();
  void SetNoBorder();
  // The colour key of the current display mode as a COLORREF.
  COLORREF ColourKey() const;

 private:
  void LoadSelectedPreset();
  void RenderLockedCanvas();
  void SetHintEntriesVisible(bool visible);
  void ApplyTopmostState(bool onTop);
  void ClearHotkeyBusyMark();
  int Strength() const;

  App& app_;
  MainWindow& window_;
  Preset lockedPreset_;
};

}  // namespace corvanta
