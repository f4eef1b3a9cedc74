// The records of the hotkey registry and their ids. The first record gets id 100 and each further one
// the last record's id + 4; a record whose registration the platform refused is removed, so the next
// record takes its id.
#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <vector>

namespace corvanta {

// What a press starts; it gets the hotkey id.
using HotkeyAction = std::function<void(int hotkeyId)>;

inline constexpr int kFirstHotkeyId = 100;
inline constexpr int kHotkeyIdStep = 4;

struct HotkeyRecord {
  int id = 0;
  HotkeyAction action;
  int virtualKey = 0;
  int modifiers = 0;
  std::atomic<bool> processed{false};  // the platform was asked
  bool registered = false;             // and took it
};

// Asks the platform for one record's keys; true when it took them.
using HotkeyRegistrar = std::function<bool(const HotkeyRecord&)>;

class HotkeyRecordList {
 public:
  // The id of the record with these keys, 0 when there is none.
  int IdOf(int virtualKey, int modifiers) const;
  // A new record, not yet processed, with the next id.
  HotkeyRecord& Append(HotkeyAction action, int virtualKey, int modifiers);
  // Asks the registrar for every record not processed yet.
  void RegisterPending(const HotkeyRegistrar& registrar);
  // The record's id when it was registered; otherwise removes it and gives 0.
  int KeepIfRegistered(const HotkeyRecord& record);
  // Drops the last record without asking anybody (its registration could not even be tried).
  void DropLast() { records_.pop_back(); }
  const HotkeyRecord* Find(int id) const;
  // Hands every record to unregister, then empties the list.
  void Clear(const std::function<void(const HotkeyRecord&)>& unregister);

  auto begin() const { return records_.begin(); }
  auto end() const { return records_.end(); }
  bool empty() const { return records_.empty(); }
  size_t size() const { return records_.size(); }

 private:
  std::vector<std::unique_ptr<HotkeyRecord>> records_;
};

}  // namespace corvanta
