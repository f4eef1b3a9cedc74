#include "prefs/colour_scheme_window.h"

#include <commctrl.h>

#include <vector>

#include "effects/effect_list.h"
#include "platform/controls.h"
#include "platform/dpi.h"
#include "prefs/list_colouring.h"
#include "prefs/preference_values.h"
#include "prefs/prefs_layout.h"
#include "settings/setting_keys.h"
#include "shell/colour.h"
#include "shell/main_window_seam.h"
#include "shell/program.h"
#include "shell/topmost.h"

namespace corvanta {

namespace {

constexpr const char* kCaption = "程序配色";
constexpr const char* kPreviewStatus = "待确认...";
constexpr const char* kSavedStatus = "已保存颜色配置";
constexpr const char* kDefaultsStatus = "已恢复默认颜色";
constexpr const char* kSaveFailedStatus = "保存配置失败！";
// The red in which the preference windows report a change.
constexpr COLORREF kSaveFailedColour = ToColorRef({255, 66, 66});
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr int kFontPoints = 9;

int IdOf(ColourSchemeControl id) { return static_cast<int>(id); }

void Place(HWND control, const Rect& r) { MoveWindow(control, r.left, r.top, r.width, r.height, TRUE); }

}  // namespace

ColourSchemeWindow::ColourSchemeWindow(Program& program, MainWindowSeam& main, EffectList& list,
                                       ProgramColourRows& rows)
    : program_(program), main_(main), list_(list), rows_(rows), handOver_(program.Modes()) {}

ColourSchemeWindow::~ColourSchemeWindow() = default;

bool ColourSchemeWindow::Open() {
  if (hwnd_ != nullptr) return true;
  if (!CreateToolWindow(WS_EX_TOPMOST, program_.Instance(), kClassName, kCaption, kStyle, 390, 210)) return false;
  random_.seed(static_cast<std::mt19937::result_type>(GetTickCount64()));
  dpi_ = WindowDpi(hwnd_);
  font_ = CreateUiFont(kFontPoints, dpi_);
  if (!CreateControls()) {
    DestroyWindow(hwnd_);
    return false;
  }
  ProgramColours stored{};
  for (int i = 0; i < kProgramColourCount; ++i) {
    stored[i] = static_cast<uint32_t>(program_.Settings().ConfigInt(keys::kColourSection, keys::ProgramColourKey(i)));
  }
  ShowColours(stored);
  handOver_.Take();
  LayOutAndPlace();
  ShowWindow(hwnd_, SW_SHOWNORMAL);
  return true;
}

bool ColourSchemeWindow::CreateControls() {
  const HINSTANCE instance = program_.Instance();
  ControlBatch controls(hwnd_, instance, font_.Get());
  for (int n = 1; n <= kColourPickerCount; ++n) {
    controls.Add(WC_STATICW, kPickerLabels[n - 1], SS_LEFT | SS_CENTERIMAGE, IdOf(ColourSchemeControl::kFirstLabel) + n - 1);
  }
  controls.Add(WC_BUTTONW, "默认", WS_TABSTOP | BS_PUSHBUTTON, IdOf(ColourSchemeControl::kDefaultsButton));
  controls.Add(WC_STATICW, "", SS_CENTER | SS_CENTERIMAGE, IdOf(ColourSchemeControl::kStatus));
  controls.Add(WC_BUTTONW, "随机", WS_TABSTOP | BS_PUSHBUTTON, IdOf(ColourSchemeControl::kRandomButton));
  controls.Add(WC_BUTTONW, "确定", WS_TABSTOP | BS_PUSHBUTTON, IdOf(ColourSchemeControl::kApplyButton));
  if (!controls.AllCreated()) return false;
  for (int n = 1; n <= kColourPickerCount; ++n) {
    if (!Picker(n).Create(hwnd_, instance, IdOf(ColourSchemeControl::kFirstPicker) + n - 1,
                          [this, n](uint32_t) { OnPicked(n); })) {
      return false;
    }
  }
  return true;
}

void ColourSchemeWindow::LayOutAndPlace(const RECT* suggested) {
  const ColourSchemeLayout layout = LayOutColourScheme(dpi_, FrameWidth(hwnd_));
  for (int n = 1; n <= kColourPickerCount; ++n) {
    Place(GetDlgItem(hwnd_, IdOf(ColourSchemeControl::kFirstLabel) + n - 1), layout.labels[n - 1]);
    Place(Picker(n).Hwnd(), layout.pickers[n - 1]);
  }
  Place(Control(ColourSchemeControl::kDefaultsButton), layout.defaultsButton);
  Place(Control(ColourSchemeControl::kStatus), layout.status);
  Place(Control(ColourSchemeControl::kRandomButton), layout.randomButton);
  Place(Control(ColourSchemeControl::kApplyButton), layout.applyButton);
  const WindowOrigin origin = ColourSchemeOrigin(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
  SizeWindowAt(hwnd_, origin.left, origin.top, layout.windowWidth, layout.windowHeight, suggested);
}

// Moved to a display with another scaling: the same layout and font at the new DPI, where the system
// suggests.
void ColourSchemeWindow::OnDpiChanged(int dpi, const RECT& suggested) {
  dpi_ = dpi;
  RefontChildren(hwnd_, kFontPoints, dpi_, font_);
  LayOutAndPlace(&suggested);
}

ProgramColours ColourSchemeWindow::PickerColours() const {
  ProgramColours colours{};
  for (int i = 0; i < kProgramColourCount; ++i)
    colours[i] = pickers_[static_cast<size_t>(kPickerOfColour[i] - 1)].Colour();
  return colours;
}

void ColourSchemeWindow::ShowColours(const ProgramColours& colours) {
  for (int i = 0; i < kProgramColourCount; ++i) Picker(kPickerOfColour[i]).SetColour(colours[i]);
}

void ColourSchemeWindow::SetStatus(const char* text, bool saveFailed) {
  saveFailed_ = saveFailed;
  const HWND label = Control(ColourSchemeControl::kStatus);
  SetWindowTextGbk(label, text);
  InvalidateRect(label, nullptr, TRUE);
}

void ColourSchemeWindow::PreviewOnList(const ProgramColours& colours) {
  const SettingKey* enabledKey = EnabledIndexKey(program_.State().displayMode);
  if (enabledKey == nullptr) return;  // no display mode: no enabled row to mark
  rows_.Preview(list_.Hwnd(), program_.Settings().ConfigInt(*enabledKey), ListColoursFrom(colours));
}

void ColourSchemeWindow::OnPicked(int pickerNumber) {
  if (pickerNumber != kRegionLinePicker) PreviewOnList(PickerColours());
  SetStatus(kPreviewStatus);
}

void ColourSchemeWindow::DrawRandomColours() {
  std::uniform_int_distribution<int32_t> component(0, 255);
  for (int i = 0; i < kProgramColourCount; ++i) {
    const int32_t red = component(random_);
    const int32_t green = component(random_);
    const int32_t blue = component(random_);
    Picker(kPickerOfColour[i]).SetColour(ToColorRef({red, green, blue}));
  }
  OnPicked(kPickerOfColour[0]);
}

void ColourSchemeWindow::ReloadProgramColours() {
  ProgramColours& colours = program_.State().programColours;
  for (int i = 0; i < kProgramColourCount; ++i) {
    colours[i] = static_cast<uint32_t>(program_.Settings().ConfigInt(keys::kColourSection, keys::ProgramColourKey(i)));
  }
}

void ColourSchemeWindow::SaveColours(const ProgramColours& colours, const char* status) {
  SettingsStore& settings = program_.Settings();
  bool written = true;
  for (int i = 0; i < kProgramColourCount; ++i) {
    written = settings.SetConfigInt(keys::kColourSection, keys::ProgramColourKey(i), colours[i]) && written;
  }
  ShowColours(colours);
  PreviewOnList(colours);
  ReloadProgramColours();
  if (written) {
    SetStatus(status);
  } else {
    SetStatus(kSaveFailedStatus, true);
  }
}

void ColourSchemeWindow::OnCommand(int id, int notification, HWND control) {
  for (ColourPicker& picker : pickers_) {
    if (picker.OnCommand(control, notification)) return;
  }
  if (notification != BN_CLICKED) return;
  switch (static_cast<ColourSchemeControl>(id)) {
    case ColourSchemeControl::kRandomButton:
      DrawRandomColours();
      break;
    case ColourSchemeControl::kApplyButton:
      SaveColours(PickerColours(), kSavedStatus);
      break;
    case ColourSchemeControl::kDefaultsButton:
      SaveColours(kDefaultProgramColours, kDefaultsStatus);
      break;
    default:
      break;
  }
}

LRESULT ColourSchemeWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
      return 0;
    case WM_DRAWITEM: {
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      for (ColourPicker& picker : pickers_) {
        if (picker.OnDrawItem(item)) return TRUE;
      }
      return DefaultHandling(message, wParam, lParam);
    }
    case WM_CTLCOLORSTATIC: {
      const LRESULT brush = DefaultHandling(message, wParam, lParam);
      if (saveFailed_ && reinterpret_cast<HWND>(lParam) == Control(ColourSchemeControl::kStatus)) {
        SetTextColor(reinterpret_cast<HDC>(wParam), kSaveFailedColour);
      }
      return brush;
    }
    case WM_DPICHANGED:
      OnDpiChanged(DpiFromMessage(wParam), *reinterpret_cast<const RECT*>(lParam));
      return 0;
    case WM_DESTROY:
      SetWindowOnTop(hwnd_, false);
      handOver_.GiveBack();
      return 0;
    default:
      return DefaultHandling(message, wParam, lParam);
  }
}

}  // namespace corvanta
