#include "capture/region_screenshot.h"

#include "app/app.h"
#include "app/main_window.h"

namespace corvanta {

void ConfirmRegionScreenshot(App& app, RegionShotSelection selection) {
  MainWindow& main = app.Main();
  ProgramState& state = app.State();
  const ScreenRect& saved = state.savedGeometry;
  SetWindowPos(main.Hwnd(), nullptr, saved.left, saved.top, saved.width, saved.height,
               SWP_NOZORDER | SWP_NOACTIVATE);
  const bool includeSelf = main.GetMenus().IsChecked(MenuId::kScreenshotIncludesSelf);
  ShowWindow(main.Hwnd(), includeSelf ? SW_SHOWNA : SW_HIDE);
  state.regionMode = RegionMode::kNone;
  main.GetMenus().SetEnabled(MenuId::kProgramColours, true);
  state.regionScreenshotFlag = false;
  if (selection.hideOutline) selection.hideOutline();
  RegionShotFormatWindow format(app, std::move(selection));
  format.RunModal();
}

}  // namespace corvanta
