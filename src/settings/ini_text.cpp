#include "settings/ini_text.h"

#include <optional>

namespace corvanta {

namespace {

constexpr size_t kNone = std::string_view::npos;
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16Mark = "\xFF\xFE";

unsigned CodeOf(char c) { return static_cast<unsigned char>(c); }
unsigned CodeOf(char16_t c) { return c; }

// The text of a file in units of one kind: GBK bytes, or UTF-8 bytes and UTF-16 units, in which no unit
// of a character of several units equals an ASCII character.
struct GbkUnits {
  using Char = char;
  using View = std::string_view;
  // A GBK lead byte followed by a trail byte is one character; any other byte stands alone. Blanks, line
  // breaks, '=' and quotes lie below the trail range, so a byte search for them never splits a character;
  // brackets and letters lie inside it.
  static size_t LengthAt(std::string_view text, size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x81 || lead == 0xFF || at + 1 >= text.size()) return 1;
    const auto trail = static_cast<unsigned char>(text[at + 1]);
    return (trail >= 0x40 && trail <= 0x7E) || (trail >= 0x80 && trail <= 0xFE) ? 2 : 1;
  }
};

template <typename C>
struct UnicodeUnits {
  using Char = C;
  using View = std::basic_string_view<C>;
  static size_t LengthAt(std::basic_string_view<C>, size_t) { return 1; }
};

template <typename Char>
bool IsBlank(Char c) {
  const unsigned code = CodeOf(c);
  return (code >= 0x09 && code <= 0x0D) || code == 0x1A || code == 0x20;
}

template <typename Char>
bool IsLineBreak(Char c) {
  return c == Char('\r') || c == Char('\n');
}

template <typename Char>
Char AsciiLower(Char c) {
  return c >= Char('A') && c <= Char('Z') ? static_cast<Char>(c - Char('A') + Char('a')) : c;
}

template <typename Char>
std::basic_string<Char> Ascii(std::string_view text) {
  return std::basic_string<Char>(text.begin(), text.end());
}

template <typename Units>
bool SameName(typename Units::View a, typename Units::View b) {
  if (a.size() != b.size()) return false;
  for (size_t at = 0; at < a.size();) {
    const size_t length = Units::LengthAt(a, at);
    if (length != Units::LengthAt(b, at)) return false;
    const bool same = length == 1 ? AsciiLower(a[at]) == AsciiLower(b[at]) : a.substr(at, 2) == b.substr(at, 2);
    if (!same) return false;
    at += length;
  }
  return true;
}

template <typename Char>
std::basic_string_view<Char> TrimLeadingBlanks(std::basic_string_view<Char> text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  return text;
}

template <typename Char>
std::basic_string_view<Char> TrimBlanks(std::basic_string_view<Char> text) {
  text = TrimLeadingBlanks(text);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

template <typename Char>
std::basic_string_view<Char> Unquoted(std::basic_string_view<Char> value) {
  const bool quoted = value.size() >= 2 && (value.front() == Char('"') || value.front() == Char('\'')) &&
                      value.back() == value.front();
  return quoted ? value.substr(1, value.size() - 2) : value;
}

std::string_view CutToWholeChars(std::string_view text, size_t limit) {
  size_t cut = 0;
  while (cut < text.size()) {
    const size_t length = GbkUnits::LengthAt(text, cut);
    if (cut + length > limit) break;
    cut += length;
  }
  return text.substr(0, cut);
}

// Offsets into the text, in units.
struct Span {
  size_t begin = 0;
  size_t end = 0;
};

struct IniLine {
  enum class Kind { kBlank, kHeader, kKey };
  Kind kind = Kind::kBlank;
  Span name;                  // section name or key name, trimmed
  std::optional<Span> value;  // trimmed; none for a key line without '='
  size_t contentEnd = 0;      // end of the trimmed line
  size_t breakAt = 0;         // end of the line before its break
  size_t end = 0;             // after the line break
  bool hasBreak = false;
};

// Lines [first, last) of one section; header is kNone for the lines before the first header.
struct SectionLines {
  size_t header = kNone;
  size_t first = 0;
  size_t last = 0;
};

template <typename Char>
Span TrimmedSpan(std::basic_string_view<Char> text, size_t begin, size_t end) {
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;
  return {begin, end};
}

template <typename Units>
size_t LastClosingBracket(typename Units::View line, size_t from) {
  size_t found = kNone;
  for (size_t at = from; at < line.size(); at += Units::LengthAt(line, at)) {
    if (line[at] == ']') found = at;
  }
  return found;
}

template <typename Units>
IniLine ParseLine(typename Units::View text, size_t begin, size_t breakAt) {
  IniLine line;
  const Span content = TrimmedSpan(text, begin, breakAt);
  line.contentEnd = content.end;
  if (content.begin == content.end) return line;
  const typename Units::View upToEnd = text.substr(0, content.end);
  if (upToEnd[content.begin] == '[') {
    const size_t close = LastClosingBracket<Units>(upToEnd, content.begin + 1);
    if (close != kNone) {
      line.kind = IniLine::Kind::kHeader;
      line.name = TrimmedSpan(text, content.begin + 1, close);
      return line;
    }
  }
  line.kind = IniLine::Kind::kKey;
  const size_t equals = upToEnd.find('=', content.begin);
  if (equals == kNone) {
    line.name = content;
  } else {
    line.name = TrimmedSpan(text, content.begin, equals);
    line.value = TrimmedSpan(text, equals + 1, content.end);
  }
  return line;
}

template <typename Units>
std::vector<IniLine> ParseLines(typename Units::View text) {
  std::vector<IniLine> lines;
  size_t begin = 0;
  while (begin < text.size()) {
    size_t breakAt = begin;
    while (breakAt < text.size() && !IsLineBreak(text[breakAt])) ++breakAt;
    size_t end = breakAt;
    if (end < text.size()) end += text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1;
    IniLine line = ParseLine<Units>(text, begin, breakAt);
    line.breakAt = breakAt;
    line.end = end;
    line.hasBreak = end > breakAt;
    lines.push_back(line);
    begin = end;
  }
  return lines;
}

template <typename Units>
class ParsedIni {
 public:
  using View = std::basic_string_view<typename Units::Char>;

  explicit ParsedIni(View text) : text_(text), lines_(ParseLines<Units>(text)) {
    SectionLines current;
    for (size_t i = 0; i < lines_.size(); ++i) {
      if (lines_[i].kind != IniLine::Kind::kHeader) continue;
      current.last = i;
      sections_.push_back(current);
      current = SectionLines{i, i + 1, i + 1};
    }
    current.last = lines_.size();
    sections_.push_back(current);
  }

  const std::vector<IniLine>& Lines() const { return lines_; }
  const std::vector<SectionLines>& Sections() const { return sections_; }
  View Slice(Span span) const { return text_.substr(span.begin, span.end - span.begin); }

  View NameOf(const SectionLines& section) const {
    return section.header == kNone ? View() : Slice(lines_[section.header].name);
  }

  const SectionLines* FindSection(View name) const {
    name = TrimBlanks(name);
    for (const SectionLines& section : sections_) {
      if (SameName<Units>(NameOf(section), name)) return &section;
    }
    return nullptr;
  }

  const IniLine* FindKey(const SectionLines& section, View key) const {
    key = TrimBlanks(key);
    for (size_t i = section.first; i < section.last; ++i) {
      const IniLine& line = lines_[i];
      if (line.kind == IniLine::Kind::kKey && SameName<Units>(Slice(line.name), key)) return &line;
    }
    return nullptr;
  }

  // Where a new key of the section goes: after its last non-blank line, else after its header.
  std::optional<size_t> LastFilledLine(const SectionLines& section) const {
    for (size_t i = section.last; i > section.first; --i) {
      if (lines_[i - 1].kind != IniLine::Kind::kBlank) return i - 1;
    }
    return section.header == kNone ? std::nullopt : std::optional<size_t>(section.header);
  }

 private:
  View text_;
  std::vector<IniLine> lines_;
  std::vector<SectionLines> sections_;
};

template <typename Char, typename View = std::basic_string_view<Char>>
std::basic_string<Char> KeyLine(View key, View value) {
  std::basic_string<Char> line(key);
  line += Char('=');
  line += value;
  line += Ascii<Char>("\r\n");
  return line;
}

template <typename Char, typename View = std::basic_string_view<Char>>
void AppendSection(std::basic_string<Char>& text, View section, View key, View value) {
  if (!text.empty() && !IsLineBreak(text.back())) text += Ascii<Char>("\r\n");
  text += Char('[');
  text += section;
  text += Ascii<Char>("]\r\n");
  text += KeyLine<Char>(key, value);
}

template <typename Units, typename Char = typename Units::Char>
void InsertKey(std::basic_string<Char>& text, const ParsedIni<Units>& ini, const SectionLines& section,
               typename Units::View key, typename Units::View value) {
  const std::optional<size_t> after = ini.LastFilledLine(section);
  if (!after) {
    text.insert(0, KeyLine<Char>(key, value));
    return;
  }
  const IniLine& line = ini.Lines()[*after];
  text.insert(line.end, (line.hasBreak ? std::basic_string<Char>() : Ascii<Char>("\r\n")) + KeyLine<Char>(key, value));
}

// The stored value without its quotes; empty for a missing section or key.
template <typename Units, typename Char = typename Units::Char>
std::basic_string<Char> ReadValue(typename Units::View text, typename Units::View section,
                                  typename Units::View key) {
  const ParsedIni<Units> ini(text);
  const SectionLines* found = ini.FindSection(section);
  const IniLine* line = found == nullptr ? nullptr : ini.FindKey(*found, key);
  if (line == nullptr || !line->value) return {};
  return std::basic_string<Char>(Unquoted(ini.Slice(*line->value)));
}

template <typename Units, typename Char = typename Units::Char>
bool WriteValue(std::basic_string<Char>& text, typename Units::View section, typename Units::View key,
                typename Units::View value) {
  // Names keep trailing blanks when written (the platform does too); lookups ignore them.
  section = TrimLeadingBlanks(section);
  key = TrimLeadingBlanks(key);
  value = TrimLeadingBlanks(value);
  const ParsedIni<Units> ini(text);
  const SectionLines* found = ini.FindSection(section);
  if (found == nullptr) {
    AppendSection<Char>(text, section, key, value);
    return true;
  }
  const IniLine* line = ini.FindKey(*found, key);
  if (line == nullptr) {
    InsertKey<Units>(text, ini, *found, key, value);
    return true;
  }
  if (!line->value) {
    text.insert(line->contentEnd, Char('=') + std::basic_string<Char>(value));
    return true;
  }
  if (ini.Slice(*line->value) == TrimBlanks(value)) return false;
  // The old value's trailing blanks go with it, so that a value ending in blanks replaces itself.
  text.replace(line->value->begin, line->breakAt - line->value->begin, value);
  return true;
}

std::u16string Utf16Units(std::string_view bytes) {
  std::u16string units(bytes.size() / 2, u'\0');
  for (size_t i = 0; i < units.size(); ++i) {
    units[i] = static_cast<char16_t>(CodeOf(bytes[2 * i]) | CodeOf(bytes[2 * i + 1]) << 8);
  }
  return units;
}

std::string Utf16Bytes(std::u16string_view units) {
  std::string bytes;
  bytes.reserve(units.size() * 2);
  for (const char16_t unit : units) {
    bytes += static_cast<char>(unit & 0xFF);
    bytes += static_cast<char>(unit >> 8);
  }
  return bytes;
}

}  // namespace

std::string ReadIniValue(std::string_view text, std::string_view section, std::string_view key,
                         size_t bufferSize) {
  if (bufferSize == 0) return {};
  return std::string(CutToWholeChars(ReadValue<GbkUnits>(text, section, key), bufferSize - 1));
}

bool WriteIniValue(std::string& text, std::string_view section, std::string_view key, std::string_view value) {
  return WriteValue<GbkUnits>(text, section, key, value);
}

std::vector<IniSection> ListIniSections(std::string_view text) {
  const ParsedIni<GbkUnits> ini(text);
  std::vector<IniSection> sections;
  for (const SectionLines& lines : ini.Sections()) {
    IniSection section{std::string(ini.NameOf(lines)), {}};
    for (size_t i = lines.first; i < lines.last; ++i) {
      const IniLine& line = ini.Lines()[i];
      if (line.kind != IniLine::Kind::kKey) continue;
      const std::string_view value = line.value ? ini.Slice(*line.value) : std::string_view();
      section.keys.push_back(IniKey{std::string(ini.Slice(line.name)), std::string(value)});
    }
    if (lines.header != kNone || !section.keys.empty()) sections.push_back(std::move(section));
  }
  return sections;
}

IniEncoding EncodingOfIniFile(std::string_view bytes) {
  if (bytes.starts_with(kUtf16Mark)) return IniEncoding::kUtf16;
  if (bytes.starts_with(kUtf8Mark)) return IniEncoding::kUtf8;
  return IniEncoding::kGbk;
}

std::string ReadIniFileValue(std::string_view bytes, std::string_view section, std::string_view key,
                             size_t bufferSize, const IniTextCodec& codec) {
  if (bufferSize == 0) return {};
  std::string value;
  switch (EncodingOfIniFile(bytes)) {
    case IniEncoding::kGbk:
      return ReadIniValue(bytes, section, key, bufferSize);
    case IniEncoding::kUtf8: {
      const std::string utf8Section = codec.FromUtf16(codec.ToUtf16(section, IniEncoding::kGbk), IniEncoding::kUtf8);
      const std::string utf8Key = codec.FromUtf16(codec.ToUtf16(key, IniEncoding::kGbk), IniEncoding::kUtf8);
      const std::string utf8 = ReadValue<UnicodeUnits<char>>(bytes.substr(kUtf8Mark.size()), utf8Section, utf8Key);
      value = codec.FromUtf16(codec.ToUtf16(utf8, IniEncoding::kUtf8), IniEncoding::kGbk);
      break;
    }
    case IniEncoding::kUtf16: {
      const std::u16string units = Utf16Units(bytes.substr(kUtf16Mark.size()));
      const std::u16string wideSection = codec.ToUtf16(section, IniEncoding::kGbk);
      const std::u16string wideKey = codec.ToUtf16(key, IniEncoding::kGbk);
      value = codec.FromUtf16(ReadValue<UnicodeUnits<char16_t>>(units, wideSection, wideKey), IniEncoding::kGbk);
      break;
    }
  }
  return std::string(CutToWholeChars(value, bufferSize - 1));
}

bool WriteIniFileValue(std::string& bytes, std::string_view section, std::string_view key, std::string_view value,
                       const IniTextCodec& codec) {
  switch (EncodingOfIniFile(bytes)) {
    case IniEncoding::kGbk:
      return WriteIniValue(bytes, section, key, value);
    case IniEncoding::kUtf8: {
      auto toUtf8 = [&codec](std::string_view gbk) {
        return codec.FromUtf16(codec.ToUtf16(gbk, IniEncoding::kGbk), IniEncoding::kUtf8);
      };
      std::string text = bytes.substr(kUtf8Mark.size());
      if (!WriteValue<UnicodeUnits<char>>(text, toUtf8(section), toUtf8(key), toUtf8(value))) return false;
      bytes = std::string(kUtf8Mark) + text;
      return true;
    }
    case IniEncoding::kUtf16: {
      std::u16string units = Utf16Units(std::string_view(bytes).substr(kUtf16Mark.size()));
      auto toUtf16 = [&codec](std::string_view gbk) { return codec.ToUtf16(gbk, IniEncoding::kGbk); };
      if (!WriteValue<UnicodeUnits<char16_t>>(units, toUtf16(section), toUtf16(key), toUtf16(value))) return false;
      bytes = std::string(kUtf16Mark) + Utf16Bytes(units);
      return true;
    }
  }
  return false;
}

}  // namespace corvanta
