#include "hotkeys/hotkey_settings_window.h"

#include <commctrl.h>

#include "shell/program.h"
#include "shell/main_window_seam.h"
#include "shell/menus.h"
#include "hotkeys/hotkey_host_window.h"
#include "platform/controls.h"
#include "platform/dpi.h"
#include "settings/setting_keys.h"

namespace corvanta {

namespace {

constexpr const char* kCaption = "自定义快捷按键";
constexpr const char* kInitialStatus = "如何使用【重新吸附窗口】：按住快捷键，移动鼠标选择好区域后松开按键";
constexpr int kFontPoints = 12;
constexpr int kDroppedListRows = 8;  // the open list shows this many times the box height
constexpr UINT kRegistrationDelay = 100;
constexpr int kUserSlots = kHotkeySlotCount - 1;
constexpr std::array<int, kUserSlots> kAllNotSet{};

int ControlIdOf(HotkeySettingsControl id) { return static_cast<int>(id); }

std::array<int, kUserSlots> DefaultIndices() {
  std::array<int, kUserSlots> indices{};
  const auto defaults = HotkeySlotDefaults();
  for (int slot = 1; slot < kHotkeySlotCount; ++slot) indices[slot - 1] = defaults[slot].pickIndex;
  return indices;
}

void Place(HWND control, const Rect& r, int extraHeight = 0) {
  MoveWindow(control, r.left, r.top, r.width, r.height + extraHeight, TRUE);
}

}  // namespace

HotkeySettingsWindow::HotkeySettingsWindow(Program& program, MainWindowSeam& main, HotkeyHostWindow* host)
    : program_(program), main_(main), host_(host), handOver_(program.Modes()) {}

HotkeySettingsWindow::~HotkeySettingsWindow() = default;

HWND HotkeySettingsWindow::SlotList(int slot) const {
  return GetDlgItem(hwnd_, ControlIdOf(HotkeySettingsControl::kFirstList) + slot - 1);
}

Colour HotkeySettingsWindow::LightColour(HotkeySettingsControl light) const {
  return light == HotkeySettingsControl::kSaveLight ? saveLight_ : conflictLight_;
}

bool HotkeySettingsWindow::Open() {
  conflict_ = false;
  RepairStoredKeys();
  if (!CreateToolWindow(WS_EX_TOPMOST, program_.Instance(), kClassName, kCaption,
                        WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 1280, 500)) {
    return false;
  }
  dpi_ = WindowDpi(hwnd_);
  font_ = CreateUiFont(kFontPoints, dpi_);
  if (!CreateControls()) {
    DestroyWindow(hwnd_);
    return false;
  }
  FillLists();
  SelectStoredIndices();
  LayOut();
  handOver_.Take();
  ShowWindow(hwnd_, SW_SHOWNORMAL);
  return true;
}

void HotkeySettingsWindow::RepairStoredKeys() {
  SettingsStore& settings = program_.Settings();
  StoredHotkeyKeys stored;
  for (int slot = 0; slot < kHotkeySlotCount; ++slot) {
    stored.names[slot] = settings.Config(keys::kHotkeySection, keys::HotkeyNameKey(slot));
    stored.picks[slot] = settings.Config(keys::kHotkeySection, keys::HotkeyPickKey(slot));
  }
  for (const HotkeyKeyWrite& write : HotkeyKeyRepairs(stored)) {
    settings.SetConfig(keys::kHotkeySection, write.key, write.value);
  }
}

bool HotkeySettingsWindow::CreateControls() {
  ControlBatch controls(hwnd_, program_.Instance(), font_.Get());
  auto add = [&](const wchar_t* className, std::string_view text, DWORD style, HotkeySettingsControl id, int offset) {
    controls.Add(className, text, style, ControlIdOf(id) + offset);
  };
  const auto defaults = HotkeySlotDefaults();
  for (int slot = 1; slot < kHotkeySlotCount; ++slot) {
    add(WC_STATICW, defaults[slot].label, SS_LEFT | SS_CENTERIMAGE, HotkeySettingsControl::kFirstLabel, slot - 1);
    add(WC_COMBOBOXW, "", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, HotkeySettingsControl::kFirstList, slot - 1);
  }
  add(WC_COMBOBOXW, "", WS_VSCROLL | CBS_DROPDOWNLIST, HotkeySettingsControl::kFixedSlotList, 0);
  add(WC_BUTTONW, "停用", WS_TABSTOP | BS_PUSHBUTTON, HotkeySettingsControl::kDisableButton, 0);
  add(WC_BUTTONW, "默认", WS_TABSTOP | BS_PUSHBUTTON, HotkeySettingsControl::kDefaultsButton, 0);
  add(WC_STATICW, kInitialStatus, SS_LEFT | SS_CENTERIMAGE, HotkeySettingsControl::kStatus, 0);
  add(WC_STATICW, "", 0, HotkeySettingsControl::kConflictLight, 0);
  add(WC_STATICW, "", 0, HotkeySettingsControl::kSaveLight, 0);
  add(WC_BUTTONW, "确认并保存", WS_TABSTOP | BS_PUSHBUTTON, HotkeySettingsControl::kSaveButton, 0);
  if (!controls.AllCreated()) return false;
  // The fixed slot's list only carries sck0 and sx0: nothing shows, enables or selects it.
  const HWND fixedList = Control(HotkeySettingsControl::kFixedSlotList);
  ShowWindow(fixedList, SW_HIDE);
  EnableWindow(fixedList, FALSE);
  SetLight(HotkeySettingsControl::kConflictLight, kLightOff);
  SetLight(HotkeySettingsControl::kSaveLight, kLightOff);
  return true;
}

void HotkeySettingsWindow::FillLists() {
  for (int slot = 0; slot < kHotkeySlotCount; ++slot) {
    const HWND list = slot == kFixedHotkeySlot ? Control(HotkeySettingsControl::kFixedSlotList) : SlotList(slot);
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    for (int index = 0; index < kPickListSize; ++index) {
      SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(ToWide(PickListText(slot, index)).c_str()));
    }
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
  }
}

