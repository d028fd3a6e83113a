// The output folder: the default folder made at creation, the file-search
// helpers, the ">>" button's use of the browser, the browser's result, and
// the disabling of the program's windows around it.
#include "ui/output_folder.h"

#include <gtest/gtest.h>
#include <shlobj.h>

#include <functional>
#include <string>

#include "tests/engine/temp_folder.h"
#include "tests/ui/recording_desktop.h"
#include "tests/ui/test_windows.h"
#include "ui/browse_folder_dialog.h"
#include "ui/thread_windows_disabled.h"
#include "ui/window_text.h"

namespace {

bool IsFolder(const Text& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

TEST(PrepareOutputFolderTest, MakesSureOfTheDefaultFolderAndShowsIt) {
  struct Case {
    const char* name;
    std::function<void(const TempFolder&)> before;
    bool folderAfter;
  };
  const Case cases[] = {
      {"missing", [](const TempFolder&) {}, true},
      {"existing", [](const TempFolder& program) { ASSERT_TRUE(CreateFolder(program.PathOf("分割目录"))); }, true},
      // A plain file of that name is left alone; the box names it all the same.
      {"plain file", [](const TempFolder& program) { WriteBytes(program.PathOf("分割目录"), "x"); }, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder program;
    c.before(program);
    OwnedWindow window = MakeTopLevelWindow();
    HWND box = MakeChild(window.get(), "EDIT", ES_AUTOHSCROLL, "old");
    PrepareOutputFolder(box, program.Path());
    EXPECT_EQ(IsFolder(program.PathOf("分割目录")), c.folderAfter);
    EXPECT_TRUE(PathExists(program.PathOf("分割目录")));
    EXPECT_EQ(WindowText(box), ConcatTexts({program.Path(), "\\分割目录\\"}));
  }
}

// A program in a drive's root has the drive letter and colon as its folder:
// the default folder lies in that root, with one separator.
TEST(PrepareOutputFolderTest, WorksForAProgramInADrivesRoot) {
  const Text folder = "C:\\分割目录";
  const bool existedBefore = PathExists(folder);
  OwnedWindow window = MakeTopLevelWindow();
  HWND box = MakeChild(window.get(), "EDIT", ES_AUTOHSCROLL);
  PrepareOutputFolder(box, "C:");
  EXPECT_TRUE(IsFolder(folder));
  EXPECT_EQ(WindowText(box), Text("C:\\分割目录\\"));
  if (!existedBefore) RemoveDirectoryA(folder.c_str());
}

TEST(PathExistsTest, FindsFilesAndFoldersButNotTheEmptyPath) {
  TempFolder folder;
  WriteBytes(folder.PathOf("a.txt"), "a");
  EXPECT_TRUE(PathExists(folder.Path()));
  EXPECT_TRUE(PathExists(folder.PathOf("a.txt")));
  EXPECT_TRUE(PathExists(folder.PathOf("*.txt")));
  EXPECT_FALSE(PathExists(folder.PathOf("b.txt")));
  EXPECT_FALSE(PathExists(""));
}

TEST(CreateFolderTest, CreatesOnlyTheLastLevel) {
  TempFolder folder;
  EXPECT_TRUE(CreateFolder(folder.PathOf("new")));
  EXPECT_TRUE(IsFolder(folder.PathOf("new")));
  EXPECT_FALSE(CreateFolder(folder.PathOf("new")));
  EXPECT_FALSE(CreateFolder(folder.PathOf("missing\\new")));
  EXPECT_FALSE(IsFolder(folder.PathOf("missing")));
}

TEST(ChooseOutputFolderTest, PutsTheBrowsedFolderInTheBoxWhateverItIs) {
  OwnedWindow window = MakeTopLevelWindow();
  HWND box = MakeChild(window.get(), "EDIT", ES_AUTOHSCROLL, "C:\\before\\");
  RecordingDesktop desktop;
  for (const char* browsed : {"D:\\out", "D:\\", ""}) {
    desktop.browsedFolder = browsed;
    ChooseOutputFolder(box, desktop);
    EXPECT_EQ(WindowText(box), Text(browsed));
  }
  EXPECT_EQ(desktop.browseTitles, std::vector<std::string>(3, "请选择输出目录"));
}

struct FreeItem {
  void operator()(ITEMIDLIST* item) const { CoTaskMemFree(item); }
};
using Item = std::unique_ptr<ITEMIDLIST, FreeItem>;

TEST(FileSystemPathOfTest, GivesTheFolderTheRootOrNothing) {
  TempFolder folder;
  Item chosenFolder(ILCreateFromPathA(folder.Path().c_str()));
  ASSERT_NE(chosenFolder, nullptr);
  EXPECT_EQ(FileSystemPathOf(chosenFolder.get()), folder.Path());

  Item root(ILCreateFromPathA("C:\\"));
  ASSERT_NE(root, nullptr);
  EXPECT_EQ(FileSystemPathOf(root.get()), Text("C:\\"));

  ITEMIDLIST* computer = nullptr;
  ASSERT_EQ(SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, &computer), S_OK);
  const Item virtualFolder(computer);
  EXPECT_TRUE(FileSystemPathOf(virtualFolder.get()).empty());

  EXPECT_TRUE(FileSystemPathOf(nullptr).empty());  // cancelled
}

TEST(ThreadWindowsDisabledTest, DisablesEveryWindowAndRestoresEachOnesState) {
  OwnedWindow enabled = MakeTopLevelWindow();
  OwnedWindow disabled = MakeTopLevelWindow();
  OwnedWindow goneMeanwhile = MakeTopLevelWindow();
  ShowWindow(enabled.get(), SW_SHOW);
  SetActiveWindow(enabled.get());
  ASSERT_EQ(GetActiveWindow(), enabled.get());
  EnableWindow(disabled.get(), FALSE);
  {
    const ThreadWindowsDisabled modal;
    EXPECT_FALSE(IsWindowEnabled(enabled.get()));
    EXPECT_FALSE(IsWindowEnabled(disabled.get()));
    EXPECT_FALSE(IsWindowEnabled(goneMeanwhile.get()));
    goneMeanwhile.reset();
    OwnedWindow other = MakeTopLevelWindow();
    ShowWindow(other.get(), SW_SHOW);
    SetActiveWindow(other.get());
  }
  EXPECT_TRUE(IsWindowEnabled(enabled.get()));
  EXPECT_FALSE(IsWindowEnabled(disabled.get()));
  EXPECT_EQ(GetActiveWindow(), enabled.get());
}

}  // namespace
