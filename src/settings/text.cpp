#include "settings/text.h"

#include <limits>

namespace corvanta {

bool TextEquals(std::string_view a, std::string_view b) { return a == b; }

bool IsGbkLeadByte(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }

size_t FindText(std::string_view haystack, std::string_view needle, size_t start) {
  if (start > haystack.size()) return kNotFound;
  // Walk character by character so that a match can only begin on a character boundary.
  size_t pos = 0;
  while (pos < start) pos += IsGbkLeadByte(static_cast<unsigned char>(haystack[pos])) ? 2 : 1;
  for (; pos + needle.size() <= haystack.size();
       pos += IsGbkLeadByte(static_cast<unsigned char>(haystack[pos])) ? 2 : 1) {
    if (haystack.compare(pos, needle.size(), needle) == 0) return pos;
  }
  return kNotFound;
}

int32_t ParseLeadingInt(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  int64_t magnitude = 0;
  const int64_t limit = negative ? -static_cast<int64_t>(std::numeric_limits<int32_t>::min())
                                 : std::numeric_limits<int32_t>::max();
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    magnitude = magnitude * 10 + (text[i] - '0');
    if (magnitude > limit) {
      magnitude = limit;  // saturate, but keep consuming digits
    }
  }
  return static_cast<int32_t>(negative ? -magnitude : magnitude);
}

std::string FormatInt(int64_t value) { return std::to_string(value); }

std::string_view TrimLeadingControls(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && static_cast<unsigned char>(text[i]) <= 0x20) ++i;
  return text.substr(i);
}

}  // namespace corvanta
