#include "shell/topmost.h"

#include <algorithm>

namespace corvanta {

bool IsWindowOnTop(HWND hwnd) { return (GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

void SetWindowOnTop(HWND hwnd, bool onTop) {
  SetWindowPos(hwnd, onTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

std::vector<HWND> TakeTopmostFrom(std::span<const HWND> windows) {
  std::vector<HWND> taken;
  for (HWND window : windows) {
    if (window == nullptr || !IsWindowOnTop(window)) continue;
    SetWindowOnTop(window, false);
    taken.push_back(window);
  }
  return taken;
}

void GiveTopmostBackTo(std::span<const HWND> windows, const std::vector<HWND>& taken) {
  for (HWND window : windows) {
    const bool wasTaken = std::find(taken.begin(), taken.end(), window) != taken.end();
    if (window != nullptr && wasTaken && !IsWindowOnTop(window)) SetWindowOnTop(window, true);
  }
}

}  // namespace corvanta
