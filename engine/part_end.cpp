// The cut search. Whether a position p is a character start depends only on
// the run of bytes of 0x80 or above that ends right before p (going back no
// further than the chunk's first byte): the byte after a byte below 0x80
// always begins a character, so p is a character start exactly when that run
// has an even length. The search therefore walks backwards from the chunk's
// end, jumping from line feed to line feed, and looks only at the high-byte
// runs next to them.
#include "engine/part_end.h"

#include <algorithm>
#include <cstring>

namespace {

bool IsHigh(char byte) { return static_cast<unsigned char>(byte) >= 0x80; }

// The last byte equal to wanted among count bytes, or nullptr.
const char* LastByte(const char* bytes, std::size_t count, char wanted) {
#if defined(__GLIBC__)
  return static_cast<const char*>(memrchr(bytes, wanted, count));
#else
  for (std::size_t i = count; i > 0; --i) {
    if (bytes[i - 1] == wanted) return bytes + i - 1;
  }
  return nullptr;
#endif
}

// A window of one block over the chunk. The search only ever moves backwards,
// so every byte is read at most once.
class BackwardBlocks {
 public:
  BackwardBlocks(ChunkBytes& chunk, int64_t chunkLength, char* block, std::size_t blockBytes)
      : chunk_(chunk),
        block_(block),
        blockBytes_(static_cast<int64_t>(blockBytes)),
        start_(chunkLength),
        end_(chunkLength) {}

  bool ByteAt(int64_t index, char* byte) {
    if (!Hold(index)) return false;
    *byte = block_[index - start_];
    return true;
  }

  // The number of bytes of 0x80 or above in a row that end at index last,
  // counting back to the chunk's first byte at most.
  bool HighRunEndingAt(int64_t last, int64_t* runLength) {
    int64_t at = last;
    while (at >= 0) {
      if (!Hold(at)) return false;
      while (at >= start_ && IsHigh(block_[at - start_])) --at;
      if (at >= start_) break;  // stopped on a byte below 0x80
    }
    *runLength = last - at;
    return true;
  }

  // The index of the last line feed in [from, to), or -1.
  bool LastLineFeed(int64_t from, int64_t to, int64_t* found) {
    while (to > from) {
      if (!Hold(to - 1)) return false;
      int64_t low = std::max(from, start_);
      const char* hit = LastByte(block_ + (low - start_), static_cast<std::size_t>(to - low), '\n');
      if (hit) {
        *found = start_ + (hit - block_);
        return true;
      }
      to = low;
    }
    *found = -1;
    return true;
  }

 private:
  // Makes the byte at index readable: the block that ends with it is read
  // unless it is already held.
  bool Hold(int64_t index) {
    if (index >= start_ && index < end_) return true;
    end_ = index + 1;
    start_ = std::max<int64_t>(0, end_ - blockBytes_);
    if (chunk_.Read(start_, block_, static_cast<std::size_t>(end_ - start_))) return true;
    start_ = end_;  // nothing held
    return false;
  }

  ChunkBytes& chunk_;
  char* block_;
  int64_t blockBytes_;
  int64_t start_;  // the block holds the chunk's bytes [start_, end_)
  int64_t end_;
};

}  // namespace

bool FindPartEnd(ChunkBytes& chunk, int64_t chunkLength, char* block, std::size_t blockBytes,
                 int64_t* partLength) {
  BackwardBlocks bytes(chunk, chunkLength, block, blockBytes);

  // The last resort: the chunk without a lead byte that ends it.
  int64_t endRun = 0;
  if (!bytes.HighRunEndingAt(chunkLength - 1, &endRun)) return false;
  int64_t wholeCharacters = endRun % 2 == 0 ? chunkLength : std::max<int64_t>(chunkLength - 1, 1);

  // Line feeds from the last one backwards. A line feed at index 0 is never a
  // cut: the part would be empty, and so would one cut at a carriage return
  // at index 0.
  int64_t lastLineFeed = -1;
  int64_t unsearchedEnd = chunkLength - endRun;  // the end run holds no line feed
  for (;;) {
    int64_t lineFeed = 0;
    if (!bytes.LastLineFeed(1, unsearchedEnd, &lineFeed)) return false;
    if (lineFeed < 0) break;
    char before = 0;
    if (!bytes.ByteAt(lineFeed - 1, &before)) return false;
    if (before == '\r') {
      // The line feed follows a byte below 0x80, so it begins a character;
      // the pair counts if the carriage return does too.
      if (lastLineFeed < 0) lastLineFeed = lineFeed;
      int64_t carriageReturn = lineFeed - 1;
      if (carriageReturn == 0) break;
      int64_t run = 0;
      if (!bytes.HighRunEndingAt(carriageReturn - 1, &run)) return false;
      if (run % 2 == 0) {
        *partLength = carriageReturn;
        return true;
      }
      unsearchedEnd = carriageReturn - run;
    } else if (lastLineFeed >= 0) {
      // A lone line feed cut is already found; only a "\r\n" could beat it,
      // so whether this one begins a character does not matter (in a text
      // of lone line feeds, no run is ever counted).
      unsearchedEnd = lineFeed;
    } else if (IsHigh(before)) {
      int64_t run = 0;
      if (!bytes.HighRunEndingAt(lineFeed - 1, &run)) return false;
      if (run % 2 == 0) lastLineFeed = lineFeed;
      unsearchedEnd = lineFeed - run;
    } else {
      lastLineFeed = lineFeed;
      unsearchedEnd = lineFeed;
    }
  }
  *partLength = lastLineFeed >= 0 ? lastLineFeed : wholeCharacters;
  return true;
}
