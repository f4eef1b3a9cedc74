#include "region/window_follower.h"

#include "shell/main_window_seam.h"
#include "shell/program.h"
#include "shell/win_rect.h"

namespace corvanta {

namespace {

constexpr UINT kCheckInterval = 100;
// Out of context: the events come to this thread's message loop, whatever process the window is in.
constexpr DWORD kHookFlags = WINEVENT_OUTOFCONTEXT;

// The one follower whose hooks are set; window events carry no context of their own.
WindowFollower* activeFollower = nullptr;

}  // namespace

std::optional<Rect> FollowedPlace(HWND window, bool clientArea) {
  if (window == nullptr || !IsWindow(window)) return std::nullopt;
  if (!clientArea) return WindowRectOf(window);
  RECT client{};
  if (!GetClientRect(window, &client)) return std::nullopt;
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  return Rect{origin.x, origin.y, client.right, client.bottom};
}

WindowFollower::WindowFollower(Program& program, MainWindowSeam& main) : program_(program), main_(main) {}

WindowFollower::~WindowFollower() { RemoveHooks(); }

void WindowFollower::Start(HWND window, bool clientArea) {
  Stop();
  if (window == nullptr || !IsWindow(window)) return;
  window_ = window;
  topLevel_ = GetAncestor(window, GA_ROOT);
  clientArea_ = clientArea;
  eventsArrive_ = false;
  DWORD process = 0;
  const DWORD thread = GetWindowThreadProcessId(window, &process);
  activeFollower = this;
  hooks_[0] = SetWinEventHook(EVENT_SYSTEM_MINIMIZESTART, EVENT_SYSTEM_MINIMIZEEND, nullptr, &OnWinEvent, process,
                              thread, kHookFlags);
  hooks_[1] =
      SetWinEventHook(EVENT_OBJECT_DESTROY, EVENT_OBJECT_HIDE, nullptr, &OnWinEvent, process, thread, kHookFlags);
  hooks_[2] = SetWinEventHook(EVENT_OBJECT_LOCATIONCHANGE, EVENT_OBJECT_LOCATIONCHANGE, nullptr, &OnWinEvent,
                              process, thread, kHookFlags);
  last_ = Now();
  Report(true);
  main_.StartTimer(MainTimer::kFollowCheck, kCheckInterval);
  ProbeEventDelivery();
}

// A window that nothing moves sends no event, so its own events cannot tell whether they would arrive.
// Where the system delivers window events (not under Wine, which raises few of them), the destruction of
// a hidden window of ours comes back at the next message retrieval; then the look stops at once, and
// nothing runs while nothing moves.
void WindowFollower::ProbeEventDelivery() {
  hooks_[3] = SetWinEventHook(EVENT_OBJECT_DESTROY, EVENT_OBJECT_DESTROY, nullptr, &OnWinEvent, GetCurrentProcessId(),
                              GetCurrentThreadId(), kHookFlags);
  if (hooks_[3] == nullptr) return;
  deliveryProbe_ = CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                   program_.Instance(), nullptr);
  if (deliveryProbe_ != nullptr) DestroyWindow(deliveryProbe_);
}

void WindowFollower::Stop() {
  RemoveHooks();
  main_.StopTimer(MainTimer::kFollowCheck);
  window_ = topLevel_ = deliveryProbe_ = nullptr;
}

void WindowFollower::RemoveHooks() {
  for (HWINEVENTHOOK& hook : hooks_) {
    if (hook != nullptr) UnhookWinEvent(hook);
    hook = nullptr;
  }
  if (activeFollower == this) activeFollower = nullptr;
}

AttachedWindow WindowFollower::Now() const {
  AttachedWindow now;
  const std::optional<Rect> place = FollowedPlace(window_, clientArea_);
  now.exists = place.has_value();
  if (!now.exists) return now;
  now.place = *place;
  now.shown = IsWindowVisible(window_) && !IsIconic(topLevel_ != nullptr ? topLevel_ : window_);
  return now;
}

void WindowFollower::Report(bool always) {
  const AttachedWindow now = Now();
  if (!always && now == last_) return;
  last_ = now;
  if (!now.exists) Stop();
  program_.Modes().AttachedWindowChanged(now);
}

void CALLBACK WindowFollower::OnWinEvent(HWINEVENTHOOK, DWORD, HWND hwnd, LONG object, LONG, DWORD, DWORD) {
  if (activeFollower != nullptr && object == OBJID_WINDOW) activeFollower->OnEvent(hwnd);
}

void WindowFollower::OnEvent(HWND hwnd) {
  if (hwnd != nullptr && hwnd == deliveryProbe_) {
    deliveryProbe_ = nullptr;
    OnEventsDelivered();
    return;
  }
  if (window_ == nullptr || (hwnd != window_ && hwnd != topLevel_)) return;
  OnEventsDelivered();
  Report(false);
}

// The events arrive: the look every 100 ms is no longer needed.
void WindowFollower::OnEventsDelivered() {
  if (window_ == nullptr || eventsArrive_) return;
  main_.StopTimer(MainTimer::kFollowCheck);
  eventsArrive_ = true;
}

void WindowFollower::OnCheckTick() {
  if (window_ != nullptr) Report(false);
}

}  // namespace corvanta
