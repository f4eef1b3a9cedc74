// The hotkey registry: ids, duplicates, refused registrations, removal and presses, with the real
// RegisterHotKey on the hotkey thread.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <memory>

#include "hotkeys/hotkey_registry.h"
#include "temp_program_dir.h"

namespace corvanta {
namespace {

using testing::PumpUntil;

constexpr int kCtrlShiftAlt = 7;
// Combinations nobody else in the test process uses.
constexpr int kKeys[] = {'B', 'C', 'D', 'E'};

void Nothing(int) {}

TEST(HotkeyRegistryTest, IdsStepByFourAndAFailedRegistrationGivesItsIdAway) {
  HotkeyRegistry registry;
  EXPECT_EQ(registry.AddHotkey(Nothing, 0, kCtrlShiftAlt), 0);   // no key
  EXPECT_EQ(registry.AddHotkey(nullptr, 'B', kCtrlShiftAlt), 0);  // no action
  EXPECT_EQ(registry.ThreadId(), 0u);                              // nothing asked the thread yet
  EXPECT_EQ(registry.AddHotkey(Nothing, 0x23, kCtrlShiftAlt), 100);
  EXPECT_NE(registry.ThreadId(), 0u);
  EXPECT_EQ(registry.AddHotkey(Nothing, kKeys[0], kCtrlShiftAlt), 104);
  // The same keys again: the existing id, nothing new.
  EXPECT_EQ(registry.AddHotkey(Nothing, kKeys[0], kCtrlShiftAlt), 104);
  // Keys another window holds: refused, removed, and the next record takes the id.
  HWND holder = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  ASSERT_TRUE(RegisterHotKey(holder, 1, kCtrlShiftAlt, kKeys[1]));
  EXPECT_EQ(registry.AddHotkey(Nothing, kKeys[1], kCtrlShiftAlt), 0);
  EXPECT_EQ(registry.AddHotkey(Nothing, kKeys[2], kCtrlShiftAlt), 108);
  UnregisterHotKey(holder, 1);
  DestroyWindow(holder);
  const auto records = registry.Records();
  ASSERT_EQ(records.size(), 3u);
  EXPECT_EQ(records[0].virtualKey, 0x23);
  EXPECT_EQ(records[2].id, 108);
  for (const auto& record : records) EXPECT_TRUE(record.registered) << record.id;
  EXPECT_FALSE(registry.Busy());
}

TEST(HotkeyRegistryTest, RemovingEverythingFreesTheKeysAndRestartsTheIds) {
  HotkeyRegistry registry;
  ASSERT_EQ(registry.AddHotkey(Nothing, kKeys[3], kCtrlShiftAlt), 100);
  registry.RemoveAllHotkeys();
  ASSERT_TRUE(PumpUntil([&] { return !registry.Busy(); }));
  EXPECT_TRUE(registry.Records().empty());
  // The combination is free again for anybody.
  HWND probe = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  EXPECT_TRUE(RegisterHotKey(probe, 2, kCtrlShiftAlt, kKeys[3]));
  UnregisterHotKey(probe, 2);
  DestroyWindow(probe);
  EXPECT_EQ(registry.AddHotkey(Nothing, kKeys[3], kCtrlShiftAlt), 100);
  // Before any thread exists, a removal just empties the list.
  HotkeyRegistry fresh;
  fresh.RemoveAllHotkeys();
  EXPECT_FALSE(fresh.Busy());
}

TEST(HotkeyRegistryTest, APressRunsTheActionOnItsOwnThread) {
  HotkeyRegistry registry;
  static std::atomic<int> pressedId{0};
  static std::atomic<DWORD> actionThread{0};
  pressedId = 0;
  actionThread = 0;
  const int id = registry.AddHotkey(
      [](int hotkeyId) {
        actionThread = GetCurrentThreadId();
        pressedId = hotkeyId;
      },
      'F', kCtrlShiftAlt);
  ASSERT_EQ(id, 100);
  // The press as the platform delivers it: WM_HOTKEY in the hotkey thread's queue.
  ASSERT_TRUE(PostThreadMessageW(registry.ThreadId(), WM_HOTKEY, id, MAKELPARAM(kCtrlShiftAlt, 'F')));
  ASSERT_TRUE(PumpUntil([&] { return pressedId.load() == id; }));
  EXPECT_NE(actionThread.load(), GetCurrentThreadId());
  EXPECT_NE(actionThread.load(), registry.ThreadId());
  // An id the registry does not hold starts nothing.
  pressedId = 0;
  ASSERT_TRUE(PostThreadMessageW(registry.ThreadId(), WM_HOTKEY, 999, 0));
  ASSERT_TRUE(PostThreadMessageW(registry.ThreadId(), WM_HOTKEY, id, 0));
  ASSERT_TRUE(PumpUntil([&] { return pressedId.load() == id; }));
}

}  // namespace
}  // namespace corvanta

namespace corvanta {
namespace {

// Runs the call on a thread of its own; false when it has not returned within five seconds.
template <typename Call>
bool ReturnsInTime(Call call) {
  struct Job {
    Call call;
    static DWORD WINAPI Run(void* self) {
      static_cast<Job*>(self)->call();
      return 0;
    }
  } job{call};
  HANDLE thread = CreateThread(nullptr, 0, &Job::Run, &job, 0, nullptr);
  const bool returned = WaitForSingleObject(thread, 5000) == WAIT_OBJECT_0;
  if (returned) CloseHandle(thread);  // a thread that hangs keeps `job`: leaked, not freed under it
  return returned;
}

// No wait for the hotkey thread outlives it: once it has ended, adding, removing and the registry's own
// end return at once.
TEST(HotkeyRegistryTest, NoWaitOutlivesTheHotkeyThread) {
  auto registry = std::make_unique<HotkeyRegistry>();
  ASSERT_EQ(registry->AddHotkey(Nothing, 'F', kCtrlShiftAlt), 100);
  ASSERT_TRUE(registry->ThreadRunning());
  PostThreadMessageW(registry->ThreadId(), WM_QUIT, 0, 0);
  ASSERT_TRUE(PumpUntil([&] { return !registry->ThreadRunning(); }));
  int id = -1;
  EXPECT_TRUE(ReturnsInTime([&] { id = registry->AddHotkey(Nothing, 'G', kCtrlShiftAlt); }));
  EXPECT_EQ(id, 0);
  EXPECT_TRUE(ReturnsInTime([&] { registry->RemoveAllHotkeys(); }));
  EXPECT_TRUE(registry->Records().empty());
  EXPECT_TRUE(ReturnsInTime([&] { registry.reset(); }));
}

}  // namespace
}  // namespace corvanta
