// "程序配色": nine pickers for the program colours Color/C1..C9. Picking previews the scheme on the
// effect list; "随机" draws random colours, "确定" saves the pickers and "默认" the first-run scheme.
#pragma once

#include <windows.h>

#include <array>
#include <random>
#include <string>

#include "shell/topmost_hand_over.h"
#include "platform/gdi.h"
#include "platform/window_base.h"
#include "prefs/colour_picker.h"
#include "prefs/colour_scheme_pickers.h"
#include "prefs/list_row_colours.h"

namespace corvanta {

class EffectList;
class MainWindowSeam;
class Program;
class ProgramColourRows;

enum class ColourSchemeControl : int {
  kFirstLabel = 4001,   // + picker - 1
  kFirstPicker = 4011,  // + picker - 1
  kDefaultsButton = 4020,
  kStatus,
  kRandomButton,
  kApplyButton,
};

class ColourSchemeWindow : public WindowBase<ColourSchemeWindow> {
 public:
  static constexpr const wchar_t* kClassName = L"CorvantaColourScheme";

  ~ColourSchemeWindow() override;

  // Creates, fills, places and shows the window; false when it could not be created.
  bool Open();
  bool IsOpen() const { return hwnd_ != nullptr; }

  HWND Control(ColourSchemeControl id) const { return GetDlgItem(hwnd_, static_cast<int>(id)); }
  // Picker 1..9 as the window numbers them.
  ColourPicker& Picker(int number) { return pickers_[static_cast<size_t>(number - 1)]; }
  // The pickers' colours in the order C1..C9.
  ProgramColours PickerColours() const;

 protected:
  // The effect list previews the colours in its rows.
  ColourSchemeWindow(Program& program, MainWindowSeam& main, EffectList& list, ProgramColourRows& rows);

  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  bool CreateControls();
  // At its place on the screen, or at the top-left corner of suggested.
  void LayOutAndPlace(const RECT* suggested = nullptr);
  void OnDpiChanged(int dpi, const RECT& suggested);
  void ShowColours(const ProgramColours& colours);
  void OnPicked(int pickerNumber);
  void DrawRandomColours();
  // Writes C1..C9; the status is the given text when all of them reached Config.ini.
  void SaveColours(const ProgramColours& colours, const char* status);
  // Colours the effect list with C1..C8 and the enabled row of the current display mode.
  void PreviewOnList(const ProgramColours& colours);
  void ReloadProgramColours();
  void SetStatus(const char* text, bool saveFailed = false);
  void OnCommand(int id, int notification, HWND control);

  Program& program_;
  MainWindowSeam& main_;
  EffectList& list_;
  ProgramColourRows& rows_;
  TopmostHandOver handOver_;
  std::array<ColourPicker, kColourPickerCount> pickers_;
  std::mt19937 random_;
  int dpi_ = 96;
  bool saveFailed_ = false;  // the status label reports, in red, that the scheme was not stored
  ScopedFont font_;
};

}  // namespace corvanta
