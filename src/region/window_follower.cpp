#include "region/window_follower.h"

#include <cwchar>
#include <utility>

#include "shell/main_window_seam.h"
#include "shell/program.h"
#include "shell/win_rect.h"

namespace corvanta {

namespace {

constexpr UINT kCheckInterval = 100;
// Out of context: the events come to this thread's message loop, whatever process the window is in.
constexpr DWORD kHookFlags = WINEVENT_OUTOFCONTEXT;
// Minimise start and end; destroy, show and hide; location changes.
constexpr std::pair<DWORD, DWORD> kFollowedEvents[] = {
    {EVENT_SYSTEM_MINIMIZESTART, EVENT_SYSTEM_MINIMIZEEND},
    {EVENT_OBJECT_DESTROY, EVENT_OBJECT_HIDE},
    {EVENT_OBJECT_LOCATIONCHANGE, EVENT_OBJECT_LOCATIONCHANGE},
};

bool IsConsoleWindow(HWND window) {
  wchar_t className[32] = {};
  return window != nullptr && GetClassNameW(window, className, 32) > 0 && wcscmp(className, L"ConsoleWindowClass") == 0;
}

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
  activeFollower = this;
  // A child window may belong to another thread or process than its top-level window, whose moves and
  // minimising come from the top-level window's thread.
  bool hooked = HookThreadOf(window);
  if (topLevel_ != nullptr && GetWindowThreadProcessId(topLevel_, nullptr) != GetWindowThreadProcessId(window, nullptr)) {
    hooked = HookThreadOf(topLevel_) && hooked;
  }
  last_ = Now();
  Report(true);
  main_.StartTimer(MainTimer::kFollowCheck, kCheckInterval);
  // The events of a console window come from the console host, not from the thread the window reports,
  // so they never reach these hooks: the look stays for it.
  if (hooked && !IsConsoleWindow(topLevel_)) ProbeEventDelivery();
}

bool WindowFollower::HookThreadOf(HWND window) {
  DWORD process = 0;
  const DWORD thread = GetWindowThreadProcessId(window, &process);
  if (thread == 0) return false;
  for (const auto& [first, last] : kFollowedEvents) {
    const HWINEVENTHOOK hook = SetWinEventHook(first, last, nullptr, &OnWinEvent, process, thread, kHookFlags);
    if (hook == nullptr) return false;
    hooks_.push_back(hook);
  }
  return true;
}

// A window that nothing moves sends no event, so its own events cannot tell whether they would arrive.
// Where the system delivers window events (not under Wine, which raises few of them), the destruction of
// a hidden window of ours comes back at the next message retrieval; then the look stops at once, and
// nothing runs while nothing moves.
void WindowFollower::ProbeEventDelivery() {
  const HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_DESTROY, EVENT_OBJECT_DESTROY, nullptr, &OnWinEvent,
                                             GetCurrentProcessId(), GetCurrentThreadId(), kHookFlags);
  if (hook == nullptr) return;
  hooks_.push_back(hook);
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
  for (const HWINEVENTHOOK hook : hooks_) UnhookWinEvent(hook);
  hooks_.clear();
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
