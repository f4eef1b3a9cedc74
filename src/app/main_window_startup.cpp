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
#include "effects/effect_list_text.h"
#include "overlay/draw_canvas.h"
#include "overlay/strength_swatch.h"
#include "settings/first_run.h"

namespace corvanta {

namespace {

constexpr const char* kProgramTooltip = "Corvanta\r\n右击图标可呼出功能菜单！";
constexpr const char* kBalloonText = "右击图标可呼出功能菜单！\r\n\r\nCorvanta";
constexpr UINT kBalloonShowMilliseconds = 8000;
constexpr int kControlFontPoints = 11;

HWND CreateChild(HWND parent, HINSTANCE instance, const char* className, const char* text, DWORD style, int id,
                 const ControlRect& r) {
  return CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, r.x, r.y, r.width, r.height, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
}

}  // namespace

void MainWindow::CreateControls() {
  HINSTANCE instance = app_.Instance();
  HDC screen = GetDC(nullptr);
  const int fontHeight = -MulDiv(kControlFontPoints, GetDeviceCaps(screen, LOGPIXELSY), 72);
  ReleaseDC(nullptr, screen);
  controlFont_.Reset(CreateFontA(fontHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET,
                                 OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                                 DEFAULT_PITCH | FF_DONTCARE, "微软雅黑"));

  RECT client{};
  GetClientRect(hwnd_, &client);
  const StartScreenLayout layout = ComputePreliminaryLayout(client.right, client.bottom);
  const DWORD checkbox = WS_TABSTOP | BS_CHECKBOX;
  const DWORD button = WS_TABSTOP | BS_PUSHBUTTON;
  HWND controls[] = {
      CreateChild(hwnd_, instance, "BUTTON", "自定义模式", checkbox, kCustomModeCheckboxId, layout.customModeCheckbox),
      CreateChild(hwnd_, instance, "BUTTON", "图片模式", checkbox, kPictureModeCheckboxId, layout.pictureModeCheckbox),
      CreateChild(hwnd_, instance, "BUTTON", "混合模式", checkbox, kMixedModeCheckboxId, layout.mixedModeCheckbox),
      CreateChild(hwnd_, instance, "BUTTON", "置顶", WS_TABSTOP | BS_AUTOCHECKBOX, kTopmostCheckboxId,
                  layout.topmostCheckbox),
      CreateChild(hwnd_, instance, "BUTTON", "自选区域", button, kRegionButtonId, layout.regionButton),
      CreateChild(hwnd_, instance, "BUTTON", "智能吸附", button, kAttachButtonId, layout.attachButton),
      CreateChild(hwnd_, instance, "BUTTON", "自定义模式套件", button, kSuiteButtonId, layout.suiteButton),
  };
  for (HWND control : controls) SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(controlFont_.Get()), TRUE);

  HWND slider = CreateChild(hwnd_, instance, TRACKBAR_CLASSA, "", WS_TABSTOP | TBS_HORZ | TBS_ENABLESELRANGE |
                                                                      TBS_NOTICKS | TBS_BOTH,
                            kStrengthSliderId, layout.strengthSlider);
  SendMessageA(slider, TBM_SETRANGE, TRUE, MAKELPARAM(0, 255));
  SendMessageA(slider, TBM_SETPOS, TRUE, 75);

  strengthSwatch_ = std::make_unique<DrawCanvas>();
  strengthSwatch_->Create(hwnd_, instance, layout.strengthSwatch.x, layout.strengthSwatch.y,
                          layout.strengthSwatch.width, layout.strengthSwatch.height);
  SetWindowLongPtrA(strengthSwatch_->Hwnd(), GWLP_ID, kStrengthSwatchId);

  effectList_->Create(hwnd_, kEffectListId);
  SendMessageA(effectList_->Hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(controlFont_.Get()), TRUE);
  SetWindowPos(effectList_->Hwnd(), nullptr, layout.effectList.x, layout.effectList.y, layout.effectList.width,
               layout.effectList.height, SWP_NOZORDER | SWP_NOACTIVATE);
  if (layout.columnWidths) effectList_->SetColumnWidths(*layout.columnWidths);

