// The dialogs the suite asks the user through: the open and save dialogs, the colour dialog and its
// message boxes. A test replaces them with its own answers.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace corvanta {

enum class PresetDialog { kOpen, kSave };

struct SuiteDialogs {
  // The chosen full path (GBK), or nothing when the user cancelled.
  std::function<std::optional<std::string>(HWND owner, PresetDialog dialog)> chooseFile;
  std::function<std::optional<COLORREF>(HWND owner, COLORREF initial)> chooseColour;
  std::function<void(std::string_view text, std::string_view caption)> showMessage;
};

// The platform's dialogs, starting in the program directory: GetOpenFileNameW / GetSaveFileNameW with
// the preset filters (default extension ".ini" when saving), ChooseColorW, and task-modal, topmost
// message boxes without an owner.
SuiteDialogs PlatformSuiteDialogs(std::string programDir);

}  // namespace corvanta
