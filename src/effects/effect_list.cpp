#include "effects/effect_list.h"

#include <commctrl.h>

#include "app/app.h"
#include "app/main_window.h"
#include "effects/delete_confirm_window.h"
#include "effects/effect_list_text.h"
#include "effects/preset.h"
#include "effects/preview_picture_window.h"
#include "platform/file_enum.h"
#include "settings/text.h"

namespace corvanta {

namespace {

constexpr UINT kListFillDelay = 30;
constexpr int kPopupOffset = 3;
// A preview source of this value or more asks the picture preview for the latest screenshot.
constexpr int32_t kScreenshotPreviewSource = 4;

}  // namespace

EffectList::EffectList(App& app) : app_(app) {}

EffectList::~EffectList() = default;

bool EffectList::Create(HWND parent, int controlId) {
  parent_ = parent;
  list_ = CreateWindowExA(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "",
                          WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS, 15,
                          120, 704, 216, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId)),
                          app_.Instance(), nullptr);
  if (list_ == nullptr) return false;
  ListView_SetExtendedListViewStyle(list_, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
  const char* titles[] = {"序号", "名称", "状态"};
  const int widths[] = {64, 494, 84};
  for (int i = 0; i < 3; ++i) {
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.pszText = const_cast<char*>(titles[i]);
    column.cx = widths[i];
    column.iSubItem = i;
    SendMessageA(list_, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&column));
  }
  return true;
}

void EffectList::SetFontSize(int pointSize) {
  HDC screen = GetDC(nullptr);
  const int height = -MulDiv(pointSize, GetDeviceCaps(screen, LOGPIXELSY), 72);
  ReleaseDC(nullptr, screen);
  font_.Reset(CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                          CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "微软雅黑"));
  SendMessageA(list_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), TRUE);
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

std::string EffectList::NameAt(int row) const {
  if (row < 0 || row >= RowCount()) return {};
  char buffer[1024] = {};
  ListView_GetItemText(list_, row, 1, buffer, sizeof(buffer));
  return buffer;
}

std::string EffectList::StatusAt(int row) const {
  if (row < 0 || row >= RowCount()) return {};
  char buffer[64] = {};
  ListView_GetItemText(list_, row, 2, buffer, sizeof(buffer));
  return buffer;
}