void HotkeySettingsWindow::SelectStoredIndices() {
  // The lists follow the stored indices only; the stored names are what the registration pass binds.
  for (int slot = 1; slot < kHotkeySlotCount; ++slot) {
    const auto index = StoredPickIndex(program_.Settings().Config(keys::kHotkeySection, keys::HotkeyPickKey(slot)));
    SendMessageW(SlotList(slot), CB_SETCURSEL, static_cast<WPARAM>(index.value_or(-1)), 0);
  }
}

void HotkeySettingsWindow::LayOut(const RECT* suggested) {
  const HotkeySettingsLayout layout = LayOutHotkeySettings(FrameWidth(hwnd_), dpi_);
  const auto [left, top] =
      HotkeySettingsPosition(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), layout.windowWidth);
  SizeWindowAt(hwnd_, left, top, layout.windowWidth, layout.windowHeight, suggested);
  for (int slot = 1; slot < kHotkeySlotCount; ++slot) {
    Place(GetDlgItem(hwnd_, ControlIdOf(HotkeySettingsControl::kFirstLabel) + slot - 1), layout.labels[slot - 1]);
    const Rect& list = layout.lists[slot - 1];
    Place(SlotList(slot), list, list.height * (kDroppedListRows - 1));
  }
  // Outside the client area, where it can never be seen.
  Place(Control(HotkeySettingsControl::kFixedSlotList), Rect{-layout.windowWidth, 0, layout.lists[0].width,
                                                                   layout.lists[0].height});
  Place(Control(HotkeySettingsControl::kDisableButton), layout.disableButton);
  Place(Control(HotkeySettingsControl::kDefaultsButton), layout.defaultsButton);
  Place(Control(HotkeySettingsControl::kStatus), layout.status);
  Place(Control(HotkeySettingsControl::kConflictLight), layout.conflictLight);
  Place(Control(HotkeySettingsControl::kSaveLight), layout.saveLight);
  Place(Control(HotkeySettingsControl::kSaveButton), layout.saveButton);
}

void HotkeySettingsWindow::OnDpiChanged(int dpi, const RECT& suggested) {
  dpi_ = dpi;
  RefontChildren(hwnd_, kFontPoints, dpi_, font_);
  LayOut(&suggested);
}

void HotkeySettingsWindow::SetButtonsEnabled(bool saveEnabled, bool presetEnabled) {
  EnableWindow(Control(HotkeySettingsControl::kSaveButton), saveEnabled);
  EnableWindow(Control(HotkeySettingsControl::kDisableButton), presetEnabled);
  EnableWindow(Control(HotkeySettingsControl::kDefaultsButton), presetEnabled);
}

void HotkeySettingsWindow::SelectAll(const std::array<int, kHotkeySlotCount - 1>& indices) {
  SetButtonsEnabled(IsWindowEnabled(Control(HotkeySettingsControl::kSaveButton)) != FALSE, false);
  for (int slot = 1; slot < kHotkeySlotCount; ++slot) {
    SendMessageW(SlotList(slot), CB_SETCURSEL, static_cast<WPARAM>(indices[slot - 1]), 0);
  }
}

std::string HotkeySettingsWindow::SelectedText(HWND list) const {
  const LRESULT index = SendMessageW(list, CB_GETCURSEL, 0, 0);
  if (index == CB_ERR) return {};
  const LRESULT length = SendMessageW(list, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length == CB_ERR) return {};
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  SendMessageW(list, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(length));
  return FromWide(text);
}

void HotkeySettingsWindow::Save() {
  SetButtonsEnabled(false, false);
  std::vector<std::string> texts;
  for (int slot = 1; slot < kHotkeySlotCount; ++slot) texts.push_back(SelectedText(SlotList(slot)));
  conflict_ = FirstDuplicatePair(texts).has_value();
  if (!conflict_) {
    WriteSelections();
    if (host_ != nullptr) host_->Registry().RemoveAllHotkeys();
  }
  StartAnimation();
}

