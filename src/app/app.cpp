#include "app/app.h"

#include <algorithm>

#include "app/main_window.h"

namespace corvanta {

App::App(HINSTANCE instance, std::string programDir)
    : AppSettings(std::move(programDir)), Program(instance, AppSettings::store) {}

App::~App() {
  mainWindow_.reset();
  SetMain(nullptr);
}

namespace {

// What the overlay's reserve holds at most (33 MB): an overlay larger than that takes fresh memory.
constexpr SIZE kLargestOverlayReserve{3840, 2160};

}  // namespace

bool App::Start(int showCommand) {
  const SIZE screen = LargestMonitorSize();
  overlayReserve_ = std::make_unique<DibReserve>(std::min(screen.cx, kLargestOverlayReserve.cx),
                                                 std::min(screen.cy, kLargestOverlayReserve.cy));
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
