// Creation of the start-screen controls and the start-up sequence of the main window.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>

#include "app/app.h"
#include "app/balloon_tip.h"
#include "app/main_window.h"
#include "app/start_screen_layout.h"
#include "effects/effect_list.h"
#include "overlay/draw_canvas.h"
#include "overlay/strength_swatch.h"
#include "platform/controls.h"
#include "platform/dpi.h"
#include "settings/first_run.h"

namespace corvanta {

namespace {

constexpr const char* kProgramTooltip = "Corvanta\r\n右击图标可呼出功能菜单！";
constexpr const char* kBalloonText = "右击图标可呼出功能菜单！\r\n\r\nCorvanta";
constexpr UINT kBalloonShowMilliseconds = 8000;
constexpr int kControlFontPoints = 11;
// A notification area that is not there yet (the shell still starting) gets a minute to appear.
constexpr UINT kTrayRetryInterval = 2000;
constexpr int kTrayRetries = 30;

ControlSetup StartScreenControl(const wchar_t* className, const char* text, DWORD style, ControlId id, const Rect& r) {
  return ControlSetup{className, text, style, static_cast<int>(id), r.left, r.top, r.width, r.height};
}

}  // namespace

void MainWindow::CreateFonts() {
  controlFont_ = CreateUiFont(kControlFontPoints, dpi_);
  for (ControlId id : {ControlId::kCustomModeCheckbox, ControlId::kPictureModeCheckbox, ControlId::kMixedModeCheckbox,
                       ControlId::kTopmostCheckbox, ControlId::kRegionButton, ControlId::kAttachButton,
                       ControlId::kSuiteButton}) {
    SetControlFont(Control(id), controlFont_.Get());
  }
  effectList_->SetFontSize(app_.State().listFontSize);
}

bool MainWindow::CreateControls() {
  HINSTANCE instance = app_.Instance();
  dpi_ = WindowDpi(hwnd_);
  RECT client{};
  GetClientRect(hwnd_, &client);
  const StartScreenLayout layout = ComputePreliminaryLayout(client.right, client.bottom, dpi_);
  const DWORD checkbox = WS_TABSTOP | BS_CHECKBOX;
  const DWORD button = WS_TABSTOP | BS_PUSHBUTTON;
  const ControlSetup controls[] = {
      StartScreenControl(WC_BUTTONW, "自定义模式", checkbox, ControlId::kCustomModeCheckbox, layout.customModeCheckbox),
      StartScreenControl(WC_BUTTONW, "图片模式", checkbox, ControlId::kPictureModeCheckbox, layout.pictureModeCheckbox),
      StartScreenControl(WC_BUTTONW, "混合模式", checkbox, ControlId::kMixedModeCheckbox, layout.mixedModeCheckbox),
      StartScreenControl(WC_BUTTONW, "置顶", WS_TABSTOP | BS_AUTOCHECKBOX, ControlId::kTopmostCheckbox, layout.topmostCheckbox),
      StartScreenControl(WC_BUTTONW, "自选区域", button, ControlId::kRegionButton, layout.regionButton),
      StartScreenControl(WC_BUTTONW, "智能吸附", button, ControlId::kAttachButton, layout.attachButton),
      StartScreenControl(WC_BUTTONW, "自定义模式套件", button, ControlId::kSuiteButton, layout.suiteButton),
      StartScreenControl(TRACKBAR_CLASSW, "", WS_TABSTOP | TBS_HORZ | TBS_ENABLESELRANGE | TBS_NOTICKS | TBS_BOTH,
           ControlId::kStrengthSlider, layout.strengthSlider),
  };
  for (const ControlSetup& setup : controls) {
    if (CreateControl(hwnd_, instance, setup) == nullptr) return false;
  }
  HWND slider = Control(ControlId::kStrengthSlider);
  SendMessageW(slider, TBM_SETRANGE, TRUE, MAKELPARAM(0, 255));
  SendMessageW(slider, TBM_SETPOS, TRUE, 75);

  if (!strengthSwatch_->Create(hwnd_, instance, layout.strengthSwatch.left, layout.strengthSwatch.top,
                               layout.strengthSwatch.width, layout.strengthSwatch.height)) {
    return false;
  }
  SetWindowLongPtrW(strengthSwatch_->Hwnd(), GWLP_ID, static_cast<LONG_PTR>(ControlId::kStrengthSwatch));

  if (!effectList_->Create(hwnd_, static_cast<int>(ControlId::kEffectList))) return false;
  SetWindowPos(effectList_->Hwnd(), nullptr, layout.effectList.left, layout.effectList.top, layout.effectList.width,
               layout.effectList.height, SWP_NOZORDER | SWP_NOACTIVATE);
  if (layout.columnWidths) effectList_->SetColumnWidths(*layout.columnWidths);

  if (!drawCanvas_->Create(hwnd_, instance, 0, 0, 1, 1)) return false;
  SetWindowLongPtrW(drawCanvas_->Hwnd(), GWLP_ID, static_cast<LONG_PTR>(ControlId::kDrawCanvas));
  drawCanvas_->Show(false);
  CreateFonts();
  return true;
}

void MainWindow::ShowStartupBalloon() {
  const double screenWidth = GetSystemMetrics(SM_CXSCREEN);
  const double screenHeight = GetSystemMetrics(SM_CYSCREEN);
  const POINT at{static_cast<LONG>(screenWidth / 100 * 6), static_cast<LONG>(screenHeight / 100 * 92)};
  balloonTip_ = std::make_unique<BalloonTip>();
  balloonTip_->Show(hwnd_, at, kBalloonText);
  StartTimer(MainTimer::kBalloonHide, kBalloonShowMilliseconds);
}

void MainWindow::AddTrayIcon() {
  if (trayIcon_.IsShown() || trayIcon_.Add(hwnd_, kTrayMessage, ProgramIcon(app_.Instance()), kProgramTooltip)) {
    StopTimer(MainTimer::kTrayRetry);
    return;
  }
  // The tray is the only way to reach a locked overlay, so a failed add is tried again for a while.
  if (trayRetriesLeft_-- > 0) {
    StartTimer(MainTimer::kTrayRetry, kTrayRetryInterval);
  } else {
    StopTimer(MainTimer::kTrayRetry);
  }
}

Point MainWindow::ApplyStartupGeometry(bool firstStart) {
  SettingsStore& settings = app_.Settings();
  // Left and top first; the saved values keep what was read, the window never starts at a negative edge.
  // The geometry of a fresh Config.ini is in design units, a saved one in the window's physical pixels.
  auto stored = [&](SettingKey key) {
    const int value = settings.ConfigInt(key);
    return firstStart ? DpiScale(value, dpi_) : value;
  };
  const Point saved{stored(keys::kLeft), stored(keys::kTop)};
  SetWindowPos(hwnd_, nullptr, std::max(saved.x, 0), std::max(saved.y, 0), 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  int width = stored(keys::kWidth);
  int height = stored(keys::kHeight);
  // A size saved on a larger screen is cut to this one; the minimum size wins over both.
  width = std::min(width, GetSystemMetrics(SM_CXVIRTUALSCREEN));
  height = std::min(height, GetSystemMetrics(SM_CYVIRTUALSCREEN));
  SetWindowPos(hwnd_, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  return saved;
}

Rect MainWindow::ApplyOffScreenGuard() {
  RECT window{};
  GetWindowRect(hwnd_, &window);
  Rect hideRestore;
  int left = window.left;
  int top = window.top;
  if (left > GetSystemMetrics(SM_CXSCREEN)) {
    left = DpiScale(kMainWindowDesignLeft, dpi_);
    hideRestore.left = left;
  }
  if (top > GetSystemMetrics(SM_CYSCREEN)) {
    top = DpiScale(kMainWindowDesignTop, dpi_);
    hideRestore.top = top;
  }
  if (left != window.left || top != window.top) {
    SetWindowPos(hwnd_, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  return hideRestore;
}

void MainWindow::RunStartup() {
  SettingsStore& settings = app_.Settings();
  ProgramState& state = app_.State();

  state.lastScreenshotName.clear();
  state.picturePreviewFlag = false;

  for (MenuId depth : {MenuId::kDepth1, MenuId::kDepth4, MenuId::kDepth8, MenuId::kDepth16, MenuId::kDepth24}) {
    menus_.SetChecked(depth, false);
  }
  menus_.SetChecked(MenuId::kDepth32, true);
  state.screenshotDepth = 32;

  taskbarCreatedMessage_ = RegisterWindowMessageW(L"TaskbarCreated");
  trayRetriesLeft_ = kTrayRetries;
  AddTrayIcon();
  ShowStartupBalloon();

  const bool firstStart = PrepareSettingsFiles(settings);

  menus_.SetChecked(MenuId::kRegionHint, settings.ConfigIntFlag(keys::kRegionHint));

  const bool topmost = settings.ConfigTextFlag(keys::kTopmost);
  SetAlwaysOnTop(topmost);

  drawCanvas_->SetPlacement(static_cast<Placement>(settings.ConfigInt(keys::kPicturePlacement)));
  state.displayMode = ParseDisplayMode(settings.Config(keys::kDisplayMode));
  state.listFontSize = ReadClampedFontSize(settings);
  effectList_->SetFontSize(state.listFontSize);

  state.enabled = ReadEnabledIndexes(settings);
  ApplyFirstRunSelection(settings, state.enabled);

  state.colourKey = {settings.ConfigInt(keys::kColourKeyRed), settings.ConfigInt(keys::kColourKeyGreen),
                     settings.ConfigInt(keys::kColourKeyBlue)};

  HWND slider = Control(ControlId::kStrengthSlider);
  SendMessageW(slider, TBM_SETPOS, TRUE, settings.ConfigInt(keys::kStrength));
  const int strength = StrengthSliderPosition();
  SendMessageW(slider, TBM_SETSEL, TRUE, MAKELPARAM(0, strength));

  for (size_t i = 0; i < state.programColours.size(); ++i) {
    state.programColours[i] =
        static_cast<uint32_t>(settings.ConfigInt(keys::kColourSection, keys::ProgramColourKey(static_cast<int>(i))));
  }

  if (const int32_t* index = EnabledIndexSlot(state.enabled, state.displayMode)) {
    effectList_->RefreshColouring(*index);
  }
  ShowModeControls(state.displayMode);
  if (state.displayMode == DisplayMode::kMixed) StartTimer(MainTimer::kMixedPreparation, 30);
  if (state.displayMode == DisplayMode::kCustom) state.colourKey = kCustomModeColourKey;

  const Point savedCorner = ApplyStartupGeometry(firstStart);

  menus_.SetChecked(MenuId::kAutoPreview, false);
  state.previewSource = PreviewSourceFromStored(settings.ConfigInt(keys::kAutoPreview));
  if (state.previewSource == PreviewSource::kAutoPreviewOn) menus_.SetChecked(MenuId::kAutoPreview, true);
  if (settings.ConfigIntFlag(keys::kAutoOpenImages)) menus_.SetChecked(MenuId::kAutoOpenImages, true);

  LayOutStartScreen();
  RECT window{};
  GetWindowRect(hwnd_, &window);
  const Rect savedGeometry{savedCorner.x, savedCorner.y, window.right - window.left, window.bottom - window.top};

  state.hasListRequest = false;
  srand(static_cast<unsigned>(time(nullptr)));

  if (settings.ConfigIntFlag(keys::kScreenshotIncludesSelf)) menus_.SetChecked(MenuId::kScreenshotIncludesSelf, true);
  StartTimer(MainTimer::kListFill, 30);
  const Rect hideRestore = ApplyOffScreenGuard();

  // The start screen, with strong topmost off whatever it was.
  app_.Modes().StartedUp(savedGeometry, hideRestore, topmost, settings.ConfigTextFlag(keys::kHotkeyHints));

  DrawStrengthSwatch(*strengthSwatch_, strength, SwatchColourRule::kAtStartup);
  StartHotkeyHost();
}

}  // namespace corvanta
