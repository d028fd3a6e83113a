// The Win32 share modes: a source stays readable and writable by others while
// it is open, and a part file is written only when nobody else holds it.
#include <windows.h>

#include <gtest/gtest.h>

#include "engine/file_primitives.h"
#include "engine/file_system.h"
#include "tests/engine/temp_folder.h"

namespace {

// A handle opened by "another program", closed when the test ends.
class OtherHandle {
 public:
  OtherHandle(const Text& path, DWORD access, DWORD share)
      : handle_(CreateFileA(path.c_str(), access, share, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr)),
        error_(GetLastError()) {}
  ~OtherHandle() {
    if (IsOpen()) CloseHandle(handle_);
  }
  OtherHandle(const OtherHandle&) = delete;
  OtherHandle& operator=(const OtherHandle&) = delete;

  bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }
  DWORD error() const { return error_; }
  HANDLE get() const { return handle_; }

 private:
  HANDLE handle_;
  DWORD error_;
};

TEST(FileSystemWinTest, OthersMayReadAndWriteAnOpenSource) {
  TempFolder folder;
  Text path = folder.PathOf("source.txt");
  WriteBytes(path, "abcdef");
  SystemError error;
  SourceFile source = SourceFile::Open(path, &error);
  ASSERT_TRUE(source.IsOpen());

  OtherHandle other(path, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE);
  ASSERT_TRUE(other.IsOpen()) << other.error();
  char read[6];
  DWORD count = 0;
  ASSERT_TRUE(ReadFile(other.get(), read, sizeof read, &count, nullptr));
  EXPECT_EQ(std::string(read, count), "abcdef");
  ASSERT_TRUE(WriteFile(other.get(), "gh", 2, &count, nullptr));

  char bytes[16];
  std::size_t got = 0;
  ASSERT_TRUE(source.ReadAt(0, bytes, sizeof bytes, &got, &error));
  EXPECT_EQ(std::string(bytes, got), "abcdefgh");
}

TEST(FileSystemWinTest, AFileHeldExclusivelyCannotBeASource) {
  TempFolder folder;
  Text path = folder.PathOf("source.txt");
  WriteBytes(path, "abc");
  OtherHandle other(path, GENERIC_READ, 0);
  ASSERT_TRUE(other.IsOpen());
  SystemError error;
  EXPECT_FALSE(SourceFile::Open(path, &error).IsOpen());
  EXPECT_EQ(error.code, static_cast<uint32_t>(ERROR_SHARING_VIOLATION));
  EXPECT_EQ(OpenFile(path), 0);
}

TEST(FileSystemWinTest, APartHeldElsewhereIsNotWritten) {
  TempFolder folder;
  Text path = folder.PathOf("part1.txt");
  WriteBytes(path, "kept");
  ByteSet bytes{"new"};
  {
    OtherHandle other(path, GENERIC_READ, 0);
    ASSERT_TRUE(other.IsOpen());
    SystemError error;
    EXPECT_FALSE(PartFile::Open(path, &error).IsOpen());
    EXPECT_EQ(error.code, static_cast<uint32_t>(ERROR_SHARING_VIOLATION));
    EXPECT_FALSE(WriteWholeFile(path, {&bytes}));
  }
  EXPECT_EQ(ReadBytes(path), "kept");
  EXPECT_TRUE(WriteWholeFile(path, {&bytes}));  // once it is free again
  EXPECT_EQ(ReadBytes(path), "new");
}

TEST(FileSystemWinTest, NobodyElseMayOpenAPartBeingWritten) {
  TempFolder folder;
  Text path = folder.PathOf("part1.txt");
  SystemError error;
  PartFile part = PartFile::Open(path, &error);
  ASSERT_TRUE(part.IsOpen());
  OtherHandle reader(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE);
  EXPECT_FALSE(reader.IsOpen());
  EXPECT_EQ(reader.error(), static_cast<DWORD>(ERROR_SHARING_VIOLATION));
}

TEST(FileSystemWinTest, BothSlashesEndAFolderName) {
  TempFolder folder;
  WriteBytes(folder.PathOf("a.txt"), "a");
  SystemError error;
  SourceFile backslash = SourceFile::Open(folder.PathOf("a.txt"), &error);
  SourceFile slash = SourceFile::Open(ConcatTexts({folder.Path(), "/a.txt"}), &error);
  FileIdentity first;
  FileIdentity second;
  ASSERT_TRUE(backslash.Identity(&first, &error));
  ASSERT_TRUE(slash.Identity(&second, &error));
  EXPECT_EQ(first, second);
  EXPECT_EQ(kNativePathSyntax, PathSyntax::Windows);
}

TEST(FileSystemWinTest, SystemErrorTextIsEmptyForAnUnknownCode) {
  EXPECT_TRUE(SystemErrorText(SystemError{0xDEAD}).empty());
}

}  // namespace
