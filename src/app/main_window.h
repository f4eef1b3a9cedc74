// The main window: the start screen, and later the selection frame and the overlay.
#pragma once

#include <windows.h>

#include "platform/window_base.h"

namespace corvanta {

class App;

class MainWindow : public WindowBase<MainWindow> {
 public:
  static constexpr const char* kClassName = "CorvantaMainWindow";

  explicit MainWindow(App& app);
  bool Create(int showCommand);

  // Writes the geometry when allowed, removes the tray icon and ends the program.
  void Exit();

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void RunStartup();
  void SaveGeometryOnExit();

  App& app_;
  bool exited_ = false;
};

}  // namespace corvanta
