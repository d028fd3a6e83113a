// The split run on real controls and the real splitter: the order of its
// checks, the window disabled while the files are split, the parts written,
// and the final message in every case.
#include "ui/split_run.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/engine/temp_folder.h"
#include "tests/ui/recording_desktop.h"
#include "tests/ui/test_windows.h"
#include "ui/source_list.h"
#include "ui/split_report.h"

namespace {

class SplitRunTest : public ::testing::Test {
 protected:
  SplitRunTest() {
    SetWindowTextA(controls_.outputFolder, ConcatTexts({output_.Path(), "\\"}).c_str());
  }

  void Run() { SplitRun(controls_, desktop_); }

  // "Text" + "\r\n" lines making a file of the given number of lines.
  Text Source(const char* name, int lines) {
    std::string bytes;
    for (int i = 0; i < lines; ++i) bytes += std::string(300, static_cast<char>('a' + i % 26)) + "\r\n";
    const Text path = sources_.PathOf(name);
    WriteBytes(path, bytes);
    return path;
  }

  bool OutputEmpty() const {
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA(output_.PathOf("*.txt").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return true;
    FindClose(search);
    return false;
  }

  OwnedWindow window_ = MakeTopLevelWindow();
  SplitRunControls controls_{window_.get(), MakeReportList(window_.get()),
                             MakeChild(window_.get(), "EDIT", ES_AUTOHSCROLL),
                             MakeChild(window_.get(), "EDIT", ES_AUTOHSCROLL, "1")};
  TempFolder sources_;
  TempFolder output_;
  RecordingDesktop desktop_;
};

TEST_F(SplitRunTest, ChecksFolderThenListThenChunkSizeAndWritesNothing) {
  struct Case {
    const char* folder;
    bool listed;
    const char* chunkSize;
    const char* message;
  };
  const Case cases[] = {
      {"", false, "", "请选择输出目录"},
      {"", true, "1", "请选择输出目录"},
      {" ", false, "", "未添加需分割文件"},
      {"OUT", true, "", "请输入有效的分割大小"},
      {"OUT", true, "0", "请输入有效的分割大小"},
      {"OUT", true, "-5", "请输入有效的分割大小"},
  };
  const Text source = Source("a.txt", 10);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    const std::string folder = c.folder == std::string("OUT") ? std::string(output_.Path().view()) : c.folder;
    SetWindowTextA(controls_.outputFolder, folder.c_str());
    SetWindowTextA(controls_.chunkSize, c.chunkSize);
    ClearSources(controls_.sourceList);
    if (c.listed) AddSourcePath(controls_.sourceList, source);
    desktop_.messages.clear();
    Run();
    EXPECT_EQ(desktop_.messages, std::vector<std::string>{c.message});
    EXPECT_TRUE(IsWindowEnabled(window_.get()));
  }
  EXPECT_TRUE(OutputEmpty());
}

std::vector<bool>* windowEnabledAtRead = nullptr;
HWND mainWindowOfRun = nullptr;

// Records, whenever the chunk size box is read, whether the main window is
// enabled at that moment.
LRESULT CALLBACK RecordEnabledState(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                    DWORD_PTR) {
  if (message == WM_GETTEXT) windowEnabledAtRead->push_back(IsWindowEnabled(mainWindowOfRun) != FALSE);
  return DefSubclassProc(box, message, wParam, lParam);
}

TEST_F(SplitRunTest, SplitsEveryItemInOrderWithTheWindowDisabled) {
  const Text first = Source("first.txt", 7);    // 2,114 bytes: three parts of 1 KB
  const Text second = Source("second.txt", 2);  // one part
  AddSourcePath(controls_.sourceList, first);
  AddSourcePath(controls_.sourceList, second);

  std::vector<bool> enabledAtRead;
  windowEnabledAtRead = &enabledAtRead;
  mainWindowOfRun = window_.get();
  SetWindowSubclass(controls_.chunkSize, RecordEnabledState, 1, 0);
  Run();
  RemoveWindowSubclass(controls_.chunkSize, RecordEnabledState, 1);

  EXPECT_EQ(desktop_.messages, std::vector<std::string>{"分割完毕"});
  EXPECT_TRUE(IsWindowEnabled(window_.get()));
  // The first read is the check before the run; every read by the splitter
  // comes while the window is disabled.
  ASSERT_GE(enabledAtRead.size(), 2u);
  EXPECT_TRUE(enabledAtRead.front());
  EXPECT_EQ(std::vector<bool>(enabledAtRead.begin() + 1, enabledAtRead.end()),
            std::vector<bool>(enabledAtRead.size() - 1, false));

  EXPECT_EQ(ReadBytes(output_.PathOf("first1.txt")) + ReadBytes(output_.PathOf("first2.txt")) +
                ReadBytes(output_.PathOf("first3.txt")),
            ReadBytes(first));
  EXPECT_FALSE(Exists(output_.PathOf("first4.txt")));
  EXPECT_EQ(ReadBytes(output_.PathOf("second1.txt")), ReadBytes(second));
  EXPECT_EQ(SourceCount(controls_.sourceList), 2);  // the list is kept
}

TEST_F(SplitRunTest, NamesEverySourceThatCouldNotBeDone) {
  const Text missing = sources_.PathOf("missing.txt");
  const Text present = Source("present.txt", 2);
  AddSourcePath(controls_.sourceList, missing);
  AddSourcePath(controls_.sourceList, present);
  Run();
  ASSERT_EQ(desktop_.messages.size(), 1u);
  const std::string expectedStart =
      "分割完毕，以下文件未能完成：\r\n" + std::string(missing.view()) + "：无法打开";
  EXPECT_EQ(desktop_.messages[0].substr(0, expectedStart.size()), expectedStart);
  EXPECT_EQ(desktop_.messages[0].find("present.txt"), std::string::npos);

  // An output folder that does not exist: every part fails.
  desktop_.messages.clear();
  ClearSources(controls_.sourceList);
  AddSourcePath(controls_.sourceList, present);
  SetWindowTextA(controls_.outputFolder, output_.PathOf("not here\\").c_str());
  Run();
  ASSERT_EQ(desktop_.messages.size(), 1u);
  const std::string expectedParts =
      "分割完毕，以下文件未能完成：\r\n" + std::string(present.view()) + "：有 1 个分割文件未能写入";
  EXPECT_EQ(desktop_.messages[0].substr(0, expectedParts.size()), expectedParts);
}

SourceOutcome Failed(const char* path, SplitOutcome::Result result, std::size_t failedParts = 0,
                     PartFailure::Reason reason = PartFailure::Reason::SystemError) {
  SourceOutcome source{path, {}};
  source.outcome.result = result;
  for (std::size_t i = 0; i < failedParts; ++i) {
    PartFailure part;
    part.number = static_cast<int32_t>(i + 1);
    part.reason = reason;
    source.outcome.failedParts.push_back(part);
  }
  return source;
}

TEST(SplitReportTest, ListsTheSourcesThatWereNotDone) {
  using Result = SplitOutcome::Result;
  const SourceOutcome done = Failed("C:\\done.txt", Result::Split);
  struct Case {
    std::vector<SourceOutcome> outcomes;
    std::string expected;
  };
  const std::string head = "分割完毕，以下文件未能完成：";
  const Case cases[] = {
      {{done, done}, "分割完毕"},
      {{done, Failed("C:\\a.txt", Result::CannotOpen), done}, head + "\r\nC:\\a.txt：无法打开"},
      {{Failed("C:\\a.txt", Result::Split, 3), Failed("C:\\b.txt", Result::CannotOpen)},
       head + "\r\nC:\\a.txt：有 3 个分割文件未能写入\r\nC:\\b.txt：无法打开"},
      {{Failed("C:\\a.txt", Result::Split, 1, PartFailure::Reason::WouldReplaceSource)},
       head + "\r\nC:\\a.txt：有 1 个分割文件未能写入（分割文件会覆盖被分割的文件）"},
      {{Failed("C:\\a.txt", Result::ReadFailed, 2)}, head + "\r\nC:\\a.txt：读取出错；有 2 个分割文件未能写入"},
  };
  for (const Case& c : cases) EXPECT_EQ(SplitReport(c.outcomes).view(), c.expected);
}

TEST(SplitReportTest, GivesTheSystemsReason) {
  SourceOutcome source = Failed("C:\\a.txt", SplitOutcome::Result::CannotOpen);
  source.outcome.error.code = ERROR_FILE_NOT_FOUND;
  const Text reason = SystemErrorText(source.outcome.error);
  ASSERT_FALSE(reason.empty());
  EXPECT_EQ(SplitReport({source}).view(),
            "分割完毕，以下文件未能完成：\r\nC:\\a.txt：无法打开（" + std::string(reason.view()) + "）");
}

TEST(SplitReportTest, CutsALongListAfterTenLines) {
  for (std::size_t failures : {10u, 11u, 25u}) {
    std::vector<SourceOutcome> outcomes;
    std::string expected = "分割完毕，以下文件未能完成：";
    for (std::size_t i = 0; i < failures; ++i) {
      const std::string path = "C:\\" + std::to_string(i) + ".txt";
      outcomes.push_back(Failed(path.c_str(), SplitOutcome::Result::CannotOpen));
      if (i < kListedFailures) expected += "\r\n" + path + "：无法打开";
    }
    if (failures > kListedFailures) {
      expected += "\r\n……另有 " + std::to_string(failures - kListedFailures) + " 个文件未能完成";
    }
    EXPECT_EQ(SplitReport(outcomes).view(), expected) << failures;
  }
}

}  // namespace
