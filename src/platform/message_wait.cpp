#include "platform/message_wait.h"

#include <algorithm>

namespace corvanta {

namespace {

// Posted input does not wake the wait; it is dropped at least this often.
constexpr DWORD kSliceMilliseconds = 50;
// A window that never validates its update region must not hold one round for ever.
constexpr int kMostMessagesPerRound = 64;
constexpr DWORD kWakeMask = QS_PAINT | QS_TIMER | QS_INPUT;

enum class Serves { kPaint, kPaintAndTimers };

// The PM_QS_* flags name the queues looked at; without PM_QS_SENDMESSAGE, sent messages are left alone.
void Dispatch(UINT message, UINT queues) {
  MSG next{};
  for (int i = 0; i < kMostMessagesPerRound; ++i) {
    if (!PeekMessageW(&next, nullptr, message, message, PM_REMOVE | queues)) return;
    DispatchMessageW(&next);
  }
}

void Drop(UINT first, UINT last, UINT queues) {
  MSG next{};
  for (int i = 0; i < kMostMessagesPerRound; ++i) {
    if (!PeekMessageW(&next, nullptr, first, last, PM_REMOVE | queues)) return;
  }
}

// Hardware input, and key and mouse messages that someone posted.
void DropInput() {
  Drop(0, 0, PM_QS_INPUT);
  Drop(WM_KEYFIRST, WM_KEYLAST, PM_QS_POSTMESSAGE);
  Drop(WM_MOUSEFIRST, WM_MOUSELAST, PM_QS_POSTMESSAGE);
  Drop(WM_NCMOUSEMOVE, WM_NCXBUTTONDBLCLK, PM_QS_POSTMESSAGE);
}

void ServeRound(Serves serves) {
  if (serves == Serves::kPaintAndTimers) DropInput();
  Dispatch(WM_PAINT, PM_QS_PAINT);
  if (serves == Serves::kPaintAndTimers) Dispatch(WM_TIMER, PM_QS_POSTMESSAGE);
}

bool Signalled(HANDLE object) { return object != nullptr && WaitForSingleObject(object, 0) == WAIT_OBJECT_0; }

bool WaitServing(HANDLE object, uint32_t milliseconds, Serves serves) {
  const ULONGLONG deadline = GetTickCount64() + milliseconds;
  const DWORD count = object != nullptr ? 1 : 0;
  for (;;) {
    ServeRound(serves);
    if (Signalled(object)) break;
    const ULONGLONG now = GetTickCount64();
    if (now >= deadline) break;
    const DWORD slice = static_cast<DWORD>(std::min<ULONGLONG>(deadline - now, kSliceMilliseconds));
    MsgWaitForMultipleObjectsEx(count, count != 0 ? &object : nullptr, slice, kWakeMask, 0);
  }
  if (serves == Serves::kPaintAndTimers) DropInput();
  return Signalled(object);
}

}  // namespace

bool WaitServingPaintAndTimers(HANDLE object, uint32_t milliseconds) {
  return WaitServing(object, milliseconds, Serves::kPaintAndTimers);
}

void ServePaintFor(uint32_t milliseconds) { WaitServing(nullptr, milliseconds, Serves::kPaint); }

}  // namespace corvanta
