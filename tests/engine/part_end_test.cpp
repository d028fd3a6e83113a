// The cut search: where a part ends inside a chunk, for every block size the
// chunk may be read in.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "engine/part_end.h"
#include "tests/engine/split_reference.h"

namespace {

class ChunkInMemory : public ChunkBytes {
 public:
  explicit ChunkInMemory(std::string_view bytes) : bytes_(bytes) {}
  bool Read(int64_t offset, char* buffer, std::size_t count) override {
    EXPECT_LE(offset + static_cast<int64_t>(count), static_cast<int64_t>(bytes_.size()));
    std::memcpy(buffer, bytes_.data() + offset, count);
    return true;
  }

 private:
  std::string_view bytes_;
};

int64_t PartLength(std::string_view chunk, std::size_t blockBytes) {
  ChunkInMemory bytes(chunk);
  std::vector<char> block(blockBytes);
  int64_t length = -1;
  EXPECT_TRUE(FindPartEnd(bytes, static_cast<int64_t>(chunk.size()), block.data(), blockBytes,
                          &length));
  return length;
}

struct CutCase {
  const char* name;
  std::string chunk;
  int64_t partLength;
};

TEST(PartEndTest, CutsByTheRulesInOrder) {
  using namespace std::string_literals;
  const CutCase cases[] = {
      {"before the last \\r\\n", "ab\r\ncd\r\nef", 6},
      {"\\r\\n at the chunk's end", "ab\r\ncd\r\n", 6},
      {"a last \\r whose \\n lies beyond", "ab\r\ncd\r", 2},
      {"a later hidden \\r\\n does not beat an earlier one", "ab\r\n\xB0\r\n", 2},
      {"an even run of high bytes before \\r", "\xB0\xB0\r\nx", 2},
      {"high bytes from the chunk's start decide", "\xB0\xB0\xB0\r\nx", 4},
      {"an odd run hides \\r, the line feed is cut before", "a\xB0\xB0\xB0\r\nx", 5},
      {"\\r\\n at the first byte: before its line feed", "\r\nabc", 1},
      {"only a line feed", "ab\ncd", 2},
      {"a line feed that is a second byte", "\xB0\nab", 4},
      {"no line feed: the whole chunk", "abcd", 4},
      {"no line feed: without a last lead byte", "abc\xB0", 3},
      {"no line feed: a last whole pair", "ab\xB0\xB0", 4},
      {"one lead byte is taken", "\xB0", 1},
      {"three high bytes", "\xB0\xB0\xB0", 2},
      {"0x00 and 0x1A are ordinary bytes", "a\0\r\nb\x1A"s, 2},
      {"0x1A only", "\x1A\x1A\x1A", 3},
      {"a line feed at the first byte is no cut", "\nabc", 4},
  };
  for (const CutCase& c : cases) {
    for (std::size_t blockBytes = 1; blockBytes <= c.chunk.size() + 1; ++blockBytes) {
      SCOPED_TRACE(testing::Message() << c.name << ", block " << blockBytes);
      EXPECT_EQ(PartLength(c.chunk, blockBytes), c.partLength);
      EXPECT_EQ(ReferencePartLength(c.chunk), c.partLength);
    }
  }
}

// Every block size against every chunk length on generated chunks.
TEST(PartEndTest, AgreesWithTheForwardWalkForEveryBlockSize) {
  TextGenerator generate(2024);
  for (int sample = 0; sample < 300; ++sample) {
    std::string text = generate.Mixed(12);
    for (std::size_t length = 1; length <= std::min<std::size_t>(text.size(), 40); ++length) {
      std::string_view chunk(text.data(), length);
      int64_t expected = ReferencePartLength(chunk);
      for (std::size_t blockBytes = 1; blockBytes <= length + 1; ++blockBytes) {
        ASSERT_EQ(PartLength(chunk, blockBytes), expected)
            << "chunk " << testing::PrintToString(std::string(chunk)) << ", block " << blockBytes;
      }
    }
  }
}

// A chunk of several GiB (as a 32-bit program may be given), made up as it is
// read: the cut near its end is found by reading only the last block.
class HugeChunk : public ChunkBytes {
 public:
  static constexpr int64_t kLength = int64_t{5} << 30;
  bool Read(int64_t offset, char* buffer, std::size_t count) override {
    bytesRead += static_cast<int64_t>(count);
    for (std::size_t i = 0; i < count; ++i) buffer[i] = ByteAt(offset + static_cast<int64_t>(i));
    return true;
  }
  // Lines of 98 high bytes and "\r\n", the whole chunk long.
  static char ByteAt(int64_t at) {
    int64_t column = at % 100;
    return column == 98 ? '\r' : column == 99 ? '\n' : '\xC4';
  }
  int64_t bytesRead = 0;
};

TEST(PartEndTest, ReadsOnlyNearTheCutOfAHugeChunk) {
  HugeChunk chunk;
  std::vector<char> block(4096);
  int64_t length = 0;
  ASSERT_TRUE(FindPartEnd(chunk, HugeChunk::kLength, block.data(), block.size(), &length));
  int64_t lastCarriageReturn = (HugeChunk::kLength - 2) / 100 * 100 + 98;
  if (lastCarriageReturn + 1 >= HugeChunk::kLength) lastCarriageReturn -= 100;
  EXPECT_EQ(length, lastCarriageReturn);
  EXPECT_LE(chunk.bytesRead, 2 * 4096);
}

class FailingChunk : public ChunkBytes {
 public:
  bool Read(int64_t, char*, std::size_t) override { return false; }
};

TEST(PartEndTest, ReportsAFailedRead) {
  FailingChunk chunk;
  char block[4];
  int64_t length = 0;
  EXPECT_FALSE(FindPartEnd(chunk, 10, block, sizeof block, &length));
}

}  // namespace
