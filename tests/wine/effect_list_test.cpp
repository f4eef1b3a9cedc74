// The effect list: fill, enable, mixed-mode preparation, popup menu, picture preview and deletion.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "effects/delete_confirm_window.h"
#include "effects/effect_list.h"
#include "platform/text_conv.h"
#include "effects/preview_picture_window.h"
#include "overlay/draw_canvas.h"
#include "platform/files.h"
#include "popup_watcher.h"
#include "test_pictures.h"
#include "test_program.h"

namespace corvanta {
namespace {

using testing::BmpFile;
using testing::PngFile;
using testing::PopupWatcher;
using testing::PumpUntil;
using testing::TestProgram;
using testing::WindowText;

constexpr const char* kEnabled = "已启用";
constexpr const char* kAvailable = "待选";

// ---- Files --------------------------------------------------------------------------------------

std::string ExecutableFolder() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder = path;
  return folder.substr(0, folder.find_last_of('\\'));
}

// ---- The program --------------------------------------------------------------------------------

struct Row {
  std::string number;
  std::string name;
  std::string status;
};

class EffectListTest : public ::testing::Test {
 protected:
  EffectListTest() {
    for (const char* folder : {"\\Effect", "\\Effect\\C", "\\Effect\\P", "\\Effect\\D", "\\Images"}) {
      program_.dir.MakeFolder(folder);
    }
  }

  // Files are created in the order given, so a listing in creation order would show it.
  void AddFiles(const char* folder, const std::vector<std::string>& names, const std::string& bytes = "") {
    for (const std::string& name : names) program_.dir.WriteFile(std::string(folder) + "\\" + name, bytes);
  }

  void Start(const std::string& mode, int getC, int getP, const std::string& extra = "") {
    program_.WriteConfig("[Config]\r\nFirst=1\r\nSetP=" + mode + "\r\nGetD=0\r\nGetC=" + std::to_string(getC) +
                         "\r\nGetP=" + std::to_string(getP) + "\r\nW=740\r\nH=514\r\nL=50\r\nT=50\r\nTC=12\r\n" +
                         extra);
    program_.Start();
    WaitForFill();
  }

  EffectList& List() { return program_.Main().List(); }
  ProgramState& State() { return program_.app->State(); }
  std::string Caption() { return WindowText(program_.Hwnd()); }
  std::string Path(const std::string& relative) { return program_.dir.PathOf(relative); }

  std::vector<Row> Rows() {
    std::vector<Row> rows;
    for (int i = 0; i < List().RowCount(); ++i) {
      char number[32] = {};
      ListView_GetItemText(List().Hwnd(), i, 0, number, sizeof(number));
      rows.push_back({number, List().NameAt(i), List().StatusAt(i)});
    }
    return rows;
  }
  std::vector<std::string> Names() {
    std::vector<std::string> names;
    for (const Row& row : Rows()) names.push_back(row.name);
    return names;
  }
  std::vector<int> EnabledRows() {
    std::vector<int> enabled;
    const auto rows = Rows();
    for (size_t i = 0; i < rows.size(); ++i)
      if (rows[i].status == kEnabled) enabled.push_back(static_cast<int>(i));
    return enabled;
  }

  // The fills run from one-shot timers: wait until no fill is pending and the list is shown again.
  void WaitForFill() {
    PumpUntil([this] { return !program_.StartupTimersPending() && IsWindowVisible(List().Hwnd()) != FALSE; });
  }

