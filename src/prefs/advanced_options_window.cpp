#include "prefs/advanced_options_window.h"

#include <commctrl.h>

#include <vector>

#include "shell/program.h"
#include "shell/main_window_seam.h"
#include "shell/topmost.h"
#include "effects/effect_list.h"
#include "overlay/overlay_controller.h"
#include "platform/controls.h"
#include "platform/dpi.h"
#include "prefs/prefs_layout.h"
#include "settings/setting_keys.h"
#include "settings/text.h"
#include "shell/colour.h"

namespace corvanta {

namespace {

constexpr const char* kCaption = "Corvanta_高级配置选项：";
constexpr const char* kPendingText = "待确认";
constexpr const char* kAppliedText = "已修改";
constexpr const char* kSaveFailedText = "保存配置失败！";
constexpr COLORREF kPendingColour = ToColorRef({0, 66, 0});
constexpr COLORREF kAppliedColour = ToColorRef({255, 66, 66});
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr UINT_PTR kApplyTimer = 1;  // one-shot: applies the picked transparent colour
constexpr UINT kApplyDelay = 30;
constexpr int kFontPoints = 9;
constexpr const char* kPlacementTexts[kPicturePlacementCount] = {"左上", "缩放", "居中", "平铺"};

static_assert(kExStyleTopmost == WS_EX_TOPMOST && kExStyleTransparent == WS_EX_TRANSPARENT &&
              kExStyleToolWindow == WS_EX_TOOLWINDOW && kExStyleLayered == WS_EX_LAYERED);

int IdOf(AdvancedOptionsControl id) { return static_cast<int>(id); }

struct StatusLook {
  const char* text;
  COLORREF colour;
};
// By PreferenceStatus; a value that could not be stored is reported in the red of an applied one.
constexpr StatusLook kStatusLooks[] = {
    {kPendingText, kPendingColour}, {kAppliedText, kAppliedColour}, {kSaveFailedText, kAppliedColour}};
const StatusLook& LookOf(PreferenceStatus status) { return kStatusLooks[static_cast<int>(status)]; }

// Applied when the value reached Config.ini.
PreferenceStatus StatusAfterWrite(bool written) {
  return written ? PreferenceStatus::kApplied : PreferenceStatus::kSaveFailed;
}

void Place(HWND control, const Rect& r) { MoveWindow(control, r.left, r.top, r.width, r.height, TRUE); }

struct SectionControls {
  AdvancedOptionsControl apply;
  AdvancedOptionsControl defaults;
  AdvancedOptionsControl status;
};

constexpr SectionControls kSections[] = {
    {AdvancedOptionsControl::kColourApply, AdvancedOptionsControl::kColourDefaults,
     AdvancedOptionsControl::kColourStatus},
    {AdvancedOptionsControl::kPlacementApply, AdvancedOptionsControl::kPlacementDefaults,
     AdvancedOptionsControl::kPlacementStatus},
    {AdvancedOptionsControl::kFontApply, AdvancedOptionsControl::kFontDefaults, AdvancedOptionsControl::kFontStatus},
    {AdvancedOptionsControl::kFollowApply, AdvancedOptionsControl::kFollowDefaults,
     AdvancedOptionsControl::kFollowStatus},
};

}  // namespace

AdvancedOptionsWindow::AdvancedOptionsWindow(Program& program, MainWindowSeam& main, OverlayController& overlay,
                                             EffectList& list)
    : program_(program), main_(main), overlay_(overlay), list_(list), handOver_(program.Modes()) {}

AdvancedOptionsWindow::~AdvancedOptionsWindow() = default;

HWND AdvancedOptionsWindow::PlacementRadio(int placement) const {
  return GetDlgItem(hwnd_, IdOf(AdvancedOptionsControl::kFirstPlacementRadio) + placement);
}

HWND AdvancedOptionsWindow::FontRadio(int index) const {
  return GetDlgItem(hwnd_, IdOf(AdvancedOptionsControl::kFirstFontRadio) + index);
}

PreferenceStatus AdvancedOptionsWindow::Status(AdvancedOptionsControl statusLabel) const {
  for (int section = 0; section < kSectionCount; ++section) {
    if (kSections[section].status == statusLabel) return status_[section];
  }
  return PreferenceStatus::kPending;
}

bool AdvancedOptionsWindow::Open() {
  if (hwnd_ != nullptr) return true;
  if (!CreateToolWindow(WS_EX_TOPMOST, program_.Instance(), kClassName, kCaption, kStyle, 340, 360)) return false;
  dpi_ = WindowDpi(hwnd_);
  font_ = CreateUiFont(kFontPoints, dpi_);
  if (!CreateControls()) {
    DestroyWindow(hwnd_);
    return false;
  }
  ShowStoredValues();
  handOver_.Take();
  LayOutAndPlace();
  ShowWindow(hwnd_, SW_SHOWNORMAL);
  return true;
}

bool AdvancedOptionsWindow::CreateControls() {
  ControlBatch controls(hwnd_, program_.Instance(), font_.Get());
  auto add = [&](const wchar_t* className, std::string_view text, DWORD style, int id) {
    controls.Add(className, text, style, id);
  };
  auto addId = [&](const wchar_t* className, std::string_view text, DWORD style, AdvancedOptionsControl id) {
    controls.Add(className, text, style, IdOf(id));
  };
  const DWORD label = SS_LEFT | SS_CENTERIMAGE;
  const DWORD button = WS_TABSTOP | BS_PUSHBUTTON;
  const DWORD radio = WS_TABSTOP | BS_RADIOBUTTON;

  addId(WC_STATICW, "图片模式透明色：", label, AdvancedOptionsControl::kColourLabel);
  addId(WC_STATICW, "", label, AdvancedOptionsControl::kCurrentColour);
  addId(WC_STATICW, "", label, AdvancedOptionsControl::kPendingColour);

  addId(WC_STATICW, "图片素材的显示方式：", label, AdvancedOptionsControl::kPlacementLabel);
  for (int i = 0; i < kPicturePlacementCount; ++i) {
    add(WC_BUTTONW, kPlacementTexts[i], radio, IdOf(AdvancedOptionsControl::kFirstPlacementRadio) + i);
  }

  addId(WC_STATICW, "效果列表字体大小：", label, AdvancedOptionsControl::kFontLabel);
  addId(WC_BUTTONW, "", BS_GROUPBOX, AdvancedOptionsControl::kFontGroup);
  for (size_t i = 0; i < kListFontSizes.size(); ++i) {
    add(WC_BUTTONW, FormatInt(kListFontSizes[i]), radio,
        IdOf(AdvancedOptionsControl::kFirstFontRadio) + static_cast<int>(i));
  }

  const DWORD checkbox = WS_TABSTOP | BS_AUTOCHECKBOX;
  addId(WC_STATICW, "吸附窗口：", label, AdvancedOptionsControl::kFollowLabel);
  addId(WC_BUTTONW, "跟随窗口移动", checkbox, AdvancedOptionsControl::kFollowMoveCheckbox);
  addId(WC_BUTTONW, "仅覆盖客户区", checkbox, AdvancedOptionsControl::kFollowClientCheckbox);

  for (const SectionControls& section : kSections) {
    addId(WC_BUTTONW, "确定", button, section.apply);
    addId(WC_BUTTONW, "默认", button, section.defaults);
    addId(WC_STATICW, kPendingText, label, section.status);
  }
  return controls.AllCreated() && picker_.Create(hwnd_, program_.Instance(), IdOf(AdvancedOptionsControl::kPicker),
                        [this](uint32_t colour) { OnColourPicked(colour); });
}

void AdvancedOptionsWindow::ShowStoredValues() {
  // The display-mode section is open in every display mode.
  for (int i = 0; i < kPicturePlacementCount; ++i) EnableWindow(PlacementRadio(i), TRUE);
  EnableWindow(Control(AdvancedOptionsControl::kPlacementApply), TRUE);
  EnableWindow(Control(AdvancedOptionsControl::kPlacementDefaults), TRUE);

  SettingsStore& settings = program_.Settings();
  changed_ = false;
  pending_ = ColourTexts{settings.Config(keys::kColourKeyRed), settings.Config(keys::kColourKeyGreen),
                         settings.Config(keys::kColourKeyBlue)};
  picker_.SetColour(ColorRefOf(pending_));
  SetWindowTextGbk(Control(AdvancedOptionsControl::kCurrentColour), CurrentColourLabel(pending_));
  SetWindowTextGbk(Control(AdvancedOptionsControl::kPendingColour), PendingColourLabel(pending_));

  CheckOnly(AdvancedOptionsControl::kFirstPlacementRadio, kPicturePlacementCount,
            PlacementChoice(settings.ConfigInt(keys::kPicturePlacement)));
  CheckOnly(AdvancedOptionsControl::kFirstFontRadio, static_cast<int>(kListFontSizes.size()),
            FontSizeChoice(settings.ConfigInt(keys::kListFontSize)));
  SetChecked(AdvancedOptionsControl::kFollowMoveCheckbox, settings.ConfigIntFlagOr(keys::kFollowWindow, true));
  SetChecked(AdvancedOptionsControl::kFollowClientCheckbox, settings.ConfigIntFlagOr(keys::kFollowClientArea, false));
}

void AdvancedOptionsWindow::LayOutAndPlace(const RECT* suggested) {
  const AdvancedOptionsLayout layout = LayOutAdvancedOptions(dpi_, FrameWidth(hwnd_));
  Place(Control(AdvancedOptionsControl::kColourLabel), layout.colourLabel);
  Place(picker_.Hwnd(), layout.picker);
  Place(Control(AdvancedOptionsControl::kCurrentColour), layout.currentColour);
  Place(Control(AdvancedOptionsControl::kPendingColour), layout.pendingColour);
  Place(Control(AdvancedOptionsControl::kPlacementLabel), layout.placementLabel);
  for (int i = 0; i < kPicturePlacementCount; ++i) Place(PlacementRadio(i), layout.placementRadios[i]);
  Place(Control(AdvancedOptionsControl::kFontLabel), layout.fontLabel);
  Place(Control(AdvancedOptionsControl::kFontGroup), layout.fontGroup);
  for (size_t i = 0; i < kListFontSizes.size(); ++i) Place(FontRadio(static_cast<int>(i)), layout.fontRadios[i]);
  Place(Control(AdvancedOptionsControl::kFollowLabel), layout.followLabel);
  Place(Control(AdvancedOptionsControl::kFollowMoveCheckbox), layout.followMove);
  Place(Control(AdvancedOptionsControl::kFollowClientCheckbox), layout.followClient);
  const SectionButtons* rows[kSectionCount] = {&layout.colour, &layout.placement, &layout.font, &layout.follow};
  for (int section = 0; section < kSectionCount; ++section) {
    Place(Control(kSections[section].apply), rows[section]->apply);
    Place(Control(kSections[section].defaults), rows[section]->defaults);
    Place(Control(kSections[section].status), rows[section]->status);
  }
  const WindowOrigin origin =
      AdvancedOptionsOrigin(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), layout.windowHeight);
  SizeWindowAt(hwnd_, origin.left, origin.top, layout.windowWidth, layout.windowHeight, suggested);
}

