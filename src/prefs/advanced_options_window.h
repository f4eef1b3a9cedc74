// "Corvanta_高级配置选项：": the transparent colour of picture and mixed mode, the picture placement of
// the overlay, the effect list's font size and how an attached overlay follows its window, each with its own "确定", "默认" and status label, each
// applied at once to the running program and to Config.ini.
#pragma once

#include <windows.h>

#include <array>
#include <optional>

#include "shell/topmost_hand_over.h"
#include "platform/gdi.h"
#include "platform/window_base.h"
#include "prefs/colour_picker.h"
#include "prefs/preference_values.h"

namespace corvanta {

class EffectList;
class MainWindowSeam;
class OverlayController;
class Program;

enum class AdvancedOptionsControl : int {
  kColourLabel = 3001,
  kPicker,
  kCurrentColour,
  kPendingColour,
  kColourApply,
  kColourDefaults,
  kColourStatus,
  kPlacementLabel,
  kFirstPlacementRadio = 3010,  // + placement code 0..3
  kPlacementApply = 3014,
  kPlacementDefaults,
  kPlacementStatus,
  kFontLabel,
  kFontGroup,
  kFirstFontRadio = 3020,  // + index into kListFontSizes
  kFontApply = 3028,
  kFontDefaults,
  kFontStatus,
  kFollowLabel,
  kFollowMoveCheckbox,
  kFollowClientCheckbox,
  kFollowApply,
  kFollowDefaults,
  kFollowStatus,
};

// The status label of a section: a choice waits for "确定", the section's setting was applied and
// stored, or it could not be stored in Config.ini.
enum class PreferenceStatus { kPending, kApplied, kSaveFailed };

class AdvancedOptionsWindow : public WindowBase<AdvancedOptionsWindow> {
 public:
  static constexpr const wchar_t* kClassName = L"CorvantaAdvancedOptions";

  ~AdvancedOptionsWindow() override;

  // Creates, fills, places and shows the window; false when it could not be created.
  bool Open();
  bool IsOpen() const { return hwnd_ != nullptr; }

  HWND Control(AdvancedOptionsControl id) const { return GetDlgItem(hwnd_, static_cast<int>(id)); }
  HWND PlacementRadio(int placement) const;
  HWND FontRadio(int index) const;
  ColourPicker& Picker() { return picker_; }
  // Whether a picked colour waits for the apply timer.
  bool ColourApplyPending() const { return applyTimerPending_; }
  PreferenceStatus Status(AdvancedOptionsControl statusLabel) const;

 protected:
  // A new placement redraws the overlay and locks it again in place; a new font size lays out the list.
  AdvancedOptionsWindow(Program& program, MainWindowSeam& main, OverlayController& overlay, EffectList& list);

  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  enum Section { kColourSection, kPlacementSection, kFontSection, kFollowSection, kSectionCount };

  bool CreateControls();
  void ShowStoredValues();
  // At its place on the screen, or at the top-left corner of suggested.
  void LayOutAndPlace(const RECT* suggested = nullptr);
  void OnDpiChanged(int dpi, const RECT& suggested);
  void OnCommand(int id, int notification, HWND control);
  void SetStatus(Section section, PreferenceStatus status);
  void CheckOnly(AdvancedOptionsControl first, int count, std::optional<int> index);
  std::optional<int> CheckedIndex(AdvancedOptionsControl first, int count) const;

  void OnColourPicked(uint32_t colour);
  void ApplyColour();
  void RestoreDefaultColour();
  void OnApplyTimer();
  void ApplyPlacement();
  void ApplyFontSize();
  void ApplyFollowing();
  bool Checked(AdvancedOptionsControl checkbox) const;
  void SetChecked(AdvancedOptionsControl checkbox, bool checked);
  LRESULT OnControlColour(HDC dc, HWND control);

  Program& program_;
  MainWindowSeam& main_;
  OverlayController& overlay_;
  EffectList& list_;
  TopmostHandOver handOver_;
  ColourPicker picker_;
  ColourTexts pending_;
  bool changed_ = false;
  bool applyTimerPending_ = false;
  std::array<PreferenceStatus, kSectionCount> status_{};
  int dpi_ = 96;
  ScopedFont font_;
};

}  // namespace corvanta
