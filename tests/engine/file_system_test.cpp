// The file backend behind the primitives and the splitter: opening rules,
// identities, positional reads, truncation and copying between files.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "engine/file_system.h"
#include "tests/engine/temp_folder.h"

namespace {

TEST(FileSystemTest, SourceOpensOnlyExistingFiles) {
  TempFolder folder;
  for (const Text& path : {Text(), folder.PathOf("missing.txt"), folder.Path()}) {
    SCOPED_TRACE(path.c_str());
    SystemError error;
    SourceFile file = SourceFile::Open(path, &error);
    EXPECT_FALSE(file.IsOpen());
    EXPECT_NE(error.code, 0u);
  }
  EXPECT_FALSE(Exists(folder.PathOf("missing.txt")));
}

TEST(FileSystemTest, SystemErrorTextHasNoTrailingLineBreak) {
  TempFolder folder;
  SystemError error;
  SourceFile::Open(folder.PathOf("missing.txt"), &error);
  Text text = SystemErrorText(error);
  ASSERT_FALSE(text.empty());
  EXPECT_NE(text.view().back(), '\n');
  EXPECT_NE(text.view().back(), '\r');
}

TEST(FileSystemTest, PartFileRefusesAFolder) {
  TempFolder folder;
  SystemError error;
  EXPECT_FALSE(PartFile::Open(folder.Path(), &error).IsOpen());
  EXPECT_NE(error.code, 0u);
}

TEST(FileSystemTest, IdentityFollowsTheFileNotThePath) {
  TempFolder folder;
  Text path = folder.PathOf("a.txt");
  WriteBytes(path, "a");
  WriteBytes(folder.PathOf("b.txt"), "b");
  SystemError error;
  FileIdentity ids[4];
  {
    SourceFile source = SourceFile::Open(path, &error);
    SourceFile sameOtherwiseSpelled = SourceFile::Open(folder.PathOf("./a.txt"), &error);
    SourceFile other = SourceFile::Open(folder.PathOf("b.txt"), &error);
    ASSERT_TRUE(source.Identity(&ids[0], &error));
    ASSERT_TRUE(sameOtherwiseSpelled.Identity(&ids[1], &error));
    ASSERT_TRUE(other.Identity(&ids[2], &error));
  }
  // Windows lets no part be opened over a file that is open as a source.
  PartFile part = PartFile::Open(path, &error);
  ASSERT_TRUE(part.Identity(&ids[3], &error));
  EXPECT_EQ(ids[0], ids[1]);
  EXPECT_EQ(ids[0], ids[3]);
  EXPECT_FALSE(ids[0] == ids[2]);
}

TEST(FileSystemTest, ReadAtStopsShortOnlyAtTheEnd) {
  TempFolder folder;
  Text path = folder.PathOf("a.txt");
  WriteBytes(path, "0123456789");
  SystemError error;
  SourceFile source = SourceFile::Open(path, &error);
  int64_t length = 0;
  ASSERT_TRUE(source.Length(&length, &error));
  EXPECT_EQ(length, 10);
  struct Case {
    int64_t offset;
    std::size_t count;
    std::string expected;
  };
  const Case cases[] = {{0, 4, "0123"}, {7, 4, "789"}, {10, 4, ""}, {25, 4, ""}, {3, 0, ""}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.offset << ", " << c.count);
    char buffer[8] = {};
    std::size_t got = 99;
    ASSERT_TRUE(source.ReadAt(c.offset, buffer, c.count, &got, &error));
    EXPECT_EQ(std::string(buffer, got), c.expected);
  }
}

TEST(FileSystemTest, PartKeepsItsBytesUntilTruncated) {
  TempFolder folder;
  Text path = folder.PathOf("part1.txt");
  WriteBytes(path, "old content");
  SystemError error;
  PartFile part = PartFile::Open(path, &error);
  ASSERT_TRUE(part.IsOpen());
  ASSERT_TRUE(part.Write("OLD", 3, &error));
  ASSERT_TRUE(part.Close(&error));
  EXPECT_FALSE(part.IsOpen());
  EXPECT_EQ(ReadBytes(path), "OLD content");

  part = PartFile::Open(path, &error);
  ASSERT_TRUE(part.Truncate(&error));
  ASSERT_TRUE(part.Write("new", 3, &error));
  ASSERT_TRUE(part.Write("", 0, &error));
  ASSERT_TRUE(part.Close(&error));
  EXPECT_EQ(ReadBytes(path), "new");
}

}  // namespace
