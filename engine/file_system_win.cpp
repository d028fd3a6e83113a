// The Win32 file backend: the ANSI file functions with the share modes the
// design asks for (a source stays readable and writable by others, a part
// file is held exclusively), and 64-bit sizes and offsets throughout.
#include <windows.h>

#include <algorithm>
#include <memory>
#include <utility>

#include "engine/file_system.h"

const PathSyntax kNativePathSyntax = PathSyntax::Windows;

namespace {

struct LocalFreeDeleter {
  void operator()(char* text) const { LocalFree(text); }
};

}  // namespace

Text SystemErrorText(SystemError error) {
  char* text = nullptr;
  DWORD length = FormatMessageA(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, error.code, 0, reinterpret_cast<char*>(&text), 0, nullptr);
  std::unique_ptr<char, LocalFreeDeleter> owner(text);
  if (length == 0) return Text();
  while (length > 0 && (text[length - 1] == '\r' || text[length - 1] == '\n')) --length;
  return Text(std::string_view(text, length));
}

namespace {

// The most one ReadFile or WriteFile call is asked to move: the calls count
// in 32 bits.
constexpr std::size_t kLargestTransfer = std::size_t{1} << 30;

HANDLE Handle(intptr_t handle) { return reinterpret_cast<HANDLE>(handle); }

bool FailWithLastError(SystemError* error) {
  error->code = GetLastError();
  return false;
}

bool Fail(SystemError* error, DWORD code) {
  error->code = code;
  return false;
}

intptr_t CreateFileHandle(const Text& path, DWORD access, DWORD share, DWORD disposition,
                          SystemError* error) {
  HANDLE handle = CreateFileA(path.c_str(), access, share, nullptr, disposition,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) FailWithLastError(error);
  return reinterpret_cast<intptr_t>(handle);
}

}  // namespace

// ---- SourceFile ----

SourceFile SourceFile::Open(const Text& path, SystemError* error) {
  // A folder cannot be opened this way (no FILE_FLAG_BACKUP_SEMANTICS).
  SourceFile file;
  file.handle_ = FileHandle(CreateFileHandle(
      path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING, error));
  return file;
}

bool SourceFile::Length(int64_t* length, SystemError* error) const {
  LARGE_INTEGER size;
  if (!GetFileSizeEx(Handle(handle_.get()), &size)) return FailWithLastError(error);
  *length = size.QuadPart;
  return true;
}

bool SourceFile::ReadAt(int64_t offset, void* buffer, std::size_t count, std::size_t* got,
                        SystemError* error) const {
  char* bytes = static_cast<char*>(buffer);
  *got = 0;
  while (*got < count) {
    // The offset travels in the OVERLAPPED record; the handle is synchronous,
    // so the call returns when the bytes are there.
    uint64_t at = static_cast<uint64_t>(offset) + *got;
    OVERLAPPED where = {};
    where.Offset = static_cast<DWORD>(at);
    where.OffsetHigh = static_cast<DWORD>(at >> 32);
    DWORD asked = static_cast<DWORD>(std::min(count - *got, kLargestTransfer));
    DWORD read = 0;
    if (!ReadFile(Handle(handle_.get()), bytes + *got, asked, &read, &where)) {
      if (GetLastError() == ERROR_HANDLE_EOF) break;
      return FailWithLastError(error);
    }
    if (read == 0) break;  // the end of the file
    *got += read;
  }
  return true;
}

// ---- PartFile ----

PartFile PartFile::Open(const Text& path, SystemError* error) {
  // No sharing: while the part is written nobody else may have it open, and
  // a file someone else holds open makes this fail with a sharing violation.
  PartFile file;
  file.handle_ = FileHandle(CreateFileHandle(path, GENERIC_WRITE, 0, OPEN_ALWAYS, error));
  return file;
}

bool PartFile::Truncate(SystemError* error) {
  LARGE_INTEGER start = {};
  if (!SetFilePointerEx(Handle(handle_.get()), start, nullptr, FILE_BEGIN) ||
      !SetEndOfFile(Handle(handle_.get()))) {
    return FailWithLastError(error);
  }
  return true;
}

bool PartFile::Write(const void* bytes, std::size_t count, SystemError* error) {
  const char* next = static_cast<const char*>(bytes);
  while (count > 0) {
    DWORD asked = static_cast<DWORD>(std::min(count, kLargestTransfer));
    DWORD written = 0;
    if (!WriteFile(Handle(handle_.get()), next, asked, &written, nullptr)) {
      return FailWithLastError(error);
    }
    if (written == 0) return Fail(error, ERROR_DISK_FULL);  // no progress
    next += written;
    count -= written;
  }
  return true;
}

bool FileHandle::Close(SystemError* error) {
  if (!IsOpen()) return Fail(error, ERROR_INVALID_HANDLE);
  if (!CloseHandle(Handle(std::exchange(value_, kClosed)))) return FailWithLastError(error);
  return true;
}

bool FileHandle::Identity(FileIdentity* identity, SystemError* error) const {
  BY_HANDLE_FILE_INFORMATION info;
  if (!GetFileInformationByHandle(Handle(value_), &info)) return FailWithLastError(error);
  identity->volume = info.dwVolumeSerialNumber;
  identity->index = (uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow;
  return true;
}
