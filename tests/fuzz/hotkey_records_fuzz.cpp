// The hotkey records against a plain model: ids start at 100 and step by 4 from the last record, a
// refused registration is removed, lookups by id and by keys find what the model holds, and every
// record is handed over once when the list is cleared.
#include <fuzzer/FuzzedDataProvider.h>

#include <vector>

#include "fuzz/fuzz_check.h"
#include "hotkeys/hotkey_records.h"

namespace {

struct ModelRecord {
  int id;
  int virtualKey;
  int modifiers;
  bool processed;
  bool registered;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace corvanta;
  FuzzedDataProvider in(data, size);
  HotkeyRecordList list;
  std::vector<ModelRecord> model;
  int lastCalledId = 0;
  while (in.remaining_bytes() > 0) {
    switch (in.ConsumeIntegralInRange<int>(0, 6)) {
      case 0: {
        if (model.size() >= 40) break;
        const int key = in.ConsumeIntegralInRange<int>(0, 3);
        const int modifiers = in.ConsumeIntegralInRange<int>(0, 3);
        HotkeyRecord& record = list.Append([&lastCalledId](int id) { lastCalledId = id; }, key, modifiers);
        const int id = model.empty() ? 100 : model.back().id + 4;
        FUZZ_CHECK(record.id == id && !record.processed && !record.registered);
        model.push_back({id, key, modifiers, false, false});
        break;
      }
      case 1: {
        const uint64_t accepted = in.ConsumeIntegral<uint64_t>();
        size_t asked = 0;
        list.RegisterPending([&](const HotkeyRecord& r) {
          FUZZ_CHECK(!r.processed);
          return ((accepted >> (asked++ % 64)) & 1) != 0;
        });
        size_t turn = 0;
        for (ModelRecord& m : model) {
          if (m.processed) continue;
          m.registered = ((accepted >> (turn++ % 64)) & 1) != 0;
          m.processed = true;
        }
        FUZZ_CHECK(asked == turn);
        break;
      }
      case 2: {
        if (model.empty()) break;
        const size_t at = in.ConsumeIntegralInRange<size_t>(0, model.size() - 1);
        const HotkeyRecord& record = **(list.begin() + static_cast<ptrdiff_t>(at));
        const int kept = list.KeepIfRegistered(record);
        FUZZ_CHECK(kept == (model[at].registered ? model[at].id : 0));
        if (!model[at].registered) model.erase(model.begin() + static_cast<ptrdiff_t>(at));
        break;
      }
      case 3:
        if (model.empty()) break;
        list.DropLast();
        model.pop_back();
        break;
      case 4: {
        size_t handed = 0;
        list.Clear([&](const HotkeyRecord& r) { FUZZ_CHECK(r.id == model.at(handed++).id); });
        FUZZ_CHECK(handed == model.size());
        model.clear();
        break;
      }
      case 5: {
        const int id = 100 + 4 * in.ConsumeIntegralInRange<int>(-1, 45) + in.ConsumeIntegralInRange<int>(0, 1);
        const HotkeyRecord* found = list.Find(id);
        const ModelRecord* expected = nullptr;
        for (const ModelRecord& m : model) {
          if (m.id == id) expected = &m;
        }
        FUZZ_CHECK((found == nullptr) == (expected == nullptr));
        if (found != nullptr) {
          FUZZ_CHECK(found->virtualKey == expected->virtualKey && found->modifiers == expected->modifiers);
          found->action(found->id);
          FUZZ_CHECK(lastCalledId == id);
        }
        break;
      }
      default: {
        const int key = in.ConsumeIntegralInRange<int>(0, 3);
        const int modifiers = in.ConsumeIntegralInRange<int>(0, 3);
        int expected = 0;
        for (const ModelRecord& m : model) {
          if (expected == 0 && m.virtualKey == key && m.modifiers == modifiers) expected = m.id;
        }
        FUZZ_CHECK(list.IdOf(key, modifiers) == expected);
        break;
      }
    }
    FUZZ_CHECK(list.size() == model.size());
    size_t i = 0;
    for (const auto& record : list) {
      const ModelRecord& m = model[i++];
      FUZZ_CHECK(record->id == m.id && record->processed == m.processed && record->registered == m.registered);
    }
  }
  return 0;
}
