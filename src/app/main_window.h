// The main window: the start screen with its controls, and later the selection frame and the overlay.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "app/menus.h"
#include "app/tray_icon.h"
#include "platform/gdi.h"
#include "platform/window_base.h"

namespace corvanta {

class App;
class BalloonTip;
class DrawCanvas;
class EffectList;
class OverlayController;
class SmartAttach;

// Child control ids of the main window.
enum ControlId : int {
  kCustomModeCheckboxId = 101,
  kPictureModeCheckboxId,
  kMixedModeCheckboxId,
  kTopmostCheckboxId,
  kStrengthSliderId,
  kStrengthSwatchId,
  kEffectListId,
  kRegionButtonId,
  kAttachButtonId,
  kSuiteButtonId,
  kDrawCanvasId,
};

// The main window's timers.
enum class MainTimer : UINT_PTR {
  kListFill = 1,          // one-shot: fill the effect list
  kAttachTrack = 2,       // repeating: smart attach follows the window under the cursor
  kResizeRedraw = 3,      // one-shot: redraw the overlay at its new size
  kMixedPreparation = 4,  // one-shot: rewrite the mixed-mode pair, then fill the list
  kStrongTopmost = 5,     // repeating: re-assert topmost
  kBalloonHide = 6,       // one-shot: take the start-up balloon away again
};

inline constexpr COLORREF kStartScreenBackground = RGB(224, 225, 229);
inline constexpr UINT kTrayMessage = WM_APP + 1;

class MainWindow : public WindowBase<MainWindow> {
 public:
  static constexpr const char* kClassName = "CorvantaMainWindow";

  explicit MainWindow(App& app);
  ~MainWindow() override;
  bool Create(int showCommand);

  App& Application() { return app_; }
  Menus& GetMenus() { return menus_; }
  EffectList& List() { return *effectList_; }
  DrawCanvas& Canvas() { return *drawCanvas_; }
  DrawCanvas& Swatch() { return *strengthSwatch_; }
  OverlayController& Overlay() { return *overlay_; }
  SmartAttach& Attach() { return *attach_; }
  HWND Control(ControlId id) const { return GetDlgItem(hwnd_, id); }
  const TrayIcon& Tray() const { return trayIcon_; }
  HWND BalloonWindow() const;

  void StartTimer(MainTimer timer, UINT milliseconds);
  void StopTimer(MainTimer timer);

  // The start-screen layout for the current client size.
  void LayOutStartScreen();
  void SetBackgroundColour(COLORREF colour);
  COLORREF BackgroundColour() const { return backgroundColour_; }
  // Always-on-top state of the window itself.
  void SetAlwaysOnTop(bool onTop);
  bool IsAlwaysOnTop() const;

  // Runs the exit sequence and destroys the window ("关闭并退出", exit hotkey).
  void RequestExit();

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  // Creation and start-up (main_window_startup.cpp).
  void CreateControls();
  void RunStartup();
  void ApplyModeControls();
  void ApplyStartupGeometry();
  void ApplyOffScreenGuard();
  void ShowStartupBalloon();

  void OnSize();
  void OnTimer(UINT_PTR id);
  void OnCommand(int id, int notification);
  void OnMenuCommand(MenuId id);
  void OnTrayEvent(LPARAM lParam);
  void ShowTrayMenu();
  void ToggleMenuSetting(MenuId id, const char* section, const char* key);
  LRESULT OnControlColour(HDC dc);

  void StartHotkeyHost();
  void StopHotkeys();
  void RunExitSequence();
  void SaveGeometryOnExit();
  void UpdateMenuBarAttachment();

  App& app_;
  Menus menus_;
  TrayIcon trayIcon_;
  std::unique_ptr<EffectList> effectList_;
  std::unique_ptr<DrawCanvas> drawCanvas_;
  std::unique_ptr<DrawCanvas> strengthSwatch_;
  std::unique_ptr<BalloonTip> balloonTip_;
  std::unique_ptr<OverlayController> overlay_;
  std::unique_ptr<SmartAttach> attach_;
  ScopedFont controlFont_;
  ScopedBrush backgroundBrush_;
  COLORREF backgroundColour_ = kStartScreenBackground;
  bool exited_ = false;
};

}  // namespace corvanta
