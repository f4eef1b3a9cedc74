// What the fuzz targets share: a check that reports the broken invariant and aborts, which libFuzzer
// records as a crash together with the input, and the blank rules of profile files.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string_view>

#define FUZZ_CHECK(condition) \
  ((condition) ? void(0) : ::corvanta::fuzz::Fail(#condition, __FILE__, __LINE__))

namespace corvanta::fuzz {

[[noreturn]] inline void Fail(const char* condition, const char* file, int line) {
  std::fprintf(stderr, "invariant failed: %s (%s:%d)\n", condition, file, line);
  std::abort();
}

// Blanks of the profile rules: tab to CR, space and ^Z.
inline bool IsIniBlank(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return (byte >= 0x09 && byte <= 0x0D) || byte == 0x1A || byte == 0x20;
}

inline std::string_view TrimIniBlanks(std::string_view text) {
  while (!text.empty() && IsIniBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsIniBlank(text.back())) text.remove_suffix(1);
  return text;
}

inline std::string_view WithoutQuotes(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

inline bool HasLineBreak(std::string_view text) { return text.find_first_of("\r\n") != std::string_view::npos; }

}  // namespace corvanta::fuzz
