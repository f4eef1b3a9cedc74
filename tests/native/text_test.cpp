#include "settings/text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace corvanta {
namespace {

TEST(TextTest, EqualityIsByteWiseAndCaseSensitive) {
  EXPECT_TRUE(TextEquals("1", "1"));
  EXPECT_FALSE(TextEquals("C", "c"));
  EXPECT_FALSE(TextEquals("1", "01"));
  EXPECT_FALSE(TextEquals("1", "1 "));
  EXPECT_TRUE(TextEquals("已启用", "已启用"));
  EXPECT_FALSE(TextEquals("已启用", "待选"));
  EXPECT_TRUE(TextEquals("", ""));
}

TEST(TextTest, LeadingIntegerParse) {
  struct Case {
    const char* text;
    int32_t expected;
  } cases[] = {
      {"", 0},          {"abc", 0},         {"7abc", 7},       {"  42", 42},       {"\t-5x", -5},
      {"+13", 13},      {"-", 0},           {"- 3", 0},        {"0012", 12},       {"3.9", 3},
      {"1e5", 1},       {"2147483647", 2147483647},            {"-2147483648", INT32_MIN},
      {"2147483648", INT32_MAX},            {"99999999999999999999", INT32_MAX},
      {"-2147483649", INT32_MIN},           {"-99999999999999999999", INT32_MIN},
      {"\n5", 0},  // only blanks and tabs are skipped
  };
  for (const Case& c : cases) EXPECT_EQ(ParseLeadingInt(c.text), c.expected) << "text: \"" << c.text << "\"";
}

TEST(TextTest, FormatIntIsPlainDecimal) {
  EXPECT_EQ(FormatInt(0), "0");
  EXPECT_EQ(FormatInt(-20), "-20");
  EXPECT_EQ(FormatInt(2147483647), "2147483647");
  EXPECT_EQ(FormatInt(INT32_MIN), "-2147483648");
  for (int64_t v : {-1000000LL, -7LL, 0LL, 9LL, 24LL, 123456789LL}) EXPECT_EQ(ParseLeadingInt(FormatInt(v)), v);
}

TEST(TextTest, FindNeverMatchesAcrossAGbkCharacter) {
  // "曰" is 0xD4 0xBB; a needle made of its trail byte and the next character's lead byte must not match.
  const std::string text = "\xD4\xBB\xD4\xBB";
  EXPECT_EQ(FindText(text, "\xBB\xD4"), kNotFound);
  EXPECT_EQ(FindText(text, "\xD4\xBB"), 0u);
  EXPECT_EQ(FindText(text, "\xD4\xBB", 1), 2u);  // a start inside a character moves to the next boundary
  EXPECT_EQ(FindText("ab\xB0\xA1" "cd", "cd"), 4u);
  EXPECT_EQ(FindText("ab\xB0\xA1" "cd", "\xA1" "c"), kNotFound);
  // A trail byte in the ASCII range (GBK allows 0x40..0x7E) is not a match for that ASCII letter.
  EXPECT_EQ(FindText("\x81\x41", "A"), kNotFound);
  EXPECT_EQ(FindText("A\x81\x41", "A"), 0u);
}

TEST(TextTest, FindEdgeCases) {
  EXPECT_EQ(FindText("abc", ""), 0u);
  EXPECT_EQ(FindText("abc", "", 3), 3u);
  EXPECT_EQ(FindText("abc", "a", 4), kNotFound);
  EXPECT_EQ(FindText("", "a"), kNotFound);
  EXPECT_EQ(FindText("abcabc", "abc", 1), 3u);
  EXPECT_EQ(FindText("ab", "abc"), kNotFound);
  // A lone lead byte at the end does not read past the text.
  EXPECT_EQ(FindText("a\x81", "b"), kNotFound);
}

TEST(TextTest, TrimLeadingControls) {
  EXPECT_EQ(TrimLeadingControls("  \t\x01" "Config "), "Config ");
  EXPECT_EQ(TrimLeadingControls(" \x20\x1f"), "");
  EXPECT_EQ(TrimLeadingControls("\xB0\xA1"), "\xB0\xA1");
}

}  // namespace
}  // namespace corvanta
