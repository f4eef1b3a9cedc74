// The suite's real file dialogs, driven from a timer of the test's thread while they run: filter, start
// folder, default extension, cancel, and the process's current folder left alone.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "platform/text_conv.h"
#include "suite/suite_dialogs.h"
#include "suite/suite_text.h"
#include "test_program.h"

namespace corvanta {
namespace {

constexpr int kFileNameEdit = 0x480;   // edt1
constexpr int kFileNameCombo = 0x47c;  // cmb13
constexpr int kFileTypeCombo = 0x470;  // cmb1
constexpr int kGiveUpTicks = 100;      // 10 s: whatever box is up is cancelled

// What the timer does with the dialog it finds; one dialog at a time on this thread.
struct DialogDriver {
  std::wstring typedName;  // empty: cancel
  std::wstring fileType;   // the first entry of the file type list, as the dialog shows it
  bool sawDialog = false;
  int ticks = 0;
};
DialogDriver* driver = nullptr;

BOOL CALLBACK FindDialog(HWND hwnd, LPARAM lParam) {
  wchar_t className[16] = {};
  GetClassNameW(hwnd, className, 16);
  if (std::wstring(className) != L"#32770" || !IsWindowVisible(hwnd)) return TRUE;
  *reinterpret_cast<HWND*>(lParam) = hwnd;
  return FALSE;
}

void CALLBACK DriveDialog(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND dialog = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FindDialog, reinterpret_cast<LPARAM>(&dialog));
  if (dialog == nullptr) return;
  if (++driver->ticks > kGiveUpTicks) {
    PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    return;
  }
  HWND types = GetDlgItem(dialog, kFileTypeCombo);
  if (types == nullptr || SendMessageW(types, CB_GETCOUNT, 0, 0) < 1) return;  // not ready yet
  wchar_t type[256] = {};
  SendMessageW(types, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(type));
  driver->fileType = type;
  driver->sawDialog = true;
  KillTimer(nullptr, timer);
  if (driver->typedName.empty()) {
    PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    return;
  }
  SetDlgItemTextW(dialog, kFileNameEdit, driver->typedName.c_str());
  SetDlgItemTextW(dialog, kFileNameCombo, driver->typedName.c_str());
  PostMessageW(dialog, WM_COMMAND, IDOK, 0);
}

class SuiteDialogsTest : public ::testing::Test {
 protected:
  std::optional<std::string> Run(PresetDialog dialog, const std::wstring& typedName) {
    driver_.typedName = typedName;
    driver = &driver_;
    SetTimer(nullptr, 0, 100, DriveDialog);
    const std::optional<std::string> chosen =
        PlatformSuiteDialogs(program_.dir.Path()).chooseFile(nullptr, dialog);
    driver = nullptr;
    return chosen;
  }
  std::wstring CurrentFolder() {
    wchar_t folder[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, folder);
    return folder;
  }

  testing::TestProgram program_;
  DialogDriver driver_;
};

TEST_F(SuiteDialogsTest, CancelledDialogsChooseNothing) {
  const std::wstring folder = CurrentFolder();
  EXPECT_EQ(Run(PresetDialog::kOpen, L""), std::nullopt);
  EXPECT_TRUE(driver_.sawDialog);
  EXPECT_EQ(driver_.fileType, ToWide(kSuiteOpenFilterName));
  EXPECT_EQ(Run(PresetDialog::kSave, L""), std::nullopt);
  EXPECT_EQ(driver_.fileType, ToWide(kSuiteSaveFilterName));
  EXPECT_EQ(CurrentFolder(), folder);
}

TEST_F(SuiteDialogsTest, SaveDialogStartsInTheProgramFolderAndAddsTheExtension) {
  const std::wstring folder = CurrentFolder();
  const std::optional<std::string> chosen = Run(PresetDialog::kSave, L"fresh");
  ASSERT_TRUE(driver_.sawDialog);
  ASSERT_TRUE(chosen.has_value());
  EXPECT_EQ(*chosen, program_.dir.Path() + "\\fresh.ini");
  EXPECT_EQ(CurrentFolder(), folder) << "the dialog leaves the current folder alone";
}

}  // namespace
}  // namespace corvanta
