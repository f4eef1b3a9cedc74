// What every window of the running program shares: the module instance, the settings store over the
// program directory, the program's state and the main window through its seam. The composition root
// (App) makes it and hands it to the windows it creates; a test makes a fresh one over a temporary
// program directory.
#pragma once

#include <windows.h>

#include "settings/settings_store.h"
#include "shell/program_modes.h"
#include "shell/program_state.h"

namespace corvanta {

class MainWindowSeam;

class Program {
 public:
  Program(HINSTANCE instance, SettingsStore& settings) : instance_(instance), settings_(settings), modes_(settings) {}
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  HINSTANCE Instance() const { return instance_; }
  SettingsStore& Settings() { return settings_; }
  const SettingsStore& Settings() const { return settings_; }
  ProgramState& State() { return state_; }
  const ProgramState& State() const { return state_; }
  // The owner of the modes: its transitions are the only way to change them; View() reads them.
  ProgramModes& Modes() { return modes_; }
  const ModeView& ModeState() const { return modes_.View(); }
  // The main window; it exists from the start of its creation until the program ends.
  MainWindowSeam& Main() { return *main_; }
  bool HasMainWindow() const { return main_ != nullptr; }

 protected:
  ~Program() = default;
  void SetMain(MainWindowSeam* main) { main_ = main; }

 private:
  HINSTANCE instance_;
  SettingsStore& settings_;
  ProgramState state_;
  ProgramModes modes_;
  MainWindowSeam* main_ = nullptr;
};

}  // namespace corvanta