  void Command(MenuId id) { SendMessageA(program_.Hwnd(), WM_COMMAND, static_cast<WPARAM>(id), 0); }
  void Notify(UINT code) {
    NMITEMACTIVATE note{};
    note.hdr.hwndFrom = List().Hwnd();
    note.hdr.idFrom = static_cast<UINT_PTR>(ControlId::kEffectList);
    note.hdr.code = code;
    note.iItem = List().SelectedIndex();
    SendMessageW(program_.Hwnd(), WM_NOTIFY, static_cast<WPARAM>(ControlId::kEffectList), reinterpret_cast<LPARAM>(&note));
  }
  void DoubleClickRow(int row) {
    List().SelectAndReveal(row);
    Notify(NM_DBLCLK);
  }
  void ClickModeCheckbox(ControlId id) {
    SendMessageA(program_.Hwnd(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(program_.Main().Control(id)));
    WaitForFill();
  }
  std::string Config(const char* key) { return program_.Config("Config", key); }
  std::string PairValue(const char* section, const char* key) {
    return program_.app->Settings().Read(Path("\\Effect\\D\\N.ini"), section, key);
  }

  TestProgram program_;
};

TEST_F(EffectListTest, PresetsAppearInTheOrderTheFileSystemListsThem) {
  // Wine lists a folder sorted like NTFS, whatever the creation order: by the upper-cased name, so
  // "_" comes after the letters.
  AddFiles("\\Effect\\C", {"b.ini", "_u.ini", "C.ini", "a.ini", "B2.ini", "notes.txt"});
  program_.dir.MakeFolder("\\Effect\\C\\folder.ini");
  Start("C", 1, 0);
  const auto rows = Rows();
  ASSERT_EQ(rows.size(), 5u);
  const char* expected[] = {"a.ini", "b.ini", "B2.ini", "C.ini", "_u.ini"};
  for (size_t i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(rows[i].number, std::to_string(i));
    EXPECT_EQ(rows[i].name, expected[i]);
    EXPECT_EQ(rows[i].status, i == 1 ? kEnabled : kAvailable) << i;
  }
  EXPECT_EQ(List().SelectedIndex(), 1);
  EXPECT_EQ(Caption(), "Corvanta_1-b.ini");
  EXPECT_TRUE(IsWindowVisible(List().Hwnd()));
}

TEST_F(EffectListTest, PicturesListEveryPngBeforeEveryBmp) {
  AddFiles("\\Effect\\P", {"a.bmp", "z.png", "m.png", "b.BMP", "c.jpg"});
  AddFiles("\\Effect\\C", {"a.ini"});
  Start("C", 0, 2);
  ClickModeCheckbox(ControlId::kPictureModeCheckbox);
  EXPECT_EQ(Names(), (std::vector<std::string>{"m.png", "z.png", "a.bmp", "b.BMP"}));
  EXPECT_EQ(EnabledRows(), std::vector<int>{2});
  EXPECT_EQ(Caption(), "Corvanta_2-a.bmp");
  EXPECT_EQ(Rows()[3].number, "3");
}

TEST_F(EffectListTest, EnablingWritesOnlyTheIndexOfTheCurrentMode) {
  AddFiles("\\Effect\\C", {"p0.ini", "p1.ini", "p2.ini", "p3.ini", "p4.ini", "p5.ini", "p6.ini"});
  AddFiles("\\Effect\\P", {"q0.png", "q1.png"});
  Start("C", 1, 1);
  program_.app->Settings().Write(Path("\\Effect\\D\\N.ini"), "CN", "CNC", "before.ini");

  // Nothing selected: nothing happens.
  List().SelectAndReveal(-1);
  Command(MenuId::kEnableSelected);
  EXPECT_EQ(Config("GetC"), "1");

  // The menu item moves the mark and the caption, writes GetC and nothing else.
  List().SelectAndReveal(5);
  Command(MenuId::kEnableSelected);
  EXPECT_EQ(EnabledRows(), std::vector<int>{5});
  EXPECT_EQ(Caption(), "Corvanta_5-p5.ini");
  EXPECT_EQ(Config("GetC"), "5");
  EXPECT_EQ(State().enabled.custom, 5);
  EXPECT_EQ(Config("GetP"), "1");
  EXPECT_EQ(PairValue("CN", "CNC"), "before.ini");

  // A double-click also names the preset for mixed mode.
  DoubleClickRow(2);
  EXPECT_EQ(EnabledRows(), std::vector<int>{2});
  EXPECT_EQ(Config("GetC"), "2");
  EXPECT_EQ(PairValue("CN", "CNC"), "p2.ini");

  // A double-click on the enabled entry does nothing.
  program_.app->Settings().Write(Path("\\Effect\\D\\N.ini"), "CN", "CNC", "untouched.ini");
  DoubleClickRow(2);
  EXPECT_EQ(PairValue("CN", "CNC"), "untouched.ini");
  EXPECT_EQ(Config("GetC"), "2");

  // Picture mode keeps its own enabled entry; a double-click there names the picture.
  ClickModeCheckbox(ControlId::kPictureModeCheckbox);
  EXPECT_EQ(Names(), (std::vector<std::string>{"q0.png", "q1.png"}));
  EXPECT_EQ(EnabledRows(), std::vector<int>{1});
  DoubleClickRow(0);
  EXPECT_EQ(Config("GetP"), "0");
  EXPECT_EQ(Config("GetC"), "2");
  EXPECT_EQ(PairValue("PN", "PNP"), "q0.png");
  EXPECT_EQ(PairValue("CN", "CNC"), "untouched.ini");
}

TEST_F(EffectListTest, MixedModeRewritesThePairFromTheEnabledPresetAndPicture) {
  AddFiles("\\Effect\\C", {"a0.ini", "a1.ini", "a2.ini", "a3.ini"});
  AddFiles("\\Effect\\P", {"p1.bmp", "p0.png"});
  program_.dir.WriteFile("\\Effect\\D\\N.ini", "[CN]\r\nCNC=stale.ini\r\n[PN]\r\nPNP=stale.png\r\n");
  Start("D", 2, 0);
  EXPECT_EQ(PairValue("CN", "CNC"), "a2.ini");
  EXPECT_EQ(PairValue("PN", "PNP"), "p0.png");
  const auto rows = Rows();
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].number, "0");
  EXPECT_EQ(rows[0].name, "【a2.ini】+【p0.png】");
  EXPECT_EQ(rows[0].status, kEnabled);
  EXPECT_EQ(Caption(), "Corvanta_0-【a2.ini】+【p0.png】");
  EXPECT_EQ(State().mixedPresetName, "a2.ini");
  EXPECT_EQ(State().mixedPictureName, "p0.png");
  EXPECT_TRUE(IsWindowVisible(List().Hwnd()));

