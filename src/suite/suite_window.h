// The custom mode suite: the preset editor with ten sliders, two colour pickers, the backdrop chooser
// and the open, save, save-as and close commands. While it is open the main window is hidden, the
// topmost states are suspended, and the visual debug area previews the values above it.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "shell/topmost_hand_over.h"
#include "platform/gdi.h"
#include "platform/window_base.h"
#include "suite/backdrop_walk.h"
#include "suite/suite_dialogs.h"
#include "suite/suite_layout.h"
#include "suite/suite_values.h"

namespace corvanta {

class Program;
class BackdropWindow;
class DebugAreaWindow;
class MainWindowSeam;

// Child controls and menu items of the suite.
enum class SuiteControl : int {
  kOpenButton = 201,
  kCloseButton,
  kSaveButton,
  kSaveAsButton,
  kRandomButton,
  kLineColourPicker,
  kBackgroundPicker,
  kBackdropChooser,
  kBackdropLabel,
  kTransparentCheckbox,
  kLineColourLabel,
  kBackgroundLabel,
  kSliderBase = 301,  // + SuiteSlider
  kValueBase = 321,   // + SuiteSlider
  kRowLabelBase = 341,
  kMenuOpen = 401,
  kMenuSave,
  kMenuSaveAs,
  kMenuClose,
  kMenuButtonHelp,
  kMenuSettingsHelp,
};

class SuiteWindow : public WindowBase<SuiteWindow> {
 public:
  static constexpr const wchar_t* kClassName = L"CorvantaSuiteWindow";

  ~SuiteWindow() override;

  // Greys the tray items that wait for the suite, creates the window and runs the opening sequence.
  bool Open();
  bool IsOpen() const { return hwnd_ != nullptr; }

  // Commands.
  void OpenPreset();
  void Save();
  void SaveAs();
  void Close();
  void ChooseRandomBackdrop();
  // The line colour picker's choice: split into the three colour sliders.
  void SetLineColour(COLORREF colour);
  // The background colour picker's choice: the backdrop window's colour.
  void SetBackgroundColour(COLORREF colour);
  void SetBackgroundTransparent(bool transparent);

  void SetDialogs(SuiteDialogs dialogs) { dialogs_ = std::move(dialogs); }

  // What the debug area reads.
  SliderPositions Positions() const;
  int Position(SuiteSlider slider) const;
  COLORREF BackgroundColour() const { return backgroundColour_; }
  COLORREF LineColour() const { return lineColour_; }
  const std::string& OpenedFile() const { return openedFile_; }
  // The backdrop timer's work: the chosen (or, until the user chose, the random) picture, or none.
  void ShowChosenBackdrop(BackdropWindow& backdrop);

  HWND Control(SuiteControl id) const { return GetDlgItem(hwnd_, static_cast<int>(id)); }
  HWND SliderControl(SuiteSlider slider) const;
  HWND ValueLabel(SuiteSlider slider) const;
  DebugAreaWindow* DebugArea() { return debugArea_.get(); }
  const std::vector<Backdrop>& Backdrops() const { return backdrops_; }
  int ChooserSelection() const;
  const std::string& CurrentFile() const { return currentFile_; }

 protected:
  SuiteWindow(Program& program, MainWindowSeam& main);

  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  bool CreateControls();
  void SizeToLayout(const SuiteLayout& layout);
  void OnDpiChanged(int dpi, const RECT& suggested);
  HMENU BuildMenuBar();
  void RunOpeningSequence();
  void LoadListRequest();
  void SetTrayItemsEnabled(bool enabled);
  void WalkBackdropFolder();
  void SelectBackdropItem(int item);
  void PlaceWindows();

  void WriteSliders(const SliderPositions& positions);
  void ShowPositions();
  void ShowValue(SuiteSlider slider);
  void OnSliderScrolled(HWND slider);
  void OnCommand(int id, int notification);
  void OnBackdropChosen();
  void PickColour(SuiteControl picker);
  void DrawPicker(const DRAWITEMSTRUCT& item);
  void SetCaption(const std::string& caption);
  void SetFileCaption(const std::string& prefix, const std::string& file);
  void Report(bool saved);
  void ShowHelp(bool settings);
  void OnDestroy();

  Program& program_;
  MainWindowSeam& main_;
  SuiteDialogs dialogs_;
  std::unique_ptr<DebugAreaWindow> debugArea_;
  ScopedFont font_;
  std::mt19937 random_;

  SliderPositions positions_{};  // the working values (and strength), always the sliders' positions
  COLORREF lineColour_ = 0;
  COLORREF backgroundColour_ = kSuiteBackdropColour;
  int32_t backdropLimit_ = 0;
  std::vector<Backdrop> backdrops_;
  int randomItem_ = 0;
  bool userChoseBackdrop_ = false;
  std::string openedFile_;   // the open dialog's file name
  std::string currentFile_;  // the save dialog's file name: the current preset file
  TopmostHandOver handOver_;
};

}  // namespace corvanta