void EffectList::SelectAndReveal(int row) {
  ListView_SetItemState(list_, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
  if (row < 0 || row >= RowCount()) return;
  ListView_SetItemState(list_, row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  ListView_EnsureVisible(list_, row, FALSE);
}

void EffectList::RemoveAllRows() { ListView_DeleteAllItems(list_); }

void EffectList::AddRow(const std::string& name) {
  const int row = RowCount();
  std::string number = FormatInt(row);
  LVITEMA item{};
  item.mask = LVIF_TEXT;
  item.iItem = row;
  item.pszText = number.data();
  const int inserted = static_cast<int>(SendMessageA(list_, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
  if (inserted < 0) return;
  ListView_SetItemText(list_, inserted, 1, const_cast<char*>(name.c_str()));
  SetStatus(inserted, kStatusAvailable);
}

void EffectList::SetStatus(int row, const char* status) {
  ListView_SetItemText(list_, row, 2, const_cast<char*>(status));
}

void EffectList::AddFolderRows(const std::string& displayMode) {
  for (const std::string& name : ListEffectNames(app_.Settings().ProgramDir(), displayMode, &ListFiles)) AddRow(name);
}

void EffectList::SetMainCaption(int row) {
  const std::string caption = row < 0 ? MainCaptionFor(-1, "") : MainCaptionFor(row, NameAt(row));
  SetWindowTextA(parent_, caption.c_str());
}

int EffectList::MarkEnabled(int32_t enabledIndex) {
  const int row = RowOfEnabledIndex(enabledIndex, RowCount());
  SelectAndReveal(row);
  if (row >= 0) SetStatus(row, kStatusEnabled);
  SetMainCaption(row);
  return row;
}

void EffectList::Fill() {
  ProgramState& state = app_.State();
  SettingsStore& settings = app_.Settings();
  ShowWindow(list_, SW_HIDE);
  RemoveAllRows();
  const std::string mode = state.displayMode;
  if (TextEquals(mode, "D")) {
    state.enabled.mixed = settings.ConfigInt("Config", "GetD");
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
  ProgramState& state = app_.State();
  SettingsStore& settings = app_.Settings();
  ShowWindow(list_, SW_HIDE);

  RemoveAllRows();
  AddFolderRows("C");
  state.enabled.custom = settings.ConfigInt("Config", "GetC");
  WriteMixedPresetName(settings, NameAt(MarkEnabled(state.enabled.custom)));

  RemoveAllRows();
  AddFolderRows("P");
  state.enabled.picture = settings.ConfigInt("Config", "GetP");
  WriteMixedPictureName(settings, NameAt(MarkEnabled(state.enabled.picture)));

  app_.Main().StopTimer(MainTimer::kMixedPreparation);
  app_.Main().StartTimer(MainTimer::kListFill, kListFillDelay);
}

void EffectList::EnableSelected(bool byDoubleClick) {
  const int selected = SelectedIndex();
  const std::string status = StatusAt(selected);
  if (status.empty() || TextEquals(status, kStatusEnabled)) return;
  ProgramState& state = app_.State();
  const char* key = EnabledIndexKey(state.displayMode);
  int32_t* enabled = EnabledIndexSlot(state.enabled, state.displayMode);
  if (key == nullptr || enabled == nullptr) return;

  // Only one row carries the mark, whatever the remembered index says.
  for (int row = 0; row < RowCount(); ++row) {
    if (TextEquals(StatusAt(row), kStatusEnabled)) SetStatus(row, kStatusAvailable);
  }
  SetStatus(selected, kStatusEnabled);
  SetMainCaption(selected);
  SettingsStore& settings = app_.Settings();
  settings.SetConfigInt("Config", key, selected);
  *enabled = settings.ConfigInt("Config", key);

  if (!byDoubleClick) return;
  if (TextEquals(state.displayMode, "C")) {
    WriteMixedPresetName(settings, NameAt(selected));
    RefreshColouring(*enabled);
  } else if (TextEquals(state.displayMode, "P")) {
    WriteMixedPictureName(settings, NameAt(selected));
    RefreshColouring(*enabled);
  }
}

void EffectList::PreviewOrEditPreset() {
  ProgramState& state = app_.State();
  const std::string name = SelectedName();
  // Without a selected entry there is nothing to load: the suite opens with its own values.
  state.hasListRequest = !name.empty();
  state.listRequestName = name;
  state.listRequestPath = name.empty() ? "" : EffectFilePath(app_.Settings().ProgramDir(), state.displayMode, name);
  StartSuite();
}

void EffectList::StartSuite() { OpenSuite(); }

void EffectList::OpenSuite() {
  // The custom mode suite window is not part of the program yet. Opening it will grey
  // "<-=扫描区域截图=->", "#程序配色>", "#高级配置选项>" and "<#=自定义快捷键=#>" until it closes, and it
  // picks up the list request; until then nothing opens, so nothing is greyed either.
}

void EffectList::PreviewPicture() {
  ProgramState& state = app_.State();
  if (state.previewSource < kScreenshotPreviewSource) state.picturePreviewFlag = true;
  if (picturePreview_ && picturePreview_->IsOpen()) {
    picturePreview_->RestartTimer();
    return;
  }
  picturePreview_ = std::make_unique<PreviewPictureWindow>(app_, [this] { return SelectedName(); });
  picturePreview_->Open();
}

void EffectList::DeleteSelected() {
  const std::string name = SelectedName();
  if (name.empty()) return;
  const std::string path = EffectFilePath(app_.Settings().ProgramDir(), app_.State().displayMode, name);
  DeleteConfirmWindow confirm(app_.Instance(), path);
  if (confirm.RunModal(parent_)) DeleteConfirmed(path);
}

bool EffectList::DeleteConfirmed(const std::string& path) {
  const bool deleted = DeleteFileA(path.c_str()) != 0;
  app_.Main().StartTimer(MainTimer::kListFill, kListFillDelay);
  if (!deleted) {
    const std::string message = "无法删除文件：" + path;
    MessageBoxA(nullptr, message.c_str(), "信息：", MB_OK | MB_ICONWARNING | MB_TASKMODAL);
  }
  return deleted;
}

void EffectList::RefreshColouring(int enabledIndex) {
  // The custom drawing of the list (program colours) reads this index; until it exists the rows keep
  // the platform's look.
  colouredIndex_ = enabledIndex;
}

void EffectList::ShowPopupMenu() {
  POINT cursor{};
  GetCursorPos(&cursor);
  TrackPopupMenu(app_.Main().GetMenus().EffectListMenu(), TPM_RIGHTBUTTON, cursor.x + kPopupOffset,
                 cursor.y + kPopupOffset, 0, parent_, nullptr);
}

bool EffectList::OnNotify(const NMHDR& header, LRESULT& result) {
  switch (header.code) {
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
