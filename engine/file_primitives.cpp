// The file primitives and OpenFileTable, the process-wide table of open files
// they share. Every failure becomes a plain result; nothing is shown.
#include "engine/file_primitives.h"

#include <algorithm>
#include <map>
#include <memory>
#include <new>
#include <string_view>

#include "engine/file_system.h"

namespace {

// The files opened by OpenFile, each with its own position. Numbers start at
// 1 and count up, so a closed number is not handed out again until the count
// wraps (after about two billion opens), and never while it is still open.
class OpenFileTable {
 public:
  struct Entry {
    SourceFile file;
    int64_t position = 0;
  };

  FileNumber Add(SourceFile file) {
    while (next_ <= 0 || entries_.count(next_) != 0) {
      next_ = next_ <= 0 ? 1 : next_ + 1;
    }
    FileNumber number = next_;
    next_ = number == INT32_MAX ? 1 : number + 1;
    entries_.emplace(number, Entry{std::move(file), 0});
    return number;
  }

  void Remove(FileNumber f) { entries_.erase(f); }

  // Nullptr for a number that is not open.
  Entry* Find(FileNumber f) {
    auto found = entries_.find(f);
    return found == entries_.end() ? nullptr : &found->second;
  }

 private:
  std::map<FileNumber, Entry> entries_;
  FileNumber next_ = 1;
};

OpenFileTable& Table() {
  static OpenFileTable table;
  return table;
}

bool IsStopByte(unsigned char byte) { return byte == 0x00 || byte == 0x1A; }

// Walks the bytes read by the byte-pair rule and returns how many of them
// belong to the text; *consumed is how far the position moves. A stop byte at
// a character start is neither kept nor consumed; a lead byte before 0x00 is
// consumed but not kept; a lead byte that is the last byte read is kept.
std::size_t KeptBytes(const unsigned char* bytes, std::size_t count, std::size_t* consumed) {
  std::size_t at = 0;
  while (at < count) {
    if (IsStopByte(bytes[at])) break;
    if (bytes[at] >= 0x80 && at + 1 < count) {
      if (bytes[at + 1] == 0x00) {
        *consumed = at + 1;
        return at;
      }
      at += 2;
    } else {
      at += 1;
    }
  }
  *consumed = at;
  return at;
}

}  // namespace

FileNumber OpenFile(const Text& path) {
  if (path.empty()) return 0;
  SystemError error;
  SourceFile file = SourceFile::Open(path, &error);
  if (!file.IsOpen()) return 0;
  return Table().Add(std::move(file));
}

void CloseFile(FileNumber f) { Table().Remove(f); }

bool SeekFile(FileNumber f, int64_t position) {
  OpenFileTable::Entry* entry = Table().Find(f);
  if (!entry || position < 0) return false;
  entry->position = position;
  return true;
}

int64_t GetFilePosition(FileNumber f) {
  OpenFileTable::Entry* entry = Table().Find(f);
  return entry ? entry->position : -1;
}

bool IsEndOfFile(FileNumber f) {
  OpenFileTable::Entry* entry = Table().Find(f);
  SystemError error;
  int64_t length = 0;
  if (!entry || !entry->file.Length(&length, &error)) return true;
  return entry->position >= length;
}

Text ReadText(FileNumber f, int64_t n) {
  if (n < 1) return Text();
  OpenFileTable::Entry* entry = Table().Find(f);
  SystemError error;
  int64_t length = 0;
  // Without the length there is no end to move to; IsEndOfFile is true then,
  // so a reading loop still ends.
  if (!entry || !entry->file.Length(&length, &error)) return Text();

  // A buffer for what the file still holds rather than for n bytes: the same
  // result, with memory bounded by the file. A buffer larger than the address
  // space cannot be obtained any more than one the allocator refuses.
  int64_t remaining = std::max<int64_t>(0, length - entry->position);
  int64_t wanted = std::min(n, remaining);
  if (wanted == 0) return Text();
  std::size_t size = static_cast<std::size_t>(wanted);
  std::unique_ptr<unsigned char[]> buffer(
      wanted <= PTRDIFF_MAX ? new (std::nothrow) unsigned char[size] : nullptr);
  std::size_t got = 0;
  if (!buffer || !entry->file.ReadAt(entry->position, buffer.get(), size, &got, &error)) {
    entry->position = length;
    return Text();
  }

  std::size_t consumed = 0;
  std::size_t kept = KeptBytes(buffer.get(), got, &consumed);
  entry->position += static_cast<int64_t>(consumed);
  return Text(std::string_view(reinterpret_cast<const char*>(buffer.get()), kept));
}

bool WriteWholeFile(const Text& path, std::initializer_list<const ByteSet*> data) {
  if (path.empty()) return false;
  SystemError error;
  PartFile file = PartFile::Open(path, &error);
  if (!file.IsOpen() || !file.Truncate(&error)) return false;
  for (const ByteSet* set : data) {
    if (set && !file.Write(set->bytes.data(), set->bytes.size(), &error)) return false;
  }
  return file.Close(&error);
}
