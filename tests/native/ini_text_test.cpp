#include "settings/ini_text.h"

#include <gtest/gtest.h>

#include "shared/iconv_ini_codec.h"

namespace corvanta {
namespace {

// GBK characters whose trail byte is ASCII punctuation or a letter (sources are compiled to GBK):
// 礬 B5 5C ('\'), 礫 B5 5B ('['), 礭 B5 5D (']'), 億 83 7C ('|'), 礎 B5 41 ('A'), 礱 B5 61 ('a').
static_assert(sizeof("礬礫礭億礎礱") == 13, "sources must be compiled with the GBK execution character set");

constexpr size_t kBuffer = 10240;

TEST(IniTextTest, ReadsFollowTheProfileRules) {
  struct Case {
    const char* name;
    const char* file;
    const char* section;
    const char* key;
    const char* expected;
  } cases[] = {
      {"plain", "[A]\r\nx=1\r\n", "A", "x", "1"},
      {"LF endings", "[A]\nx=1\ny=2", "A", "y", "2"},
      {"CR endings", "[A]\rx=1\ry=2\r", "A", "y", "2"},
      {"blanks around names and value", " \t[ A\x1a ] \r\n \t x \t= \t1 2\x1a\t\r\n", "A", "x", "1 2"},
      {"lookup names are trimmed", "[A]\r\nx=1\r\n", " A ", "\tx ", "1"},
      {"names ignore ASCII case", "[Config]\r\nAlpha=75\r\n", "CONFIG", "alpha", "75"},
      {"double quotes removed", "[A]\r\nx=\"a b\"\r\n", "A", "x", "a b"},
      {"single quotes removed", "[A]\r\nx=' a '\r\n", "A", "x", " a "},
      {"quotes must match", "[A]\r\nx=\"abc'\r\n", "A", "x", "\"abc'"},
      {"a lone quote stays", "[A]\r\nx=\"\r\n", "A", "x", "\""},
      {"empty quotes", "[A]\r\nx=\"\"\r\n", "A", "x", ""},
      {"first '=' splits", "[A]\r\nx=a=b\r\n", "A", "x", "a=b"},
      {"empty key name", "[A]\r\n = e\r\n", "A", "", "e"},
      {"key without '=' reads empty", "[A]\r\nx\r\n", "A", "x", ""},
      {"first key wins", "[A]\r\nx=1\r\nX=2\r\n", "A", "x", "1"},
      {"first section wins, no fall-through", "[A]\r\nx=1\r\n[a]\r\ny=2\r\n", "A", "y", ""},
      {"text after the header is ignored", "[B]junk\r\ny=2\r\n", "B", "y", "2"},
      {"header runs to the last ']'", "[A]x]\r\na=1\r\n", "A]x", "a", "1"},
      {"no ']' makes a key line", "[A]\r\nx=1\r\n[B\r\ny=2\r\n", "A", "y", "2"},
      {"keys before any header", "k=0\r\n[A]\r\nx=1\r\n", "", "k", "0"},
      {"missing section", "[A]\r\nx=1\r\n", "B", "x", ""},
      {"missing key", "[A]\r\nx=1\r\n", "A", "y", ""},
      {"GBK section, key and value", "[表]\r\n键=值\r\n", "表", "键", "值"},
      {"trail bytes read exactly", "[礬]\r\n億=礫礭\\|\r\n", "礬", "億", "礫礭\\|"},
      {"trail ']' does not close a header", "[A]\r\n[礭\r\ny=2\r\n", "A", "y", "2"},
      {"trail ']' inside a header", "[礭]\r\nx=3\r\n", "礭", "x", "3"},
      {"trail ']' after the header", "[B]礭\r\nx=4\r\n", "B", "x", "4"},
      {"trail letters keep their case", "[A]\r\n礎=1\r\n礱=2\r\n", "A", "礱", "2"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ReadIniValue(c.file, c.section, c.key, kBuffer), c.expected) << c.name;
  }
}

TEST(IniTextTest, ReadsAreCutToTheBufferInWholeCharacters) {
  struct Case {
    const char* value;
    size_t bufferSize;
    const char* expected;
  } cases[] = {
      {"12345", 0, ""},   {"12345", 1, ""},  {"12345", 4, "123"}, {"12345", 6, "12345"},
      {"表表", 4, "表"},  {"表表", 5, "表表"}, {"a表", 2, "a"},     {"\"abc\"", 3, "ab"},
  };
  for (const Case& c : cases) {
    const std::string file = std::string("[A]\r\nx=") + c.value + "\r\n";
    EXPECT_EQ(ReadIniValue(file, "A", "x", c.bufferSize), c.expected) << c.value << " / " << c.bufferSize;
  }
}

TEST(IniTextTest, WritesEditInPlaceAndKeepEveryOtherByte) {
  struct Case {
    const char* name;
    const char* before;
    const char* section;
    const char* key;
    const char* value;
    const char* after;
  } cases[] = {
      {"new file", "", "Config", "Ar", "208", "[Config]\r\nAr=208\r\n"},
      {"empty value", "[Config]\r\nAr=208\r\n", "Config", "sck0", "", "[Config]\r\nAr=208\r\nsck0=\r\n"},
      {"new section at the end", "[A]\r\nx=1\r\n", "B", "y", "2", "[A]\r\nx=1\r\n[B]\r\ny=2\r\n"},
      {"new section after a last line without break", "[A]\r\nx=1", "B", "y", "2",
       "[A]\r\nx=1\r\n[B]\r\ny=2\r\n"},
      {"value replaced in place", "; note\r\n\r\n[A]\r\n x = 1 \r\n\r\n", "A", "x", "22",
       "; note\r\n\r\n[A]\r\n x = 22\r\n\r\n"},
      {"trailing blanks replaced with the value", "[A]\r\nx=1 \t\r\ny=2\r\n", "A", "x", "3 ",
       "[A]\r\nx=3 \r\ny=2\r\n"},
      {"line endings kept", "[A]\nx=1\ny=2\n", "A", "x", "3", "[A]\nx=3\ny=2\n"},
      {"quoted value replaced whole", "[A]\r\nx=\"1\"\r\n", "A", "x", "2", "[A]\r\nx=2\r\n"},
      {"leading blanks of the value dropped", "[A]\r\nx=1\r\n", "A", "x", " \t7 ", "[A]\r\nx=7 \r\n"},
      {"key spelling kept", "[Config]\r\nAlpha=1\r\n", "CONFIG", "ALPHA", "2", "[Config]\r\nAlpha=2\r\n"},
      {"new key after the last line, before blanks", "[A]\r\nx=1\r\n; c\r\n\r\n[B]\r\n", "A", "y", "2",
       "[A]\r\nx=1\r\n; c\r\ny=2\r\n\r\n[B]\r\n"},
      {"new key after a last line without break", "[A]\r\nx=1", "A", "y", "2", "[A]\r\nx=1\r\ny=2\r\n"},
      {"new key under a bare header", "[A]\r\n[B]\r\n", "A", "x", "1", "[A]\r\nx=1\r\n[B]\r\n"},
      {"new key goes to the first of two sections", "[A]\r\nx=1\r\n[A]\r\ny=2\r\n", "A", "y", "3",
       "[A]\r\nx=1\r\ny=3\r\n[A]\r\ny=2\r\n"},
      {"key without '=' gets one", "[A]\r\nx \r\n", "A", "x", "1", "[A]\r\nx=1 \r\n"},
      {"unnamed section goes first", "\r\n[A]\r\n", "", "top", "1", "top=1\r\n\r\n[A]\r\n"},
      {"names keep trailing blanks", "", "D ", "k ", "v", "[D ]\r\nk =v\r\n"},
      {"GBK names and value", "", "表", "礬", "礫礭億", "[表]\r\n礬=礫礭億\r\n"},
      {"GBK value replaced", "[表]\r\n礬=礫\r\n", "表", "礬", "值", "[表]\r\n礬=值\r\n"},
      {"trail letters are different keys", "[A]\r\n礎=1\r\n", "A", "礱", "2", "[A]\r\n礎=1\r\n礱=2\r\n"},
  };
  for (const Case& c : cases) {
    std::string text = c.before;
    EXPECT_TRUE(WriteIniValue(text, c.section, c.key, c.value)) << c.name;
    EXPECT_EQ(text, c.after) << c.name;
  }
}

TEST(IniTextTest, WritingTheStoredValueChangesNothing) {
  const struct {
    const char* file;
    const char* value;
  } cases[] = {{"[A]\r\n x = 1 \r\n", "1"},   {"[A]\nx=\n", ""},        {"[A]\r\nx=\"q\"\r\n", "  \"q\""},
               {"[A]\r\nx=a  \r\n", "a "}, {"[A]\r\nx=a\r\n", "a \t"}, {"[A]\r\nx=\r\n", "  "}};
  for (const auto& c : cases) {
    std::string text = c.file;
    EXPECT_FALSE(WriteIniValue(text, "a", "X", c.value)) << c.file;
    EXPECT_EQ(text, c.file);
  }
  std::string repeated = "[A]\r\nx=1\r\n";
  EXPECT_TRUE(WriteIniValue(repeated, "A", "x", "name.ini "));
  EXPECT_FALSE(WriteIniValue(repeated, "A", "x", "name.ini "));
  EXPECT_EQ(repeated, "[A]\r\nx=name.ini \r\n");
  std::string noValue = "[A]\r\nx\r\n";
  EXPECT_TRUE(WriteIniValue(noValue, "A", "x", ""));  // a key without '=' has no value yet
  EXPECT_EQ(noValue, "[A]\r\nx=\r\n");
}

TEST(IniTextTest, ListsSectionsAndKeyLinesInFileOrder) {
  const auto sections = ListIniSections("\r\n[A]\r\nx = \"1\"\r\n; note\r\n[]\r\n[表]\r\n键=值\r\n");
  ASSERT_EQ(sections.size(), 3u);
  EXPECT_EQ(sections[0].name, "A");
  ASSERT_EQ(sections[0].keys.size(), 2u);
  EXPECT_EQ(sections[0].keys[0].name + "|" + sections[0].keys[0].value, "x|\"1\"");
  EXPECT_EQ(sections[0].keys[1].name + "|" + sections[0].keys[1].value, "; note|");
  EXPECT_EQ(sections[1].name, "");
  EXPECT_TRUE(sections[1].keys.empty());
  EXPECT_EQ(sections[2].keys.at(0).value, "值");

  const auto withTop = ListIniSections("k=0\r\n[A]\r\n");
  ASSERT_EQ(withTop.size(), 2u);
  EXPECT_EQ(withTop[0].name + withTop[0].keys.at(0).name, "k");
}

std::string Utf16Bytes(std::u16string_view text) {
  std::string bytes = "\xFF\xFE";
  for (const char16_t unit : text) {
    bytes += static_cast<char>(unit & 0xFF);
    bytes += static_cast<char>(unit >> 8);
  }
  return bytes;
}

TEST(IniFileTest, MarkedFilesAreReadAndEditedInTheirOwnEncoding) {
  const testing::IconvIniCodec codec;
  // UTF-16: the Hangul U+C124 has no GBK form; it reads as '?' and its line keeps it through writes.
  std::string utf16 = Utf16Bytes(u"[\u8868]\r\nh=\uC124\r\nx = 1 \r\n");
  EXPECT_EQ(EncodingOfIniFile(utf16), IniEncoding::kUtf16);
  EXPECT_EQ(ReadIniFileValue(utf16, "表", "x", kBuffer, codec), "1");
  EXPECT_EQ(ReadIniFileValue(utf16, "表", "h", kBuffer, codec), "?");
  EXPECT_TRUE(WriteIniFileValue(utf16, "表", "x", "值", codec));
  EXPECT_TRUE(WriteIniFileValue(utf16, "B", "y", "2", codec));
  EXPECT_FALSE(WriteIniFileValue(utf16, "B", "y", "2 ", codec));
  EXPECT_EQ(utf16, Utf16Bytes(u"[\u8868]\r\nh=\uC124\r\nx = \u503C\r\n[B]\r\ny=2\r\n"));
  EXPECT_EQ(ReadIniFileValue(utf16, "表", "x", 2, codec), "");  // cut in whole GBK characters
  std::string markOnly = "\xFF\xFE";
  EXPECT_TRUE(WriteIniFileValue(markOnly, "A", "x", "1", codec));
  EXPECT_EQ(markOnly, Utf16Bytes(u"[A]\r\nx=1\r\n"));
  std::string odd = Utf16Bytes(u"[A]\r\n") + "\x41";
  EXPECT_TRUE(WriteIniFileValue(odd, "A", "x", "1", codec));
  EXPECT_EQ(odd, Utf16Bytes(u"[A]\r\nx=1\r\n"));

  // UTF-8: the mark does not hide the first section, and edits are UTF-8.
  std::string utf8 = "\xEF\xBB\xBF[Config]\r\nAr=208\r\n[\xE8\xA1\xA8]\r\nh=\xEC\x84\xA4\r\n";
  EXPECT_EQ(EncodingOfIniFile(utf8), IniEncoding::kUtf8);
  EXPECT_EQ(ReadIniFileValue(utf8, "Config", "Ar", kBuffer, codec), "208");
  EXPECT_EQ(ReadIniFileValue(utf8, "表", "h", kBuffer, codec), "?");
  EXPECT_TRUE(WriteIniFileValue(utf8, "表", "k", "值", codec));
  EXPECT_EQ(utf8, "\xEF\xBB\xBF[Config]\r\nAr=208\r\n[\xE8\xA1\xA8]\r\nh=\xEC\x84\xA4\r\nk=\xE5\x80\xBC\r\n");

  // Without a mark the bytes are GBK, whatever they look like.
  std::string gbk = "[\xE8\xA1\xA8]\r\n";
  EXPECT_EQ(EncodingOfIniFile(gbk), IniEncoding::kGbk);
  EXPECT_TRUE(WriteIniFileValue(gbk, "表", "k", "值", codec));
  EXPECT_EQ(gbk, "[\xE8\xA1\xA8]\r\n[\xB1\xED]\r\nk=\xD6\xB5\r\n");
}

}  // namespace
}  // namespace corvanta
