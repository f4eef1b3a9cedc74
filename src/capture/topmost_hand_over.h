// A window that must appear above the overlay switches the main window's "^置顶^" and strong topmost
// off while it is open and back on when it closes, without writing Config/Top.
#pragma once

namespace corvanta {

class MainWindowSeam;

class TopmostHandOver {
 public:
  explicit TopmostHandOver(MainWindowSeam& main) : main_(main) {}

  // Switches both off, remembering which were on.
  void Take();
  // Switches back on what Take switched off and is still off.
  void GiveBack();

  bool TookTopmost() const { return topmostTaken_; }
  bool TookStrongTopmost() const { return strongTopmostTaken_; }

 private:
  MainWindowSeam& main_;
  bool topmostTaken_ = false;
  bool strongTopmostTaken_ = false;
};

}  // namespace corvanta
