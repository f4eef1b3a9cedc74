// Keeping the program's own windows (the selection surface, the region window, the format windows) out
// of its screenshots. Where the system offers it (Windows 10 2004 and later) a window is left out of
// every screen copy; elsewhere it is hidden while the screen is copied, once the screen has shown what
// lies under it.
#pragma once

#include <windows.h>

#include <vector>

namespace corvanta {

// Asks the system to leave the window out of screen copies (SetWindowDisplayAffinity with
// WDA_EXCLUDEFROMCAPTURE); returns whether it does so now. Older systems would black the window out in
// the copies instead, so they are not asked.
bool ExcludeFromCapture(HWND window);
// Whether the system leaves the window out of screen copies.
bool IsExcludedFromCapture(HWND window);

// Waits until the screen no longer shows windows hidden a moment ago: the next composed frames when the
// desktop is composed (DwmFlush), otherwise a short time in which this thread's uncovered windows
// repaint. Only paint messages are handled meanwhile.
void WaitForScreenToSettle();

// For its life, those of the windows that are visible and not left out of screen copies are hidden,
// and the screen has settled without them; at its end they show again, without activation.
class OutOfScreenCopies {
 public:
  explicit OutOfScreenCopies(const std::vector<HWND>& windows);
  ~OutOfScreenCopies();
  OutOfScreenCopies(const OutOfScreenCopies&) = delete;
  OutOfScreenCopies& operator=(const OutOfScreenCopies&) = delete;

  const std::vector<HWND>& Hidden() const { return hidden_; }

 private:
  std::vector<HWND> hidden_;
};

}  // namespace corvanta
