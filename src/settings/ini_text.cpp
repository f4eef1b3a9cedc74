#include "settings/ini_text.h"

#include <optional>

namespace corvanta {

namespace {

constexpr size_t kNone = std::string_view::npos;

bool IsBlank(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return (byte >= 0x09 && byte <= 0x0D) || byte == 0x1A || byte == 0x20;
}

bool IsLineBreak(char c) { return c == '\r' || c == '\n'; }

// A GBK lead byte followed by a trail byte is one character; any other byte stands alone. Blanks, line
// breaks, '=' and quotes lie below the trail range, so a byte search for them never splits a character;
// brackets and letters lie inside it.
size_t CharLengthAt(std::string_view text, size_t at) {
  const auto lead = static_cast<unsigned char>(text[at]);
  if (lead < 0x81 || lead == 0xFF || at + 1 >= text.size()) return 1;
  const auto trail = static_cast<unsigned char>(text[at + 1]);
  return (trail >= 0x40 && trail <= 0x7E) || (trail >= 0x80 && trail <= 0xFE) ? 2 : 1;
}

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t at = 0; at < a.size();) {
    const size_t length = CharLengthAt(a, at);
    if (length != CharLengthAt(b, at)) return false;
    const bool same = length == 1 ? AsciiLower(a[at]) == AsciiLower(b[at]) : a.substr(at, 2) == b.substr(at, 2);
    if (!same) return false;
    at += length;
  }
  return true;
}

std::string_view TrimLeadingBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  return text;
}

std::string_view TrimBlanks(std::string_view text) {
  text = TrimLeadingBlanks(text);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

std::string_view Unquoted(std::string_view value) {
  const bool quoted =
      value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front();
  return quoted ? value.substr(1, value.size() - 2) : value;
}

std::string_view CutToWholeChars(std::string_view text, size_t limit) {
  size_t cut = 0;
  while (cut < text.size()) {
    const size_t length = CharLengthAt(text, cut);
    if (cut + length > limit) break;
    cut += length;
  }
  return text.substr(0, cut);
}

// Byte offsets into the text.
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
  size_t end = 0;             // after the line break
  bool hasBreak = false;
};

// Lines [first, last) of one section; header is kNone for the lines before the first header.
struct SectionLines {
  size_t header = kNone;
  size_t first = 0;
  size_t last = 0;
};

Span TrimmedSpan(std::string_view text, size_t begin, size_t end) {
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;
  return {begin, end};
}

size_t LastClosingBracket(std::string_view line, size_t from) {
  size_t found = kNone;
  for (size_t at = from; at < line.size(); at += CharLengthAt(line, at)) {
    if (line[at] == ']') found = at;
  }
  return found;
}

IniLine ParseLine(std::string_view text, size_t begin, size_t breakAt) {
  IniLine line;
  const Span content = TrimmedSpan(text, begin, breakAt);
  line.contentEnd = content.end;
  if (content.begin == content.end) return line;
  const std::string_view upToEnd = text.substr(0, content.end);
  if (upToEnd[content.begin] == '[') {
    const size_t close = LastClosingBracket(upToEnd, content.begin + 1);
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

std::vector<IniLine> ParseLines(std::string_view text) {
  std::vector<IniLine> lines;
  size_t begin = 0;
  while (begin < text.size()) {
    size_t breakAt = begin;
    while (breakAt < text.size() && !IsLineBreak(text[breakAt])) ++breakAt;
    size_t end = breakAt;
    if (end < text.size()) end += text.substr(end, 2) == "\r\n" ? 2 : 1;
    IniLine line = ParseLine(text, begin, breakAt);
    line.end = end;
    line.hasBreak = end > breakAt;
    lines.push_back(line);
    begin = end;
  }
  return lines;
}

class ParsedIni {
 public:
  explicit ParsedIni(std::string_view text) : text_(text), lines_(ParseLines(text)) {
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
  std::string_view Slice(Span span) const { return text_.substr(span.begin, span.end - span.begin); }

  std::string_view NameOf(const SectionLines& section) const {
    return section.header == kNone ? std::string_view() : Slice(lines_[section.header].name);
  }

  const SectionLines* FindSection(std::string_view name) const {
    name = TrimBlanks(name);
    for (const SectionLines& section : sections_) {
      if (SameName(NameOf(section), name)) return &section;
    }
    return nullptr;
  }

  const IniLine* FindKey(const SectionLines& section, std::string_view key) const {
    key = TrimBlanks(key);
    for (size_t i = section.first; i < section.last; ++i) {
      const IniLine& line = lines_[i];
      if (line.kind == IniLine::Kind::kKey && SameName(Slice(line.name), key)) return &line;
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
  std::string_view text_;
  std::vector<IniLine> lines_;
  std::vector<SectionLines> sections_;
};

std::string KeyLine(std::string_view key, std::string_view value) {
  return std::string(key) + "=" + std::string(value) + "\r\n";
}

void AppendSection(std::string& text, std::string_view section, std::string_view key, std::string_view value) {
  if (!text.empty() && !IsLineBreak(text.back())) text += "\r\n";
  text += "[" + std::string(section) + "]\r\n" + KeyLine(key, value);
}

void InsertKey(std::string& text, const ParsedIni& ini, const SectionLines& section, std::string_view key,
               std::string_view value) {
  const std::optional<size_t> after = ini.LastFilledLine(section);
  if (!after) {
    text.insert(0, KeyLine(key, value));
    return;
  }
  const IniLine& line = ini.Lines()[*after];
  text.insert(line.end, (line.hasBreak ? "" : "\r\n") + KeyLine(key, value));
}

}  // namespace

std::string ReadIniValue(std::string_view text, std::string_view section, std::string_view key,
                         size_t bufferSize) {
  if (bufferSize == 0) return {};
  const ParsedIni ini(text);
  const SectionLines* found = ini.FindSection(section);
  const IniLine* line = found == nullptr ? nullptr : ini.FindKey(*found, key);
  if (line == nullptr || !line->value) return {};
  return std::string(CutToWholeChars(Unquoted(ini.Slice(*line->value)), bufferSize - 1));
}

bool WriteIniValue(std::string& text, std::string_view section, std::string_view key, std::string_view value) {
  // Names keep trailing blanks when written (the platform does too); lookups ignore them.
  section = TrimLeadingBlanks(section);
  key = TrimLeadingBlanks(key);
  value = TrimLeadingBlanks(value);
  const ParsedIni ini(text);
  const SectionLines* found = ini.FindSection(section);
  if (found == nullptr) {
    AppendSection(text, section, key, value);
    return true;
  }
  const IniLine* line = ini.FindKey(*found, key);
  if (line == nullptr) {
    InsertKey(text, ini, *found, key, value);
    return true;
  }
  if (!line->value) {
    text.insert(line->contentEnd, "=" + std::string(value));
    return true;
  }
  if (ini.Slice(*line->value) == value) return false;
  text.replace(line->value->begin, line->value->end - line->value->begin, value);
  return true;
}

std::vector<IniSection> ListIniSections(std::string_view text) {
  const ParsedIni ini(text);
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

}  // namespace corvanta
