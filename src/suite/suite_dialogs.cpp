#include "suite/suite_dialogs.h"

#include <commdlg.h>

#include <array>
#include <memory>

#include "platform/controls.h"
#include "platform/program_dir.h"
#include "platform/text_conv.h"
#include "suite/suite_text.h"

namespace corvanta {

namespace {

// "description\0pattern\0\0" as the dialogs want it.
std::wstring Filter(const char* description) {
  std::wstring filter = ToWide(description);
  filter.push_back(L'\0');
  filter += ToWide(kSuiteFilterPattern);
  filter.push_back(L'\0');
  return filter;  // c_str() adds the final terminator
}

std::optional<std::string> ChoosePresetFile(HWND owner, PresetDialog dialog, const std::string& programDir) {
  std::array<wchar_t, 4096> file{};  // cleared each time: the dialog opens without a name
  const std::wstring filter = Filter(dialog == PresetDialog::kOpen ? kSuiteOpenFilterName : kSuiteSaveFilterName);
  const std::wstring folder = WidePath(programDir);
  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof(ofn);
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = filter.c_str();
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = file.data();
  ofn.nMaxFile = static_cast<DWORD>(file.size());
  ofn.lpstrInitialDir = folder.c_str();
  ofn.Flags = OFN_NOCHANGEDIR | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_EXPLORER;
  BOOL chosen = FALSE;
  if (dialog == PresetDialog::kOpen) {
    ofn.Flags |= OFN_FILEMUSTEXIST;
    chosen = GetOpenFileNameW(&ofn);
  } else {
    ofn.lpstrDefExt = L"ini";
    chosen = GetSaveFileNameW(&ofn);
  }
  if (!chosen) return std::nullopt;
  // A name GBK cannot hold is known inside by an alias that leads back to the exact file.
  return PathText(file.data());
}

using CustomColours = std::array<COLORREF, 16>;

std::optional<COLORREF> ChooseColour(HWND owner, COLORREF initial, CustomColours& customColours) {
  CHOOSECOLORW cc{};
  cc.lStructSize = sizeof(cc);
  cc.hwndOwner = owner;
  cc.rgbResult = initial;
  cc.lpCustColors = customColours.data();
  cc.Flags = CC_RGBINIT | CC_FULLOPEN;
  if (!ChooseColorW(&cc)) return std::nullopt;
  return cc.rgbResult;
}

}  // namespace

SuiteDialogs PlatformSuiteDialogs(std::string programDir) {
  SuiteDialogs dialogs;
  dialogs.chooseFile = [programDir = std::move(programDir)](HWND owner, PresetDialog dialog) {
    return ChoosePresetFile(owner, dialog, programDir);
  };
  dialogs.chooseColour = [custom = std::make_shared<CustomColours>()](HWND owner, COLORREF initial) {
    return ChooseColour(owner, initial, *custom);
  };
  dialogs.showMessage = [](std::string_view text, std::string_view caption) {
    ShowMessageBox(nullptr, text, caption, MB_OK | MB_TOPMOST | MB_TASKMODAL);
  };
  return dialogs;
}

}  // namespace corvanta
