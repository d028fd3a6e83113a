// The splitter as its callers see it: chunk size texts, part names, the worked
// example, and what happens when sizes, sources or parts fail.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "engine/part_name.h"
#include "engine/split_source.h"
#include "engine/splitter.h"
#include "tests/engine/temp_folder.h"

namespace {

class FixedSettings : public SplitSettings {
 public:
  FixedSettings(Text chunkSize, Text outputFolder)
      : chunkSize_(std::move(chunkSize)), outputFolder_(std::move(outputFolder)) {}
  Text ChunkSizeText() const override { return chunkSize_; }
  Text OutputFolderText() const override { return outputFolder_; }

 private:
  Text chunkSize_;
  Text outputFolder_;
};

#ifdef _WIN32
const char kSeparator[] = "\\";
#else
const char kSeparator[] = "/";
#endif

// Three lines of 600 bytes, each followed by "\r\n": 1806 bytes.
std::string WorkedExampleSource() {
  std::string source;
  for (char letter : {'a', 'b', 'c'}) source += std::string(600, letter) + "\r\n";
  return source;
}

TEST(ChunkSizeTest, ReadsTheTextAsKilobytesIn64Bits) {
  struct Case {
    Text text;
    int64_t bytes;
  };
  const Case cases[] = {
      {"1000", 1024000},
      {" 1000KB", 1024000},
      {"１０００", 1024000},  // full-width digits
      {"－3", -3072},          // a full-width minus sign
      {"+5", 5120},
      {"1,5", 1024},
      {"4194305", int64_t{4194305} * 1024},  // about 4 GiB, no 32-bit wrap
      {"2147483647", int64_t{2147483647} * 1024},
      {"", 0},
      {"abc", 0},
      {"2147483648", int64_t{-2147483647 - 1} * 1024},  // TextToInt wraps
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ChunkSizeInBytes(c.text), c.bytes) << c.text.c_str();
  }
}

