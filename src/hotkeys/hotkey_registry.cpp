#include "hotkeys/hotkey_registry.h"

namespace corvanta {

namespace {

constexpr DWORD kPollMilliseconds = 5;

// A short exclusive or shared hold of an SRW lock.
class ScopedSrw {
 public:
  ScopedSrw(SRWLOCK& lock, bool exclusive) : lock_(lock), exclusive_(exclusive) {
    exclusive_ ? AcquireSRWLockExclusive(&lock_) : AcquireSRWLockShared(&lock_);
  }
  ~ScopedSrw() { exclusive_ ? ReleaseSRWLockExclusive(&lock_) : ReleaseSRWLockShared(&lock_); }
  ScopedSrw(const ScopedSrw&) = delete;
  ScopedSrw& operator=(const ScopedSrw&) = delete;

 private:
  SRWLOCK& lock_;
  bool exclusive_;
};

struct ActionStart {
  HotkeyAction action;
  int id;
};

DWORD WINAPI RunAction(void* parameter) {
  std::unique_ptr<ActionStart> start(static_cast<ActionStart*>(parameter));
  start->action(start->id);
  return 0;
}

}  // namespace

HotkeyRegistry::HotkeyRegistry() = default;

HotkeyRegistry::~HotkeyRegistry() {
  if (thread_ == nullptr) return;
  RemoveAllHotkeys();
  AcquireBusy();  // the hotkey thread gives the flag back once everything is unregistered
  PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
  WaitForSingleObject(thread_, INFINITE);
  CloseHandle(thread_);
}

bool HotkeyRegistry::ThreadRunning() const {
  return thread_ != nullptr && WaitForSingleObject(thread_, 0) == WAIT_TIMEOUT;
}

void HotkeyRegistry::AcquireBusy() {
  bool expected = false;
  while (!busy_.compare_exchange_weak(expected, true)) {
    // A hotkey thread that has ended gives nothing back any more: the flag is ours.
    if (thread_ != nullptr && !ThreadRunning()) {
      busy_ = true;
      return;
    }
    expected = false;
    Sleep(kPollMilliseconds);
  }
}

bool HotkeyRegistry::Processed(const HotkeyRecord& record) const {
  ScopedSrw shared(lock_, false);
  return record.processed;
}

int HotkeyRegistry::AddHotkey(HotkeyAction action, int virtualKey, int modifiers) {
  if (virtualKey == 0 || !action) return 0;
  // Known keys are looked up only once no removal is in flight: a removal still queued for the hotkey
  // thread would otherwise take the record away right after its id was handed out.
  AcquireBusy();
  HotkeyRecord* added = nullptr;
  {
    ScopedSrw exclusive(lock_, true);
    if (const int id = records_.IdOf(virtualKey, modifiers)) {
      busy_ = false;
      return id;
    }
    added = &records_.Append(std::move(action), virtualKey, modifiers);
  }
  if (threadId_ == 0 && !StartThread()) {
    ScopedSrw exclusive(lock_, true);
    records_.DropLast();
    busy_ = false;
    return 0;
  }
  // The first posts fail while a fresh thread has no message queue yet; keep asking while it runs.
  while (!Processed(*added)) {
    if (!ThreadRunning()) {
      ScopedSrw exclusive(lock_, true);
      records_.DropLast();
      busy_ = false;
      return 0;
    }
    PostThreadMessageW(threadId_, kHotkeyThreadMessage, 0, 0);
    Sleep(kPollMilliseconds);
  }
  int id = 0;
  {
    ScopedSrw exclusive(lock_, true);
    id = records_.KeepIfRegistered(*added);
  }
  busy_ = false;
  return id;
}

void HotkeyRegistry::RemoveAllHotkeys() {
  AcquireBusy();
  // Repeated until taken: a post only fails before the thread has its queue.
  while (ThreadRunning()) {
    if (PostThreadMessageW(threadId_, kHotkeyThreadMessage, 0, kUnregisterAll)) return;
    Sleep(kPollMilliseconds);
  }
  {
    // No thread (none was ever started, or it has ended): no registration is left to undo.
    ScopedSrw exclusive(lock_, true);
    records_.Clear([](const HotkeyRecord&) {});
  }
  busy_ = false;
}

std::vector<HotkeyRegistry::RecordView> HotkeyRegistry::Records() const {
  ScopedSrw shared(lock_, false);
  std::vector<RecordView> views;
  for (const auto& record : records_) {
    views.push_back({record->id, record->virtualKey, record->modifiers, record->registered});
  }
  return views;
}

bool HotkeyRegistry::StartThread() {
  DWORD id = 0;
  thread_ = CreateThread(nullptr, 0, &HotkeyRegistry::ThreadProc, this, 0, &id);
  if (thread_ != nullptr) threadId_ = id;
  return thread_ != nullptr;
}

DWORD WINAPI HotkeyRegistry::ThreadProc(void* self) {
  static_cast<HotkeyRegistry*>(self)->RunThread();
  return 0;
}

void HotkeyRegistry::RunThread() {
  // Registrations belong to this thread through its own message-only window: registering with no
  // window at all brings Wine's server down when the key is pressed.
  messageWindow_ = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  MSG message{};
  PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE);  // this thread's message queue exists from now on
  for (;;) {
    WaitMessage();
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) {
        if (messageWindow_ != nullptr) DestroyWindow(messageWindow_);
        return;
      }
      if (message.message == kHotkeyThreadMessage || message.message == WM_HOTKEY) OnThreadMessage(message);
    }
  }
}

void HotkeyRegistry::OnThreadMessage(const MSG& message) {
  if (message.message == kHotkeyThreadMessage && message.lParam == kUnregisterAll) {
    UnregisterAll();
    return;
  }
  if (message.message == WM_HOTKEY) {
    ScopedSrw shared(lock_, false);
    if (const HotkeyRecord* record = records_.Find(static_cast<int>(message.wParam))) StartAction(*record);
    return;
  }
  // Registering writes the records' outcome.
  ScopedSrw exclusive(lock_, true);
  records_.RegisterPending([this](const HotkeyRecord& record) {
    return RegisterHotKey(messageWindow_, record.id, static_cast<UINT>(record.modifiers),
                          static_cast<UINT>(record.virtualKey)) != FALSE;
  });
}

void HotkeyRegistry::UnregisterAll() {
  {
    ScopedSrw exclusive(lock_, true);
    records_.Clear([this](const HotkeyRecord& record) { UnregisterHotKey(messageWindow_, record.id); });
  }
  busy_ = false;
}

void HotkeyRegistry::StartAction(const HotkeyRecord& record) {
  auto start = std::make_unique<ActionStart>(ActionStart{record.action, record.id});
  HANDLE thread = CreateThread(nullptr, 0, &RunAction, start.get(), 0, nullptr);
  if (thread == nullptr) return;
  start.release();  // the action thread owns it now
  CloseHandle(thread);
}

}  // namespace corvanta
