// One running program: its settings, its state and its main window. A test builds a fresh App over a
// temporary program directory.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "shell/program_state.h"
#include "platform/dib_reserve.h"
#include "platform/win32_backend.h"
#include "settings/settings_store.h"

namespace corvanta {

class MainWindow;

class App {
 public:
  App(HINSTANCE instance, std::string programDir);
  ~App();
  App(const App&) = delete;
  App& operator=(const App&) = delete;

  HINSTANCE Instance() const { return instance_; }
  SettingsStore& Settings() { return settings_; }
  ProgramState& State() { return state_; }
  MainWindow& Main() { return *mainWindow_; }
  bool HasMainWindow() const { return mainWindow_ != nullptr; }
  // The overlay's first surface, made at start-up the size of the largest monitor (up to a 4K screen),
  // so that the first lock draws into memory already in place. Null before Start.
  DibReserve* OverlayReserve() { return overlayReserve_.get(); }

  // Creates the main window, which runs the start-up sequence. Returns false when creation failed.
  bool Start(int showCommand);
  // The real program ends its message loop when the main window is gone; tests keep theirs running.
  void SetQuitOnExit(bool quit) { quitOnExit_ = quit; }
  bool QuitOnExit() const { return quitOnExit_; }
  static int RunMessageLoop();

 private:
  HINSTANCE instance_;
  Win32SettingsBackend backend_;
  SettingsStore settings_;
  ProgramState state_;
  std::unique_ptr<DibReserve> overlayReserve_;  // declared before the main window: outlives its canvas
  std::unique_ptr<MainWindow> mainWindow_;
  bool quitOnExit_ = true;
};

}  // namespace corvanta
