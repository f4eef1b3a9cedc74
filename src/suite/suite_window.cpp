#include "suite/suite_window.h"

#include <commctrl.h>

#include "effects/preset.h"
#include "overlay/draw_canvas.h"
#include "overlay/render.h"
#include "shell/main_window_seam.h"
#include "shell/menus.h"
#include "shell/program.h"
#include "platform/controls.h"
#include "platform/dpi.h"
#include "platform/files.h"
#include "suite/folder_reader.h"
#include "platform/text_conv.h"
#include "settings/paths.h"
#include "suite/backdrop_window.h"
#include "suite/debug_area_window.h"
#include "suite/suite_layout.h"
#include "suite/suite_text.h"

namespace corvanta {

namespace {

constexpr DWORD kSuiteStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr UINT_PTR kSettleTimer = 1;  // one-shot, 100 ms after opening: the positions once more
constexpr UINT kSettleDelay = 100;
constexpr int kFontPoints = 9;

constexpr size_t Index(SuiteSlider slider) { return static_cast<size_t>(slider); }

int ControlIdOf(SuiteControl base, SuiteSlider slider) {
  return static_cast<int>(base) + static_cast<int>(slider);
}

ControlSetup ControlAt(const wchar_t* className, std::string_view text, DWORD style, int id, const Rect& r) {
  return ControlSetup{className, text, style, id, r.left, r.top, r.width, r.height};
}

ControlSetup ControlAt(const wchar_t* className, std::string_view text, DWORD style, SuiteControl id,
                   const Rect& r) {
  return ControlAt(className, text, style, static_cast<int>(id), r);
}

bool IsColourSlider(SuiteSlider slider) {
  return slider == SuiteSlider::kRed || slider == SuiteSlider::kGreen || slider == SuiteSlider::kBlue;
}

}  // namespace

SuiteWindow::SuiteWindow(Program& program, MainWindowSeam& main)
    : program_(program),
      main_(main),
      dialogs_(PlatformSuiteDialogs(program.Settings().ProgramDir())),
      handOver_(program.Modes()) {}

SuiteWindow::~SuiteWindow() = default;

bool SuiteWindow::Open() {
  if (IsOpen()) return true;
  SetTrayItemsEnabled(false);
  if (!RegisterToolClass(program_.Instance(), kClassName) ||
      !CreateOwnWindow(0, kClassName, kSuiteUnsavedCaption, kSuiteStyle, CW_USEDEFAULT, CW_USEDEFAULT, 100, 100,
                       nullptr, program_.Instance())) {
    SetTrayItemsEnabled(true);
    return false;
  }
  SetMenu(hwnd_, BuildMenuBar());
  if (!CreateControls()) {
    DestroyWindow(hwnd_);
    return false;
  }
  RunOpeningSequence();
  SetTimer(hwnd_, kSettleTimer, kSettleDelay, nullptr);
  ShowWindow(hwnd_, SW_SHOW);
  return true;
}

HMENU SuiteWindow::BuildMenuBar() {
  HMENU start = CreatePopupMenu();
  auto item = [](HMENU menu, SuiteControl id, const char* text) {
    AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(id), ToWide(text).c_str());
  };
  item(start, SuiteControl::kMenuOpen, "打开ini");
  AppendMenuW(start, MF_SEPARATOR, 0, nullptr);
  item(start, SuiteControl::kMenuSave, "储存当前ini");
  item(start, SuiteControl::kMenuSaveAs, "储存为新的ini");
  AppendMenuW(start, MF_SEPARATOR, 0, nullptr);
  item(start, SuiteControl::kMenuClose, "关闭工具");
  HMENU help = CreatePopupMenu();
  item(help, SuiteControl::kMenuButtonHelp, "菜单按钮说明");
  AppendMenuW(help, MF_SEPARATOR, 0, nullptr);
  item(help, SuiteControl::kMenuSettingsHelp, "配置项说明");
  HMENU bar = CreateMenu();
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(start), ToWide("开始").c_str());
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(help), ToWide("帮助").c_str());
  return bar;
}