void HotkeySettingsWindow::WriteSelections() {
  SettingsStore& settings = program_.Settings();
  auto listOf = [this](int slot) {
    return slot == kFixedHotkeySlot ? Control(HotkeySettingsControl::kFixedSlotList) : SlotList(slot);
  };
  for (int slot = 0; slot < kHotkeySlotCount; ++slot) {
    settings.SetConfig(keys::kHotkeySection, keys::HotkeyNameKey(slot), SelectedText(listOf(slot)));
  }
  for (int slot = 0; slot < kHotkeySlotCount; ++slot) {
    const auto index = static_cast<int>(SendMessageW(listOf(slot), CB_GETCURSEL, 0, 0));
    settings.SetConfigInt(keys::kHotkeySection, keys::HotkeyPickKey(slot), index);
  }
}

void HotkeySettingsWindow::StartAnimation() {
  animationStep_ = 1;
  SetTimer(hwnd_, 1, kRegistrationDelay, nullptr);
}

void HotkeySettingsWindow::OnAnimationTimer(int step) {
  KillTimer(hwnd_, static_cast<UINT_PTR>(step));
  if (step != animationStep_) return;
  const SaveAnimationStep look = SaveAnimationStepOf(step, conflict_);
  SetLight(conflict_ ? HotkeySettingsControl::kConflictLight : HotkeySettingsControl::kSaveLight, look.light);
  statusColour_ = look.statusColour;
  SetWindowTextGbk(Control(HotkeySettingsControl::kStatus), look.status);
  if (step < kSaveAnimationSteps) {
    animationStep_ = step + 1;
    SetTimer(hwnd_, static_cast<UINT_PTR>(animationStep_), look.nextDelay, nullptr);
    return;
  }
  animationStep_ = 0;
  SetButtonsEnabled(true, true);
  // A conflict leaves the keys as they were; the pass then binds the same hotkeys again. After a save,
  // the pass reports back so that hotkeys another program holds are named.
  if (host_ != nullptr) host_->ArmRegistrationPass(look.nextDelay, conflict_ ? nullptr : hwnd_);
}

void HotkeySettingsWindow::ReportRefusedHotkeys() {
  if (host_ == nullptr || Animating()) return;
  const std::string report = RefusedHotkeysReport(host_->RefusedNames());
  if (report.empty()) return;
  statusColour_ = kStatusRed;
  SetWindowTextGbk(Control(HotkeySettingsControl::kStatus), report);
}

void HotkeySettingsWindow::SetLight(HotkeySettingsControl light, Colour colour) {
  const bool isSave = light == HotkeySettingsControl::kSaveLight;
  (isSave ? saveLight_ : conflictLight_) = colour;
  (isSave ? saveLightBrush_ : conflictLightBrush_) = ScopedBrush(CreateSolidBrush(ToColorRef(colour)));
  InvalidateRect(Control(light), nullptr, TRUE);
}

LRESULT HotkeySettingsWindow::OnControlColour(HDC dc, HWND control) {
  if (control == Control(HotkeySettingsControl::kSaveLight)) {
    return reinterpret_cast<LRESULT>(saveLightBrush_.Get());
  }
  if (control == Control(HotkeySettingsControl::kConflictLight)) {
    return reinterpret_cast<LRESULT>(conflictLightBrush_.Get());
  }
  if (control == Control(HotkeySettingsControl::kStatus)) SetTextColor(dc, ToColorRef(statusColour_));
  SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
  return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

LRESULT HotkeySettingsWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (HIWORD(wParam) != BN_CLICKED) break;
      if (Animating()) return 0;  // a save is still running
      switch (static_cast<HotkeySettingsControl>(LOWORD(wParam))) {
        case HotkeySettingsControl::kSaveButton:
          Save();
          return 0;
        case HotkeySettingsControl::kDefaultsButton:
          SelectAll(DefaultIndices());
          Save();
          return 0;
        case HotkeySettingsControl::kDisableButton:
          SelectAll(kAllNotSet);
          Save();
          return 0;
        default:
          break;
      }
      break;
    case WM_TIMER:
      if (wParam >= 1 && wParam <= kSaveAnimationSteps) OnAnimationTimer(static_cast<int>(wParam));
      return 0;
    case HotkeyHostWindow::kPassDoneMessage:
      ReportRefusedHotkeys();
      return 0;
    case WM_CTLCOLORSTATIC:
      return OnControlColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_DPICHANGED:
      OnDpiChanged(DpiFromMessage(wParam), *reinterpret_cast<const RECT*>(lParam));
      return 0;
    case WM_DESTROY:
      for (UINT_PTR timer = 1; timer <= kSaveAnimationSteps; ++timer) KillTimer(hwnd_, timer);
      // Closed in the middle of a save: the hotkeys were dropped at the click, so the new registration
      // pass must not depend on the animation's last step.
      if (animationStep_ != 0 && host_ != nullptr) host_->ArmRegistrationPass(kRegistrationDelay);
      animationStep_ = 0;
      handOver_.GiveBack();
      return 0;
    default:
      break;
  }
  return DefaultHandling(message, wParam, lParam);
}

}  // namespace corvanta
