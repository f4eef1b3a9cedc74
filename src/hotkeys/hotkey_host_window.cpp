#include "hotkeys/hotkey_host_window.h"

#include <utility>

#include "capture/scan_shot_format_window.h"
#include "hotkeys/hotkey_names.h"
#include "platform/controls.h"
#include "shell/geometry.h"
#include "shell/main_window_seam.h"
#include "shell/program.h"

namespace corvanta {

namespace {

constexpr const char* kCaption = "快捷键";
constexpr int kDesignWidth = 763;
constexpr int kDesignHeight = 324;
constexpr UINT kRegistrationDelay = 100;

}  // namespace

HotkeyHostWindow::HotkeyHostWindow(Program& program, MainWindowSeam& main, Screenshots& screenshots)
    : program_(program), main_(main), screenshots_(screenshots) {}

HotkeyHostWindow::~HotkeyHostWindow() = default;  // the format window goes before the registry

bool HotkeyHostWindow::Create() {
  WNDCLASSEXW wc{};
  wc.hInstance = program_.Instance();
  if (!RegisterOnce(wc, kClassName)) return false;
  if (!CreateOwnWindow(0, kClassName, kCaption, WS_OVERLAPPED | WS_CAPTION | WS_DISABLED, kOffScreenPosition,
                       kOffScreenPosition, kDesignWidth, kDesignHeight, nullptr, program_.Instance())) {
    return false;
  }
  SetTimer(hwnd_, static_cast<UINT_PTR>(ActionTimer::kRegistrationPass), kRegistrationDelay, nullptr);
  return true;
}

void HotkeyHostWindow::StopHotkeys() { registry_.RemoveAllHotkeys(); }

void HotkeyHostWindow::ArmRegistrationPass(UINT milliseconds, HWND reportTo) {
  if (hwnd_ == nullptr) return;
  passReportTo_ = reportTo;
  SetTimer(hwnd_, static_cast<UINT_PTR>(ActionTimer::kRegistrationPass), milliseconds, nullptr);
}

void HotkeyHostWindow::RunRegistrationPass() {
  KillTimer(hwnd_, static_cast<UINT_PTR>(ActionTimer::kRegistrationPass));
  SetWindowPos(hwnd_, nullptr, kOffScreenPosition, kOffScreenPosition, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  ++registrationPasses_;
  HWND host = hwnd_;
  auto pressOf = [host](int slot) {
    // The action thread only hands the press over; the UI thread decides and acts.
    return [host, slot](int) { PostMessageW(host, kPressMessage, static_cast<WPARAM>(slot), 0); };
  };
  refusedNames_.clear();
  auto add = [this](HotkeyAction action, const HotkeyBinding& binding, const std::string& name) {
    if (registry_.AddHotkey(std::move(action), static_cast<int>(binding.virtualKey),
                            static_cast<int>(binding.modifiers)) == 0) {
      refusedNames_.push_back(name);
    }
  };
  add([](int) {}, kFixedSlotBinding, kFixedSlotName);
  for (int slot = 1; slot < kHotkeySlotCount; ++slot) {
    const std::string name = program_.Settings().Config(keys::kHotkeySection, keys::HotkeyNameKey(slot));
    if (const auto binding = MatchHotkeyName(name)) add(pressOf(slot), *binding, name);
  }
  if (passReportTo_ != nullptr) PostMessageW(std::exchange(passReportTo_, nullptr), kPassDoneMessage, 0, 0);
}

HotkeyConditions HotkeyHostWindow::CurrentConditions() const {
  const ModeView& modes = program_.ModeState();
  HotkeyConditions conditions;
  conditions.topmost = modes.topmost;
  conditions.strongTopmost = modes.strongTopmost;
  conditions.overlayLocked = modes.OverlayShowing();
  conditions.mainShown = !modes.mainHidden;
  conditions.mainHidden = modes.mainHidden;
  for (int i = 0; i < kActionTimerSlots; ++i) conditions.timerIdle[i] = state_[i] == TimerState::kIdle;
  conditions.folderStep = folderStep_;
  return conditions;
}

void HotkeyHostWindow::OnPress(int slot) {
  const HotkeyOutcome outcome = DecideHotkeyAction(slot, CurrentConditions());
  switch (outcome.kind) {
    case HotkeyOutcome::Kind::kCommand:
      ShowHint(outcome.hint);
      RunCommand(outcome.command);
      break;
    case HotkeyOutcome::Kind::kArmTimer:
      Arm(outcome.timer, outcome.interval);
      break;
    case HotkeyOutcome::Kind::kNothing:
      break;
  }
}

void HotkeyHostWindow::Arm(ActionTimer timer, unsigned interval) {
  state_[static_cast<int>(timer)] = TimerState::kArmed;
  SetTimer(hwnd_, static_cast<UINT_PTR>(timer), interval, nullptr);
}

void HotkeyHostWindow::ClearBusyMark(ActionTimer timer) {
  if (hwnd_ != nullptr) KillTimer(hwnd_, static_cast<UINT_PTR>(timer));
  state_[static_cast<int>(timer)] = TimerState::kIdle;
}

void HotkeyHostWindow::OnActionTimer(ActionTimer timer) {
  // A busy mark that nobody cleared ends here, without running the command a second time.
  if (state_[static_cast<int>(timer)] != TimerState::kArmed) {
    ClearBusyMark(timer);
    return;
  }
  state_[static_cast<int>(timer)] = TimerState::kBusy;
  SetTimer(hwnd_, static_cast<UINT_PTR>(timer), kBusyInterval, nullptr);
  const ActionTimerTick tick = TickOf(timer);
  ShowHint(tick.hint);
  if (timer == ActionTimer::kScanRegionShot) {
    OpenScanShotFormat();
  } else {
    RunCommand(tick.command);
  }
}

void HotkeyHostWindow::OpenScanShotFormat() {
  if (ScanShotFormat() != nullptr) return;
  scanShotFormat_ = MakeWindow<ScanShotFormatWindow>(program_, screenshots_);
  if (!scanShotFormat_->Open()) {
    scanShotFormat_.reset();
    ClearBusyMark(ActionTimer::kScanRegionShot);
  }
}

ScanShotFormatWindow* HotkeyHostWindow::ScanShotFormat() {
  return scanShotFormat_ && scanShotFormat_->IsOpen() ? scanShotFormat_.get() : nullptr;
}

void HotkeyHostWindow::OnOpenFolderTimer() {
  const FolderStep step = OpenFolderStep(folderStep_, program_.ModeState().hotkeyHints);
  if (step.showHint) ShowHint("打开截图目录");
  if (step.openFolder) RunCommand(MenuId::kOpenScreenshotFolder);
  folderStep_ = step.nextStep;
  if (step.nextInterval == 0) {
    ClearBusyMark(ActionTimer::kOpenScreenshotFolder);
  } else {
    state_[static_cast<int>(ActionTimer::kOpenScreenshotFolder)] = TimerState::kBusy;
    SetTimer(hwnd_, static_cast<UINT_PTR>(ActionTimer::kOpenScreenshotFolder), step.nextInterval, nullptr);
  }
}

void HotkeyHostWindow::ShowHint(const char* words) {
  if (words == nullptr || !program_.ModeState().hotkeyHints) return;
  main_.ShowHint(HintText(words));
}

void HotkeyHostWindow::RunCommand(MenuId command) {
  if (command == MenuId::kNone) return;
  main_.RunCommand(command);
}

LRESULT HotkeyHostWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case kPressMessage:
      OnPress(static_cast<int>(wParam));
      return 0;
    case WM_TIMER: {
      const auto timer = static_cast<ActionTimer>(wParam);
      if (timer == ActionTimer::kRegistrationPass) {
        RunRegistrationPass();
      } else if (timer == ActionTimer::kOpenScreenshotFolder) {
        OnOpenFolderTimer();
      } else {
        OnActionTimer(timer);
      }
      return 0;
    }
    default:
      return DefaultHandling(message, wParam, lParam);
  }
}

}  // namespace corvanta