  // An index past its list names no file.
  program_.app->Settings().SetConfig("Config", "GetC", "9");
  ClickModeCheckbox(ControlId::kMixedModeCheckbox);
  EXPECT_EQ(PairValue("CN", "CNC"), "");
  EXPECT_EQ(Names(), std::vector<std::string>{"【】+【p0.png】"});
}

TEST_F(EffectListTest, AnIndexPastTheListOrAnEmptyFolderMarksNothing) {
  AddFiles("\\Effect\\C", {"0.ini", "1.ini", "2.ini", "3.ini", "4.ini", "5.ini", "6.ini", "7.ini", "8.ini", "9.ini"});
  Start("C", 23, 0);
  EXPECT_EQ(List().RowCount(), 10);
  EXPECT_TRUE(EnabledRows().empty());
  EXPECT_EQ(List().SelectedIndex(), -1);
  EXPECT_EQ(Caption(), "Corvanta_-1-");

  ClickModeCheckbox(ControlId::kPictureModeCheckbox);  // the picture folder is empty
  EXPECT_EQ(List().RowCount(), 0);
  EXPECT_EQ(Caption(), "Corvanta_-1-");
  EXPECT_TRUE(IsWindowVisible(List().Hwnd()));
}

TEST_F(EffectListTest, RightClickPopsUpTheEffectListMenu) {
  AddFiles("\\Effect\\C", {"a.ini"});
  Start("C", 0, 0);
  PopupWatcher watcher;
  Notify(NM_RCLICK);
  ASSERT_EQ(watcher.opened.size(), 1u);
  EXPECT_EQ(watcher.opened[0], program_.Main().GetMenus().EffectListMenu());
}

TEST_F(EffectListTest, PreviewOrEditOpensTheSuiteOnTheSelectedPresetAndGreysTheItemsItHolds) {
  // Empty presets load as line type 1 with no spacing: nothing dense for the preview to draw.
  AddFiles("\\Effect\\C", {"a.ini", "b.ini"});
  Start("C", 0, 0);
  Menus& menus = program_.Main().GetMenus();
  List().SelectAndReveal(1);
  Command(MenuId::kPreviewOrEditPreset);
  ASSERT_NE(program_.Main().Suite(), nullptr);
  EXPECT_FALSE(State().hasListRequest) << "the suite took the request";
  EXPECT_TRUE(State().suiteEditsListPreset);
  EXPECT_EQ(State().listRequestName, "b.ini");
  EXPECT_EQ(State().listRequestPath, Path("\\Effect\\C\\b.ini"));
  for (MenuId id : {MenuId::kScanRegionScreenshotMenu, MenuId::kProgramColours, MenuId::kAdvancedOptions,
                    MenuId::kCustomHotkeys}) {
    EXPECT_FALSE(menus.IsEnabled(id)) << static_cast<int>(id);
  }
  EXPECT_TRUE(menus.IsEnabled(MenuId::kTopmost));
  EXPECT_TRUE(menus.IsEnabled(MenuId::kExit));
}

