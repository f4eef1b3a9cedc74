#include "capture/region_screenshot.h"

#include "shell/main_window_seam.h"
#include "shell/menus.h"
#include "shell/program.h"
#include "shell/win_rect.h"

namespace corvanta {

void ConfirmRegionScreenshot(Program& program, Screenshots& screenshots, RegionShotSelection selection) {
  MainWindowSeam& main = program.Main();
  ProgramState& state = program.State();
  const Rect& saved = state.savedGeometry;
  MoveWindowTo(main.Hwnd(), saved);
  const bool includeSelf = main.GetMenus().IsChecked(MenuId::kScreenshotIncludesSelf);
  ShowWindow(main.Hwnd(), includeSelf ? SW_SHOWNA : SW_HIDE);
  state.regionMode = RegionMode::kNone;
  main.GetMenus().SetEnabled(MenuId::kProgramColours, true);
  state.regionScreenshotFlag = false;
  if (selection.hideOutline) selection.hideOutline();
  OwnedWindow<RegionShotFormatWindow> format(program, screenshots, std::move(selection));
  format.RunModal();
}

}  // namespace corvanta
