#include "hotkeys/hotkey_records.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace corvanta {
namespace {

// What the registry does for one AddHotkey: a known pair gives its id, a new record is asked for
// and removed again when the platform refuses it.
int Add(HotkeyRecordList& list, int key, const HotkeyRegistrar& registrar) {
  if (const int id = list.IdOf(key, 7)) return id;
  HotkeyRecord& record = list.Append([](int) {}, key, 7);
  list.RegisterPending(registrar);
  return list.KeepIfRegistered(record);
}

TEST(HotkeyRecordsTest, ARefusedRegistrationGivesItsIdToTheNextRecord) {
  const std::set<int> taken = {'C', 'E'};
  std::vector<int> asked;
  const HotkeyRegistrar fakePlatform = [&](const HotkeyRecord& record) {
    asked.push_back(record.id);
    return taken.count(record.virtualKey) == 0;
  };
  HotkeyRecordList list;
  struct Step {
    int key;
    int id;
  } steps[] = {{'A', 100}, {'B', 104}, {'C', 0}, {'D', 108}, {'B', 104}, {'E', 0}, {'F', 112}};
  for (const Step& step : steps) EXPECT_EQ(Add(list, step.key, fakePlatform), step.id) << char(step.key);
  // Each new pair was asked once, under the id it would have had; the known pair 'B' not again.
  EXPECT_EQ(asked, (std::vector<int>{100, 104, 108, 108, 112, 112}));
  ASSERT_EQ(list.size(), 4u);
  ASSERT_NE(list.Find(112), nullptr);
  EXPECT_EQ(list.Find(112)->virtualKey, 'F');
  EXPECT_EQ(list.Find(116), nullptr);
  // A refused last record leaves the next id where it was.
  EXPECT_EQ(Add(list, 'E', fakePlatform), 0);
  EXPECT_EQ(Add(list, 'G', fakePlatform), 116);
}

TEST(HotkeyRecordsTest, ClearingUnregistersEveryRecordAndRestartsAt100) {
  HotkeyRecordList list;
  const HotkeyRegistrar accept = [](const HotkeyRecord&) { return true; };
  for (int key : {'A', 'B', 'C'}) Add(list, key, accept);
  std::vector<int> unregistered;
  list.Clear([&](const HotkeyRecord& record) { unregistered.push_back(record.id); });
  EXPECT_EQ(unregistered, (std::vector<int>{100, 104, 108}));
  EXPECT_TRUE(list.empty());
  EXPECT_EQ(Add(list, 'C', accept), 100);
}

}  // namespace
}  // namespace corvanta
