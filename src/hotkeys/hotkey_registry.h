// The hotkey registry and the hotkey thread. Every RegisterHotKey and UnregisterHotKey call runs on one
// worker thread, which owns a message-only window for the registrations; the UI thread appends a
// request, wakes the thread with a private thread message and waits until the request is done. A press
// starts the bound action on a new short-lived thread.
#pragma once

#include <windows.h>

#include <atomic>
#include <vector>

#include "hotkeys/hotkey_records.h"

namespace corvanta {

// The private thread message that wakes the hotkey thread; lParam kUnregisterAll empties the registry,
// any other value registers the records not yet processed.
inline constexpr UINT kHotkeyThreadMessage = 0xE0B1;
inline constexpr LPARAM kUnregisterAll = 3;

class HotkeyRegistry {
 public:
  struct RecordView {
    int id;
    int virtualKey;
    int modifiers;
    bool registered;
  };

  HotkeyRegistry();
  // Unregisters everything and ends the hotkey thread.
  ~HotkeyRegistry();
  HotkeyRegistry(const HotkeyRegistry&) = delete;
  HotkeyRegistry& operator=(const HotkeyRegistry&) = delete;

  // UI thread only. The id of the registration, the id of an existing record with the same keys, or 0
  // when there is nothing to register or the platform refused it. Blocks until the hotkey thread tried.
  int AddHotkey(HotkeyAction action, int virtualKey, int modifiers);
  // Returns at once; the hotkey thread unregisters everything and empties the list.
  void RemoveAllHotkeys();

  // The records in registration order, and whether an add or a removal is still in flight.
  std::vector<RecordView> Records() const;
  bool Busy() const { return busy_.load(); }
  DWORD ThreadId() const { return threadId_.load(); }
  // Whether the hotkey thread has started and not ended.
  bool ThreadRunning() const;

 private:
  void AcquireBusy();
  bool Processed(const HotkeyRecord& record) const;
  bool StartThread();
  static DWORD WINAPI ThreadProc(void* self);
  void RunThread();
  void OnThreadMessage(const MSG& message);
  void UnregisterAll();
  void StartAction(const HotkeyRecord& record);

  // The list is guarded by a short lock, never held while waiting for the hotkey thread: exclusive for
  // every change of a record, shared for reading. No wait for the thread outlives it.
  mutable SRWLOCK lock_ = SRWLOCK_INIT;
  HotkeyRecordList records_;
  std::atomic<bool> busy_{false};
  std::atomic<DWORD> threadId_{0};
  HANDLE thread_ = nullptr;
  HWND messageWindow_ = nullptr;  // belongs to the hotkey thread
};

}  // namespace corvanta