namespace {

// Every control of the suite with its place in the layout.
std::vector<ControlSetup> SuiteControlSetups(const SuiteLayout& layout) {
  constexpr DWORD kButton = WS_TABSTOP | BS_PUSHBUTTON;
  constexpr DWORD kLabel = SS_LEFT | SS_NOPREFIX;
  constexpr DWORD kPicker = WS_TABSTOP | BS_OWNERDRAW;
  std::vector<ControlSetup> controls = {
      ControlAt(WC_BUTTONW, "打开", kButton, SuiteControl::kOpenButton, layout.openButton),
      ControlAt(WC_BUTTONW, "关闭", kButton, SuiteControl::kCloseButton, layout.closeButton),
      ControlAt(WC_STATICW, "线条色：", kLabel, SuiteControl::kLineColourLabel, layout.lineColourLabel),
      ControlAt(WC_BUTTONW, "", kPicker, SuiteControl::kLineColourPicker, layout.lineColourPicker),
      ControlAt(WC_STATICW, "背景色：", kLabel, SuiteControl::kBackgroundLabel, layout.backgroundLabel),
      ControlAt(WC_BUTTONW, "", kPicker, SuiteControl::kBackgroundPicker, layout.backgroundPicker),
      ControlAt(WC_STATICW, BackdropLabel(0), kLabel, SuiteControl::kBackdropLabel, layout.backdropLabel),
      ControlAt(WC_COMBOBOXW, "", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, SuiteControl::kBackdropChooser,
             layout.backdropChooser),
      ControlAt(WC_BUTTONW, "随机", kButton, SuiteControl::kRandomButton, layout.randomButton),
      ControlAt(WC_BUTTONW, kSuiteTransparentCheckbox, WS_TABSTOP | BS_AUTOCHECKBOX, SuiteControl::kTransparentCheckbox,
             layout.transparentCheckbox),
      ControlAt(WC_BUTTONW, "保存", kButton, SuiteControl::kSaveButton, layout.saveButton),
      ControlAt(WC_BUTTONW, "另存", kButton, SuiteControl::kSaveAsButton, layout.saveAsButton),
  };
  for (const SliderDefinition& slider : SuiteSliders()) {
    const SliderRow& row = layout.rows[Index(slider.slider)];
    controls.push_back(ControlAt(WC_STATICW, slider.label, kLabel, ControlIdOf(SuiteControl::kRowLabelBase, slider.slider),
                           row.label));
    controls.push_back(ControlAt(TRACKBAR_CLASSW, "", WS_TABSTOP | TBS_HORZ | TBS_NOTICKS | TBS_ENABLESELRANGE,
                           ControlIdOf(SuiteControl::kSliderBase, slider.slider), row.slider));
    controls.push_back(
        ControlAt(WC_STATICW, "", kLabel, ControlIdOf(SuiteControl::kValueBase, slider.slider), row.value));
  }
  return controls;
}

}  // namespace

bool SuiteWindow::CreateControls() {
  const int dpi = SystemDpi();
  const SuiteLayout layout = ComputeSuiteLayout(dpi);
  font_ = CreateUiFont(kFontPoints, dpi);
  for (const ControlSetup& setup : SuiteControlSetups(layout)) {
    HWND control = CreateControl(hwnd_, program_.Instance(), setup);
    if (control == nullptr) return false;
    SetControlFont(control, font_.Get());
  }
  for (const SliderDefinition& slider : SuiteSliders()) {
    SendMessageW(SliderControl(slider.slider), TBM_SETRANGE, FALSE, MAKELPARAM(slider.minimum, slider.maximum));
  }
  HWND chooser = Control(SuiteControl::kBackdropChooser);
  SendMessageW(chooser, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(ToWide(kSuiteNoBackdropItem).c_str()));
  SendMessageW(chooser, CB_SETCURSEL, 0, 0);
  SizeToLayout(layout);
  return true;
}

