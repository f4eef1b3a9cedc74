// The main window: the start screen with its controls, and later the selection frame and the overlay.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>
#include <string>

#include "app/tray_icon.h"
#include "platform/dpi_scale.h"
#include "platform/gdi.h"
#include "platform/window_base.h"
#include "prefs/list_colouring.h"
#include "shell/main_window_seam.h"
#include "shell/geometry.h"
#include "shell/key_presses.h"
#include "shell/menus.h"

namespace corvanta {

class AdvancedOptionsWindow;
class App;
class BalloonTip;
class ColourSchemeWindow;
class DrawCanvas;
class EffectList;
class HotkeyHostWindow;
class HotkeySettingsWindow;
class OverlayController;
class Screenshots;
class SmartAttach;
class SuiteWindow;
class CustomRegion;
class ModeWindows;
class MoveResize;
class UpdateCommands;
class WindowFollower;

inline constexpr UINT kTrayMessage = WM_APP + 1;

class MainWindow : public WindowBase<MainWindow>, public MainWindowSeam {
 public:
  static constexpr const wchar_t* kClassName = L"CorvantaMainWindow";

  ~MainWindow() override;
  // Creates the window, its controls and runs the start-up sequence; false when any of it failed.
  bool Create(int showCommand);

  // MainWindowSeam.
  HWND Hwnd() const override { return hwnd_; }
  HWND Control(ControlId id) const override { return GetDlgItem(hwnd_, static_cast<int>(id)); }
  Menus& GetMenus() override { return menus_; }
  void RunCommand(MenuId command) override { OnMenuCommand(command); }
  void StartTimer(MainTimer timer, UINT milliseconds) override;
  void StopTimer(MainTimer timer) override;
  void SetBackgroundColour(COLORREF colour) override;
  void SetFrame(WindowFrame frame) override;
  void ShowStartScreenControls(bool visible) override;
  void LayOutStartScreen() override;
  void ShowModeControls(DisplayMode mode) override;
  int StrengthSliderPosition() const override;
  void RedrawStrengthSwatch(int strength) override;
  // The open ones of the advanced options, the colour scheme and the hotkey settings windows.
  std::vector<HWND> PreferenceWindows() override;
  std::vector<HWND> SuiteWindows() override;
  void ShowHint(std::string_view text) override;
  void ClearHotkeyBusyMark(ActionTimer timer) override;

  // The main window's own topmost state and the checkbox "置顶", as the mode owner's windows set them.
  void SetAlwaysOnTop(bool onTop);
  bool IsAlwaysOnTop() const;
  void SetTopmostCheckbox(bool checked);
  void OpenSuite() override;

  // The features and controls, for the program's entry point and for tests.
  EffectList& List() { return *effectList_; }
  DrawCanvas& Canvas() { return *drawCanvas_; }
  // The custom mode suite while it is open, nullptr otherwise.
  SuiteWindow* Suite();

  App& Application() { return app_; }
  DrawCanvas& Swatch() { return *strengthSwatch_; }
  OverlayController& Overlay() { return *overlay_; }
  SmartAttach& Attach() { return *attach_; }
  WindowFollower& Follower() { return *follower_; }
  CustomRegion& Region() { return *customRegion_; }
  MoveResize& MoveOrResize() { return *moveResize_; }
  const TrayIcon& Tray() const { return trayIcon_; }
  HotkeyHostWindow* HotkeyHost() { return hotkeyHost_.get(); }
  // Version check, homepage, help page and donation window.
  UpdateCommands& Updates() { return *updates_; }
  // "自定义快捷按键" while it is open, nullptr otherwise.
  HotkeySettingsWindow* HotkeySettings();
  // "Corvanta_高级配置选项：" and "程序配色" while they are open, nullptr otherwise.
  AdvancedOptionsWindow* AdvancedOptions();
  ColourSchemeWindow* ColourScheme();
  Screenshots& Shots() { return *screenshots_; }
  HWND BalloonWindow() const;
  COLORREF BackgroundColour() const { return backgroundColour_; }
  int Dpi() const override { return dpi_; }

  // Whether a timer was started and has not been stopped (a one-shot timer stops itself when it ran).
  bool TimerPending(MainTimer timer) const { return (pendingTimers_ & TimerBit(timer)) != 0; }

  // Runs the exit sequence and destroys the window ("关闭并退出", exit hotkey).
  void RequestExit();

 protected:
  explicit MainWindow(App& app);

  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  // Creation and start-up (main_window_startup.cpp).
  bool CreateControls();
  void CreateFonts();
  void RunStartup();
  // The saved left and top; the window takes them, but never a negative edge.
  Point ApplyStartupGeometry(bool firstStart);
  // The hide-restore rectangle of a window brought back from beyond the screen.
  Rect ApplyOffScreenGuard();
  void ShowStartupBalloon();
  void AddTrayIcon();

  void OnSize();
  void OnDpiChanged(int dpi, const RECT& suggested);
  void OnTimer(UINT_PTR id);
  void OnCommand(int id, int notification);
  void OnMenuCommand(MenuId id);
  void OnTrayEvent(LPARAM lParam);
  void ShowTrayMenu();
  void ToggleMenuSetting(MenuId id, SettingKey key);
  LRESULT OnControlColour(HDC dc);

  void StartHotkeyHost();
  void StopHotkeys();
  void OpenHotkeySettings();
  void OpenAdvancedOptions();
  void OpenColourScheme();
  void RunExitSequence();
  void UpdateMenuBarAttachment();

  App& app_;
  Menus menus_;
  TrayIcon trayIcon_;
  std::unique_ptr<DrawCanvas> drawCanvas_;
  std::unique_ptr<DrawCanvas> strengthSwatch_;
  ProgramColourRows listColours_;
  std::unique_ptr<EffectList> effectList_;
  std::unique_ptr<Screenshots> screenshots_;
  std::unique_ptr<BalloonTip> balloonTip_;
  std::unique_ptr<HotkeyHostWindow> hotkeyHost_;
  std::unique_ptr<HotkeySettingsWindow> hotkeySettings_;
  std::unique_ptr<AdvancedOptionsWindow> advancedOptions_;
  std::unique_ptr<ColourSchemeWindow> colourScheme_;
  std::unique_ptr<OverlayController> overlay_;
  std::unique_ptr<SmartAttach> attach_;
  std::unique_ptr<WindowFollower> follower_;
  std::unique_ptr<SuiteWindow> suite_;
  std::unique_ptr<CustomRegion> customRegion_;
  std::unique_ptr<MoveResize> moveResize_;
  std::unique_ptr<ModeWindows> modeWindows_;
  std::unique_ptr<UpdateCommands> updates_;
  ScopedFont controlFont_;
  ScopedBrush backgroundBrush_;
  COLORREF backgroundColour_ = kStartScreenBackground;
  static uint32_t TimerBit(MainTimer timer) { return 1u << static_cast<unsigned>(timer); }

  int dpi_ = kDesignDpi;
  uint32_t pendingTimers_ = 0;
  UINT taskbarCreatedMessage_ = 0;
  int trayRetriesLeft_ = 0;
  bool exited_ = false;
  KeyPresses keyPresses_;
};

}  // namespace corvanta
