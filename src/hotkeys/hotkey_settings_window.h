// "自定义快捷按键": a pick list per user slot, the duplicate check, saving the slot keys and the
// blinking save animation that ends with a new registration pass of the hotkey host.
#pragma once

#include <windows.h>

#include <array>
#include <string>
#include <vector>

#include "shell/topmost_hand_over.h"
#include "hotkeys/hotkey_settings.h"
#include "platform/gdi.h"
#include "platform/window_base.h"

namespace corvanta {

class Program;
class HotkeyHostWindow;
class MainWindowSeam;

enum class HotkeySettingsControl : int {
  kFirstLabel = 2001,  // + slot - 1, slots 1..14
  kFixedSlotList = 2100,
  kFirstList = 2101,  // + slot - 1
  kDisableButton = 2200,
  kDefaultsButton,
  kSaveButton,
  kStatus,
  kConflictLight,
  kSaveLight,
};

class HotkeySettingsWindow : public WindowBase<HotkeySettingsWindow> {
 public:
  static constexpr const wchar_t* kClassName = L"CorvantaHotkeySettings";

  ~HotkeySettingsWindow() override;

  // Repairs the stored keys, creates, lays out and shows the window; false when it could not be created.
  bool Open();
  bool IsOpen() const { return hwnd_ != nullptr; }

  HWND Control(HotkeySettingsControl id) const { return GetDlgItem(hwnd_, static_cast<int>(id)); }
  HWND SlotList(int slot) const;
  // Whether a save animation is running (from the click until its last step).
  bool Animating() const { return animationStep_ != 0; }
  Colour LightColour(HotkeySettingsControl light) const;
  Colour StatusColour() const { return statusColour_; }

 protected:
  // host may be null (the program runs without hotkeys); saving then only writes the keys.
  HotkeySettingsWindow(Program& program, MainWindowSeam& main, HotkeyHostWindow* host);

  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void RepairStoredKeys();
  bool CreateControls();
  void FillLists();
  void SelectStoredIndices();
  // Sizes the window for dpi_ and places the controls; the window stands at the suggested place when
  // there is one, and otherwise where the layout puts it on the screen.
  void LayOut(const RECT* suggested = nullptr);
  void OnDpiChanged(int dpi, const RECT& suggested);
  void SetButtonsEnabled(bool saveEnabled, bool presetEnabled);
  void SelectAll(const std::array<int, kHotkeySlotCount - 1>& indices);
  void Save();
  void WriteSelections();
  void StartAnimation();
  void OnAnimationTimer(int step);
  void ReportRefusedHotkeys();
  void SetLight(HotkeySettingsControl light, Colour colour);
  std::string SelectedText(HWND list) const;
  LRESULT OnControlColour(HDC dc, HWND control);

  Program& program_;
  MainWindowSeam& main_;
  HotkeyHostWindow* host_;
  int dpi_ = 96;
  bool conflict_ = false;
  TopmostHandOver handOver_;
  int animationStep_ = 0;  // the step whose timer is pending, 0 when none
  Colour saveLight_ = kLightOff;
  Colour conflictLight_ = kLightOff;
  Colour statusColour_{0, 0, 0};
  ScopedFont font_;
  ScopedBrush saveLightBrush_;
  ScopedBrush conflictLightBrush_;
};

}  // namespace corvanta
