// One running program, the composition root: it keeps the settings store over the program directory and
// makes the main window, which makes and wires every feature. The windows it creates share it as their
// Program and reach the main window only through its seam. A test builds a fresh App over a temporary
// program directory.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "platform/win32_backend.h"
#include "settings/settings_store.h"
#include "shell/program.h"

namespace corvanta {

class MainWindow;

// The settings store, made before the Program that hands it out.
struct AppSettings {
  explicit AppSettings(std::string programDir) : store(backend, std::move(programDir)) {}
  Win32SettingsBackend backend;
  SettingsStore store;
};

class App : private AppSettings, public Program {
 public:
  App(HINSTANCE instance, std::string programDir);
  ~App();

  // The main window itself, for the program's entry point and for tests; the features get its seam.
  MainWindow& Window() { return *mainWindow_; }

  // Creates the main window, which runs the start-up sequence. Returns false when creation failed.
  bool Start(int showCommand);
  // The real program ends its message loop when the main window is gone; tests keep theirs running.
  void SetQuitOnExit(bool quit) { quitOnExit_ = quit; }
  bool QuitOnExit() const { return quitOnExit_; }
  static int RunMessageLoop();

 private:
  std::unique_ptr<MainWindow> mainWindow_;
  bool quitOnExit_ = true;
};

}  // namespace corvanta
