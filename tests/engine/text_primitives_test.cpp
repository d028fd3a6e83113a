// The text primitives at their edges: 1-based positions, -1 for nothing found,
// the byte-pair rule in searches and number parsing, full-width folding and
// 32-bit wrapping.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

#include "engine/text.h"

namespace {

TEST(TextTest, HoldsTheBytesUpToTheFirstZero) {
  EXPECT_EQ(Text(std::string_view("ab\0cd", 5)).view(), "ab");
  EXPECT_EQ(Text(static_cast<const char*>(nullptr)).view(), "");
  EXPECT_STREQ(Text().c_str(), "");

  Text original("abc");
  Text copy = original;
  original = Text("x");
  EXPECT_EQ(copy.view(), "abc");
  EXPECT_EQ(TextLength(copy), 3);
  EXPECT_EQ(TextLength(Text()), 0);
}

TEST(TextTest, FindLastTextMatchesOnlyAtCharacterStarts) {
  struct Case {
    const char* text;
    const char* pattern;
    int32_t expected;
  };
  const Case cases[] = {
      {"E:\\data\\book.txt", "\\", 8},
      {"E:\\data\\book.txt", ".", 13},
      {"E:\\data\\book.txt", "x", 15},
      {"abc", "x", -1},
      {"", "\\", -1},
      {"abc", "", 1},
      {"", "", -1},
      {"ab", "abc", -1},
      {"ABC", "b", -1},  // letters are not folded
      {"a.b.c", ".", 4},
      {"aaa", "aa", 2},  // overlapping matches: the last one counts
      // 0x5C as the second byte of a pair is not a separator.
      {"a\xB0\\b", "\\", -1},
      {"a\\\xB0\\b", "\\", 2},
      {"\xD6\xD0\\x", "\\", 3},
      // 0xB0 takes the carriage return as its second byte, hiding "\r\n".
      {"ab\r\ncd\xB0\r\nef", "\r\n", 3},
      {"ab\xB0\r\n", "\r\n", -1},
      {"\xB0\xB0\r\n", "\r\n", 3},
      // Pairs are searched whole, from the first byte.
      {"\xB0\xB0\xB0", "\xB0\xB0", 1},
      // A lead byte before the end is still compared, then ends the walk.
      {"a\xB0", "\xB0", 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << '"' << c.text << "\" in \"" << c.pattern << '"');
    EXPECT_EQ(FindLastText(c.text, c.pattern), c.expected);
  }
}

TEST(TextTest, MidTextCutsBytesAndClipsToTheText) {
  struct Case {
    const char* text;
    int32_t start;
    int32_t count;
    const char* expected;
  };
  const Case cases[] = {
      {"abc", 3, 5, "c"},
      {"abc", 4, 1, ""},
      {"abc", 0, 2, ""},
      {"abc", -3, 5, ""},
      {"abc", 1, 0, ""},
      {"abc", 1, -1, ""},
      {"abc", 1, 2, "ab"},
      {"abc", 2, INT32_MAX, "bc"},
      {"", 1, 1, ""},
      {"\xB0\xA1x", 2, 1, "\xA1"},  // may begin inside a pair
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << '"' << c.text << "\" " << c.start << ", " << c.count);
    EXPECT_EQ(MidText(c.text, c.start, c.count).view(), c.expected);
  }
}

TEST(TextTest, TextToIntFoldsFullWidthFormsAndWraps) {
  struct Case {
    const char* text;
    int32_t expected;
  };
  const Case cases[] = {
      {"", 0},
      {"abc", 0},
      {"-12abc", -12},
      {"+5", 5},
      {"1000KB", 1000},
      {" \t\r\n\v\f42", 42},
      {"- 5", 0},
      {"--5", 0},
      {"2147483647", 2147483647},
      {"2147483648", INT32_MIN},
      {"-2147483648", INT32_MIN},
      {"4294967297", 1},
      {"99999999999", 1215752191},
      {"\xA3\xB1\xA3\xB2\xA3\xB3", 123},          // full-width digits
      {"\xA3\xAD" "5", -5},                        // full-width minus
      {"\xA3\xAB\xA3\xB7", 7},                     // full-width plus and digit
      {"\xA1\xA1\xA1\xA1" "8", 8},                 // full-width spaces
      {"1\xA3\xB0" "2", 102},                      // mixed widths
      {"12\xB0\xA1" "3", 12},                      // another pair ends the number
      {"\xB0" "5", 0},                             // a digit as second byte is no digit
      {"7\xB0", 7},                                // a last lead byte is dropped
      {"\xA1\xAB" "3", 0},                         // folds to '~', not a number
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(TextToInt(c.text), c.expected);
  }
}

TEST(TextTest, IntToTextWritesPlainDecimal) {
  EXPECT_EQ(IntToText(0).view(), "0");
  EXPECT_EQ(IntToText(7).view(), "7");
  EXPECT_EQ(IntToText(-5).view(), "-5");
  EXPECT_EQ(IntToText(2147483647).view(), "2147483647");
  EXPECT_EQ(IntToText(INT32_MIN).view(), "-2147483648");
}

TEST(TextTest, CompareTextOrdersUnsignedBytes) {
  struct Case {
    const char* a;
    const char* b;
    int expected;
  };
  const Case cases[] = {
      {"", "", 0},      {"", "a", -1},    {"a", "", 1},         {"ab", "abc", -1},
      {"abd", "abc", 1}, {"a", "A", 1},   {"\xB0", "a", 1},     {"abc", "abc", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << '"' << c.a << "\" vs \"" << c.b << '"');
    EXPECT_EQ(CompareText(c.a, c.b), c.expected);
  }
}

TEST(TextTest, ConcatTextsJoinsInOrder) {
  EXPECT_EQ(ConcatTexts({"D:\\out", "", "\\book", "1", ".txt"}).view(), "D:\\out\\book1.txt");
  EXPECT_TRUE(ConcatTexts({"", ""}).empty());
}

TEST(TextTest, TruncateToInt64RoundsTowardZero) {
  EXPECT_EQ(TruncateToInt64(2.9), 2);
  EXPECT_EQ(TruncateToInt64(-2.9), -2);
  EXPECT_EQ(TruncateToInt64(5e9), 5000000000);
  EXPECT_EQ(TruncateToInt64(1e30), INT64_MAX);
  EXPECT_EQ(TruncateToInt64(-1e30), INT64_MIN);
  EXPECT_EQ(TruncateToInt64(std::nan("")), 0);
}

TEST(TextTest, TextToByteSetKeepsEveryByte) {
  EXPECT_TRUE(TextToByteSet(Text()).bytes.empty());
  EXPECT_EQ(TextToByteSet("a\xB0\r\n").bytes, "a\xB0\r\n");
}

}  // namespace
