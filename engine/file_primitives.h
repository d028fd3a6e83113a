// Files known by number: the process-wide table of open files and the plain
// operations on them. A number that is not open (0, a closed number, any other
// value) is not an error: each operation returns its failure value at once.
// Positions and counts are 64-bit; no operation shows anything to the user.
#pragma once

#include <cstdint>
#include <initializer_list>

#include "engine/text.h"

// The identity of an entry of the table of open files; 0 means no file.
using FileNumber = int32_t;

// Opens an existing file for reading (others may read and write it meanwhile)
// and enters it in the table; 0 on any failure or for an empty path.
FileNumber OpenFile(const Text& path);

// Removes the file from the table and closes it; nothing for a number that is
// not open.
void CloseFile(FileNumber f);

// Moves to position bytes from the start; beyond the end is accepted. False,
// with nothing moved, for a negative position or a number that is not open.
bool SeekFile(FileNumber f, int64_t position);

// The current position; -1 for a number that is not open.
int64_t GetFilePosition(FileNumber f);

// True when the position has reached the file's length, or when either cannot
// be obtained. No byte is inspected: 0x00 or 0x1A at the position is not the end.
bool IsEndOfFile(FileNumber f);

// At most n bytes from the position on, walked by the byte-pair rule: a 0x00
// or 0x1A at a character start ends the text and leaves the file on it; a lead
// byte followed by 0x00 ends the text before it and leaves the file after it.
// A lead byte that is the last byte read stays in the text. n < 1 gives the
// empty text without touching the file; a read error leaves the file at its end.
Text ReadText(FileNumber f, int64_t n);

// Creates the file, or truncates an existing one, opened with no sharing, and
// writes the byte sets in order. False on any failure (an empty path, a missing
// folder, access denied, the file in use, a full disk); what was written stays.
bool WriteWholeFile(const Text& path, std::initializer_list<const ByteSet*> data);