  drawCanvas_ = std::make_unique<DrawCanvas>();
  drawCanvas_->Create(hwnd_, instance, 0, 0, 1, 1);
  SetWindowLongPtrA(drawCanvas_->Hwnd(), GWLP_ID, kDrawCanvasId);
  drawCanvas_->Show(false);
}

void MainWindow::ShowStartupBalloon() {
  const double screenWidth = GetSystemMetrics(SM_CXSCREEN);
  const double screenHeight = GetSystemMetrics(SM_CYSCREEN);
  const POINT at{static_cast<LONG>(screenWidth / 100 * 6), static_cast<LONG>(screenHeight / 100 * 92)};
  balloonTip_ = std::make_unique<BalloonTip>();
  balloonTip_->Show(hwnd_, at, kBalloonText);
  StartTimer(MainTimer::kBalloonHide, kBalloonShowMilliseconds);
}

void MainWindow::ApplyModeControls() {
  ProgramState& state = app_.State();
  auto check = [this](ControlId id, bool on) { SendMessageA(Control(id), BM_SETCHECK, on ? BST_CHECKED : 0, 0); };
  auto showMenuItem = [this](MenuId id, bool visible) { menus_.SetVisible(id, visible); };
  if (state.displayMode == "D") {
    check(kMixedModeCheckboxId, true);
    showMenuItem(MenuId::kPreviewOrEditPreset, false);
    showMenuItem(MenuId::kPreviewPicture, false);
    showMenuItem(MenuId::kDeleteSelected, false);
    showMenuItem(MenuId::kEnableSelected, true);
    StartTimer(MainTimer::kMixedPreparation, 30);
  } else if (state.displayMode == "C") {
    check(kCustomModeCheckboxId, true);
    showMenuItem(MenuId::kPreviewOrEditPreset, true);
    showMenuItem(MenuId::kEnableSelected, true);
    showMenuItem(MenuId::kDeleteSelected, true);
    showMenuItem(MenuId::kPreviewPicture, false);
    state.colourKey = kCustomModeColourKey;
  } else if (state.displayMode == "P") {
    check(kPictureModeCheckboxId, true);
    showMenuItem(MenuId::kPreviewPicture, true);
    showMenuItem(MenuId::kEnableSelected, true);
    showMenuItem(MenuId::kDeleteSelected, true);
    showMenuItem(MenuId::kPreviewOrEditPreset, false);
  }
}