TEST(NamePartTest, FollowsThePathSyntax) {
  struct Case {
    PathSyntax syntax;
    Text path;
    Text namePart;
  };
  const PathSyntax kWindows = PathSyntax::Windows;
  const PathSyntax kPosix = PathSyntax::Posix;
  const Case cases[] = {
      {kWindows, "E:\\data\\book.txt", "\\book"},
      {kWindows, "E:\\data\\my.book.txt", "\\my.book"},
      {kWindows, "E:\\data\\README", "\\README"},
      {kWindows, "E:\\my.data\\README", "\\README"},
      {kWindows, "E:\\data\\.txt", "\\.txt"},
      {kWindows, "book.txt", "\\book.txt"},
      {kWindows, "E:/data/book.txt", "/book"},
      {kWindows, "E:\\da/ta\\book.txt", "\\book"},
      // 0x5C and '.' as second bytes of pairs are neither separator nor dot.
      {kWindows, "E:\\data\\\x95\\name.txt", "\\\x95\\name"},
      {kWindows, "E:\\data\\book\xB0.", "\\book\xB0."},
      {kPosix, "/home/u/book.txt", "/book"},
      {kPosix, "/home/u.v/README", "/README"},
      {kPosix, "/home/u/.profile", "/.profile"},
      {kPosix, "README.md", "/README.md"},
      {kPosix, "/home/u/a\\b.txt", "/a\\b"},
      // UTF-8 paths: 一 is E4 B8 80, so the pair rule would hide the dot.
      {kPosix, "/home/u/\xE4\xB8\x80.txt", "/\xE4\xB8\x80"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(NamePart(c.path, c.syntax).view(), c.namePart.view()) << c.path.c_str();
  }
}

TEST(SplitTextFileTest, SplitsTheWorkedExampleBeforeEachLineBreak) {
  TempFolder folder;
  Text sourcePath = folder.PathOf("book.txt");
  std::string source = WorkedExampleSource();
  WriteBytes(sourcePath, source);
  // With and without a final separator on the output folder.
  for (const Text& outputFolder : {folder.Path(), ConcatTexts({folder.Path(), kSeparator})}) {
    SCOPED_TRACE(outputFolder.c_str());
    SplitOutcome outcome = SplitTextFile(sourcePath, FixedSettings("1", outputFolder),
                                         RunSources({sourcePath}));
    EXPECT_TRUE(outcome.Complete());
    EXPECT_EQ(outcome.partsWritten, 3);
    std::vector<std::string> parts;
    for (const char* name : {"book1.txt", "book2.txt", "book3.txt"}) {
      parts.push_back(ReadBytes(folder.PathOf(name)));
    }
    EXPECT_EQ(parts[0], std::string(600, 'a'));
    EXPECT_EQ(parts[1], "\r\n" + std::string(600, 'b'));
    EXPECT_EQ(parts[2], "\r\n" + std::string(600, 'c') + "\r\n");
    EXPECT_FALSE(Exists(folder.PathOf("book4.txt")));
  }
}

TEST(SplitTextFileTest, WritesNothingForAnInvalidChunkSize) {
  TempFolder folder;
  Text sourcePath = folder.PathOf("book.txt");
  WriteBytes(sourcePath, WorkedExampleSource());
  for (const Text& size : {Text(""), Text("abc"), Text("0"), Text("-1"), Text("2147483648")}) {
    SCOPED_TRACE(size.c_str());
    SplitOutcome outcome =
        SplitTextFile(sourcePath, FixedSettings(size, folder.Path()), RunSources({sourcePath}));
    EXPECT_EQ(outcome.result, SplitOutcome::Result::InvalidChunkSize);
    EXPECT_EQ(outcome.partsWritten, 0);
    EXPECT_FALSE(Exists(folder.PathOf("book1.txt")));
  }
}

TEST(SplitTextFileTest, ReportsASourceThatCannotBeOpened) {
  TempFolder folder;
  for (const Text& path : {folder.PathOf("missing.txt"), folder.Path(), Text()}) {
    SCOPED_TRACE(path.c_str());
    SplitOutcome outcome = SplitTextFile(path, FixedSettings("1", folder.Path()), RunSources());
    EXPECT_EQ(outcome.result, SplitOutcome::Result::CannotOpen);
    EXPECT_NE(outcome.error.code, 0u);
    EXPECT_EQ(outcome.partsWritten, 0);
  }
}

TEST(SplitTextFileTest, AnEmptySourceHasNoParts) {
  TempFolder folder;
  Text sourcePath = folder.PathOf("empty.txt");
  WriteBytes(sourcePath, "");
  SplitOutcome outcome =
      SplitTextFile(sourcePath, FixedSettings("1", folder.Path()), RunSources({sourcePath}));
  EXPECT_TRUE(outcome.Complete());
  EXPECT_EQ(outcome.partsWritten, 0);
  EXPECT_FALSE(Exists(folder.PathOf("empty1.txt")));
}

// Part 1 cannot be written: a folder stands in its place, or (on Windows,
// where a part file is opened exclusively) another program holds it open.
TEST(SplitTextFileTest, APartThatCannotBeWrittenDoesNotStopTheNext) {
  enum class Blocker { Folder, HeldOpen };
  std::vector<Blocker> blockers = {Blocker::Folder};
  if (kNativePathSyntax == PathSyntax::Windows) blockers.push_back(Blocker::HeldOpen);
  for (Blocker blocker : blockers) {
    SCOPED_TRACE(blocker == Blocker::Folder ? "a folder" : "held open");
    TempFolder folder;
    Text sourcePath = folder.PathOf("book.txt");
    std::string source = WorkedExampleSource();
    WriteBytes(sourcePath, source);
    Text firstPart = folder.PathOf("book1.txt");
    SourceFile holder;
    if (blocker == Blocker::Folder) {
      std::filesystem::create_directory(firstPart.c_str());
    } else {
      WriteBytes(firstPart, "held");
      SystemError ignored;
      holder = SourceFile::Open(firstPart, &ignored);
      ASSERT_TRUE(holder.IsOpen());
    }
    SplitOutcome outcome =
        SplitTextFile(sourcePath, FixedSettings("1", folder.Path()), RunSources({sourcePath}));
    EXPECT_EQ(outcome.result, SplitOutcome::Result::Split);
    EXPECT_EQ(outcome.partsWritten, 2);
    ASSERT_EQ(outcome.failedParts.size(), 1u);
    const PartFailure& failure = outcome.failedParts[0];
    EXPECT_EQ(failure.number, 1);
    EXPECT_EQ(failure.reason, PartFailure::Reason::SystemError);
    EXPECT_NE(failure.error.code, 0u);
    EXPECT_EQ(failure.path.view(), ConcatTexts({folder.Path(), kSeparator, "book1.txt"}).view());
    EXPECT_EQ(ReadBytes(folder.PathOf("book2.txt")), source.substr(600, 602));
    EXPECT_EQ(ReadBytes(folder.PathOf("book3.txt")), source.substr(1202));
  }
}

TEST(SplitTextFileTest, AMissingOutputFolderFailsEveryPartAndReadsTheSourceThrough) {
  TempFolder folder;
  Text sourcePath = folder.PathOf("book.txt");
  WriteBytes(sourcePath, WorkedExampleSource());
  SplitOutcome outcome = SplitTextFile(
      sourcePath, FixedSettings("1", folder.PathOf("missing")), RunSources({sourcePath}));
  EXPECT_EQ(outcome.result, SplitOutcome::Result::Split);
  EXPECT_EQ(outcome.partsWritten, 0);
  EXPECT_EQ(outcome.failedParts.size(), 3u);
}

// The output folder is the sources' own, spelled differently, and part 1 of
// a.txt has the name of the other source a1.txt: that part is not written and
// a1.txt keeps its bytes; the parts after it are written.
TEST(SplitTextFileTest, NeverWritesOverASourceOfTheRun) {
  TempFolder folder;
  Text sourcePath = folder.PathOf("a.txt");
  Text otherSource = folder.PathOf("a1.txt");
  std::string source = WorkedExampleSource();
  WriteBytes(sourcePath, source);
  WriteBytes(otherSource, "another source");
  Text outputFolder = ConcatTexts({folder.Path(), kSeparator, "."});
  SplitOutcome outcome = SplitTextFile(sourcePath, FixedSettings("1", outputFolder),
                                       RunSources({sourcePath, otherSource}));
  ASSERT_EQ(outcome.failedParts.size(), 1u);
  EXPECT_EQ(outcome.failedParts[0].number, 1);
  EXPECT_EQ(outcome.failedParts[0].reason, PartFailure::Reason::WouldReplaceSource);
  EXPECT_EQ(ReadBytes(otherSource), "another source");
  EXPECT_EQ(outcome.partsWritten, 2);
  EXPECT_EQ(ReadBytes(folder.PathOf("a2.txt")), source.substr(600, 602));
}

// Another process may write the source while it is split (it stays open for
// them); one that shrinks it under the splitter makes the split fail instead
// of leaving short parts reported as written.
TEST(SplitTextFileTest, ASourceThatShrinksMeanwhileFailsTheSplit) {
  struct Case {
    const char* name;
    int shrinkBeforePart;
    std::uintmax_t shrunkLength;
    int32_t partsWritten;
    std::size_t failedParts;
  };
  const Case cases[] = {
      {"while the cut is searched", 2, 700, 1, 0},
      {"while the last part is copied", 3, 1500, 2, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder folder;
    Text sourcePath = folder.PathOf("book.txt");
    WriteBytes(sourcePath, WorkedExampleSource());
    int part = 0;
    SplitSource how;
    how.chunkBytes = [&] {
      if (++part == c.shrinkBeforePart) {
        std::filesystem::resize_file(sourcePath.c_str(), c.shrunkLength);
      }
      return int64_t{1024};
    };
    how.outputFolder = [&folder] { return folder.Path(); };
    how.searchBlockBytes = 64;
    how.copyBlockBytes = 64;
    SplitOutcome outcome = SplitSourceFile(sourcePath, how, RunSources({sourcePath}));
    EXPECT_EQ(outcome.result, SplitOutcome::Result::ReadFailed);
    EXPECT_NE(outcome.error.code, 0u);
    EXPECT_EQ(outcome.partsWritten, c.partsWritten);
    EXPECT_EQ(outcome.failedParts.size(), c.failedParts);
  }
}

}  // namespace
