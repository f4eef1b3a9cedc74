// Profile (INI) files kept as their own bytes and read or edited by the rules of the platform's profile
// functions, so a file reads and writes the same whatever the system code page. The program's text is
// GBK: a trail byte is never taken for a bracket or a letter. A stored file may also be UTF-16 LE or
// UTF-8, told by its byte-order mark; it is then read and edited in that encoding, as the platform does.
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
// existing key is replaced in place (with the blanks that followed it), a new key goes after the
// section's last non-blank line, a new section is appended as "[section]\r\nkey=value\r\n". Leading
// blanks of the value are dropped, trailing ones kept. Returns false when the text already held that
// value (blanks around either aside), so there is nothing to write.
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

// A stored file's encoding: UTF-16 LE after the mark FF FE, UTF-8 after EF BB BF, otherwise GBK.
enum class IniEncoding { kGbk, kUtf8, kUtf16 };
IniEncoding EncodingOfIniFile(std::string_view bytes);

// Conversions between the program's GBK text and Unicode, supplied by the platform. Characters the
// target cannot represent become '?' (GBK) or U+FFFD (from bytes that are not valid text).
class IniTextCodec {
 public:
  virtual ~IniTextCodec() = default;
  // from: kGbk or kUtf8.
  virtual std::u16string ToUtf16(std::string_view text, IniEncoding from) const = 0;
  // to: kGbk or kUtf8.
  virtual std::string FromUtf16(std::u16string_view text, IniEncoding to) const = 0;
};

// ReadIniValue and WriteIniValue over the bytes of a stored file in any of its encodings; names and
// values are GBK text. Lines the write does not touch keep their bytes, the mark stays, and an edit of a
// UTF-16 file is written in UTF-16 (a last odd byte, half a character, is dropped then).
std::string ReadIniFileValue(std::string_view bytes, std::string_view section, std::string_view key,
                             size_t bufferSize, const IniTextCodec& codec);
bool WriteIniFileValue(std::string& bytes, std::string_view section, std::string_view key, std::string_view value,
                       const IniTextCodec& codec);

}  // namespace corvanta
