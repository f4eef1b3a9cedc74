// Follows the window an overlay was attached to: its place on the screen (which changes when its
// top-level window moves or resizes, not only when it does), whether it is minimised or hidden, and
// whether it still exists. The system's window events for that window and its top-level window bring
// the changes; a look every 100 ms stands in until an event shows that they arrive: the destruction of
// a hidden window the follower makes for that at the start, or the first event of the window. Each
// change goes to the mode owner.
#pragma once

#include <windows.h>

#include <optional>
#include <vector>

#include "shell/mode_view.h"

namespace corvanta {

class MainWindowSeam;
class Program;

// The rectangle that covers the window: its outer rectangle, or its client area. None when it is gone.
std::optional<Rect> FollowedPlace(HWND window, bool clientArea);

class WindowFollower {
 public:
  WindowFollower(Program& program, MainWindowSeam& main);
  ~WindowFollower();
  WindowFollower(const WindowFollower&) = delete;
  WindowFollower& operator=(const WindowFollower&) = delete;

  void Start(HWND window, bool clientArea);
  void Stop();
  bool Following() const { return window_ != nullptr; }
  // Whether the window events arrive (the 100 ms look has stopped).
  bool EventsArrive() const { return eventsArrive_; }

  // The main window's follow-check timer.
  void OnCheckTick();

  // The hidden window, already destroyed, whose destruction event tells whether events arrive; none once
  // that is known.
  HWND DeliveryProbe() const { return deliveryProbe_; }
  // The system's callback for the hooks.
  static void CALLBACK OnWinEvent(HWINEVENTHOOK hook, DWORD event, HWND hwnd, LONG object, LONG child,
                                  DWORD thread, DWORD time);

 private:
  void OnEvent(HWND hwnd);
  void OnEventsDelivered();
  // Hooks the followed events of the windows of that window's thread; false when the system would not.
  bool HookThreadOf(HWND window);
  void ProbeEventDelivery();
  AttachedWindow Now() const;
  void Report(bool always);
  void RemoveHooks();

  Program& program_;
  MainWindowSeam& main_;
  HWND window_ = nullptr;
  HWND topLevel_ = nullptr;
  HWND deliveryProbe_ = nullptr;
  bool clientArea_ = false;
  bool eventsArrive_ = false;
  AttachedWindow last_;
  std::vector<HWINEVENTHOOK> hooks_;
};

}  // namespace corvanta
