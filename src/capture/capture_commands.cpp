#include "capture/capture_commands.h"

#include "app/app.h"
#include "app/main_window.h"
#include "capture/screenshot_saver.h"

namespace corvanta {

namespace {

struct DepthItem {
  MenuId id;
  int depth;
};

constexpr DepthItem kDepthItems[] = {{MenuId::kDepth1, 1},   {MenuId::kDepth4, 4},   {MenuId::kDepth8, 8},
                                     {MenuId::kDepth16, 16}, {MenuId::kDepth24, 24}, {MenuId::kDepth32, 32}};

std::optional<ImageFormat> FormatOfMenuItem(MenuId id) {
  switch (id) {
    case MenuId::kSaveBmp:
      return ImageFormat::kBmp;
    case MenuId::kSaveJpg:
      return ImageFormat::kJpeg;
    case MenuId::kSaveGif:
      return ImageFormat::kGif;
    case MenuId::kSavePng:
      return ImageFormat::kPng;
    default:
      return std::nullopt;
  }
}

}  // namespace

std::optional<int> DepthOfMenuItem(MenuId id) {
  for (const DepthItem& item : kDepthItems) {
    if (item.id == id) return item.depth;
  }
  return std::nullopt;
}

void SelectScreenshotDepth(App& app, MenuId chosen) {
  const std::optional<int> depth = DepthOfMenuItem(chosen);
  if (!depth) return;
  Menus& menus = app.Main().GetMenus();
  for (const DepthItem& item : kDepthItems) menus.SetChecked(item.id, item.id == chosen);
  app.State().screenshotDepth = *depth;
}

bool HandleCaptureCommand(App& app, MenuId id) {
  if (DepthOfMenuItem(id)) {
    SelectScreenshotDepth(app, id);
    return true;
  }
  if (const std::optional<ImageFormat> format = FormatOfMenuItem(id)) {
    SaveScanRegionScreenshot(app, *format);
    return true;
  }
  if (id == MenuId::kOpenScreenshotFolder) {
    OpenScreenshotFolder(app);
    return true;
  }
  return false;
}

}  // namespace corvanta
