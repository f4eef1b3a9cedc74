// A window that must appear above the overlay switches the main window's "^置顶^" and strong topmost
// off while it is open and back on when it closes, without writing Config/Top; given the program's
// other windows, it takes their always-on-top property too.
#pragma once

#include <windows.h>

#include <span>
#include <vector>

#include "shell/topmost.h"

namespace corvanta {

class MainWindowSeam;

class TopmostHandOver {
 public:
  explicit TopmostHandOver(MainWindowSeam& main) : main_(main) {}

  // Switches both off, and the always-on-top property of those peers that have it, remembering which
  // were on.
  void Take(std::span<const HWND> peers = {});
  // Switches back on what Take switched off and is still off; peers are the windows that exist now.
  void GiveBack(std::span<const HWND> peers = {});

  bool TookTopmost() const { return topmostTaken_; }
  bool TookStrongTopmost() const { return strongTopmostTaken_; }

 private:
  MainWindowSeam& main_;
  bool topmostTaken_ = false;
  bool strongTopmostTaken_ = false;
  std::vector<HWND> peersTaken_;
};

}  // namespace corvanta
