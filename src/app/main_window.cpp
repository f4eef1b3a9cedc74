#include "app/main_window.h"

#include "app/app.h"
#include "settings/first_run.h"

namespace corvanta {

MainWindow::MainWindow(App& app) : app_(app) {}

bool MainWindow::Create(int showCommand) {
  WNDCLASSEXA wc{};
  wc.hInstance = app_.Instance();
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = nullptr;
  RegisterOnce(wc, kClassName);
  CreateWindowExA(0, kClassName, "Corvanta", WS_OVERLAPPEDWINDOW, 50, 50, 739, 522, nullptr, nullptr,
                  app_.Instance(), this);
  if (hwnd_ == nullptr) return false;
  ShowWindow(hwnd_, showCommand);
  return true;
}

void MainWindow::RunStartup() {
  SettingsStore& settings = app_.Settings();
  ProgramState& state = app_.State();
  PrepareSettingsFiles(settings);
  state.listFontSize = ReadClampedFontSize(settings);
  state.enabled = ReadEnabledIndexes(settings);
  ApplyFirstRunSelection(settings, state.enabled);
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

void MainWindow::Exit() {
  if (exited_) return;
  exited_ = true;
  SaveGeometryOnExit();
  if (app_.QuitOnExit()) PostQuitMessage(0);
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      RunStartup();
      return 0;
    case WM_DESTROY:
      Exit();
      return 0;
    default:
      return DefWindowProcA(hwnd_, message, wParam, lParam);
  }
}

}  // namespace corvanta
