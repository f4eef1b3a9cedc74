// Byte-string helpers for GBK (code page 936) text: every length and position counts bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace corvanta {

inline constexpr size_t kNotFound = std::string_view::npos;

// Byte-wise equality, case-sensitive.
bool TextEquals(std::string_view a, std::string_view b);

// True for a byte that starts a two-byte GBK character.
bool IsGbkLeadByte(unsigned char byte);

// Position of the first occurrence of needle at or after start, never starting on the trail byte of a
// GBK character; kNotFound when there is none. An empty needle is found at start (when start is in range).
size_t FindText(std::string_view haystack, std::string_view needle, size_t start = 0);

// Leading-integer parse: optional blanks, optional sign, decimal digits; stops at the first other byte.
// No digits gives 0; values beyond the 32-bit range saturate at INT32_MIN/INT32_MAX.
int32_t ParseLeadingInt(std::string_view text);

// Plain decimal text, a minus sign for negatives, no leading zeros.
std::string FormatInt(int64_t value);

// Bytes with codes up to 0x20 removed from the front.
std::string_view TrimLeadingControls(std::string_view text);

}  // namespace corvanta
