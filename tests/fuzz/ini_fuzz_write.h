// What the two profile-text targets share: the write they draw from the input, and the check that a
// written value reads back as the profile functions give it and that writing it again changes nothing.
#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <string>

#include "fuzz/fuzz_check.h"

namespace corvanta::fuzz {

struct IniWrite {
  std::string section;
  std::string key;
  std::string value;
  size_t buffer;  // the size of the buffer the value is then read into
};

inline IniWrite ConsumeIniWrite(FuzzedDataProvider& in, size_t mostNameLength, size_t mostValueLength) {
  IniWrite write;
  write.section = in.ConsumeRandomLengthString(mostNameLength);
  write.key = in.ConsumeRandomLengthString(mostNameLength);
  write.value = in.ConsumeRandomLengthString(mostValueLength);
  write.buffer = in.ConsumeIntegralInRange<size_t>(0, 40);
  return write;
}

// readValue(text) reads the written key from a text; writeValue(text) writes the value into it again.
template <typename ReadValue, typename WriteValue>
void CheckWriteSettles(const std::string& written, const IniWrite& write, ReadValue readValue,
                       WriteValue writeValue) {
  FUZZ_CHECK(readValue(written) == WithoutQuotes(TrimIniBlanks(write.value)));
  std::string again = written;
  FUZZ_CHECK(!writeValue(again));
  FUZZ_CHECK(again == written);
}

}  // namespace corvanta::fuzz
