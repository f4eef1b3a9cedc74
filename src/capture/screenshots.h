// The program's screenshots: the tray's bit depth and the scan region's shot, the screenshot folder,
// and what follows a save: opening the folder and previewing the shot when the tray menu asks for it.
// Shots go into the program directory's Images folder, named after their date and time.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "capture/image_format.h"
#include "shell/menu_layout.h"

namespace corvanta {

class EffectList;
class Program;

// The depth of an item of the bit-depth submenu "-图像位数设置>>>"; nothing for any other item.
std::optional<int> DepthOfMenuItem(MenuId id);

class Screenshots {
 public:
  // The effect list owns the picture preview that shows a saved shot.
  Screenshots(Program& program, EffectList& list) : program_(program), list_(list) {}
  Screenshots(const Screenshots&) = delete;
  Screenshots& operator=(const Screenshots&) = delete;

  // Runs the command when it is a bit-depth item, one of "#储存为 ... 格式" or "+打开截图文件夹";
  // returns whether it was.
  bool HandleCommand(MenuId id);

  // Program directory + "\Images".
  std::string Folder() const;
  // Encodes the captured image and writes it as Images\<date-time name><extension>, numbered "(2)",
  // "(3)", ... when a shot of that name exists already. Returns the file name (no folder), or nothing
  // when no file was written: no image was captured, it could not be encoded or the file not written.
  std::optional<std::string> Store(std::span<const uint8_t> bmp, ImageFormat format);
  // Tells the user that a shot was not saved: the message box "保存截图失败！".
  void ReportStoreFailure();
  // "+打开截图文件夹".
  void OpenFolder();
  // "#自动打开images": opens the Images folder.
  void OpenFolderIfWanted();
  // Records the shot as the last screenshot and, with "#自动预览功能" checked, shows it in the preview.
  void PreviewIfWanted(const std::string& fileName);
  // The tray's "#储存为 ... 格式": the main window's rectangle (the scan region once locked) at the
  // screenshot bit depth, stored, then the folder and preview as the tray menu asks; a shot that could
  // not be stored is reported instead.
  void SaveScanRegion(ImageFormat format);

 private:
  // Checks the item of the depth and unchecks the other five, then makes it the screenshot bit depth.
  void SelectDepth(MenuId item);

  Program& program_;
  EffectList& list_;
};

}  // namespace corvanta
