#include "capture/screenshots.h"

#include <windows.h>
#include <shellapi.h>

#include "capture/image_encoder.h"
#include "capture/screen_capture.h"
#include "capture/screenshot_name.h"
#include "effects/effect_list.h"
#include "platform/controls.h"
#include "platform/files.h"
#include "platform/text_conv.h"
#include "settings/paths.h"
#include "shell/main_window_seam.h"
#include "shell/menus.h"
#include "shell/program.h"

namespace corvanta {

namespace {

struct DepthItem {
  MenuId id;
  int depth;
};

constexpr const char* kStoreFailedText = "保存截图失败！";
constexpr const char* kStoreFailedCaption = "信息：";

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

ShotTime Now() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

}  // namespace

std::optional<int> DepthOfMenuItem(MenuId id) {
  for (const DepthItem& item : kDepthItems) {
    if (item.id == id) return item.depth;
  }
  return std::nullopt;
}

bool Screenshots::HandleCommand(MenuId id) {
  if (DepthOfMenuItem(id)) {
    SelectDepth(id);
    return true;
  }
  if (const std::optional<ImageFormat> format = FormatOfMenuItem(id)) {
    SaveScanRegion(*format);
    return true;
  }
  if (id == MenuId::kOpenScreenshotFolder) {
    OpenFolder();
    return true;
  }
  return false;
}

void Screenshots::SelectDepth(MenuId chosen) {
  const std::optional<int> depth = DepthOfMenuItem(chosen);
  if (!depth) return;
  Menus& menus = program_.Main().GetMenus();
  for (const DepthItem& item : kDepthItems) menus.SetChecked(item.id, item.id == chosen);
  program_.State().screenshotDepth = *depth;
}

std::string Screenshots::Folder() const { return program_.Settings().PathOf(paths::kImagesFolder); }

std::optional<std::string> Screenshots::Store(std::span<const uint8_t> bmp, ImageFormat format) {
  const std::string folder = Folder() + "\\";
  const auto taken = [&folder](const std::string& name) { return FileExists(folder + name); };
  const std::string fileName = FreeScreenshotName(ScreenshotBaseName(Now()), FormatExtension(format), taken);
  const std::optional<std::vector<uint8_t>> encoded = ConvertImage(bmp, format);
  if (!encoded) return std::nullopt;
  // The folder is made at start-up; one deleted since then is made again rather than losing the shot.
  program_.Settings().EnsureFolder(paths::kImagesFolder);
  if (!WriteWholeFile(folder + fileName, *encoded)) return std::nullopt;
  return fileName;
}

void Screenshots::ReportStoreFailure() {
  ShowMessageBox(nullptr, kStoreFailedText, kStoreFailedCaption, MB_OK | MB_ICONWARNING | MB_TASKMODAL | MB_TOPMOST);
}

void Screenshots::OpenFolder() {
  program_.Settings().EnsureFolder(paths::kImagesFolder);
  ShellExecuteW(nullptr, L"open", WidePath(Folder() + "\\").c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void Screenshots::OpenFolderIfWanted() {
  if (program_.Main().GetMenus().IsChecked(MenuId::kAutoOpenImages)) OpenFolder();
}

void Screenshots::PreviewIfWanted(const std::string& fileName) {
  program_.State().lastScreenshotName = fileName;
  if (!program_.Main().GetMenus().IsChecked(MenuId::kAutoPreview)) return;
  program_.State().previewSource = PreviewSource::kScreenshot;
  list_.ShowPicturePreview();
}

void Screenshots::SaveScanRegion(ImageFormat format) {
  RECT window{};
  GetWindowRect(program_.Main().Hwnd(), &window);
  const std::vector<uint8_t> bmp = CaptureRegion(window.left, window.top, window.right - window.left,
                                                 window.bottom - window.top, program_.State().screenshotDepth);
  const std::optional<std::string> fileName = Store(bmp, format);
  if (!fileName) {
    ReportStoreFailure();
    return;
  }
  OpenFolderIfWanted();
  PreviewIfWanted(*fileName);
}

}  // namespace corvanta
