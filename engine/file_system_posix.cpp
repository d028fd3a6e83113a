// The POSIX file backend: plain descriptors and positional reads.
//
// POSIX has no mandatory share modes, so the sharing the design asks for is
// approximated: a source is opened read-only and never locked, so others may
// read and write it meanwhile (as on Windows); a part file is opened without
// any lock either, so another process that holds it open is not kept out and
// does not make the open fail. Advisory locks would not keep out a program
// that does not ask for them, so none are taken.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

#include "engine/file_system.h"

const PathSyntax kNativePathSyntax = PathSyntax::Posix;

Text SystemErrorText(SystemError error) {
  return Text(std::strerror(static_cast<int>(error.code)));
}

namespace {

constexpr intptr_t kClosed = FileHandle::kClosed;

int Descriptor(intptr_t handle) { return static_cast<int>(handle); }

bool Fail(SystemError* error, int code) {
  error->code = static_cast<uint32_t>(code);
  return false;
}

bool FailWithErrno(SystemError* error) { return Fail(error, errno); }

// Opens path with flags; refuses a folder, which open() would accept for
// reading.
intptr_t OpenRegular(const Text& path, int flags, SystemError* error) {
  int fd = open(path.c_str(), flags | O_CLOEXEC, 0666);
  if (fd < 0) {
    FailWithErrno(error);
    return kClosed;
  }
  struct stat info;
  int code = fstat(fd, &info) != 0 ? errno : S_ISDIR(info.st_mode) ? EISDIR : 0;
  if (code != 0) {
    Fail(error, code);
    close(fd);
    return kClosed;
  }
  return fd;
}

// Writes every byte at the descriptor's position; a write that makes no
// progress is reported as a full disk.
bool WriteAll(int fd, const char* bytes, std::size_t count, SystemError* error) {
  while (count > 0) {
    ssize_t written = write(fd, bytes, count);
    if (written < 0) {
      if (errno == EINTR) continue;
      return FailWithErrno(error);
    }
    if (written == 0) return Fail(error, ENOSPC);
    bytes += written;
    count -= static_cast<std::size_t>(written);
  }
  return true;
}

}  // namespace

// ---- SourceFile ----

SourceFile SourceFile::Open(const Text& path, SystemError* error) {
  SourceFile file;
  file.handle_ = FileHandle(OpenRegular(path, O_RDONLY, error));
  return file;
}

bool SourceFile::Length(int64_t* length, SystemError* error) const {
  struct stat info;
  if (fstat(Descriptor(handle_.get()), &info) != 0) return FailWithErrno(error);
  *length = static_cast<int64_t>(info.st_size);
  return true;
}

bool SourceFile::ReadAt(int64_t offset, void* buffer, std::size_t count, std::size_t* got,
                        SystemError* error) const {
  char* bytes = static_cast<char*>(buffer);
  *got = 0;
  while (*got < count) {
    ssize_t n = pread(Descriptor(handle_.get()), bytes + *got, count - *got,
                      static_cast<off_t>(offset + static_cast<int64_t>(*got)));
    if (n < 0) {
      if (errno == EINTR) continue;
      return FailWithErrno(error);
    }
    if (n == 0) break;  // the end of the file
    *got += static_cast<std::size_t>(n);
  }
  return true;
}

// ---- PartFile ----

PartFile PartFile::Open(const Text& path, SystemError* error) {
  PartFile file;
  file.handle_ = FileHandle(OpenRegular(path, O_WRONLY | O_CREAT, error));
  return file;
}

bool PartFile::Truncate(SystemError* error) {
  int fd = Descriptor(handle_.get());
  struct stat status {};
  if (fstat(fd, &status) != 0) return FailWithErrno(error);
  // Truncating a file that is already empty is not free: on ext4 it makes
  // the close flush the new data to disk inside the program.
  if (status.st_size != 0 && ftruncate(fd, 0) != 0) return FailWithErrno(error);
  if (lseek(fd, 0, SEEK_SET) != 0) return FailWithErrno(error);
  return true;
}

bool PartFile::Write(const void* bytes, std::size_t count, SystemError* error) {
  return WriteAll(Descriptor(handle_.get()), static_cast<const char*>(bytes), count, error);
}

bool FileHandle::Close(SystemError* error) {
  if (!IsOpen()) return Fail(error, EBADF);
  if (close(Descriptor(std::exchange(value_, kClosed))) != 0) return FailWithErrno(error);
  return true;
}

bool FileHandle::Identity(FileIdentity* identity, SystemError* error) const {
  struct stat info;
  if (fstat(Descriptor(value_), &info) != 0) return FailWithErrno(error);
  identity->volume = static_cast<uint64_t>(info.st_dev);
  identity->index = static_cast<uint64_t>(info.st_ino);
  return true;
}
