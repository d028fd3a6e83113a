// Where a part ends inside a chunk that does not reach the end of its source.
//
// The part is the chunk's beginning up to, in this order of preference:
//   1. the carriage return of the last "\r\n" whose carriage return is a
//      character start after the chunk's first byte (the line break travels
//      with the next part);
//   2. else the last line feed at a character start after the first byte;
//   3. else the longest beginning that does not end inside a two-byte
//      character: the whole chunk, or all of it but a last lead byte (never
//      nothing: a chunk of one byte is taken whole).
// So a part holds at least one byte and at most the chunk. Character starts
// follow the byte-pair rule walked from the chunk's first byte: every byte of
// 0x80 or above opens a pair with the byte after it; 0x00 and 0x1A are
// ordinary bytes.
#pragma once

#include <cstddef>
#include <cstdint>

// The bytes of one chunk, read on demand.
class ChunkBytes {
 public:
  // Reads bytes [offset, offset + count) of the chunk into buffer; false when
  // they cannot all be read.
  virtual bool Read(int64_t offset, char* buffer, std::size_t count) = 0;

 protected:
  ~ChunkBytes() = default;
};

// Sets *partLength to the length of the part that begins a chunk of
// chunkLength bytes (at least 1). The chunk is read backwards from its end in
// blocks of at most blockBytes (at least 1) through block, so memory does not
// grow with the chunk, and normally only the bytes near the cut are read.
// False when a read fails.
bool FindPartEnd(ChunkBytes& chunk, int64_t chunkLength, char* block, std::size_t blockBytes,
                 int64_t* partLength);
