// The list, output-folder and split-run handlers as the main window calls
// them: its creation event, its buttons and its drop receiver, with the
// dialogs and the message box answered by a stand-in.
#include <gtest/gtest.h>
#include <ole2.h>

#include <string>
#include <vector>

#include "tests/engine/temp_folder.h"
#include "tests/ui/recording_desktop.h"
#include "ui/main_window.h"
#include "ui/output_folder.h"
#include "ui/source_list.h"
#include "ui/window_text.h"

namespace {

class MainWindowEventsTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_EQ(OleInitialize(nullptr), S_OK); }
  static void TearDownTestSuite() { OleUninitialize(); }

  void SetUp() override { ASSERT_EQ(window_.Create(GetModuleHandleA(nullptr)), MainWindow::CreateResult::Created); }

  void Click(ControlId button) { SendMessageA(window_.Control(button), BM_CLICK, 0, 0); }
  HWND List() const { return window_.Control(ControlId::超级列表框1); }
  std::vector<std::string> Items() const {
    std::vector<std::string> items;
    for (int32_t i = 0; i < SourceCount(List()); ++i) items.emplace_back(SourcePathAt(List(), i).view());
    return items;
  }

  TempFolder programFolder_;
  RecordingDesktop desktop_;
  MainWindow window_{desktop_, programFolder_.Path()};
};

TEST_F(MainWindowEventsTest, CreationPreparesTheOutputFolderAndBindsTheDrop) {
  EXPECT_EQ(WindowText(window_.Control(ControlId::编辑框1)), ConcatTexts({programFolder_.Path(), "\\分割目录\\"}));
  EXPECT_TRUE(PathExists(programFolder_.PathOf("分割目录")));
  // The list's window already has a drop receiver: another cannot register.
  DropTarget other{[](const Text&) {}};
  EXPECT_EQ(RegisterDragDrop(List(), other.Receiver()), DRAGDROP_E_ALREADYREGISTERED);
}

TEST_F(MainWindowEventsTest, AddFilesAppendsTheDialogsPathsAndClearEmptiesTheList) {
  desktop_.chosenFiles = {"C:\\b.txt", "C:\\a.txt"};
  Click(ControlId::按钮2);
  desktop_.chosenFiles = {"C:\\b.txt"};
  Click(ControlId::按钮2);
  EXPECT_EQ(Items(), (std::vector<std::string>{"C:\\b.txt", "C:\\a.txt", "C:\\b.txt"}));
  ASSERT_EQ(desktop_.openFilesCalls.size(), 2u);
  EXPECT_EQ(desktop_.openFilesCalls[0].owner, window_.Handle());
  EXPECT_EQ(desktop_.openFilesCalls[0].title, "请选择需要分割的文本文件");
  EXPECT_EQ(desktop_.openFilesCalls[0].filter, "文本文件（*.txt）|*.txt");

  desktop_.chosenFiles = {};  // cancelled
  Click(ControlId::按钮2);
  EXPECT_EQ(Items().size(), 3u);

  Click(ControlId::按钮3);
  EXPECT_TRUE(Items().empty());
  EXPECT_TRUE(desktop_.messages.empty());
}

TEST_F(MainWindowEventsTest, ChooseFolderPutsTheBrowsedFolderInTheBox) {
  desktop_.browsedFolder = "D:\\out";
  Click(ControlId::按钮1);
  EXPECT_EQ(WindowText(window_.Control(ControlId::编辑框1)), Text("D:\\out"));
  EXPECT_EQ(desktop_.browseTitles, std::vector<std::string>{"请选择输出目录"});
}

TEST_F(MainWindowEventsTest, SplitRunsOverTheListIntoTheFolderBox) {
  Click(ControlId::按钮4);
  const Text source = programFolder_.PathOf("book.txt");
  WriteBytes(source, "line 1\r\nline 2\r\n");
  desktop_.chosenFiles = {source};
  Click(ControlId::按钮2);
  Click(ControlId::按钮4);
  EXPECT_EQ(desktop_.messages, (std::vector<std::string>{"未添加需分割文件", "分割完毕"}));
  EXPECT_EQ(ReadBytes(programFolder_.PathOf("分割目录\\book1.txt")), "line 1\r\nline 2\r\n");
  EXPECT_TRUE(IsWindowEnabled(window_.Handle()));
}

}  // namespace
