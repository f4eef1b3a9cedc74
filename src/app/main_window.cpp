#include "app/main_window.h"

#include <commctrl.h>

#include "app/app.h"
#include "app/balloon_tip.h"
#include "app/mode_windows.h"
#include "app/start_screen_layout.h"
#include "capture/screenshots.h"
#include "effects/effect_list.h"
#include "hotkeys/hotkey_host_window.h"
#include "hotkeys/hotkey_settings_window.h"
#include "overlay/draw_canvas.h"
#include "overlay/overlay_controller.h"
#include "overlay/strength_swatch.h"
#include "platform/controls.h"
#include "platform/dpi.h"
#include "prefs/advanced_options_window.h"
#include "prefs/colour_scheme_window.h"
#include "region/custom_region.h"
#include "region/move_resize.h"
#include "region/smart_attach.h"
#include "region/window_follower.h"
#include "shell/topmost.h"
#include "suite/debug_area_window.h"
#include "suite/suite_window.h"
#include "update/update_commands.h"

namespace corvanta {

namespace {

constexpr UINT kHintShowMilliseconds = 3000;
constexpr DWORD kNormalFrameStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
constexpr DWORD kBorderlessStyle = WS_POPUP | WS_CLIPCHILDREN;
constexpr DWORD kResizableToolStyle = WS_POPUP | WS_CAPTION | WS_THICKFRAME | WS_CLIPCHILDREN;

constexpr ControlId kStartScreenControls[] = {
    ControlId::kMixedModeCheckbox, ControlId::kPictureModeCheckbox, ControlId::kCustomModeCheckbox,
    ControlId::kTopmostCheckbox,   ControlId::kStrengthSlider,      ControlId::kAttachButton,
    ControlId::kRegionButton,      ControlId::kSuiteButton,         ControlId::kEffectList,
    ControlId::kStrengthSwatch};

}  // namespace

MainWindow::MainWindow(App& app)
    : app_(app),
      drawCanvas_(MakeWindow<DrawCanvas>()),
      strengthSwatch_(MakeWindow<DrawCanvas>()),
      listColours_(app.State().programColours),
      effectList_(std::make_unique<EffectList>(app, *this, *drawCanvas_, listColours_)),
      screenshots_(std::make_unique<Screenshots>(app, *effectList_)),
      overlay_(std::make_unique<OverlayController>(app, *this, *drawCanvas_)),
      attach_(std::make_unique<SmartAttach>(app, *this, *effectList_, *drawCanvas_)),
      follower_(std::make_unique<WindowFollower>(app, *this)),
      customRegion_(std::make_unique<CustomRegion>(app, *this, *screenshots_)),
      moveResize_(std::make_unique<MoveResize>(app, *this, *overlay_, *drawCanvas_)),
      modeWindows_(std::make_unique<ModeWindows>(app, *this, *overlay_, *attach_, *follower_, *customRegion_,
                                                   *moveResize_)),
      updates_(std::make_unique<UpdateCommands>(app, *this)) {
  app.Modes().SetSeam(modeWindows_.get());
  menus_.SetOnBarChanged([this] { UpdateMenuBarAttachment(); });
}

MainWindow::~MainWindow() = default;

bool MainWindow::Create(int showCommand) {
  WNDCLASSEXW wc{};
  wc.hInstance = app_.Instance();
  wc.hCursor = ArrowCursor();
  wc.hIcon = ProgramIcon(app_.Instance());
  wc.hIconSm = wc.hIcon;
  if (!RegisterOnce(wc, kClassName)) return false;
  backgroundBrush_.Reset(CreateSolidBrush(backgroundColour_));
  // Created at its design size for the screen's DPI; the start-up sequence then applies the saved size.
  const int dpi = SystemDpi();
  if (!CreateOwnWindow(0, kClassName, "Corvanta", kNormalFrameStyle, DpiScale(kMainWindowDesignLeft, dpi),
                       DpiScale(kMainWindowDesignTop, dpi), DpiScale(kMainWindowDesign.width, dpi),
                       DpiScale(kMainWindowDesign.height, dpi), nullptr, app_.Instance())) {
    return false;
  }
  ShowWindow(hwnd_, showCommand);
  UpdateWindow(hwnd_);
  return true;
}

void MainWindow::OpenSuite() {
  if (Suite() != nullptr) return;
  suite_ = MakeWindow<SuiteWindow>(app_, *this);
  if (!suite_->Open()) suite_.reset();
}

SuiteWindow* MainWindow::Suite() { return suite_ && suite_->IsOpen() ? suite_.get() : nullptr; }

std::vector<HWND> MainWindow::SuiteWindows() {
  SuiteWindow* suite = Suite();
  if (suite == nullptr) return {};
  std::vector<HWND> windows{suite->Hwnd()};
  if (suite->DebugArea() != nullptr) windows.push_back(suite->DebugArea()->Hwnd());
  return windows;
}

HWND MainWindow::BalloonWindow() const { return balloonTip_ ? balloonTip_->Hwnd() : nullptr; }

void MainWindow::StartTimer(MainTimer timer, UINT milliseconds) {
  if (SetTimer(hwnd_, static_cast<UINT_PTR>(timer), milliseconds, nullptr) != 0) pendingTimers_ |= TimerBit(timer);
}

void MainWindow::StopTimer(MainTimer timer) {
  KillTimer(hwnd_, static_cast<UINT_PTR>(timer));
  pendingTimers_ &= ~TimerBit(timer);
}

void MainWindow::SetBackgroundColour(COLORREF colour) {
  backgroundColour_ = colour;
  backgroundBrush_.Reset(CreateSolidBrush(colour));
  InvalidateRect(hwnd_, nullptr, TRUE);
}

void MainWindow::SetFrame(WindowFrame frame) {
  const DWORD style = frame == WindowFrame::kNormal      ? kNormalFrameStyle
                      : frame == WindowFrame::kBorderless ? kBorderlessStyle
                                                          : kResizableToolStyle;
  // Visibility and the disabled state of a locked overlay are not part of the frame.
  const LONG kept = GetWindowLongW(hwnd_, GWL_STYLE) & (WS_VISIBLE | WS_DISABLED);
  SetWindowLongW(hwnd_, GWL_STYLE, static_cast<LONG>(style) | kept);
  // The narrow caption of a tool window.
  if (frame == WindowFrame::kResizableTool) {
    SetWindowLongW(hwnd_, GWL_EXSTYLE, GetWindowLongW(hwnd_, GWL_EXSTYLE) | WS_EX_TOOLWINDOW);
  }
  SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void MainWindow::SetAlwaysOnTop(bool onTop) { SetWindowOnTop(hwnd_, onTop); }

bool MainWindow::IsAlwaysOnTop() const { return IsWindowOnTop(hwnd_); }

void MainWindow::ShowStartScreenControls(bool visible) {
  for (ControlId id : kStartScreenControls) ShowWindow(Control(id), visible ? SW_SHOW : SW_HIDE);
}

void MainWindow::ShowModeControls(DisplayMode mode) {
  if (mode == DisplayMode::kNone) return;
  auto check = [this](ControlId id, bool on) {
    SendMessageW(Control(id), BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
  };
  check(ControlId::kCustomModeCheckbox, mode == DisplayMode::kCustom);
  check(ControlId::kPictureModeCheckbox, mode == DisplayMode::kPicture);
  check(ControlId::kMixedModeCheckbox, mode == DisplayMode::kMixed);
  const EffectMenuItems items = EffectMenuItemsFor(mode);
  menus_.SetVisible(MenuId::kPreviewPicture, items.previewPicture);
  menus_.SetVisible(MenuId::kPreviewOrEditPreset, items.previewOrEditPreset);
  menus_.SetVisible(MenuId::kEnableSelected, items.enableSelected);
  menus_.SetVisible(MenuId::kDeleteSelected, items.deleteSelected);
  menus_.SetEnabled(MenuId::kEnableSelected, true);
  menus_.SetEnabled(MenuId::kDeleteSelected, true);
}

void MainWindow::SetTopmostCheckbox(bool checked) {
  SendMessageW(Control(ControlId::kTopmostCheckbox), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

int MainWindow::StrengthSliderPosition() const {
  return static_cast<int>(SendMessageW(Control(ControlId::kStrengthSlider), TBM_GETPOS, 0, 0));
}

void MainWindow::RedrawStrengthSwatch(int strength) {
  DrawStrengthSwatch(*strengthSwatch_, strength, SwatchColourRule::kOnChange);
}

void MainWindow::LayOutStartScreen() {
  RECT client{};
  GetClientRect(hwnd_, &client);
  const int fontSize = app_.Settings().ConfigInt(keys::kListFontSize);
  const StartScreenLayout layout = ComputeStartScreenLayout(client.right, client.bottom, fontSize, dpi_);
  // One batch of moves: each separate move of a child costs a round trip to the window system.
  HDWP batch = BeginDeferWindowPos(10);
  auto place = [this, &batch](ControlId id, const Rect& r) {
    if (batch != nullptr) {
      batch = DeferWindowPos(batch, Control(id), nullptr, r.left, r.top, r.width, r.height, SWP_NOZORDER | SWP_NOACTIVATE);
    }
  };
  place(ControlId::kCustomModeCheckbox, layout.customModeCheckbox);
  place(ControlId::kPictureModeCheckbox, layout.pictureModeCheckbox);
  place(ControlId::kMixedModeCheckbox, layout.mixedModeCheckbox);
  place(ControlId::kTopmostCheckbox, layout.topmostCheckbox);
  place(ControlId::kStrengthSwatch, layout.strengthSwatch);
  place(ControlId::kStrengthSlider, layout.strengthSlider);
  place(ControlId::kAttachButton, layout.attachButton);
  place(ControlId::kRegionButton, layout.regionButton);
  place(ControlId::kSuiteButton, layout.suiteButton);
  place(ControlId::kEffectList, layout.effectList);
  if (batch != nullptr) EndDeferWindowPos(batch);
  if (layout.columnWidths) {
    effectList_->SetColumnWidths(*layout.columnWidths);
    effectList_->RevealSelection();
  }
}

void MainWindow::OnSize() {
  LayOutStartScreen();
  RECT window{};
  GetWindowRect(hwnd_, &window);
  const Size current{window.right - window.left, window.bottom - window.top};
  const Size allowed =
      EnforceMinimumSize(current, !app_.ModeState().StartScreenShape(), dpi_);
  if (!(allowed == current)) {
    SetWindowPos(hwnd_, nullptr, 0, 0, allowed.width, allowed.height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void MainWindow::OnDpiChanged(int dpi, const RECT& suggested) {
  dpi_ = dpi;
  CreateFonts();
  // The overlay and the selection frame keep their physical rectangle; the start screen takes the
  // rectangle the system suggests for the new DPI.
  if (app_.ModeState().StartScreenShape()) {
    SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  LayOutStartScreen();
}

void MainWindow::UpdateMenuBarAttachment() {
  if (hwnd_ == nullptr) return;
  HMENU wanted = menus_.AnyBarEntryVisible() ? menus_.Bar() : nullptr;
  if (GetMenu(hwnd_) != wanted) {
    SetMenu(hwnd_, wanted);  // redraws the frame itself
  } else if (wanted != nullptr && IsWindowVisible(hwnd_)) {
    DrawMenuBar(hwnd_);
  }
}

// While the version check waits the program takes no input; a tray click or a menu command sent from
// another thread would still reach it.
void MainWindow::OnTrayEvent(LPARAM lParam) {
  if (updates_->CheckRunning()) return;
  if (TrayCodeFromMessage(lParam) == TrayCode::kRightUp) ShowTrayMenu();
}

void MainWindow::ShowTrayMenu() {
  SetForegroundWindow(hwnd_);
  POINT cursor{};
  GetCursorPos(&cursor);
  TrackPopupMenu(menus_.TrayMenu(), TPM_RIGHTALIGN, cursor.x - 5, cursor.y - 5, 0, hwnd_, nullptr);
  PostMessageW(hwnd_, WM_NULL, 0, 0);
}

void MainWindow::ToggleMenuSetting(MenuId id, SettingKey key) {
  const bool checked = !menus_.IsChecked(id);
  menus_.SetChecked(id, checked);
  app_.Settings().SetConfig(key, checked ? "1" : "0");
}

void MainWindow::OnMenuCommand(MenuId id) {
  if (updates_->CheckRunning()) return;
  if (screenshots_->HandleCommand(id)) return;
  if (updates_->Handle(id)) return;
  switch (id) {
    case MenuId::kRegionHint:
      customRegion_->ToggleRegionHint();
      break;
    case MenuId::kAutoPreview:
      ToggleMenuSetting(id, keys::kAutoPreview);
      app_.State().previewSource = menus_.IsChecked(id) ? PreviewSource::kAutoPreviewOn : PreviewSource::kAutoPreviewOff;
      break;
    case MenuId::kAutoOpenImages:
      ToggleMenuSetting(id, keys::kAutoOpenImages);
      break;
    case MenuId::kScreenshotIncludesSelf:
      ToggleMenuSetting(id, keys::kScreenshotIncludesSelf);
      break;
    case MenuId::kHotkeyHints:
      app_.Modes().HotkeyHintsToggled();
      break;
    case MenuId::kExit:
      RequestExit();
      break;
    case MenuId::kTopmost:
      app_.Modes().TopmostChosen(!app_.ModeState().topmost);
      break;
    case MenuId::kStrongTopmost:
      app_.Modes().StrongTopmostToggled();
      break;
    case MenuId::kReturnToStart:
      app_.Modes().ReturnRequested();
      break;
    case MenuId::kReattach:
      app_.Modes().ReattachRequested();
      break;
    case MenuId::kCustomRegionScreenshot:
      app_.Modes().RegionShotRequested();
      break;
    case MenuId::kCustomHotkeys:
      OpenHotkeySettings();
      break;
    case MenuId::kAdvancedOptions:
      OpenAdvancedOptions();
      break;
    case MenuId::kProgramColours:
      OpenColourScheme();
      break;
    case MenuId::kReselectRegion:
      app_.Modes().ReselectRequested();
      break;
    case MenuId::kMoveOrResize:
      app_.Modes().MoveResizeRequested();
      break;
    case MenuId::kFinishAndLock:
      app_.Modes().FinishRequested();
      break;
    case MenuId::kHideMainWindow:
      app_.Modes().HideRequested();
      break;
    case MenuId::kShowMainWindow:
      app_.Modes().ShowRequested();
      break;
    case MenuId::kEnableSelected:
      effectList_->EnableSelected(false);
      break;
    case MenuId::kPreviewOrEditPreset:
      effectList_->PreviewOrEditPreset();
      break;
    case MenuId::kPreviewPicture:
      effectList_->PreviewPicture();
      break;
    case MenuId::kDeleteSelected:
      effectList_->DeleteSelected();
      break;
    default:
      break;
  }
}

void MainWindow::OnCommand(int id, int notification) {
  if (id >= static_cast<int>(MenuId::kBarMenu)) {
    OnMenuCommand(static_cast<MenuId>(id));
    return;
  }
  if (notification != BN_CLICKED) return;
  switch (static_cast<ControlId>(id)) {
    case ControlId::kCustomModeCheckbox:
      effectList_->ChooseDisplayMode(DisplayMode::kCustom);
      break;
    case ControlId::kPictureModeCheckbox:
      effectList_->ChooseDisplayMode(DisplayMode::kPicture);
      break;
    case ControlId::kMixedModeCheckbox:
      effectList_->ChooseDisplayMode(DisplayMode::kMixed);
      break;
    case ControlId::kTopmostCheckbox:
      app_.Modes().TopmostChosen(SendMessageW(Control(ControlId::kTopmostCheckbox), BM_GETCHECK, 0, 0) ==
                                 BST_CHECKED);
      break;
    case ControlId::kAttachButton:
      app_.Modes().AttachRequested();
      break;
    case ControlId::kRegionButton:
      app_.Modes().RegionRequested();
      break;
    case ControlId::kSuiteButton:
      effectList_->StartSuite();
      break;
    default:
      break;
  }
}

void MainWindow::OnTimer(UINT_PTR id) {
  switch (static_cast<MainTimer>(id)) {
    case MainTimer::kListFill:
      StopTimer(MainTimer::kListFill);
      effectList_->Fill();
      break;
    case MainTimer::kMixedPreparation:
      StopTimer(MainTimer::kMixedPreparation);
      effectList_->PrepareMixedMode();
      break;
    case MainTimer::kAttachTrack:
      attach_->Track();
      break;
    case MainTimer::kStrongTopmost:
      overlay_->OnStrongTopmostTick();
      break;
    case MainTimer::kResizeRedraw:
      moveResize_->OnRedrawTick();
      break;
    case MainTimer::kBalloonHide:
      StopTimer(MainTimer::kBalloonHide);
      if (balloonTip_) balloonTip_->Hide();
      break;
    case MainTimer::kTrayRetry:
      AddTrayIcon();
      break;
    case MainTimer::kFollowCheck:
      follower_->OnCheckTick();
      break;
    default:
      break;
  }
}

LRESULT MainWindow::OnControlColour(HDC dc) {
  SetBkColor(dc, backgroundColour_);
  return reinterpret_cast<LRESULT>(backgroundBrush_.Get());
}

void MainWindow::RequestExit() {
  if (hwnd_ != nullptr) DestroyWindow(hwnd_);
}

void MainWindow::StartHotkeyHost() {
  hotkeyHost_ = MakeWindow<HotkeyHostWindow>(app_, *this, *screenshots_);
  if (!hotkeyHost_->Create()) hotkeyHost_.reset();  // the program runs on without hotkeys
}

void MainWindow::StopHotkeys() {
  hotkeySettings_.reset();  // it holds the host
  if (!hotkeyHost_) return;
  hotkeyHost_->StopHotkeys();
  hotkeyHost_.reset();  // ends the hotkey thread
}

HotkeySettingsWindow* MainWindow::HotkeySettings() {
  return hotkeySettings_ && hotkeySettings_->IsOpen() ? hotkeySettings_.get() : nullptr;
}

void MainWindow::OpenHotkeySettings() {
  if (HotkeySettings() != nullptr) return;  // one window at a time
  hotkeySettings_ = MakeWindow<HotkeySettingsWindow>(app_, *this, hotkeyHost_.get());
  if (!hotkeySettings_->Open()) hotkeySettings_.reset();
}

AdvancedOptionsWindow* MainWindow::AdvancedOptions() {
  return advancedOptions_ && advancedOptions_->IsOpen() ? advancedOptions_.get() : nullptr;
}

void MainWindow::OpenAdvancedOptions() {
  if (AdvancedOptions() != nullptr) return;  // one window at a time
  advancedOptions_ = MakeWindow<AdvancedOptionsWindow>(app_, *this, *overlay_, *effectList_);
  if (!advancedOptions_->Open()) advancedOptions_.reset();
}

std::vector<HWND> MainWindow::PreferenceWindows() {
  std::vector<HWND> windows;
  if (AdvancedOptions() != nullptr) windows.push_back(AdvancedOptions()->Hwnd());
  if (ColourScheme() != nullptr) windows.push_back(ColourScheme()->Hwnd());
  if (HotkeySettings() != nullptr) windows.push_back(HotkeySettings()->Hwnd());
  return windows;
}

ColourSchemeWindow* MainWindow::ColourScheme() {
  return colourScheme_ && colourScheme_->IsOpen() ? colourScheme_.get() : nullptr;
}

void MainWindow::OpenColourScheme() {
  if (ColourScheme() != nullptr) return;
  colourScheme_ = MakeWindow<ColourSchemeWindow>(app_, *this, *effectList_, listColours_);
  if (!colourScheme_->Open()) colourScheme_.reset();
}

void MainWindow::ShowHint(std::string_view text) {
  if (!balloonTip_) balloonTip_ = std::make_unique<BalloonTip>();
  const double screenWidth = GetSystemMetrics(SM_CXSCREEN);
  const double screenHeight = GetSystemMetrics(SM_CYSCREEN);
  balloonTip_->Show(hwnd_, POINT{static_cast<LONG>(screenWidth / 100 * 6), static_cast<LONG>(screenHeight / 100 * 92)},
                    text);
  StartTimer(MainTimer::kBalloonHide, kHintShowMilliseconds);
}

void MainWindow::ClearHotkeyBusyMark(ActionTimer timer) {
  if (hotkeyHost_) hotkeyHost_->ClearBusyMark(timer);
}

void MainWindow::RunExitSequence() {
  if (exited_) return;
  exited_ = true;
  StopHotkeys();
  // An open suite gives the main window its place back first, so the saved geometry is the real one.
  suite_.reset();
  // The preference windows give the topmost state back while the main window is still whole.
  advancedOptions_.reset();
  colourScheme_.reset();
  app_.Modes().ExitRequested();
  trayIcon_.Remove();
  // The menus belong to this object, not to the window that is going away.
  SetMenu(hwnd_, nullptr);
  if (app_.QuitOnExit()) PostQuitMessage(0);
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == taskbarCreatedMessage_ && message != 0) {
    // The shell restarted: its notification area has forgotten the icon.
    trayIcon_.Forget();
    AddTrayIcon();
    return 0;
  }
  switch (message) {
    case WM_CREATE:
      // Creation fails when a control cannot be made: the window is then destroyed again.
      if (!CreateControls()) {
        exited_ = true;  // nothing was started, so there is nothing to save or remove
        return -1;
      }
      RunStartup();
      return 0;
    case WM_SIZE:
      if (wParam != SIZE_MINIMIZED) OnSize();
      return 0;
    case WM_DPICHANGED:
      OnDpiChanged(DpiFromMessage(wParam), *reinterpret_cast<const RECT*>(lParam));
      return 0;
    case WM_ERASEBKGND:
      return EraseClientWith(hwnd_, wParam, backgroundBrush_.Get());
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      return OnControlColour(reinterpret_cast<HDC>(wParam));
    case WM_TIMER:
      OnTimer(wParam);
      return 0;
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(lParam);
      LRESULT result = 0;
      if (header->hwndFrom == effectList_->Hwnd() && effectList_->OnNotify(*header, result)) return result;
      return DefaultHandling(message, wParam, lParam);
    }
    case WM_KEYDOWN:
      keyPresses_.Pressed(static_cast<unsigned>(wParam));
      // F5 is the shortcut of "完成配置并锁定区域" while the overlay is being moved or resized.
      if (wParam == VK_F5 && app_.ModeState().locked == LockedState::kMovingOrResizing) {
        app_.Modes().FinishRequested();
        return 0;
      }
      return DefaultHandling(message, wParam, lParam);
    case WM_SYSKEYDOWN:
      keyPresses_.Pressed(static_cast<unsigned>(wParam));
      return DefaultHandling(message, wParam, lParam);
    // A release locks or cancels the selection frame only after its press came here.
    case WM_KEYUP:
      if (keyPresses_.Released(static_cast<unsigned>(wParam))) app_.Modes().FrameKeyReleased(static_cast<int>(wParam));
      return 0;
    case WM_SYSKEYUP:
      // Alt combinations and F10 lock or cancel a selection like any key; otherwise they keep their
      // system meaning.
      if (keyPresses_.Released(static_cast<unsigned>(wParam)) &&
          app_.Modes().FrameKeyReleased(static_cast<int>(wParam))) {
        return 0;
      }
      return DefaultHandling(message, wParam, lParam);
    case WM_LBUTTONDOWN:
      if (attach_->OnLeftButtonDown()) return 0;
      return DefaultHandling(message, wParam, lParam);
    case WM_HSCROLL:
      if (reinterpret_cast<HWND>(lParam) == Control(ControlId::kStrengthSlider)) {
        overlay_->OnStrengthChanged(StrengthSliderPosition());
      }
      return 0;
    case kTrayMessage:
      OnTrayEvent(lParam);
      return 0;
    case WM_DESTROY:
      RunExitSequence();
      return 0;
    default:
      return DefaultHandling(message, wParam, lParam);
  }
}

}  // namespace corvanta