void MainWindow::ApplyStartupGeometry() {
  SettingsStore& settings = app_.Settings();
  ProgramState& state = app_.State();
  // Left and top first; the saved values keep what was read, the window never starts at a negative edge.
  state.savedGeometry.left = settings.ConfigInt("Config", "L");
  state.savedGeometry.top = settings.ConfigInt("Config", "T");
  SetWindowPos(hwnd_, nullptr, std::max(state.savedGeometry.left, 0), std::max(state.savedGeometry.top, 0), 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::ApplyOffScreenGuard() {
  RECT window{};
  GetWindowRect(hwnd_, &window);
  ProgramState& state = app_.State();
  int left = window.left;
  int top = window.top;
  if (left > GetSystemMetrics(SM_CXSCREEN)) {
    left = 50;
    state.hideRestore.left = 50;
  }
  if (top > GetSystemMetrics(SM_CYSCREEN)) {
    top = 50;
    state.hideRestore.top = 50;
  }
  if (left != window.left || top != window.top) {
    SetWindowPos(hwnd_, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void MainWindow::RunStartup() {
  SettingsStore& settings = app_.Settings();
  ProgramState& state = app_.State();

  state.lastScreenshotName.clear();
  state.regionMode = 0;
  state.customRegionFlag = 0;
  state.picturePreviewFlag = false;
  state.regionScreenshotFlag = false;

  for (MenuId depth : {MenuId::kDepth1, MenuId::kDepth4, MenuId::kDepth8, MenuId::kDepth16, MenuId::kDepth24}) {
    menus_.SetChecked(depth, false);
  }
  menus_.SetChecked(MenuId::kDepth32, true);
  state.screenshotDepth = 32;

  trayIcon_.Add(hwnd_, kTrayMessage, reinterpret_cast<HICON>(GetClassLongPtrA(hwnd_, GCLP_HICON)), kProgramTooltip);
  ShowStartupBalloon();

  PrepareSettingsFiles(settings);

  menus_.SetChecked(MenuId::kRegionHint, settings.ConfigIntFlag("Tips", "TS"));

  const bool topmost = settings.ConfigTextFlag("Config", "Top");
  SetAlwaysOnTop(topmost);
  menus_.SetChecked(MenuId::kTopmost, topmost);
  SendMessageA(Control(kTopmostCheckboxId), BM_SETCHECK, topmost ? BST_CHECKED : 0, 0);

  state.pictureDisplayMode = settings.ConfigInt("Config", "Dp");
  state.displayMode = settings.Config("Config", "SetP");
  state.listFontSize = ReadClampedFontSize(settings);
  effectList_->SetFontSize(state.listFontSize);

  state.enabled = ReadEnabledIndexes(settings);
  ApplyFirstRunSelection(settings, state.enabled);

  state.colourKey = {settings.ConfigInt("Config", "Ar"), settings.ConfigInt("Config", "Ag"),
                     settings.ConfigInt("Config", "Ab")};

  HWND slider = Control(kStrengthSliderId);
  SendMessageA(slider, TBM_SETPOS, TRUE, settings.ConfigInt("Config", "Alpha"));
  const LRESULT strength = SendMessageA(slider, TBM_GETPOS, 0, 0);
  SendMessageA(slider, TBM_SETSEL, TRUE, MAKELPARAM(0, strength));

  for (size_t i = 0; i < state.programColours.size(); ++i) {
    state.programColours[i] = static_cast<uint32_t>(settings.ConfigInt("Color", "C" + std::to_string(i + 1)));
  }

  if (const int32_t* index = EnabledIndexSlot(state.enabled, state.displayMode)) {
    effectList_->RefreshColouring(*index);
  }
  ApplyModeControls();
  ApplyStartupGeometry();

  menus_.SetChecked(MenuId::kAutoPreview, false);
  state.previewSource = settings.ConfigInt("Preview", "Pre");
  if (state.previewSource == 1) menus_.SetChecked(MenuId::kAutoPreview, true);
  if (settings.ConfigIntFlag("Folder", "Auto")) menus_.SetChecked(MenuId::kAutoOpenImages, true);

  SetWindowPos(hwnd_, nullptr, 0, 0, settings.ConfigInt("Config", "W"), settings.ConfigInt("Config", "H"),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  LayOutStartScreen();
  RECT window{};
  GetWindowRect(hwnd_, &window);
  state.savedGeometry.width = window.right - window.left;
  state.savedGeometry.height = window.bottom - window.top;

  state.selectionState = false;
  state.lockedState = kNotLocked;
  state.hasListRequest = false;
  srand(static_cast<unsigned>(time(nullptr)));

  if (settings.ConfigIntFlag("Self", "Switch")) menus_.SetChecked(MenuId::kScreenshotIncludesSelf, true);
  menus_.SetChecked(MenuId::kStrongTopmost, false);
  StartTimer(MainTimer::kListFill, 30);
  ApplyOffScreenGuard();

  const bool hints = settings.ConfigTextFlag("SP", "TST");
  menus_.SetChecked(MenuId::kHotkeyHints, hints);
  state.hintFlag = hints ? "1" : "0";

  DrawStrengthSwatch(*strengthSwatch_, static_cast<int>(strength), SwatchColourRule::kAtStartup);
  StartHotkeyHost();
}

}  // namespace corvanta
