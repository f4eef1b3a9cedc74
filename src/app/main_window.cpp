#include "app/main_window.h"

#include <commctrl.h>

#include "app/app.h"
#include "app/balloon_tip.h"
#include "app/start_screen_layout.h"
#include "effects/effect_list.h"
#include "overlay/draw_canvas.h"
#include "overlay/overlay_controller.h"
#include "region/smart_attach.h"

namespace corvanta {

MainWindow::MainWindow(App& app)
    : app_(app),
      effectList_(std::make_unique<EffectList>(app)),
      overlay_(std::make_unique<OverlayController>(app, *this)),
      attach_(std::make_unique<SmartAttach>(app, *this)) {
  menus_.SetOnBarChanged([this] { UpdateMenuBarAttachment(); });
}

MainWindow::~MainWindow() {
  // Destroy the window while the members it uses are still alive; this runs the exit sequence.
  if (hwnd_ != nullptr) DestroyWindow(hwnd_);
}

bool MainWindow::Create(int showCommand) {
  WNDCLASSEXA wc{};
  wc.hInstance = app_.Instance();
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hIcon = LoadIconA(app_.Instance(), MAKEINTRESOURCEA(1));
  if (wc.hIcon == nullptr) wc.hIcon = LoadIcon(nullptr, IDI_APPLICATION);
  wc.hIconSm = wc.hIcon;
  RegisterOnce(wc, kClassName);
  backgroundBrush_.Reset(CreateSolidBrush(backgroundColour_));
  CreateWindowExA(0, kClassName, "Corvanta", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, kMainWindowDesignLeft,
                  kMainWindowDesignTop, kMainWindowDesign.width, kMainWindowDesign.height, nullptr, nullptr,
                  app_.Instance(), this);
  if (hwnd_ == nullptr) return false;
  ShowWindow(hwnd_, showCommand);
  UpdateWindow(hwnd_);
  return true;
}

HWND MainWindow::BalloonWindow() const { return balloonTip_ ? balloonTip_->Hwnd() : nullptr; }

void MainWindow::StartTimer(MainTimer timer, UINT milliseconds) {
  SetTimer(hwnd_, static_cast<UINT_PTR>(timer), milliseconds, nullptr);
}

void MainWindow::StopTimer(MainTimer timer) { KillTimer(hwnd_, static_cast<UINT_PTR>(timer)); }

void MainWindow::SetBackgroundColour(COLORREF colour) {
  backgroundColour_ = colour;
  backgroundBrush_.Reset(CreateSolidBrush(colour));
  InvalidateRect(hwnd_, nullptr, TRUE);
}

void MainWindow::SetAlwaysOnTop(bool onTop) {
  SetWindowPos(hwnd_, onTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

bool MainWindow::IsAlwaysOnTop() const { return (GetWindowLongA(hwnd_, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

void MainWindow::LayOutStartScreen() {
  RECT client{};
  GetClientRect(hwnd_, &client);
  const int fontSize = app_.Settings().ConfigInt("Config", "TC");
  const StartScreenLayout layout = ComputeStartScreenLayout(client.right, client.bottom, fontSize);
  // One batch of moves: each separate move of a child costs a round trip to the window system.
  HDWP batch = BeginDeferWindowPos(10);
  auto place = [this, &batch](ControlId id, const ControlRect& r) {
    if (batch != nullptr) {
      batch = DeferWindowPos(batch, Control(id), nullptr, r.x, r.y, r.width, r.height, SWP_NOZORDER | SWP_NOACTIVATE);
    }
  };
  place(kCustomModeCheckboxId, layout.customModeCheckbox);
  place(kPictureModeCheckboxId, layout.pictureModeCheckbox);
  place(kMixedModeCheckboxId, layout.mixedModeCheckbox);
  place(kTopmostCheckboxId, layout.topmostCheckbox);
  place(kStrengthSwatchId, layout.strengthSwatch);
  place(kStrengthSliderId, layout.strengthSlider);
  place(kAttachButtonId, layout.attachButton);
  place(kRegionButtonId, layout.regionButton);
  place(kSuiteButtonId, layout.suiteButton);
  place(kEffectListId, layout.effectList);
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
  const WindowSize current{window.right - window.left, window.bottom - window.top};
  const WindowSize allowed = EnforceMinimumSize(current, app_.State().regionMode == kRegionModeSelecting);
  if (!(allowed == current)) {
    SetWindowPos(hwnd_, nullptr, 0, 0, allowed.width, allowed.height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
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

void MainWindow::OnTrayEvent(LPARAM lParam) {
  if (TrayCodeFromMessage(lParam) == TrayCode::kRightUp) ShowTrayMenu();
}

void MainWindow::ShowTrayMenu() {
  SetForegroundWindow(hwnd_);
  POINT cursor{};
  GetCursorPos(&cursor);
  TrackPopupMenu(menus_.TrayMenu(), TPM_RIGHTALIGN, cursor.x - 5, cursor.y - 5, 0, hwnd_, nullptr);
  PostMessageA(hwnd_, WM_NULL, 0, 0);
}

void MainWindow::ToggleMenuSetting(MenuId id, const char* section, const char* key) {
  const bool checked = !menus_.IsChecked(id);
  menus_.SetChecked(id, checked);
  app_.Settings().SetConfig(section, key, checked ? "1" : "0");
}

void MainWindow::OnMenuCommand(MenuId id) {
  switch (id) {
    case MenuId::kRegionHint:
      ToggleMenuSetting(id, "Tips", "TS");
      break;
    case MenuId::kAutoPreview:
      ToggleMenuSetting(id, "Preview", "Pre");
      break;
    case MenuId::kAutoOpenImages:
      ToggleMenuSetting(id, "Folder", "Auto");
      break;
    case MenuId::kScreenshotIncludesSelf:
      ToggleMenuSetting(id, "Self", "Switch");
      break;
    case MenuId::kHotkeyHints:
      ToggleMenuSetting(id, "SP", "TST");
      app_.State().hintFlag = menus_.IsChecked(id) ? "1" : "0";
      break;
    case MenuId::kExit:
      RequestExit();
      break;
    case MenuId::kTopmost:
      overlay_->ToggleTopmostFromMenu();
      break;
    case MenuId::kStrongTopmost:
      overlay_->ToggleStrongTopmost();
      break;
    case MenuId::kReturnToStart:
      overlay_->ReturnToStartScreen();
      break;
    case MenuId::kReattach:
      attach_->Reattach();
      break;
    case MenuId::kHideMainWindow:
      overlay_->HideMainWindow();
      break;
    case MenuId::kShowMainWindow:
      overlay_->ShowMainWindow();
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
  switch (id) {
    case kCustomModeCheckboxId:
      overlay_->ChooseDisplayMode("C");
      break;
    case kPictureModeCheckboxId:
      overlay_->ChooseDisplayMode("P");
      break;
    case kMixedModeCheckboxId:
      overlay_->ChooseDisplayMode("D");
      break;
    case kTopmostCheckboxId:
      overlay_->OnTopmostCheckboxClicked();
      break;
    case kAttachButtonId:
      attach_->Start();
      break;
    case kSuiteButtonId:
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
    case MainTimer::kBalloonHide:
      StopTimer(MainTimer::kBalloonHide);
      if (balloonTip_) balloonTip_->Hide();
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

void MainWindow::SaveGeometryOnExit() {
  RECT rect{};
  GetWindowRect(hwnd_, &rect);
  if (app_.State().lockedState != kNotLocked || rect.left <= 0 || rect.top <= 0) return;
  SettingsStore& settings = app_.Settings();
  settings.SetConfigInt("Config", "W", rect.right - rect.left);
  settings.SetConfigInt("Config", "H", rect.bottom - rect.top);
  settings.SetConfigInt("Config", "L", rect.left);
  settings.SetConfigInt("Config", "T", rect.top);
}

void MainWindow::StartHotkeyHost() {
  // The hidden hotkey host window is created here once global hotkeys exist; it registers them.
}

void MainWindow::StopHotkeys() {
  // Stops the hotkey thread and unregisters every hotkey once global hotkeys exist.
}

void MainWindow::RunExitSequence() {
  if (exited_) return;
  exited_ = true;
  StopHotkeys();
  SaveGeometryOnExit();
  trayIcon_.Remove();
  // The menus belong to this object, not to the window that is going away.
  SetMenu(hwnd_, nullptr);
  if (app_.QuitOnExit()) PostQuitMessage(0);
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      CreateControls();
      RunStartup();
      return 0;
    case WM_SIZE:
      if (wParam != SIZE_MINIMIZED) OnSize();
      return 0;
    case WM_ERASEBKGND: {
      RECT client{};
      GetClientRect(hwnd_, &client);
      FillRect(reinterpret_cast<HDC>(wParam), &client, backgroundBrush_.Get());
      return 1;
    }
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
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      LRESULT result = 0;
      if (header->hwndFrom == effectList_->Hwnd() && effectList_->OnNotify(*header, result)) return result;
      return DefWindowProcA(hwnd_, message, wParam, lParam);
    }
    case WM_KEYUP:
    case WM_SYSKEYUP:
      overlay_->OnKeyReleased(wParam);
      return 0;
    case WM_LBUTTONDOWN:
      if (attach_->OnLeftButtonDown()) return 0;
      return DefWindowProcA(hwnd_, message, wParam, lParam);
    case WM_HSCROLL:
      if (reinterpret_cast<HWND>(lParam) == Control(kStrengthSliderId)) {
        overlay_->OnStrengthChanged(static_cast<int>(SendMessageA(Control(kStrengthSliderId), TBM_GETPOS, 0, 0)));
      }
      return 0;
    case kTrayMessage:
      OnTrayEvent(lParam);
      return 0;
    case WM_DESTROY:
      RunExitSequence();
      return 0;
    default:
      return DefWindowProcA(hwnd_, message, wParam, lParam);
  }
}

}  // namespace corvanta
