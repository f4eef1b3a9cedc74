#include "app/app.h"

#include "app/main_window.h"

namespace corvanta {

App::App(HINSTANCE instance, std::string programDir) : instance_(instance), settings_(backend_, std::move(programDir)) {}

App::~App() = default;

bool App::Start(int showCommand) {
  mainWindow_ = std::make_unique<MainWindow>(*this);
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
