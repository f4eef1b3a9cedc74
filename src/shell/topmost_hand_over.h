// A window that must appear above the overlay switches the main window's "^置顶^" and strong topmost
// off while it is open and back on when it closes, without writing Config/Top; given the program's
// other windows, it takes their always-on-top property too.
#pragma once

#include <windows.h>

#include <span>
#include <vector>

#include "shell/program_modes.h"
#include "shell/topmost.h"

namespace corvanta {

class TopmostHandOver {
 public:
  explicit TopmostHandOver(ProgramModes& modes) : modes_(modes) {}

  // Switches both off, and the always-on-top property of those peers that have it, remembering which
  // were on.
  void Take(std::span<const HWND> peers = {});
  // Switches back on what Take switched off and is still off; peers are the windows that exist now.
  void GiveBack(std::span<const HWND> peers = {});

  bool TookTopmost() const { return taken_.topmost; }
  bool TookStrongTopmost() const { return taken_.strongTopmost; }

 private:
  ProgramModes& modes_;
  TopmostTaken taken_;
  std::vector<HWND> peersTaken_;
};

}  // namespace corvanta
