// The platform's file services the engine rests on, behind one small interface
// with two implementations: file_system_win.cpp (Win32, share modes) and
// file_system_posix.cpp. Positions, lengths and counts are 64-bit everywhere,
// so sources beyond 4 GiB work in the 32-bit program too.
#pragma once

#include <cstddef>
#include <cstdint>

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

// A file open for reading. Other processes may read and write it meanwhile.
// Closed when the object goes.
class SourceFile {
 public:
  SourceFile() = default;
  ~SourceFile();
  SourceFile(SourceFile&& other) noexcept;
  SourceFile& operator=(SourceFile&& other) noexcept;
  SourceFile(const SourceFile&) = delete;
  SourceFile& operator=(const SourceFile&) = delete;

  // Opens an existing file; never creates one. A folder, a missing file, an
  // empty path or a sharing conflict fail with the system's code.
  static SourceFile Open(const Text& path, SystemError* error);

  bool IsOpen() const noexcept;
  bool Length(int64_t* length, SystemError* error) const;
  bool Identity(FileIdentity* identity, SystemError* error) const;
  // Reads up to count bytes at offset; *got is below count only at the end of
  // the file.
  bool ReadAt(int64_t offset, void* buffer, std::size_t count, std::size_t* got,
              SystemError* error) const;

 private:
  intptr_t handle_ = -1;
  friend class PartFile;
};

// A file open for writing that no other process may open meanwhile (on
// Windows; POSIX has no mandatory share modes). Closed when the object goes.
class PartFile {
 public:
  PartFile() = default;
  ~PartFile();
  PartFile(PartFile&& other) noexcept;
  PartFile& operator=(PartFile&& other) noexcept;
  PartFile(const PartFile&) = delete;
  PartFile& operator=(const PartFile&) = delete;

  // Opens the file for writing, creating it when it does not exist; an
  // existing file keeps its bytes until Truncate(), so that its identity can
  // be checked before anything is lost.
  static PartFile Open(const Text& path, SystemError* error);

  bool IsOpen() const noexcept;
  bool Identity(FileIdentity* identity, SystemError* error) const;
  // Cuts the file to nothing and writes from its start.
  bool Truncate(SystemError* error);
  // Writes every byte or fails; a write that makes no progress is an error.
  bool Write(const void* bytes, std::size_t count, SystemError* error);
  // Closes the file; false when the system reports an error on closing (for
  // instance a delayed write that failed).
  bool Close(SystemError* error);

 private:
  intptr_t handle_ = -1;
};
