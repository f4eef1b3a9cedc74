// The effect list of the start screen: a three-column list view ("序号", "名称", "状态") that shows
// the effects of the current display mode and marks the enabled one. It also runs the commands of its
// popup menu: enable, preview picture, preview or edit preset, delete.
#pragma once

#include <windows.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "effects/row_colouring.h"
#include "platform/gdi.h"
#include "shell/display_mode.h"

namespace corvanta {

class DrawCanvas;
class MainWindowSeam;
class PreviewPictureWindow;
class Program;

class EffectList {
 public:
  // The canvas is the main window's, which a change of display mode clears.
  EffectList(Program& program, MainWindowSeam& window, DrawCanvas& canvas, RowColouring& colouring);
  ~EffectList();
  EffectList(const EffectList&) = delete;
  EffectList& operator=(const EffectList&) = delete;

  bool Create(HWND parent, int controlId);
  HWND Hwnd() const { return list_; }

  void SetFontSize(int pointSize);
  void SetColumnWidths(const std::array<int, 3>& widths);
  void RevealSelection();

  // Rows.
  int RowCount() const;
  int SelectedIndex() const;  // -1 when nothing is selected
  std::string NameAt(int row) const;
  std::string StatusAt(int row) const;
  std::string SelectedName() const { return NameAt(SelectedIndex()); }
  void SelectAndReveal(int row);

  // A mode checkbox clicked: the mode's controls, its enabled index and colour key, and a new fill.
  void ChooseDisplayMode(DisplayMode mode);

  // The list fill (timer), the mixed-mode preparation (timer) and enabling the selected entry.
  void Fill();
  void PrepareMixedMode();
  void EnableSelected(bool byDoubleClick);

  // "预览效果或配置": records the selected preset as the suite's list request, then StartSuite().
  void PreviewOrEditPreset();
  // Opens the custom mode suite (which greys the tray items that wait for it while it is open).
  void StartSuite();
  // "预览效果图片": the picture preview of the selected entry; nothing without a selected entry.
  void PreviewPicture();
  // Opens the picture preview window, or restarts its timer when it is open (also the screenshot
  // preview after a saved screenshot).
  void ShowPicturePreview();
  PreviewPictureWindow* PicturePreview() { return picturePreview_.get(); }
  // "删除选中文件": asks in a modal window, then deletes the selected file.
  void DeleteSelected();
  // The confirmed deletion: deletes the file, refills the list and says so when the file could not be
  // deleted. Returns whether the file is gone.
  bool DeleteConfirmed(const std::string& path);

  // The list colouring in the program's saved colours, marking the enabled row; called wherever the
  // enabled row may have changed.
  void RefreshColouring(int enabledIndex);
  int ColouredIndex() const { return colouredIndex_; }

  // WM_NOTIFY from the list view; returns true when handled. A custom-draw record is filled in place.
  bool OnNotify(NMHDR& header, LRESULT& result);

 private:
  void RemoveAllRows();
  void AddRow(const std::string& name);
  void SetStatus(int row, const char* status);
  std::string CellText(int row, int column) const;
  void AddFolderRows(DisplayMode displayMode);
  // Selects and marks the entry of the enabled index and shows it in the caption; returns the row,
  // -1 when the index points outside the list.
  int MarkEnabled(int32_t enabledIndex);
  void SetMainCaption(int row);
  void ShowPopupMenu();
  // Where the suite comes in: opens the custom mode suite with the recorded list request.
  void OpenSuite();

  Program& program_;
  MainWindowSeam& window_;
  DrawCanvas& canvas_;
  RowColouring& colouring_;
  HWND parent_ = nullptr;
  HWND list_ = nullptr;
  ScopedFont font_;
  int colouredIndex_ = -1;
  std::unique_ptr<PreviewPictureWindow> picturePreview_;
};

}  // namespace corvanta
