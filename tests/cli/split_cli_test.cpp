// tarvolin-split end to end: the built program run on real files, its exit
// status, its messages and the parts it leaves.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/cli/run_program.h"
#include "tests/engine/temp_folder.h"

namespace {

// CTest runs the test in its build folder; the program is built beside it.
std::string SplitProgram() {
  return std::filesystem::absolute(TARVOLIN_SPLIT_FROM_TEST_FOLDER).string();
}

// Three CRLF lines of 600 bytes: three parts at 1 KB.
std::string ThreeLines() {
  std::string text;
  for (char letter : {'a', 'b', 'c'}) text += std::string(600, letter) + "\r\n";
  return text;
}

class SplitCliTest : public testing::Test {
 protected:
  SplitCliTest() {
    WriteBytes(folder_.PathOf("book.txt"), ThreeLines());
    WriteBytes(folder_.PathOf("note.txt"), "short\r\n");
    std::filesystem::create_directory(folder_.PathOf("out").c_str());
  }

  ProgramRun Split(const std::vector<std::string>& arguments) {
    return RunProgram(SplitProgram(), arguments, folder_.Path().c_str());
  }

  bool OutputFolderIsEmpty() const {
    return std::filesystem::is_empty(folder_.PathOf("out").c_str());
  }

  TempFolder folder_;
};

#ifdef _WIN32
const char kSeparator[] = "\\";
#else
const char kSeparator[] = "/";
#endif

TEST_F(SplitCliTest, SplitsEverySourceIntoTheOutputFolder) {
  ProgramRun run = Split({"-s", "1", "-o", "out", "book.txt", "note.txt"});
  EXPECT_EQ(run.exitStatus, 0);
  EXPECT_EQ(run.standardOutput, "book.txt: 3 parts written\nnote.txt: 1 part written\n");
  EXPECT_EQ(run.standardError, "");
  std::string book = ThreeLines();
  EXPECT_EQ(ReadBytes(folder_.PathOf("out/book1.txt")), book.substr(0, 600));
  EXPECT_EQ(ReadBytes(folder_.PathOf("out/book3.txt")), book.substr(1202));
  EXPECT_EQ(ReadBytes(folder_.PathOf("out/note1.txt")), "short\r\n");
}

// 乗 is 0x81 0x5C in GBK: its second byte is no folder separator, so the
// parts are named after the whole character.
TEST_F(SplitCliTest, NamesPartsAfterAChineseFileName) {
  WriteBytes(folder_.PathOf("乗.txt"), ThreeLines());
  ProgramRun run = Split({"-s", "1", "-o", "out", "乗.txt"});
  EXPECT_EQ(run.exitStatus, 0) << run.standardError;
  EXPECT_EQ(ReadBytes(folder_.PathOf("out/乗3.txt")), ThreeLines().substr(1202));
}

TEST_F(SplitCliTest, DefaultsToThousandKilobytesInTheCurrentFolder) {
  ProgramRun run = Split({"--", "book.txt"});
  EXPECT_EQ(run.exitStatus, 0);
  EXPECT_EQ(ReadBytes(folder_.PathOf("book1.txt")), ThreeLines());
}

TEST_F(SplitCliTest, AMissingSourceDoesNotStopTheOthers) {
  ProgramRun run = Split({"--size=1", "--out=out", "missing.txt", "book.txt"});
  EXPECT_EQ(run.exitStatus, 1);
  EXPECT_NE(run.standardOutput.find("book.txt: 3 parts written\n"), std::string::npos);
  EXPECT_EQ(run.standardError.rfind("tarvolin-split: missing.txt: cannot open: ", 0), 0u)
      << run.standardError;
  EXPECT_TRUE(Exists(folder_.PathOf("out/book3.txt")));
}

TEST_F(SplitCliTest, APartThatCannotBeWrittenFailsTheRun) {
  ProgramRun run = Split({"-s", "1", "-o", "nowhere", "note.txt"});
  EXPECT_EQ(run.exitStatus, 1);
  std::string partPath = std::string("nowhere") + kSeparator + "note1.txt";
  EXPECT_EQ(run.standardError.rfind("tarvolin-split: " + partPath + ": part not written: ", 0), 0u)
      << run.standardError;
}

TEST_F(SplitCliTest, AnInvalidSizeWritesNothing) {
  for (const char* size : {"0", "abc", "-5", ""}) {
    SCOPED_TRACE(size);
    ProgramRun run = Split({"-s", size, "-o", "out", "book.txt"});
    EXPECT_EQ(run.exitStatus, 2);
    EXPECT_NE(run.standardError.find("invalid chunk size"), std::string::npos);
    EXPECT_EQ(run.standardOutput, "");
    EXPECT_TRUE(OutputFolderIsEmpty());
  }
}

TEST_F(SplitCliTest, UsageErrorsAndHelp) {
  struct Case {
    std::vector<std::string> arguments;
    int exitStatus;
  };
  const Case cases[] = {
      {{}, 2},
      {{"-o", "out"}, 2},
      {{"--bogus", "book.txt"}, 2},
      {{"book.txt", "-s"}, 2},
      {{"--help"}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.arguments));
    ProgramRun run = Split(c.arguments);
    EXPECT_EQ(run.exitStatus, c.exitStatus);
    const std::string& usageStream = c.exitStatus == 0 ? run.standardOutput : run.standardError;
    EXPECT_NE(usageStream.find("Usage: tarvolin-split"), std::string::npos);
    EXPECT_TRUE(OutputFolderIsEmpty());
  }
}

}  // namespace
