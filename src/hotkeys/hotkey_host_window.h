// The never-shown window that owns the hotkeys: the hotkey registry, the registration pass 100 ms after
// it is created, and the action timers that carry a hotkey's command onto the UI thread and keep the
// action busy until the command has ended. A press reaches it as a posted message, so every condition
// is checked and every command runs on the UI thread.
#pragma once

#include <windows.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "hotkeys/hotkey_actions.h"
#include "hotkeys/hotkey_registry.h"
#include "platform/window_base.h"

namespace corvanta {

class MainWindowSeam;
class Program;
class ScanShotFormatWindow;
class Screenshots;

class HotkeyHostWindow : public WindowBase<HotkeyHostWindow> {
 public:
  static constexpr const wchar_t* kClassName = L"CorvantaHotkeyHost";
  static constexpr UINT kPressMessage = WM_APP + 20;  // wParam: the slot
  // Posted to the window that armed a registration pass with a report address, once the pass is done.
  static constexpr UINT kPassDoneMessage = WM_APP + 21;

  ~HotkeyHostWindow() override;

  // Creates the window hidden and disabled and arms the registration pass.
  bool Create();
  // Unregisters every hotkey (the exit sequence).
  void StopHotkeys();
  // (Re)starts the registration pass after the delay; the hotkey settings window does so after a save
  // and asks for kPassDoneMessage when the pass is done.
  void ArmRegistrationPass(UINT milliseconds, HWND reportTo = nullptr);
  // The names of the hotkeys whose registration the platform refused in the last pass, in slot order.
  const std::vector<std::string>& RefusedNames() const { return refusedNames_; }

  // A press of a slot's hotkey, as the action thread hands it over (also callable directly).
  void OnPress(int slot);
  // The command an action timer ran has ended: the action takes presses again.
  void ClearBusyMark(ActionTimer timer);
  bool IsIdle(ActionTimer timer) const { return state_[static_cast<int>(timer)] == TimerState::kIdle; }

  HotkeyRegistry& Registry() { return registry_; }
  // Registration passes run so far.
  int RegistrationPasses() const { return registrationPasses_; }
  // The scan-region screenshot's format window that "扫描区域截图" opened, if it is open.
  ScanShotFormatWindow* ScanShotFormat();

 protected:
  HotkeyHostWindow(Program& program, MainWindowSeam& main, Screenshots& screenshots);

  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  enum class TimerState { kIdle, kArmed, kBusy };

  void RunRegistrationPass();
  HotkeyConditions CurrentConditions() const;
  void Arm(ActionTimer timer, unsigned interval);
  void OnActionTimer(ActionTimer timer);
  void OnOpenFolderTimer();
  void ShowHint(const char* words);
  void RunCommand(MenuId command);
  void OpenScanShotFormat();

  Program& program_;
  MainWindowSeam& main_;
  Screenshots& screenshots_;
  HotkeyRegistry registry_;
  std::array<TimerState, kActionTimerSlots> state_{};
  int folderStep_ = 0;
  int registrationPasses_ = 0;
  std::vector<std::string> refusedNames_;
  HWND passReportTo_ = nullptr;
  std::unique_ptr<ScanShotFormatWindow> scanShotFormat_;
};

}  // namespace corvanta
