// Waits on the UI thread that keep its windows alive on the screen without letting the program act on
// anything meanwhile. Only paint (and, for the first one, timer) messages are handled; messages sent from
// other threads wait until the wait is over, so no command (a tray menu, a hotkey) can run in the middle
// of the caller's work.
#pragma once

#include <windows.h>

#include <cstdint>

namespace corvanta {

// Waits until the object is signalled or the time is up, handling paint and timer messages; key and
// mouse input that arrives meanwhile, also posted, is dropped. Returns whether the object was signalled.
bool WaitServingPaintAndTimers(HANDLE object, uint32_t milliseconds);

// Handles paint messages only, for the given time: windows that were just uncovered repaint. Everything
// else stays in the queue.
void ServePaintFor(uint32_t milliseconds);

}  // namespace corvanta