// Moved to a display with another scaling: the same layout and font at the new DPI, where the system
// suggests.
void AdvancedOptionsWindow::OnDpiChanged(int dpi, const RECT& suggested) {
  dpi_ = dpi;
  RefontChildren(hwnd_, kFontPoints, dpi_, font_);
  LayOutAndPlace(&suggested);
}

void AdvancedOptionsWindow::CheckOnly(AdvancedOptionsControl first, int count, std::optional<int> index) {
  for (int i = 0; i < count; ++i) {
    SendMessageW(GetDlgItem(hwnd_, IdOf(first) + i), BM_SETCHECK, index == i ? BST_CHECKED : BST_UNCHECKED, 0);
  }
}

std::optional<int> AdvancedOptionsWindow::CheckedIndex(AdvancedOptionsControl first, int count) const {
  for (int i = 0; i < count; ++i) {
    if (SendMessageW(GetDlgItem(hwnd_, IdOf(first) + i), BM_GETCHECK, 0, 0) == BST_CHECKED) return i;
  }
  return std::nullopt;
}

bool AdvancedOptionsWindow::Checked(AdvancedOptionsControl checkbox) const {
  return SendMessageW(Control(checkbox), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void AdvancedOptionsWindow::SetChecked(AdvancedOptionsControl checkbox, bool checked) {
  SendMessageW(Control(checkbox), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void AdvancedOptionsWindow::SetStatus(Section section, PreferenceStatus status) {
  status_[section] = status;
  const HWND label = Control(kSections[section].status);
  SetWindowTextGbk(label, LookOf(status).text);
  InvalidateRect(label, nullptr, TRUE);
}

void AdvancedOptionsWindow::OnColourPicked(uint32_t colour) {
  changed_ = true;
  SetStatus(kColourSection, PreferenceStatus::kPending);
  pending_ = ColourTextsOf(colour);
  SetWindowTextGbk(Control(AdvancedOptionsControl::kPendingColour), PendingColourLabel(pending_));
}

// A picked colour is stored by the apply timer, which reports whether that worked.
void AdvancedOptionsWindow::ApplyColour() {
  if (!changed_) {
    SetStatus(kColourSection, PreferenceStatus::kApplied);
    return;
  }
  if (SetTimer(hwnd_, kApplyTimer, kApplyDelay, nullptr) != 0) applyTimerPending_ = true;
}

void AdvancedOptionsWindow::RestoreDefaultColour() {
  SettingsStore& settings = program_.Settings();
  settings.SetConfig(keys::kColourKeyRed, kDefaultColourKeyTexts.red);
  settings.SetConfig(keys::kColourKeyGreen, kDefaultColourKeyTexts.green);
  settings.SetConfig(keys::kColourKeyBlue, kDefaultColourKeyTexts.blue);
  picker_.SetColour(ColorRefOf(kDefaultColourKeyTexts));
  pending_ = kDefaultColourKeyTexts;
  SetWindowTextGbk(Control(AdvancedOptionsControl::kCurrentColour), CurrentColourLabel(pending_));
  SetWindowTextGbk(Control(AdvancedOptionsControl::kPendingColour), PendingColourLabel(pending_));
  changed_ = true;
  ApplyColour();
}

void AdvancedOptionsWindow::OnApplyTimer() {
  KillTimer(hwnd_, kApplyTimer);
  applyTimerPending_ = false;
  SettingsStore& settings = program_.Settings();
  ProgramState& state = program_.State();
  bool written = settings.SetConfig(keys::kColourKeyRed, pending_.red);
  written = settings.SetConfig(keys::kColourKeyGreen, pending_.green) && written;
  written = settings.SetConfig(keys::kColourKeyBlue, pending_.blue) && written;
  SetStatus(kColourSection, StatusAfterWrite(written));
  // The key of picture and mixed mode; custom mode keeps its own, the colour of the overlay's background.
  if (state.displayMode == DisplayMode::kPicture || state.displayMode == DisplayMode::kMixed) {
    state.colourKey = {ParseLeadingInt(pending_.red), ParseLeadingInt(pending_.green), ParseLeadingInt(pending_.blue)};
  }
  SetWindowTextGbk(Control(AdvancedOptionsControl::kCurrentColour), CurrentColourLabel(pending_));
  const HWND main = main_.Hwnd();
  const bool locked = program_.ModeState().locked == LockedState::kLocked;
  const auto exStyle = static_cast<uint32_t>(GetWindowLongW(main, GWL_EXSTYLE));
  SetWindowLongW(main, GWL_EXSTYLE, static_cast<LONG>(ExStyleForColourKey(exStyle, locked)));
  const BYTE alpha = locked ? static_cast<BYTE>(main_.StrengthSliderPosition()) : 255;
  SetLayeredWindowAttributes(main, ColourKeyOf(state), alpha, LWA_COLORKEY | LWA_ALPHA);
  changed_ = false;
}

void AdvancedOptionsWindow::ApplyPlacement() {
  const std::optional<int> placement =
      CheckedIndex(AdvancedOptionsControl::kFirstPlacementRadio, kPicturePlacementCount);
  if (!placement) {
    SetStatus(kPlacementSection, PreferenceStatus::kApplied);
    return;
  }
  overlay_.SetPicturePlacement(static_cast<Placement>(*placement));
  const bool written = program_.Settings().SetConfigInt(keys::kPicturePlacement, *placement);
  SetStatus(kPlacementSection, StatusAfterWrite(written));
  // A locked overlay is locked again in place and redrawn with the new placement.
  program_.Modes().RelockRequested();
}

void AdvancedOptionsWindow::ApplyFontSize() {
  const std::optional<int> index =
      CheckedIndex(AdvancedOptionsControl::kFirstFontRadio, static_cast<int>(kListFontSizes.size()));
  if (!index) {
    SetStatus(kFontSection, PreferenceStatus::kApplied);
    return;
  }
  const int size = kListFontSizes[*index];
  list_.SetFontSize(size);
  SetStatus(kFontSection, StatusAfterWrite(program_.Settings().SetConfigInt(keys::kListFontSize, size)));
  program_.State().listFontSize = size;
  main_.LayOutStartScreen();
}

// An overlay that follows its window takes the new choice at once.
void AdvancedOptionsWindow::ApplyFollowing() {
  SettingsStore& settings = program_.Settings();
  bool written = settings.SetConfig(keys::kFollowWindow, Checked(AdvancedOptionsControl::kFollowMoveCheckbox) ? "1" : "0");
  written = settings.SetConfig(keys::kFollowClientArea,
                               Checked(AdvancedOptionsControl::kFollowClientCheckbox) ? "1" : "0") &&
            written;
  SetStatus(kFollowSection, StatusAfterWrite(written));
  program_.Modes().FollowingOptionsChanged();
}

void AdvancedOptionsWindow::OnCommand(int id, int notification, HWND control) {
  if (picker_.OnCommand(control, notification)) return;
  if (notification != BN_CLICKED) return;
  const int firstPlacement = IdOf(AdvancedOptionsControl::kFirstPlacementRadio);
  const int firstFont = IdOf(AdvancedOptionsControl::kFirstFontRadio);
  if (id >= firstPlacement && id < firstPlacement + kPicturePlacementCount) {
    CheckOnly(AdvancedOptionsControl::kFirstPlacementRadio, kPicturePlacementCount, id - firstPlacement);
    SetStatus(kPlacementSection, PreferenceStatus::kPending);
    return;
  }
  if (id >= firstFont && id < firstFont + static_cast<int>(kListFontSizes.size())) {
    CheckOnly(AdvancedOptionsControl::kFirstFontRadio, static_cast<int>(kListFontSizes.size()), id - firstFont);
    SetStatus(kFontSection, PreferenceStatus::kPending);
    return;
  }
  switch (static_cast<AdvancedOptionsControl>(id)) {
    case AdvancedOptionsControl::kColourApply:
      ApplyColour();
      break;
    case AdvancedOptionsControl::kColourDefaults:
      RestoreDefaultColour();
      break;
    case AdvancedOptionsControl::kPlacementApply:
      ApplyPlacement();
      break;
    case AdvancedOptionsControl::kPlacementDefaults:
      CheckOnly(AdvancedOptionsControl::kFirstPlacementRadio, kPicturePlacementCount, kDefaultPicturePlacement);
      ApplyPlacement();
      break;
    case AdvancedOptionsControl::kFontApply:
      ApplyFontSize();
      break;
    case AdvancedOptionsControl::kFollowMoveCheckbox:
    case AdvancedOptionsControl::kFollowClientCheckbox:
      SetStatus(kFollowSection, PreferenceStatus::kPending);
      break;
    case AdvancedOptionsControl::kFollowApply:
      ApplyFollowing();
      break;
    case AdvancedOptionsControl::kFollowDefaults:
      SetChecked(AdvancedOptionsControl::kFollowMoveCheckbox, true);
      SetChecked(AdvancedOptionsControl::kFollowClientCheckbox, false);
      ApplyFollowing();
      break;
    case AdvancedOptionsControl::kFontDefaults:
      CheckOnly(AdvancedOptionsControl::kFirstFontRadio, static_cast<int>(kListFontSizes.size()),
                FontSizeChoice(kDefaultListFontSize));
      ApplyFontSize();
      break;
    default:
      break;
  }
}

LRESULT AdvancedOptionsWindow::OnControlColour(HDC dc, HWND control) {
  SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
  for (int section = 0; section < kSectionCount; ++section) {
    if (control == Control(kSections[section].status)) {
      SetTextColor(dc, LookOf(status_[section]).colour);
    }
  }
  return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

LRESULT AdvancedOptionsWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
      return 0;
    case WM_DRAWITEM:
      if (picker_.OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return TRUE;
      return DefaultHandling(message, wParam, lParam);
    case WM_CTLCOLORSTATIC:
      return OnControlColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_TIMER:
      if (wParam == kApplyTimer) OnApplyTimer();
      return 0;
    case WM_DPICHANGED:
      OnDpiChanged(DpiFromMessage(wParam), *reinterpret_cast<const RECT*>(lParam));
      return 0;
    case WM_DESTROY:
      // A colour confirmed with "确定" is applied even when the window closes before the timer ran; one
      // that was only picked is dropped with the window.
      if (applyTimerPending_) OnApplyTimer();
      SetWindowOnTop(hwnd_, false);
      handOver_.GiveBack();
      return 0;
    default:
      return DefaultHandling(message, wParam, lParam);
  }
}

}  // namespace corvanta
