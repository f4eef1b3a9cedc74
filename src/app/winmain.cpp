#include <windows.h>
#include <commctrl.h>

#include "app/app.h"
#include "platform/controls.h"
#include "platform/gdiplus_session.h"
#include "platform/program_dir.h"

namespace {
constexpr const char* kStartFailedText = "无法创建Corvanta主窗口，程序即将退出。";
constexpr const char* kStartFailedCaption = "信息：";
constexpr int kStartFailedExitCode = 1;
}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  corvanta::GdiplusSession gdiplus;  // pictures are decoded with GDI+
  corvanta::App app(instance, corvanta::ExecutableFolder());
  if (!app.Start(showCommand)) {
    corvanta::ShowMessageBox(nullptr, kStartFailedText, kStartFailedCaption, MB_OK | MB_ICONERROR | MB_TASKMODAL);
    return kStartFailedExitCode;
  }
  corvanta::App::RunMessageLoop();
  return 0;
}
