#include "capture/screenshot_saver.h"

#include <windows.h>
#include <shellapi.h>

#include "app/app.h"
#include "app/main_window.h"
#include "capture/image_encoder.h"
#include "capture/screen_capture.h"
#include "capture/screenshot_name.h"
#include "effects/effect_list.h"
#include "platform/files.h"
#include "platform/text_conv.h"
#include "settings/paths.h"

namespace corvanta {

namespace {

constexpr int32_t kPreviewSourceScreenshot = 6;

ShotTime Now() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

}  // namespace

std::string ScreenshotFolder(App& app) { return app.Settings().PathOf(paths::kImagesFolder); }

std::string StoreScreenshot(App& app, std::span<const uint8_t> bmp, ImageFormat format) {
  const std::string folder = ScreenshotFolder(app) + "\\";
  const auto taken = [&folder](const std::string& name) { return FileExists(folder + name); };
  const std::string fileName = FreeScreenshotName(ScreenshotBaseName(Now()), FormatExtension(format), taken);
  const std::optional<std::vector<uint8_t>> encoded = ConvertImage(bmp, format);
  if (encoded) {
    // The folder is made at start-up; one deleted since then is made again rather than losing the shot.
    app.Settings().EnsureFolder(paths::kImagesFolder);
    WriteWholeFile(folder + fileName, *encoded);
  }
  return fileName;
}

void OpenScreenshotFolder(App& app) {
  app.Settings().EnsureFolder(paths::kImagesFolder);
  ShellExecuteW(nullptr, L"open", WidePath(ScreenshotFolder(app) + "\\").c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void OpenScreenshotFolderIfWanted(App& app) {
  if (app.Main().GetMenus().IsChecked(MenuId::kAutoOpenImages)) OpenScreenshotFolder(app);
}

void PreviewScreenshotIfWanted(App& app, const std::string& fileName) {
  app.State().lastScreenshotName = fileName;
  if (!app.Main().GetMenus().IsChecked(MenuId::kAutoPreview)) return;
  app.State().previewSource = kPreviewSourceScreenshot;
  app.Main().List().ShowPicturePreview();
}

void SaveScanRegionScreenshot(App& app, ImageFormat format) {
  RECT window{};
  GetWindowRect(app.Main().Hwnd(), &window);
  const std::vector<uint8_t> bmp = CaptureRegion(window.left, window.top, window.right - window.left,
                                                 window.bottom - window.top, app.State().screenshotDepth);
  const std::string fileName = StoreScreenshot(app, bmp, format);
  OpenScreenshotFolderIfWanted(app);
  PreviewScreenshotIfWanted(app, fileName);
}

}  // namespace corvanta