void SuiteWindow::SizeToLayout(const SuiteLayout& layout) {
  RECT frame{0, 0, layout.clientWidth, layout.clientHeight};
  AdjustWindowRectEx(&frame, kSuiteStyle, TRUE, 0);
  SetWindowPos(hwnd_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  // A menu bar that wraps takes more height than AdjustWindowRectEx knows of: grow to the client size.
  RECT client{};
  GetClientRect(hwnd_, &client);
  if (client.bottom < layout.clientHeight) {
    RECT window{};
    GetWindowRect(hwnd_, &window);
    SetWindowPos(hwnd_, nullptr, 0, 0, window.right - window.left,
                 window.bottom - window.top + layout.clientHeight - client.bottom,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

// Moved to a display with another scaling: the same layout and font at the new DPI, at the place the
// system suggests. The debug area keeps its physical size, as the overlay does.
void SuiteWindow::OnDpiChanged(int dpi, const RECT& suggested) {
  const SuiteLayout layout = ComputeSuiteLayout(dpi);
  ScopedFont font = CreateUiFont(kFontPoints, dpi);
  for (const ControlSetup& setup : SuiteControlSetups(layout)) {
    HWND control = GetDlgItem(hwnd_, setup.id);
    MoveWindow(control, setup.x, setup.y, setup.width, setup.height, TRUE);
    SetControlFont(control, font.Get());
  }
  font_ = std::move(font);  // the old font goes once no control uses it
  SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  SizeToLayout(layout);
}

HWND SuiteWindow::SliderControl(SuiteSlider slider) const {
  return GetDlgItem(hwnd_, ControlIdOf(SuiteControl::kSliderBase, slider));
}

HWND SuiteWindow::ValueLabel(SuiteSlider slider) const {
  return GetDlgItem(hwnd_, ControlIdOf(SuiteControl::kValueBase, slider));
}

void SuiteWindow::RunOpeningSequence() {
  SettingsStore& settings = program_.Settings();
  backdropLimit_ = BackdropLimit(settings.Config(keys::kBackdropLimit));
  program_.Modes().HideRequested();  // does nothing when it is hidden already
  backgroundColour_ = kSuiteBackdropColour;
  random_.seed(static_cast<uint32_t>(GetTickCount64()));
  currentFile_.clear();
  openedFile_.clear();

  WriteSliders(OpeningPositions());
  SetCaption(kSuiteUnsavedCaption);
  ProgramState& state = program_.State();
  if (state.hasListRequest) {
    LoadListRequest();
  } else {
    state.suiteEditsListPreset = false;
  }
  handOver_.Take(main_.PreferenceWindows());
  WalkBackdropFolder();
  debugArea_ = MakeWindow<DebugAreaWindow>(program_, *this);
  if (!debugArea_->Create(Position(SuiteSlider::kStrength))) debugArea_.reset();
  PlaceWindows();
}

void SuiteWindow::LoadListRequest() {
  ProgramState& state = program_.State();
  SetFileCaption(SuiteFileCaption(""), state.listRequestName);
  const Preset preset = ReadPresetForEditing(program_.Settings(), state.listRequestPath);
  WriteSliders(PositionsWithPreset(positions_, preset));
  SetBackgroundTransparent(false);
  state.hasListRequest = false;
  state.suiteEditsListPreset = true;
}

void SuiteWindow::SetTrayItemsEnabled(bool enabled) {
  // The tray items that wait for the suite follow whether it is open.
  if (enabled) {
    program_.Modes().SuiteClosed();
  } else {
    program_.Modes().SuiteOpened();
  }
}

void SuiteWindow::WalkBackdropFolder() {
  backdrops_ = WalkBackdrops(Win32FolderReader(), program_.Settings().PathOf(paths::kBackdropFolder), backdropLimit_);
  HWND chooser = Control(SuiteControl::kBackdropChooser);
  for (const Backdrop& backdrop : backdrops_) {
    SendMessageW(chooser, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(ToWide(backdrop.name).c_str()));
  }
  const int items = static_cast<int>(SendMessageW(chooser, CB_GETCOUNT, 0, 0));
  randomItem_ = PickBackdropItem(items, random_());
  SelectBackdropItem(randomItem_);
}

void SuiteWindow::SelectBackdropItem(int item) {
  SendMessageW(Control(SuiteControl::kBackdropChooser), CB_SETCURSEL, static_cast<WPARAM>(item), 0);
}

int SuiteWindow::ChooserSelection() const {
  const LRESULT selection = SendMessageW(Control(SuiteControl::kBackdropChooser), CB_GETCURSEL, 0, 0);
  return selection == CB_ERR ? 0 : static_cast<int>(selection);
}

void SuiteWindow::PlaceWindows() {
  RECT window{};
  GetWindowRect(hwnd_, &window);
  const int width = window.right - window.left;
  const int height = window.bottom - window.top;
  int debugHeight = 0;
  if (debugArea_) {
    RECT debug{};
    GetWindowRect(debugArea_->Hwnd(), &debug);
    debugHeight = debug.bottom - debug.top;
  }
  const Rect place =
      SuitePlace(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), width, height, debugHeight);
  SetWindowPos(hwnd_, nullptr, place.left, place.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// ---- Values --------------------------------------------------------------------------------------

void SuiteWindow::WriteSliders(const SliderPositions& positions) {
  for (const SliderDefinition& definition : SuiteSliders()) {
    SendMessageW(SliderControl(definition.slider), TBM_SETPOS, TRUE, positions[Index(definition.slider)]);
  }
  positions_ = Positions();  // read back: the sliders clamp
  ShowPositions();
}

SliderPositions SuiteWindow::Positions() const {
  SliderPositions positions{};
  for (const SliderDefinition& definition : SuiteSliders()) positions[Index(definition.slider)] = Position(definition.slider);
  return positions;
}

int SuiteWindow::Position(SuiteSlider slider) const {
  return static_cast<int>(SendMessageW(SliderControl(slider), TBM_GETPOS, 0, 0));
}

void SuiteWindow::ShowPositions() {
  for (const SliderDefinition& definition : SuiteSliders()) ShowValue(definition.slider);
  lineColour_ = ToColorRef({positions_[Index(SuiteSlider::kRed)], positions_[Index(SuiteSlider::kGreen)],
                          positions_[Index(SuiteSlider::kBlue)]});
  InvalidateRect(Control(SuiteControl::kLineColourPicker), nullptr, TRUE);
}

void SuiteWindow::ShowValue(SuiteSlider slider) {
  const int32_t position = positions_[Index(slider)];
  SetWindowTextGbk(ValueLabel(slider), std::to_string(position));
  // The selection band runs from 0 to the thumb.
  SendMessageW(SliderControl(slider), TBM_SETSEL, TRUE, MAKELPARAM(0, position));
}

void SuiteWindow::OnSliderScrolled(HWND control) {
  for (const SliderDefinition& definition : SuiteSliders()) {
    if (SliderControl(definition.slider) != control) continue;
    positions_[Index(definition.slider)] = Position(definition.slider);
    ShowValue(definition.slider);
    if (definition.slider == SuiteSlider::kStrength) {
      if (debugArea_) debugArea_->ApplyStrength(positions_[Index(definition.slider)]);
      return;
    }
    if (IsColourSlider(definition.slider)) ShowPositions();
    if (debugArea_) debugArea_->StartPreviewRedraw();
    return;
  }
}

void SuiteWindow::SetLineColour(COLORREF colour) {
  const Colour c = ColourOf(colour);
  SliderPositions positions = positions_;
  positions[Index(SuiteSlider::kRed)] = c.red;
  positions[Index(SuiteSlider::kGreen)] = c.green;
  positions[Index(SuiteSlider::kBlue)] = c.blue;
  WriteSliders(positions);
  if (debugArea_) debugArea_->StartPreviewRedraw();
}

void SuiteWindow::SetBackgroundColour(COLORREF colour) {
  backgroundColour_ = colour;
  InvalidateRect(Control(SuiteControl::kBackgroundPicker), nullptr, TRUE);
  if (debugArea_) debugArea_->Backdrop().SetColour(colour);
}

void SuiteWindow::SetBackgroundTransparent(bool transparent) {
  SendMessageW(Control(SuiteControl::kTransparentCheckbox), BM_SETCHECK, transparent ? BST_CHECKED : BST_UNCHECKED,
               0);
  if (debugArea_) debugArea_->SetBackgroundTransparent(transparent);
}

// ---- Backdrop ------------------------------------------------------------------------------------

void SuiteWindow::ChooseRandomBackdrop() {
  const int items = static_cast<int>(SendMessageW(Control(SuiteControl::kBackdropChooser), CB_GETCOUNT, 0, 0));
  SelectBackdropItem(PickBackdropItem(items, random_()));
  OnBackdropChosen();
}

void SuiteWindow::OnBackdropChosen() {
  userChoseBackdrop_ = true;
  if (debugArea_) debugArea_->Backdrop().StartShowTimer();
}

void SuiteWindow::ShowChosenBackdrop(BackdropWindow& backdrop) {
  const int item = userChoseBackdrop_ ? ChooserSelection() : randomItem_;
  HWND label = Control(SuiteControl::kBackdropLabel);
  if (item <= 0 || static_cast<size_t>(item) > backdrops_.size()) {
    backdrop.RemovePicture();
    SetWindowTextGbk(label, BackdropLabel(0));
    return;
  }
  backdrop.SetPicture(ReadWholeFile(backdrops_[static_cast<size_t>(item) - 1].path));
  SetWindowTextGbk(label, BackdropLabel(ChooserSelection()));
}

// ---- Files ---------------------------------------------------------------------------------------

void SuiteWindow::OpenPreset() {
  const std::optional<std::string> chosen = dialogs_.chooseFile(hwnd_, PresetDialog::kOpen);
  if (!chosen) return;
  SetFileCaption(SuiteFileCaption(""), *chosen);
  const Preset stored = ReadPreset(program_.Settings(), *chosen);
  if (debugArea_) {
    DrawCanvas& canvas = debugArea_->Canvas();
    SetScanlinePen(canvas, ScanlinesOf(stored));
    canvas.Clear();
  }
  WriteSliders(PositionsWithPreset(positions_, stored));
  openedFile_ = *chosen;
  if (debugArea_) debugArea_->StartFileRedraw();
  SetBackgroundTransparent(false);
  currentFile_ = *chosen;
  program_.State().suiteEditsListPreset = false;
}

void SuiteWindow::Save() {
  ProgramState& state = program_.State();
  const Preset preset = PresetFromPositions(positions_);
  if (state.suiteEditsListPreset) {
    Report(WritePreset(program_.Settings(), state.listRequestPath, preset));
    return;
  }
  if (!currentFile_.empty()) {
    const bool saved = WritePreset(program_.Settings(), currentFile_, preset);
    if (saved) SetFileCaption(SuiteFileCaption(""), currentFile_);
    Report(saved);
    return;
  }
  const std::optional<std::string> chosen = dialogs_.chooseFile(hwnd_, PresetDialog::kSave);
  if (!chosen) return;
  const bool saved = WritePreset(program_.Settings(), *chosen, preset);
  if (saved) {
    currentFile_ = *chosen;
    SetFileCaption(SuiteFileCaption(""), currentFile_);
  }
  Report(saved);
}

void SuiteWindow::SaveAs() {
  const std::optional<std::string> chosen = dialogs_.chooseFile(hwnd_, PresetDialog::kSave);
  if (!chosen) return;
  const bool saved = WritePreset(program_.Settings(), *chosen, PresetFromPositions(positions_));
  if (saved) {
    currentFile_ = *chosen;
    SetFileCaption(SuiteSaveAsCaption(""), currentFile_);
    program_.State().suiteEditsListPreset = false;
  }
  Report(saved);
}

void SuiteWindow::Report(bool saved) {
  dialogs_.showMessage(saved ? kSuiteSavedMessage : kSuiteSaveFailedMessage, kSuiteMessageCaption);
}

void SuiteWindow::ShowHelp(bool settings) {
  const HelpMessage help = settings ? SettingsHelpMessage() : MenuHelpMessage();
  dialogs_.showMessage(help.text, help.caption);
}

void SuiteWindow::SetCaption(const std::string& caption) { SetWindowTextGbk(hwnd_, caption); }

// The file by its exact name: one that GBK cannot hold shows as the user chose it, not by its alias.
void SuiteWindow::SetFileCaption(const std::string& prefix, const std::string& file) {
  SetWindowTextW(hwnd_, (ToWide(prefix) + WidePath(file)).c_str());
}

void SuiteWindow::Close() {
  SetTrayItemsEnabled(true);
  debugArea_.reset();
  if (hwnd_ != nullptr) DestroyWindow(hwnd_);
}

void SuiteWindow::OnDestroy() {
  KillTimer(hwnd_, kSettleTimer);
  // Whatever destroyed the window, the program comes back as it was.
  SetTrayItemsEnabled(true);
  debugArea_.reset();
  program_.Modes().ShowRequested();
  handOver_.GiveBack(main_.PreferenceWindows());
}

// ---- Messages ------------------------------------------------------------------------------------

void SuiteWindow::PickColour(SuiteControl picker) {
  const bool line = picker == SuiteControl::kLineColourPicker;
  const std::optional<COLORREF> colour = dialogs_.chooseColour(hwnd_, line ? lineColour_ : backgroundColour_);
  if (!colour) return;
  if (line) {
    SetLineColour(*colour);
  } else {
    SetBackgroundColour(*colour);
  }
}

void SuiteWindow::DrawPicker(const DRAWITEMSTRUCT& item) {
  const bool line = item.CtlID == static_cast<UINT>(SuiteControl::kLineColourPicker);
  ScopedBrush brush(CreateSolidBrush(line ? lineColour_ : backgroundColour_));
  RECT r = item.rcItem;
  DrawEdge(item.hDC, &r, (item.itemState & ODS_SELECTED) != 0 ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_ADJUST);
  FillRect(item.hDC, &r, brush.Get());
}

void SuiteWindow::OnCommand(int id, int notification) {
  switch (static_cast<SuiteControl>(id)) {
    case SuiteControl::kOpenButton:
    case SuiteControl::kMenuOpen:
      OpenPreset();
      break;
    case SuiteControl::kSaveButton:
    case SuiteControl::kMenuSave:
      Save();
      break;
    case SuiteControl::kSaveAsButton:
    case SuiteControl::kMenuSaveAs:
      SaveAs();
      break;
    case SuiteControl::kCloseButton:
    case SuiteControl::kMenuClose:
      Close();
      break;
    case SuiteControl::kMenuButtonHelp:
      ShowHelp(false);
      break;
    case SuiteControl::kMenuSettingsHelp:
      ShowHelp(true);
      break;
    case SuiteControl::kRandomButton:
      ChooseRandomBackdrop();
      break;
    case SuiteControl::kLineColourPicker:
    case SuiteControl::kBackgroundPicker:
      if (notification == BN_CLICKED) PickColour(static_cast<SuiteControl>(id));
      break;
    case SuiteControl::kBackdropChooser:
      if (notification == CBN_SELCHANGE) OnBackdropChosen();
      break;
    case SuiteControl::kTransparentCheckbox:
      if (notification == BN_CLICKED) {
        SetBackgroundTransparent(SendMessageW(Control(SuiteControl::kTransparentCheckbox), BM_GETCHECK, 0, 0) ==
                                 BST_CHECKED);
      }
      break;
    default:
      break;
  }
}

LRESULT SuiteWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_HSCROLL:
      if (lParam != 0) OnSliderScrolled(reinterpret_cast<HWND>(lParam));
      return 0;
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_DRAWITEM:
      DrawPicker(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      return TRUE;
    case WM_TIMER:
      if (wParam == kSettleTimer) {
        KillTimer(hwnd_, kSettleTimer);
        positions_ = Positions();
        ShowPositions();
      }
      return 0;
    case WM_DPICHANGED:
      OnDpiChanged(DpiFromMessage(wParam), *reinterpret_cast<const RECT*>(lParam));
      return 0;
    case WM_DESTROY:
      OnDestroy();
      return 0;
    default:
      break;
  }
  return DefaultHandling(message, wParam, lParam);
}

}  // namespace corvanta
