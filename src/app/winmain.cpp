#include <windows.h>
#include <commctrl.h>

#include "app/app.h"
#include "platform/gdiplus_session.h"
#include "platform/program_dir.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  corvanta::GdiplusSession gdiplus;  // pictures are decoded with GDI+
  corvanta::App app(instance, corvanta::ExecutableFolder());
  if (!app.Start(showCommand)) return 1;
  corvanta::App::RunMessageLoop();
  return 0;
}
