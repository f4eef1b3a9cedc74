#include "effects/effect_list.h"

#include <commctrl.h>

#include "effects/delete_confirm_window.h"
#include "effects/effect_files.h"
#include "effects/effect_list_text.h"
#include "effects/preset.h"
#include "effects/preview_picture_window.h"
#include "overlay/draw_canvas.h"
#include "platform/controls.h"
#include "platform/dpi.h"
#include "platform/files.h"
#include "platform/text_conv.h"
#include "settings/text.h"
#include "shell/main_window_seam.h"
#include "shell/menus.h"
#include "shell/program.h"

namespace corvanta {

namespace {

constexpr UINT kListFillDelay = 30;
constexpr int kPopupOffset = 3;

}  // namespace

EffectList::EffectList(Program& program, MainWindowSeam& window, DrawCanvas& canvas, RowColouring& colouring)
    : program_(program), window_(window), canvas_(canvas), colouring_(colouring) {}

EffectList::~EffectList() = default;

bool EffectList::Create(HWND parent, int controlId) {
  parent_ = parent;
  list_ = CreateControl(parent, program_.Instance(),
                        ControlSetup{WC_LISTVIEWW, "", WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS,
                                    controlId, 15, 120, 704, 216, WS_EX_CLIENTEDGE});
  if (list_ == nullptr) return false;
  ListView_SetExtendedListViewStyle(list_, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
  const char* titles[] = {"序号", "名称", "状态"};
  const int widths[] = {64, 494, 84};
  for (int i = 0; i < 3; ++i) {
    std::wstring title = ToWide(titles[i]);
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.pszText = title.data();
    column.cx = DpiScale(widths[i], window_.Dpi());
    column.iSubItem = i;
    if (SendMessageW(list_, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column)) < 0) return false;
  }
  return true;
}

void EffectList::SetFontSize(int pointSize) {
  font_ = CreateUiFont(pointSize, window_.Dpi());
  SetControlFont(list_, font_.Get());
}

void EffectList::SetColumnWidths(const std::array<int, 3>& widths) {
  for (int i = 0; i < 3; ++i) ListView_SetColumnWidth(list_, i, widths[i]);
}

void EffectList::RevealSelection() {
  const int selected = SelectedIndex();
  if (selected >= 0) ListView_EnsureVisible(list_, selected, FALSE);
}

int EffectList::RowCount() const { return ListView_GetItemCount(list_); }

int EffectList::SelectedIndex() const { return ListView_GetNextItem(list_, -1, LVNI_SELECTED); }

std::string EffectList::CellText(int row, int column) const {
  if (row < 0 || row >= RowCount()) return {};
  wchar_t buffer[1024] = {};
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = buffer;
  item.cchTextMax = static_cast<int>(std::size(buffer));
  const LRESULT length = SendMessageW(list_, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
  return FromWide(std::wstring_view(buffer, static_cast<size_t>(length > 0 ? length : 0)));
}

std::string EffectList::NameAt(int row) const { return CellText(row, 1); }

std::string EffectList::StatusAt(int row) const { return CellText(row, 2); }

void EffectList::SelectAndReveal(int row) {
  ListView_SetItemState(list_, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
  if (row < 0 || row >= RowCount()) return;
  ListView_SetItemState(list_, row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  ListView_EnsureVisible(list_, row, FALSE);
}

void EffectList::RemoveAllRows() { ListView_DeleteAllItems(list_); }

namespace {

void SetCellText(HWND list, int row, int column, std::string_view text) {
  std::wstring wide = ToWide(text);
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = wide.data();
  SendMessageW(list, LVM_SETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
}

}  // namespace

void EffectList::AddRow(const std::string& name) {
  const int row = RowCount();
  std::wstring number = ToWide(FormatInt(row));
  LVITEMW item{};
  item.mask = LVIF_TEXT;
  item.iItem = row;
  item.pszText = number.data();
  const int inserted = static_cast<int>(SendMessageW(list_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
  if (inserted < 0) return;
  SetCellText(list_, inserted, 1, name);
  SetStatus(inserted, kStatusAvailable);
}

void EffectList::SetStatus(int row, const char* status) { SetCellText(list_, row, 2, status); }

void EffectList::AddFolderRows(DisplayMode displayMode) {
  for (const std::string& name : ListEffectNames(program_.Settings().ProgramDir(), displayMode, &ListFiles)) AddRow(name);
}

void EffectList::SetMainCaption(int row) {
  const std::string caption = row < 0 ? MainCaptionFor(-1, "") : MainCaptionFor(row, NameAt(row));
  SetWindowTextGbk(parent_, caption);
}

int EffectList::MarkEnabled(int32_t enabledIndex) {
  const int row = RowOfEnabledIndex(enabledIndex, RowCount());
  SelectAndReveal(row);
  if (row >= 0) SetStatus(row, kStatusEnabled);
  SetMainCaption(row);
  return row;
}

void EffectList::ChooseDisplayMode(DisplayMode mode) {
  ProgramState& state = program_.State();
  SettingsStore& settings = program_.Settings();
  if (mode == DisplayMode::kMixed) ShowWindow(list_, SW_HIDE);
  window_.ShowModeControls(mode);
  canvas_.Clear();
  if (mode == DisplayMode::kMixed) canvas_.RemovePicture();
  state.displayMode = mode;
  settings.SetConfig(keys::kDisplayMode, StoredDisplayMode(mode));
  int32_t* enabled = EnabledIndexSlot(state.enabled, mode);
  const SettingKey* enabledKey = EnabledIndexKey(mode);
  if (enabled == nullptr || enabledKey == nullptr) return;
  *enabled = settings.ConfigInt(*enabledKey);
  if (mode == DisplayMode::kCustom) {
    state.colourKey = kCustomModeColourKey;
  } else {
    state.colourKey = {settings.ConfigInt(keys::kColourKeyRed), settings.ConfigInt(keys::kColourKeyGreen),
                       settings.ConfigInt(keys::kColourKeyBlue)};
  }
  RefreshColouring(*enabled);
  window_.StartTimer(mode == DisplayMode::kMixed ? MainTimer::kMixedPreparation : MainTimer::kListFill, kListFillDelay);
}

void EffectList::Fill() {
  ProgramState& state = program_.State();
  SettingsStore& settings = program_.Settings();
  ShowWindow(list_, SW_HIDE);
  RemoveAllRows();
  const DisplayMode mode = state.displayMode;
  if (mode == DisplayMode::kMixed) {
    state.enabled.mixed = settings.ConfigInt(keys::kEnabledMixed);
    const MixedPair pair = ReadMixedPair(settings);
    state.mixedPresetName = pair.presetName;
    state.mixedPictureName = pair.pictureName;
    AddRow(MixedEntryName(pair.presetName, pair.pictureName));
  } else {
    AddFolderRows(mode);
  }
  if (const int32_t* enabled = EnabledIndexSlot(state.enabled, mode)) {
    MarkEnabled(*enabled);
    RefreshColouring(*enabled);
  }
  ShowWindow(list_, SW_SHOW);
  RevealSelection();
}

void EffectList::PrepareMixedMode() {
  ProgramState& state = program_.State();
  SettingsStore& settings = program_.Settings();
  ShowWindow(list_, SW_HIDE);

  RemoveAllRows();
  AddFolderRows(DisplayMode::kCustom);
  state.enabled.custom = settings.ConfigInt(keys::kEnabledCustom);
  WriteMixedPresetName(settings, NameAt(MarkEnabled(state.enabled.custom)));

  RemoveAllRows();
  AddFolderRows(DisplayMode::kPicture);
  state.enabled.picture = settings.ConfigInt(keys::kEnabledPicture);
  WriteMixedPictureName(settings, NameAt(MarkEnabled(state.enabled.picture)));

  window_.StopTimer(MainTimer::kMixedPreparation);
  window_.StartTimer(MainTimer::kListFill, kListFillDelay);
}

void EffectList::EnableSelected(bool byDoubleClick) {
  const int selected = SelectedIndex();
  const std::string status = StatusAt(selected);
  if (status.empty() || TextEquals(status, kStatusEnabled)) return;
  ProgramState& state = program_.State();
  const SettingKey* key = EnabledIndexKey(state.displayMode);
  int32_t* enabled = EnabledIndexSlot(state.enabled, state.displayMode);
  if (key == nullptr || enabled == nullptr) return;

  // Only one row carries the mark, whatever the remembered index says.
  for (int row = 0; row < RowCount(); ++row) {
    if (TextEquals(StatusAt(row), kStatusEnabled)) SetStatus(row, kStatusAvailable);
  }
  SetStatus(selected, kStatusEnabled);
  SetMainCaption(selected);
  SettingsStore& settings = program_.Settings();
  settings.SetConfigInt(*key, selected);
  *enabled = settings.ConfigInt(*key);

  if (!byDoubleClick) return;
  if (state.displayMode == DisplayMode::kCustom) {
    WriteMixedPresetName(settings, NameAt(selected));
    RefreshColouring(*enabled);
  } else if (state.displayMode == DisplayMode::kPicture) {
    WriteMixedPictureName(settings, NameAt(selected));
    RefreshColouring(*enabled);
  }
}

void EffectList::PreviewOrEditPreset() {
  ProgramState& state = program_.State();
  const std::string name = SelectedName();
  // Without a selected entry there is nothing to load: the suite opens with its own values.
  state.hasListRequest = !name.empty();
  state.listRequestName = name;
  state.listRequestPath = name.empty() ? "" : EffectFilePath(program_.Settings().ProgramDir(), state.displayMode, name);
  StartSuite();
}

void EffectList::StartSuite() { OpenSuite(); }

void EffectList::OpenSuite() { window_.OpenSuite(); }

void EffectList::PreviewPicture() {
  // Without a selected picture there is nothing to show.
  if (SelectedIndex() < 0) return;
  ShowPicturePreview();
}

void EffectList::ShowPicturePreview() {
  ProgramState& state = program_.State();
  if (state.previewSource != PreviewSource::kScreenshot) state.picturePreviewFlag = true;
  if (picturePreview_ && picturePreview_->IsOpen()) {
    picturePreview_->RestartTimer();
    return;
  }
  picturePreview_ = MakeWindow<PreviewPictureWindow>(program_, [this] { return SelectedName(); });
  picturePreview_->Open();
}

void EffectList::DeleteSelected() {
  const std::string name = SelectedName();
  if (name.empty()) return;
  const std::string path = EffectFilePath(program_.Settings().ProgramDir(), program_.State().displayMode, name);
  OwnedWindow<DeleteConfirmWindow> confirm(program_.Instance(), path);
  if (confirm.RunModal(parent_)) DeleteConfirmed(path);
}

bool EffectList::DeleteConfirmed(const std::string& path) {
  const bool deleted = DeleteFileAt(path);
  window_.StartTimer(MainTimer::kListFill, kListFillDelay);
  if (!deleted) ShowMessageBox(nullptr, "无法删除文件：" + path, "信息：", MB_OK | MB_ICONWARNING | MB_TASKMODAL);
  return deleted;
}

void EffectList::RefreshColouring(int enabledIndex) {
  colouring_.MarkEnabledRow(list_, enabledIndex);
  colouredIndex_ = enabledIndex;
}

void EffectList::ShowPopupMenu() {
  POINT cursor{};
  GetCursorPos(&cursor);
  TrackPopupMenu(window_.GetMenus().EffectListMenu(), TPM_RIGHTBUTTON, cursor.x + kPopupOffset,
                 cursor.y + kPopupOffset, 0, parent_, nullptr);
}

bool EffectList::OnNotify(NMHDR& header, LRESULT& result) {
  switch (header.code) {
    case NM_CUSTOMDRAW:
      return colouring_.OnCustomDraw(reinterpret_cast<NMLVCUSTOMDRAW&>(header), result);
    case NM_RCLICK:
      ShowPopupMenu();
      result = 0;
      return true;
    case NM_DBLCLK:
      EnableSelected(true);
      result = 0;
      return true;
    default:
      return false;
  }
}

}  // namespace corvanta
