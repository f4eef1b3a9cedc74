#include "app/app.h"

#include "app/main_window.h"

namespace corvanta {

App::App(HINSTANCE instance, std::string programDir)
    : AppSettings(std::move(programDir)), Program(instance, AppSettings::store) {}

App::~App() {
  mainWindow_.reset();
  SetMain(nullptr);
}

bool App::Start(int showCommand) {
  mainWindow_ = MakeWindow<MainWindow>(*this);
  SetMain(mainWindow_.get());
  return mainWindow_->Create(showCommand);
}

int App::RunMessageLoop() {
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace corvanta
