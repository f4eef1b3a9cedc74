#include "hotkeys/hotkey_records.h"

#include <algorithm>

namespace corvanta {

int HotkeyRecordList::IdOf(int virtualKey, int modifiers) const {
  for (const auto& record : records_) {
    if (record->virtualKey == virtualKey && record->modifiers == modifiers) return record->id;
  }
  return 0;
}

HotkeyRecord& HotkeyRecordList::Append(HotkeyAction action, int virtualKey, int modifiers) {
  auto record = std::make_unique<HotkeyRecord>();
  record->id = records_.empty() ? kFirstHotkeyId : records_.back()->id + kHotkeyIdStep;
  record->action = std::move(action);
  record->virtualKey = virtualKey;
  record->modifiers = modifiers;
  records_.push_back(std::move(record));
  return *records_.back();
}

void HotkeyRecordList::RegisterPending(const HotkeyRegistrar& registrar) {
  for (const auto& record : records_) {
    if (record->processed) continue;
    record->registered = registrar(*record);
    record->processed = true;
  }
}

int HotkeyRecordList::KeepIfRegistered(const HotkeyRecord& record) {
  if (record.registered) return record.id;
  std::erase_if(records_, [&record](const auto& held) { return held.get() == &record; });
  return 0;
}

const HotkeyRecord* HotkeyRecordList::Find(int id) const {
  const auto found = std::find_if(records_.begin(), records_.end(), [id](const auto& r) { return r->id == id; });
  return found == records_.end() ? nullptr : found->get();
}

void HotkeyRecordList::Clear(const std::function<void(const HotkeyRecord&)>& unregister) {
  for (const auto& record : records_) unregister(*record);
  records_.clear();
}

}  // namespace corvanta
