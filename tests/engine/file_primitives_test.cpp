// The file primitives: ReadText's stop bytes and positions, the failure values
// of numbers that are not open, and WriteWholeFile's truncation and silence.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "engine/file_primitives.h"
#include "tests/engine/temp_folder.h"

namespace {

// An open file that is closed when the test ends, whatever happens.
class OpenedFile {
 public:
  explicit OpenedFile(const Text& path) : number_(OpenFile(path)) {}
  ~OpenedFile() { CloseFile(number_); }
  OpenedFile(const OpenedFile&) = delete;
  OpenedFile& operator=(const OpenedFile&) = delete;
  FileNumber number() const { return number_; }

 private:
  FileNumber number_;
};

struct ReadStep {
  int64_t n;
  std::string expectedText;
  int64_t expectedPosition;
};

struct ReadCase {
  const char* name;
  std::string content;
  int64_t start;
  std::vector<ReadStep> steps;
};

TEST(ReadTextTest, StopsAtStopBytesAndLeavesThePositionAsDescribed) {
  using namespace std::string_literals;
  const ReadCase cases[] = {
      {"0x00 as fourth byte", "abc\0efghij"s, 0, {{10, "abc", 3}, {10, "", 3}}},
      {"0x1A at a character start", "ab\x1A" "cd"s, 0, {{5, "ab", 2}, {5, "", 2}}},
      {"lead byte before 0x00", "ab\xB0\0cd"s, 0, {{6, "ab", 3}, {6, "", 3}}},
      {"0x1A as a second byte", "a\xB0\x1A" "b"s, 0, {{4, "a\xB0\x1A" "b", 4}}},
      {"0x00 as a second byte of a later pair", "\xB0\xA1x\xC4\0"s, 0, {{5, "\xB0\xA1x", 4}}},
      {"a last lead byte is kept", "ab\xB0\xA1"s, 0, {{3, "ab\xB0", 3}, {5, "\xA1", 4}}},
      {"the walk starts at the position", "\xB0\x1A" "c"s, 1, {{2, "", 1}}},
      {"more than remains", "hello"s, 0, {{100, "hello", 5}, {100, "", 5}}},
      {"n of 0 or below", "hello"s, 2, {{0, "", 2}, {-1, "", 2}, {1, "l", 3}}},
      {"from beyond the end", "hello"s, 9, {{4, "", 9}}},
      {"an empty file", ""s, 0, {{4, "", 0}}},
      {"in steps", "abcdef"s, 0, {{2, "ab", 2}, {3, "cde", 5}, {3, "f", 6}}},
  };
  for (const ReadCase& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder folder;
    Text path = folder.PathOf("source.txt");
    WriteBytes(path, c.content);
    OpenedFile file(path);
    ASSERT_NE(file.number(), 0);
    ASSERT_TRUE(SeekFile(file.number(), c.start));
    for (const ReadStep& step : c.steps) {
      SCOPED_TRACE(testing::Message() << "n = " << step.n);
      EXPECT_EQ(ReadText(file.number(), step.n).view(), step.expectedText);
      EXPECT_EQ(GetFilePosition(file.number()), step.expectedPosition);
    }
  }
}

TEST(FilePrimitivesTest, IsEndOfFileComparesPositionAndLengthOnly) {
  TempFolder folder;
  Text path = folder.PathOf("source.txt");
  WriteBytes(path, std::string("ab\0", 3));
  OpenedFile file(path);
  EXPECT_FALSE(IsEndOfFile(file.number()));
  EXPECT_EQ(ReadText(file.number(), 10).view(), "ab");
  EXPECT_FALSE(IsEndOfFile(file.number()));  // on the 0x00, not at the end
  ASSERT_TRUE(SeekFile(file.number(), 3));
  EXPECT_TRUE(IsEndOfFile(file.number()));
  ASSERT_TRUE(SeekFile(file.number(), 30));
  EXPECT_TRUE(IsEndOfFile(file.number()));

  Text emptyPath = folder.PathOf("empty.txt");
  WriteBytes(emptyPath, "");
  OpenedFile empty(emptyPath);
  EXPECT_TRUE(IsEndOfFile(empty.number()));
}

TEST(FilePrimitivesTest, SeekFileRefusesNegativePositions) {
  TempFolder folder;
  Text path = folder.PathOf("source.txt");
  WriteBytes(path, "abcdef");
  OpenedFile file(path);
  ASSERT_TRUE(SeekFile(file.number(), 4));
  EXPECT_FALSE(SeekFile(file.number(), -1));
  EXPECT_EQ(GetFilePosition(file.number()), 4);
  EXPECT_EQ(ReadText(file.number(), 10).view(), "ef");
}

TEST(FilePrimitivesTest, NumbersThatAreNotOpenGiveTheFailureValues) {
  TempFolder folder;
  Text path = folder.PathOf("source.txt");
  WriteBytes(path, "abc");
  FileNumber closed = OpenFile(path);
  ASSERT_NE(closed, 0);
  CloseFile(closed);
  OpenedFile other(path);  // an open file the others must not reach
  ASSERT_NE(other.number(), 0);
  ASSERT_TRUE(SeekFile(other.number(), 1));

  for (FileNumber f : {FileNumber{0}, closed, FileNumber{-1}, other.number() + 1000}) {
    SCOPED_TRACE(f);
    CloseFile(f);
    EXPECT_FALSE(SeekFile(f, 0));
    EXPECT_EQ(GetFilePosition(f), -1);
    EXPECT_TRUE(IsEndOfFile(f));
    EXPECT_TRUE(ReadText(f, 10).empty());
  }
  EXPECT_EQ(GetFilePosition(other.number()), 1);
  EXPECT_EQ(ReadText(other.number(), 10).view(), "bc");
}

TEST(FilePrimitivesTest, OpenFileFailsWithoutAnExistingFile) {
  TempFolder folder;
  EXPECT_EQ(OpenFile(Text()), 0);
  EXPECT_EQ(OpenFile(folder.PathOf("missing.txt")), 0);
  EXPECT_EQ(OpenFile(folder.Path()), 0);  // a folder
  EXPECT_FALSE(Exists(folder.PathOf("missing.txt")));
}

TEST(FilePrimitivesTest, EachNumberHasItsOwnPosition) {
  TempFolder folder;
  Text path = folder.PathOf("\xB7\xD6\xB8\xEE.txt");  // a GBK name
  WriteBytes(path, "abcdef");
  OpenedFile first(path);
  OpenedFile second(path);
  ASSERT_NE(first.number(), 0);
  ASSERT_NE(second.number(), 0);
  EXPECT_NE(first.number(), second.number());
  EXPECT_EQ(ReadText(first.number(), 4).view(), "abcd");
  EXPECT_EQ(ReadText(second.number(), 2).view(), "ab");
  EXPECT_EQ(GetFilePosition(first.number()), 4);
}

TEST(FilePrimitivesTest, OthersMayWriteAnOpenSource) {
  TempFolder folder;
  Text path = folder.PathOf("source.txt");
  WriteBytes(path, "abcdef");
  OpenedFile file(path);
  ASSERT_NE(file.number(), 0);
  {
    std::fstream other(path.c_str(), std::ios::in | std::ios::out | std::ios::binary);
    ASSERT_TRUE(other.is_open());
    other.seekp(2);
    other << "XY";
  }
  EXPECT_EQ(ReadText(file.number(), 10).view(), "abXYef");
}

TEST(FilePrimitivesTest, PositionsBeyondFourGigabytes) {
  TempFolder folder;
  Text path = folder.PathOf("large.txt");
  const int64_t kMarkerAt = (int64_t{5} << 30) + 7;
  WriteBytes(path, "");
  std::filesystem::resize_file(path.c_str(), static_cast<uintmax_t>(kMarkerAt));  // sparse
  {
    std::ofstream out(path.c_str(), std::ios::binary | std::ios::app);
    out << "tail";
  }
  OpenedFile file(path);
  ASSERT_TRUE(SeekFile(file.number(), kMarkerAt));
  EXPECT_FALSE(IsEndOfFile(file.number()));
  EXPECT_EQ(ReadText(file.number(), 100).view(), "tail");
  EXPECT_EQ(GetFilePosition(file.number()), kMarkerAt + 4);
  EXPECT_TRUE(IsEndOfFile(file.number()));
}

TEST(WriteWholeFileTest, CreatesOrTruncatesAndWritesEverySetInOrder) {
  using namespace std::string_literals;
  struct Case {
    const char* name;
    bool existing;
    std::vector<std::string> sets;
    std::string expected;
  };
  const Case cases[] = {
      {"a new file", false, {"ab", "", "cd"}, "abcd"},
      {"a longer file is cut", true, {"x"}, "x"},
      {"an empty set empties the file", true, {""}, ""},
      {"an empty set creates an empty file", false, {""}, ""},
      {"0x00 and 0x1A are written", false, {"a\0b\x1A"s}, "a\0b\x1A"s},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder folder;
    Text path = folder.PathOf("part1.txt");
    if (c.existing) WriteBytes(path, "the old, longer content");
    std::vector<ByteSet> sets;
    for (const std::string& bytes : c.sets) sets.push_back(ByteSet{bytes});
    bool written = false;
    switch (sets.size()) {
      case 1: written = WriteWholeFile(path, {&sets[0]}); break;
      case 3: written = WriteWholeFile(path, {&sets[0], &sets[1], &sets[2]}); break;
      default: FAIL() << "no call for " << sets.size() << " sets";
    }
    EXPECT_TRUE(written);
    EXPECT_EQ(ReadBytes(path), c.expected);
  }
}

TEST(WriteWholeFileTest, FailsSilentlyWhereNothingCanBeWritten) {
  TempFolder folder;
  ByteSet bytes{"abc"};
  EXPECT_FALSE(WriteWholeFile(Text(), {&bytes}));
  EXPECT_FALSE(WriteWholeFile(folder.PathOf("missing folder/part1.txt"), {&bytes}));
  EXPECT_FALSE(WriteWholeFile(folder.Path(), {&bytes}));  // a folder
  EXPECT_FALSE(Exists(folder.PathOf("missing folder")));
}

TEST(WriteWholeFileTest, GbkNamesWork) {
  TempFolder folder;
  Text path = folder.PathOf("\xB7\xD6\xB8\xEE" "1.txt");
  ByteSet bytes{"\xD6\xD0\xCE\xC4\r\n"};
  ASSERT_TRUE(WriteWholeFile(path, {&bytes}));
  OpenedFile file(path);
  EXPECT_EQ(ReadText(file.number(), 100).view(), bytes.bytes);
}

}  // namespace
