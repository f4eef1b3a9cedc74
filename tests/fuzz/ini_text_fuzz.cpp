// The INI engine over GBK text: reads cut to the buffer in whole characters, every listed key reads back
// its value, a write reads back and is not repeated, and it changes one line (or adds lines) only.
#include <fuzzer/FuzzedDataProvider.h>

#include <set>
#include <string>

#include "fuzz/fuzz_check.h"
#include "fuzz/ini_fuzz_write.h"
#include "settings/ini_text.h"

namespace corvanta::fuzz {
namespace {

constexpr size_t kWholeValue = SIZE_MAX;

bool IsLead(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }
bool IsTrail(unsigned char byte) { return (byte >= 0x40 && byte <= 0x7E) || (byte >= 0x80 && byte <= 0xFE); }

// The text as a sequence of GBK characters, ASCII letters lowered, each marked with its length: two
// names are the same for the profile rules when these agree.
std::string FoldedName(std::string_view name) {
  std::string folded;
  for (size_t at = 0; at < name.size();) {
    const auto byte = static_cast<unsigned char>(name[at]);
    if (IsLead(byte) && at + 1 < name.size() && IsTrail(static_cast<unsigned char>(name[at + 1]))) {
      folded += '2';
      folded += name.substr(at, 2);
      at += 2;
    } else {
      folded += '1';
      folded += static_cast<char>(byte >= 'A' && byte <= 'Z' ? byte - 'A' + 'a' : byte);
      at += 1;
    }
  }
  return folded;
}

// Whether the last byte of the text is a character of its own (not the trail of a lead byte).
bool EndsOnWholeCharacter(std::string_view text) {
  size_t at = 0;
  size_t last = 0;
  while (at < text.size()) {
    last = at;
    const bool pair = IsLead(static_cast<unsigned char>(text[at])) && at + 1 < text.size() &&
                      IsTrail(static_cast<unsigned char>(text[at + 1]));
    at += pair ? 2 : 1;
  }
  return text.empty() || last == text.size() - 1;
}

std::string_view TrimLeading(std::string_view text) {
  while (!text.empty() && IsIniBlank(text.front())) text.remove_prefix(1);
  return text;
}

// Names that the written lines give back: a header "[section]" whose ']' is a character of its own, a key
// line that is no header and has no '=' in its name; no line breaks anywhere.
bool WritableNames(std::string_view section, std::string_view key, std::string_view value) {
  if (HasLineBreak(section) || HasLineBreak(key) || HasLineBreak(value)) return false;
  if (!EndsOnWholeCharacter(std::string(TrimLeading(section)) + "]")) return false;
  const std::string_view trimmedKey = TrimLeading(key);
  return trimmedKey.find('=') == std::string_view::npos && !trimmedKey.starts_with('[');
}

// The bytes that differ between two texts (after their common start and end) hold no line break of
// the old text: the write touched one line at most.
bool OtherLinesKept(std::string_view before, std::string_view after) {
  size_t head = 0;
  while (head < before.size() && head < after.size() && before[head] == after[head]) ++head;
  size_t tail = 0;
  while (tail < before.size() - head && tail < after.size() - head &&
         before[before.size() - 1 - tail] == after[after.size() - 1 - tail]) {
    ++tail;
  }
  return !HasLineBreak(before.substr(head, before.size() - head - tail));
}

struct Lookup {
  std::string section;
  std::string key;
  std::string value;
};

// The first section and the first key of each name, with what they should read (the first few of them,
// to keep each input quick). Sections without a name are left out: the list does not tell the lines
// before the first header from a header "[]".
std::vector<Lookup> FirstKeys(std::string_view text) {
  constexpr size_t kMostLookups = 8;
  std::vector<Lookup> lookups;
  std::set<std::string> seenSections;
  for (const IniSection& section : ListIniSections(text)) {
    if (section.name.empty() || !seenSections.insert(FoldedName(section.name)).second) continue;
    std::set<std::string> seenKeys;
    for (const IniKey& key : section.keys) {
      if (!seenKeys.insert(FoldedName(key.name)).second) continue;
      lookups.push_back({section.name, key.name, std::string(WithoutQuotes(key.value))});
      if (lookups.size() == kMostLookups) return lookups;
    }
  }
  return lookups;
}

}  // namespace
}  // namespace corvanta::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace corvanta;
  using namespace corvanta::fuzz;
  FuzzedDataProvider in(data, size);
  const IniWrite w = ConsumeIniWrite(in, 12, 24);
  const auto& [section, key, value, buffer] = w;
  const std::string text = in.ConsumeRemainingBytesAsString();

  const std::string whole = ReadIniValue(text, section, key, kWholeValue);
  const std::string cut = ReadIniValue(text, section, key, buffer);
  FUZZ_CHECK(cut.size() < std::max<size_t>(buffer, 1));
  FUZZ_CHECK(std::string_view(whole).starts_with(cut));
  FUZZ_CHECK(cut.size() == whole.size() || cut.size() + 2 >= buffer);  // at most one character short

  const std::vector<Lookup> lookups = FirstKeys(text);
  for (const Lookup& l : lookups) FUZZ_CHECK(ReadIniValue(text, l.section, l.key, kWholeValue) == l.value);

  std::string written = text;
  const bool changed = WriteIniValue(written, section, key, value);
  FUZZ_CHECK(changed || written == text);
  FUZZ_CHECK(OtherLinesKept(text, written));
  if (!WritableNames(section, key, value)) return 0;
  CheckWriteSettles(
      written, w, [&](const std::string& text) { return ReadIniValue(text, w.section, w.key, kWholeValue); },
      [&](std::string& text) { return WriteIniValue(text, w.section, w.key, w.value); });
  const std::string target = FoldedName(TrimIniBlanks(section)) + '\n' + FoldedName(TrimIniBlanks(key));
  for (const Lookup& l : lookups) {
    if (FoldedName(l.section) + '\n' + FoldedName(l.key) == target) continue;
    FUZZ_CHECK(ReadIniValue(written, l.section, l.key, kWholeValue) == l.value);
  }
  return 0;
}
