// What the features may do with the main window, which is the start screen, the selection frame and the
// overlay at once. Every feature reaches it only through these verbs; the composition root implements
// them.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string_view>
#include <vector>

#include "shell/action_timers.h"
#include "shell/display_mode.h"
#include "shell/menu_layout.h"
#include "shell/colour.h"

namespace corvanta {

class Menus;

inline constexpr COLORREF kStartScreenBackground = ToColorRef({224, 225, 229});

// Child controls of the main window.
enum class ControlId : int {
  kCustomModeCheckbox = 101,
  kPictureModeCheckbox,
  kMixedModeCheckbox,
  kTopmostCheckbox,
  kStrengthSlider,
  kStrengthSwatch,
  kEffectList,
  kRegionButton,
  kAttachButton,
  kSuiteButton,
  kDrawCanvas,
};

// The main window's timers.
enum class MainTimer : UINT_PTR {
  kListFill = 1,          // one-shot: fill the effect list
  kAttachTrack = 2,       // repeating: smart attach follows the window under the cursor
  kResizeRedraw = 3,      // one-shot: redraw the overlay at its new size
  kMixedPreparation = 4,  // one-shot: rewrite the mixed-mode pair, then fill the list
  kStrongTopmost = 5,     // repeating: re-assert topmost
  kBalloonHide = 6,       // one-shot: take the start-up balloon away again
  kTrayRetry = 7,         // repeating until the tray icon is in place
  kFollowCheck = 8,       // repeating: a look at the followed window where its events do not arrive
};

// The frame of the main window: the start screen's border and caption, none (selection frame,
// overlay), or a sizing frame with a narrow caption and no control box (moving or resizing the overlay).
enum class WindowFrame { kNormal, kBorderless, kResizableTool };

class MainWindowSeam {
 public:
  virtual ~MainWindowSeam() = default;

  virtual HWND Hwnd() const = 0;
  virtual HWND Control(ControlId id) const = 0;
  virtual Menus& GetMenus() = 0;
  // Runs a menu command as if the user had chosen it (the tray, the hotkeys, the topmost hand-over).
  virtual void RunCommand(MenuId command) = 0;

  virtual void StartTimer(MainTimer timer, UINT milliseconds) = 0;
  virtual void StopTimer(MainTimer timer) = 0;

  virtual void SetBackgroundColour(COLORREF colour) = 0;
  virtual void SetFrame(WindowFrame frame) = 0;
  // The DPI the start screen is laid out for; layout numbers are scaled by it.
  virtual int Dpi() const = 0;

  // The start screen: its controls shown or hidden together, its layout for the current size, the
  // mode checkboxes and effect menu entries of a display mode (no mode changes nothing).
  virtual void ShowStartScreenControls(bool visible) = 0;
  virtual void LayOutStartScreen() = 0;
  virtual void ShowModeControls(DisplayMode mode) = 0;
  virtual int StrengthSliderPosition() const = 0;
  // The strength sample beside the slider, redrawn for a new strength.
  virtual void RedrawStrengthSwatch(int strength) = 0;

  // The windows that hand the topmost state over together with the main window, in the order they
  // take it: the open ones of the advanced options, the colour scheme and the hotkey settings windows;
  // the suite and its preview while the suite is open.
  virtual std::vector<HWND> PreferenceWindows() = 0;
  virtual std::vector<HWND> SuiteWindows() = 0;

  // The hotkeys: a hint in the balloon at the start-up point, and the end of the command a hotkey's
  // action timer started (the action takes presses again).
  virtual void ShowHint(std::string_view text) = 0;
  virtual void ClearHotkeyBusyMark(ActionTimer timer) = 0;

  // Opens the custom mode suite unless it is open (it picks up the list request).
  virtual void OpenSuite() = 0;
};

}  // namespace corvanta
