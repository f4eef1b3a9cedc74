// The tray commands of screenshots: the bit-depth submenu "-图像位数设置>>>", the scan-region
// screenshot submenu "<-=扫描区域截图=->" and "+打开截图文件夹".
#pragma once

#include <optional>

#include "shell/menu_layout.h"

namespace corvanta {

class App;

// The depth of an item of the bit-depth submenu; nothing for any other item.
std::optional<int> DepthOfMenuItem(MenuId id);

// Checks the item of the depth and unchecks the other five, then makes it the screenshot bit depth.
void SelectScreenshotDepth(App& app, MenuId item);

// Runs the command when it is one of these; returns whether it was.
bool HandleCaptureCommand(App& app, MenuId id);

}  // namespace corvanta
