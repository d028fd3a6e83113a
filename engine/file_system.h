// The platform's file services the engine rests on, behind one small interface
// with two implementations: file_system_win.cpp (Win32, share modes) and
// file_system_posix.cpp. Positions, lengths and counts are 64-bit everywhere,
// so sources beyond 4 GiB work in the 32-bit program too.
#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>

#include "engine/text.h"

// A failure code of the system: GetLastError() on Windows, errno on POSIX.
struct SystemError {
  uint32_t code = 0;
};

// The system's own description of the error, in the ANSI code page, without a
// trailing line break; empty when the system has none.
Text SystemErrorText(SystemError error);

// Which file an open handle refers to, however its path is spelled.
struct FileIdentity {
  uint64_t volume = 0;
  uint64_t index = 0;
  friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};

// The path syntax of the platform: on Windows both '\' and '/' end a folder
// name and paths are read by the byte-pair rule (the code page is double-byte);
// on POSIX only '/' does, and every 0x2F byte is one.
enum class PathSyntax { Windows, Posix };
extern const PathSyntax kNativePathSyntax;

// An open file of the system (a POSIX descriptor or a Win32 HANDLE), closed
// when the object goes. Each backend supplies Close().
class FileHandle {
 public:
  // -1 is both an invalid descriptor and INVALID_HANDLE_VALUE.
  static constexpr intptr_t kClosed = -1;

  FileHandle() = default;
  explicit FileHandle(intptr_t value) noexcept : value_(value) {}
  ~FileHandle() { CloseQuietly(); }
  FileHandle(FileHandle&& other) noexcept : value_(std::exchange(other.value_, kClosed)) {}
  FileHandle& operator=(FileHandle&& other) noexcept {
    if (this != &other) {
      CloseQuietly();
      value_ = std::exchange(other.value_, kClosed);
    }
    return *this;
  }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;

  bool IsOpen() const noexcept { return value_ != kClosed; }
  intptr_t get() const noexcept { return value_; }
  // Closes the file; false with the system's code when nothing was open or
  // the system reports an error on closing (for instance a delayed write
  // that failed).
  bool Close(SystemError* error);
  // Which file this is, however its path was spelled.
  bool Identity(FileIdentity* identity, SystemError* error) const;

 private:
  void CloseQuietly() {
    SystemError ignored;
    if (IsOpen()) Close(&ignored);
  }

  intptr_t value_ = kClosed;
};

// A file open for reading. Other processes may read and write it meanwhile.
// Closed when the object goes.
class SourceFile {
 public:
  // Opens an existing file; never creates one. A folder, a missing file, an
  // empty path or a sharing conflict fail with the system's code.
  static SourceFile Open(const Text& path, SystemError* error);

  bool IsOpen() const noexcept { return handle_.IsOpen(); }
  bool Length(int64_t* length, SystemError* error) const;
  bool Identity(FileIdentity* identity, SystemError* error) const {
    return handle_.Identity(identity, error);
  }
  // Reads up to count bytes at offset; *got is below count only at the end of
  // the file.
  bool ReadAt(int64_t offset, void* buffer, std::size_t count, std::size_t* got,
              SystemError* error) const;

 private:
  FileHandle handle_;
};

// A file open for writing that no other process may open meanwhile (on
// Windows; POSIX has no mandatory share modes). Closed when the object goes.
class PartFile {
 public:
  // Opens the file for writing, creating it when it does not exist; an
  // existing file keeps its bytes until Truncate(), so that its identity can
  // be checked before anything is lost.
  static PartFile Open(const Text& path, SystemError* error);

  bool IsOpen() const noexcept { return handle_.IsOpen(); }
  bool Identity(FileIdentity* identity, SystemError* error) const {
    return handle_.Identity(identity, error);
  }
  // Cuts the file to nothing and writes from its start.
  bool Truncate(SystemError* error);
  // Writes every byte or fails; a write that makes no progress is an error.
  bool Write(const void* bytes, std::size_t count, SystemError* error);
  // Closes the file; false when the system reports an error on closing (for
  // instance a delayed write that failed).
  bool Close(SystemError* error) { return handle_.Close(error); }

 private:
  FileHandle handle_;
};