// ---- Picture preview -----------------------------------------------------------------------------

class PicturePreviewTest : public EffectListTest {
 protected:
  PreviewPictureWindow* Preview() { return List().PicturePreview(); }
  bool WaitUntilShown() {
    return PumpUntil([this] { return Preview() != nullptr && Preview()->IsReady(); });
  }
  SIZE ClientSize() {
    RECT client{};
    GetClientRect(Preview()->Hwnd(), &client);
    return {client.right, client.bottom};
  }
};

TEST_F(PicturePreviewTest, ShowsTheSelectedPictureAtItsSizeButAtLeast520By340) {
  program_.dir.WriteFile("\\Effect\\P\\a.png", PngFile(640, 480, RGB(10, 200, 30)));
  program_.dir.WriteFile("\\Effect\\P\\small.bmp", BmpFile(100, 50, RGB(90, 60, 30)));
  Start("P", 0, 0);
  List().SelectAndReveal(0);
  Command(MenuId::kPreviewPicture);
  ASSERT_NE(Preview(), nullptr);
  HWND hwnd = Preview()->Hwnd();
  // Built hidden and off screen; laid out by its timer.
  EXPECT_FALSE(IsWindowVisible(hwnd));
  EXPECT_EQ(testing::WindowRect(hwnd).left, GetSystemMetrics(SM_CXSCREEN) + 100);
  EXPECT_EQ(testing::WindowRect(hwnd).top, GetSystemMetrics(SM_CYSCREEN) + 100);
  ASSERT_TRUE(WaitUntilShown());

  EXPECT_EQ(WindowText(hwnd), "a.png_640x480");
  EXPECT_EQ(ClientSize().cx, 640);
  EXPECT_EQ(ClientSize().cy, 480);
  EXPECT_EQ(testing::WindowRect(hwnd).left, 50);
  EXPECT_EQ(testing::WindowRect(hwnd).top, 50);
  EXPECT_TRUE(IsWindowVisible(hwnd));
  EXPECT_EQ(GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
  EXPECT_EQ(Preview()->Canvas().Width(), 640);
  EXPECT_EQ(Preview()->Canvas().PixelAt(639, 479), RGB(10, 200, 30));
  EXPECT_FALSE(State().picturePreviewFlag);
  EXPECT_EQ(State().previewSource, PreviewSource::kShown);

  // A second request reuses the open window.
  List().SelectAndReveal(1);
  Command(MenuId::kPreviewPicture);
  EXPECT_TRUE(PumpUntil([&] { return WindowText(hwnd) == "small.bmp_100x50"; }));
  EXPECT_EQ(Preview()->Hwnd(), hwnd);
  EXPECT_EQ(ClientSize().cx, 520);
  EXPECT_EQ(ClientSize().cy, 340);
  EXPECT_EQ(Preview()->Canvas().PixelAt(99, 49), RGB(90, 60, 30));

  // The user cannot make it smaller than 520 x 340; the canvas follows the client area.
  SetWindowPos(hwnd, nullptr, 0, 0, 200, 150, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_EQ(ClientSize().cx, 520);
  EXPECT_EQ(ClientSize().cy, 340);
  SetWindowPos(hwnd, nullptr, 0, 0, 900, 700, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_GT(ClientSize().cx, 520);
  EXPECT_EQ(Preview()->Canvas().Width(), ClientSize().cx);
  EXPECT_EQ(Preview()->Canvas().Height(), ClientSize().cy);

  // Closed by the user, it opens anew.
  SendMessageA(hwnd, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(hwnd));
  List().SelectAndReveal(0);
  Command(MenuId::kPreviewPicture);
  ASSERT_TRUE(WaitUntilShown());
  EXPECT_EQ(WindowText(Preview()->Hwnd()), "a.png_640x480");
}

TEST_F(PicturePreviewTest, WithNothingSelectedNothingOpens) {
  AddFiles("\\Effect\\P", {"a.png"});
  Start("P", 0, 0);
  List().SelectAndReveal(-1);
  Command(MenuId::kPreviewPicture);
  EXPECT_EQ(Preview(), nullptr);
  EXPECT_FALSE(State().picturePreviewFlag);
}

TEST_F(PicturePreviewTest, AScreenshotPreviewShowsTheLastShotWithItsPath) {
  program_.dir.WriteFile("\\Images\\shot.bmp", BmpFile(700, 400, RGB(1, 2, 3)));
  AddFiles("\\Effect\\P", {"a.png"});
  Start("P", 0, 0, "[Preview]\r\nPre=1\r\n");
  ASSERT_TRUE(program_.Main().GetMenus().IsChecked(MenuId::kAutoPreview));
  State().lastScreenshotName = "shot.bmp";
  State().previewSource = PreviewSource::kScreenshot;
  List().ShowPicturePreview();
  ASSERT_TRUE(WaitUntilShown());
  HWND hwnd = Preview()->Hwnd();
  EXPECT_EQ(WindowText(hwnd), Path("\\Images\\shot.bmp"));
  EXPECT_EQ(ClientSize().cx, 700);
  EXPECT_EQ(ClientSize().cy, 400);
  EXPECT_EQ(Preview()->Canvas().PixelAt(0, 0), RGB(1, 2, 3));
  EXPECT_EQ(State().previewSource, PreviewSource::kShown);
}

// ---- Deletion ------------------------------------------------------------------------------------

// Answers the modal windows of a deletion from a thread timer, which their message loops dispatch:
// presses a button of the confirmation and closes any message box, recording what both showed.
class ModalAnswerer {
 public:
  explicit ModalAnswerer(int confirmButton) : confirmButton_(confirmButton) {
    self_ = this;
    timer_ = SetTimer(nullptr, 0, 20, &ModalAnswerer::Tick);
  }
  ~ModalAnswerer() {
    KillTimer(nullptr, timer_);
    self_ = nullptr;
  }
  ModalAnswerer(const ModalAnswerer&) = delete;
  ModalAnswerer& operator=(const ModalAnswerer&) = delete;

  int confirmations = 0;
  std::string confirmLabel;
  bool ownerDisabled = false;
  int messageBoxes = 0;
  std::string messageText;

 private:
  static BOOL CALLBACK CollectStaticText(HWND child, LPARAM text) {
    char className[32] = {};
    GetClassNameA(child, className, sizeof(className));
    if (lstrcmpiA(className, "Static") == 0) *reinterpret_cast<std::string*>(text) += testing::WindowText(child);
    return TRUE;
  }
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    ModalAnswerer* self = self_;
    if (self == nullptr) return;
    HWND confirm = FindWindowW(DeleteConfirmWindow::kClassName, ToWide(DeleteConfirmWindow::kCaption).c_str());
    if (confirm != nullptr && IsWindowVisible(confirm) && GetPropA(confirm, "answered") == nullptr) {
      SetPropA(confirm, "answered", confirm);
      ++self->confirmations;
      self->confirmLabel = testing::WindowText(GetDlgItem(confirm, DeleteConfirmWindow::kPathLabelId));
      HWND owner = GetWindow(confirm, GW_OWNER);
      self->ownerDisabled = owner != nullptr && !IsWindowEnabled(owner);
      PostMessageA(GetDlgItem(confirm, self->confirmButton_), BM_CLICK, 0, 0);
    }
    HWND box = FindWindowW(L"#32770", ToWide("信息：").c_str());
    if (box != nullptr && IsWindowVisible(box)) {
      ++self->messageBoxes;
      self->messageText.clear();
      EnumChildWindows(box, &ModalAnswerer::CollectStaticText, reinterpret_cast<LPARAM>(&self->messageText));
      PostMessageA(box, WM_COMMAND, IDOK, 0);
    }
  }

  static inline ModalAnswerer* self_ = nullptr;
  int confirmButton_;
  UINT_PTR timer_ = 0;
};

TEST_F(EffectListTest, DeletingTheEnabledFileMarksTheFileThatFollowed) {
  AddFiles("\\Effect\\C", {"a.ini", "b.ini", "c.ini"});
  Start("C", 1, 0);
  const std::string target = Path("\\Effect\\C\\b.ini");

  // "取消" keeps the file.
  List().SelectAndReveal(1);
  {
    ModalAnswerer answerer(IDCANCEL);
    Command(MenuId::kDeleteSelected);
    EXPECT_EQ(answerer.confirmations, 1);
    EXPECT_EQ(answerer.confirmLabel, target);
    EXPECT_TRUE(answerer.ownerDisabled);
  }
  EXPECT_TRUE(FileExists(target));
  EXPECT_TRUE(IsWindowEnabled(program_.Hwnd()));

  // "确定" deletes it; the refill marks the entry now at the enabled index.
  {
    ModalAnswerer answerer(IDOK);
    Command(MenuId::kDeleteSelected);
    EXPECT_EQ(answerer.confirmations, 1);
    EXPECT_EQ(answerer.messageBoxes, 0);
  }
  EXPECT_FALSE(FileExists(target));
  EXPECT_TRUE(PumpUntil([this] { return List().RowCount() == 2; }));
  WaitForFill();
  EXPECT_EQ(Names(), (std::vector<std::string>{"a.ini", "c.ini"}));
  EXPECT_EQ(EnabledRows(), std::vector<int>{1});
  EXPECT_EQ(Caption(), "Corvanta_1-c.ini");
  EXPECT_EQ(Config("GetC"), "1");

  // Nothing selected: nothing to confirm.
  List().SelectAndReveal(-1);
  ModalAnswerer answerer(IDOK);
  Command(MenuId::kDeleteSelected);  // runs at once: nothing to confirm, nothing deleted
  EXPECT_EQ(answerer.confirmations, 0);
}

TEST_F(EffectListTest, AFileThePlatformRefusesToDeleteIsReportedAndListedAgain) {
  AddFiles("\\Effect\\C", {"a.ini", "b.ini"});
  Start("C", 0, 0);
  const std::string target = Path("\\Effect\\C\\b.ini");
  // Held open without delete sharing, the file cannot be deleted.
  HANDLE held = CreateFileA(target.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  List().SelectAndReveal(1);
  {
    ModalAnswerer answerer(IDOK);
    Command(MenuId::kDeleteSelected);
    EXPECT_EQ(answerer.confirmations, 1);
    EXPECT_EQ(answerer.messageBoxes, 1);
    EXPECT_EQ(answerer.messageText, "无法删除文件：" + target);
  }
  CloseHandle(held);
  EXPECT_TRUE(FileExists(target));
  WaitForFill();
  EXPECT_EQ(Names(), (std::vector<std::string>{"a.ini", "b.ini"}));
  EXPECT_EQ(EnabledRows(), std::vector<int>{0});
}

// ---- The starter library --------------------------------------------------------------------------

TEST_F(EffectListTest, AFreshStartWithTheStarterLibraryEnablesItsDefaults) {
  const std::string source = ExecutableFolder() + "\\Effect";
  size_t copied = 0;
  for (const char* folder : {"\\C", "\\P"}) {
    for (const std::string& name : ListFiles(source + folder + "\\*")) {
      const std::string from = source + folder + "\\" + name;
      const std::string to = Path(std::string("\\Effect") + folder + "\\" + name);
      copied += CopyFileA(from.c_str(), to.c_str(), FALSE) != 0;
    }
  }
  ASSERT_GT(copied, 24u) << "the starter library beside the test program";
  program_.Start();  // no Config folder: a first start
  WaitForFill();
  EXPECT_EQ(EnabledRows(), std::vector<int>{23});
  EXPECT_EQ(List().SelectedIndex(), 23);
  EXPECT_EQ(Caption(), "Corvanta_23-" + List().NameAt(23));
  // Scrolled so that the enabled entry shows.
  const int top = ListView_GetTopIndex(List().Hwnd());
  EXPECT_LE(top, 23);
  EXPECT_GT(top + ListView_GetCountPerPage(List().Hwnd()), 23);

  ClickModeCheckbox(ControlId::kPictureModeCheckbox);
  EXPECT_EQ(EnabledRows(), std::vector<int>{3});
  EXPECT_EQ(List().SelectedIndex(), 3);
  EXPECT_EQ(Caption(), "Corvanta_3-" + List().NameAt(3));
}

}  // namespace
}  // namespace corvanta
