// Profile (INI) files kept as their own bytes and read or edited by the rules of the platform's profile
// functions, so a file reads and writes the same whatever the system code page. The text is GBK: a trail
// byte is never taken for a bracket or a letter.
//
// The rules: lines end at CR LF, LF or CR; blanks (tab to CR, space, ^Z) are trimmed from lines, names and
// values; "[name]" (up to the last ']') starts a section; other lines are keys, split at the first '='.
// Names match ASCII-case-insensitively and the first matching section and key win; lines before the first
// header form a section with an empty name.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace corvanta {

// What GetPrivateProfileString gives with an empty default and a buffer of bufferSize bytes: the value
// without a pair of surrounding quotes, cut to bufferSize - 1 bytes (whole characters only). A missing
// section or key, or a key line without '=', gives the empty text.
std::string ReadIniValue(std::string_view text, std::string_view section, std::string_view key,
                         size_t bufferSize);

// Sets a value as WritePrivateProfileString does, leaving every other line as it was: the value of an
// existing key is replaced in place, a new key goes after the section's last non-blank line, a new section
// is appended as "[section]\r\nkey=value\r\n". Leading blanks of the value are dropped. Returns false when
// the text already held that value, so there is nothing to write.
bool WriteIniValue(std::string& text, std::string_view section, std::string_view key, std::string_view value);

struct IniKey {
  std::string name;
  std::string value;  // as stored: quotes kept; empty for a line without '='
};

struct IniSection {
  std::string name;
  std::vector<IniKey> keys;
};

// Every section in file order with its key lines. The unnamed section before the first header is listed
// only when it holds keys.
std::vector<IniSection> ListIniSections(std::string_view text);

}  // namespace corvanta
