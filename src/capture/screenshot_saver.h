// Saving screenshots into the program directory's Images folder, named after their date and time, and
// what follows a save: opening the folder and previewing the shot when the tray menu asks for it.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "capture/image_format.h"

namespace corvanta {

class App;

// Program directory + "\Images".
std::string ScreenshotFolder(App& app);

// Encodes the captured image and writes it as Images\<date-time name><extension>, numbered "(2)", "(3)",
// ... when a shot of that name exists already. Returns the file name (no folder); nothing is written
// when the encoding failed.
std::string StoreScreenshot(App& app, std::span<const uint8_t> bmp, ImageFormat format);

// "#自动打开images": opens the Images folder.
void OpenScreenshotFolderIfWanted(App& app);
// Records the shot as the last screenshot and, with "#自动预览功能" checked, shows it in the preview.
void PreviewScreenshotIfWanted(App& app, const std::string& fileName);

// "+打开截图文件夹".
void OpenScreenshotFolder(App& app);

// The tray's "#储存为 ... 格式": the main window's rectangle (the scan region once locked) at the
// screenshot bit depth, stored, then the folder and preview as the tray menu asks.
void SaveScanRegionScreenshot(App& app, ImageFormat format);

}  // namespace corvanta
