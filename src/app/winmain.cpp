#include <windows.h>

#include "app/app.h"
#include "platform/program_dir.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
  corvanta::App app(instance, corvanta::ExecutableFolder());
  if (!app.Start(showCommand)) return 1;
  corvanta::App::RunMessageLoop();
  return 0;
}
