// The add-files dialog: what it is asked to show (through a stand-in for
// GetOpenFileNameA), how its result is read, the centring hook and the focus
// given back afterwards.
#include "ui/open_files_dialog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/ui/test_windows.h"

namespace {

using namespace std::string_literals;

TEST(DialogFilterTest, TurnsBarsIntoNulsAndEndsTheList) {
  struct Case {
    std::string filter;
    std::string expected;
  };
  const Case cases[] = {
      {"文本文件（*.txt）|*.txt", "文本文件（*.txt）\0*.txt\0\0"s},
      {"Text|*.txt||", "Text\0*.txt\0\0"s},
      {"Text|*.txt \t\r\n", "Text\0*.txt\0\0"s},
      {"Text|*.txt|All|*.*", "Text\0*.txt\0All\0*.*\0\0"s},
      {"", "\0\0"s},
      // 0x81 0x7C is one double-byte character: its second byte is no bar.
      {"\x81\x7C|*.txt", "\x81\x7C\0*.txt\0\0"s},
  };
  for (const Case& c : cases) EXPECT_EQ(DialogFilter(c.filter), c.expected) << c.filter;
}

TEST(ParseOpenFilesResultTest, ReadsOneFileOrAFolderWithNames) {
  struct Case {
    std::string buffer;
    std::vector<std::string> expected;
  };
  const Case cases[] = {
      {"C:\\data\\book.txt\0\0"s, {"C:\\data\\book.txt"}},
      {"C:\\data\0a.txt\0b.txt\0c.txt\0\0"s, {"C:\\data\\a.txt", "C:\\data\\b.txt", "C:\\data\\c.txt"}},
      {"C:\\\0a.txt\0b.txt\0\0"s, {"C:\\a.txt", "C:\\b.txt"}},
      {"Z:/\0a.txt\0b.txt\0\0"s, {"Z:/a.txt", "Z:/b.txt"}},
      // The folder's last byte 0x5C is the second byte of a character, not a separator.
      {"C:\\\x95\x5C\0a.txt\0b.txt\0\0"s, {"C:\\\x95\x5C\\a.txt", "C:\\\x95\x5C\\b.txt"}},
      {"\0\0"s, {}},
      // A result without its terminator is not read past the buffer.
      {"C:\\data\0a.txt"s, {}},
  };
  for (const Case& c : cases) {
    std::vector<std::string> paths;
    for (const Text& path : ParseOpenFilesResult(c.buffer.data(), c.buffer.size())) paths.emplace_back(path.view());
    EXPECT_EQ(paths, c.expected) << c.buffer;
  }
}

// What the stand-in dialog saw, and what it answers.
struct DialogCall {
  OPENFILENAMEA dialog{};
  std::string filter;
  std::string title;
  bool bufferEmpty = false;
};
DialogCall lastCall;
std::string answer;
BOOL answerResult = FALSE;
HWND focusDuringDialog = nullptr;

BOOL WINAPI StandInDialog(LPOPENFILENAMEA dialog) {
  lastCall = DialogCall{};
  lastCall.dialog = *dialog;
  const char* filter = dialog->lpstrFilter;
  while (*filter != '\0') filter += std::char_traits<char>::length(filter) + 1;
  lastCall.filter.assign(dialog->lpstrFilter, filter + 1);
  lastCall.title = dialog->lpstrTitle;
  lastCall.bufferEmpty = dialog->lpstrFile[0] == '\0';
  if (focusDuringDialog != nullptr) SetFocus(focusDuringDialog);
  if (answerResult) answer.copy(dialog->lpstrFile, answer.size());
  return answerResult;
}

class OpenFilesDialogTest : public ::testing::Test {
 protected:
  void SetUp() override { focusDuringDialog = nullptr; }
  OwnedWindow owner_ = MakeTopLevelWindow();
};

TEST_F(OpenFilesDialogTest, AsksForTheMultiSelectDialogOwnedByTheWindow) {
  answerResult = FALSE;
  const TextArray paths =
      OpenFilesDialog(owner_.get(), "请选择需要分割的文本文件", "文本文件（*.txt）|*.txt", StandInDialog);
  EXPECT_TRUE(paths.empty());
  const OPENFILENAMEA& dialog = lastCall.dialog;
  EXPECT_EQ(dialog.lStructSize, sizeof(OPENFILENAMEA));
  EXPECT_EQ(dialog.hwndOwner, owner_.get());
  EXPECT_EQ(dialog.Flags, 0x881A24u);
  EXPECT_EQ(dialog.nMaxFile, 61440u);
  EXPECT_TRUE(lastCall.bufferEmpty);
  EXPECT_EQ(lastCall.filter, "文本文件（*.txt）\0*.txt\0\0"s);
  EXPECT_EQ(dialog.nFilterIndex, 0u);
  EXPECT_EQ(lastCall.title, "请选择需要分割的文本文件");
  EXPECT_EQ(dialog.lpstrInitialDir, nullptr);
  EXPECT_EQ(dialog.lpstrDefExt, nullptr);
  EXPECT_NE(dialog.lpfnHook, nullptr);
}

TEST_F(OpenFilesDialogTest, ReturnsTheChosenPathsInTheDialogsOrder) {
  answerResult = TRUE;
  answer = "C:\\data\0b.txt\0a.txt\0\0"s;
  const TextArray paths = OpenFilesDialog(owner_.get(), "t", "f|*.f", StandInDialog);
  ASSERT_EQ(paths.size(), 2u);
  EXPECT_EQ(paths[0], Text("C:\\data\\b.txt"));
  EXPECT_EQ(paths[1], Text("C:\\data\\a.txt"));
}

TEST_F(OpenFilesDialogTest, GivesTheFocusBackAfterwards) {
  ShowWindow(owner_.get(), SW_SHOW);
  HWND first = MakeChild(owner_.get(), "EDIT");
  HWND second = MakeChild(owner_.get(), "EDIT");
  SetFocus(first);
  ASSERT_EQ(GetFocus(), first);
  focusDuringDialog = second;
  answerResult = FALSE;
  OpenFilesDialog(owner_.get(), "t", "f|*.f", StandInDialog);
  EXPECT_EQ(GetFocus(), first);
}

// The hook runs in a child of the dialog; when the dialog has opened, the
// dialog itself is moved so that its centre is the owner's centre.
TEST_F(OpenFilesDialogTest, HookCentresTheDialogOverTheOwnerOnceOpened) {
  answerResult = FALSE;
  MoveWindow(owner_.get(), 100, 50, 640, 480, FALSE);
  OpenFilesDialog(owner_.get(), "t", "f|*.f", StandInDialog);
  OwnedWindow dialog = MakeTopLevelWindow(0, 0, 300, 200);
  HWND hookChild = MakeChild(dialog.get(), "STATIC");

  OPENFILENAMEA opened = lastCall.dialog;
  OFNOTIFYA notify{};
  notify.hdr.hwndFrom = hookChild;
  notify.hdr.code = CDN_SELCHANGE;
  notify.lpOFN = &opened;
  const auto hook = lastCall.dialog.lpfnHook;
  EXPECT_EQ(hook(hookChild, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&notify)), 0u);
  RECT rect;
  GetWindowRect(dialog.get(), &rect);
  EXPECT_EQ(rect.left, 0);  // other notifications move nothing

  notify.hdr.code = CDN_INITDONE;
  EXPECT_EQ(hook(hookChild, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&notify)), 0u);
  GetWindowRect(dialog.get(), &rect);
  EXPECT_EQ(rect.left, 100 + (640 - 300) / 2);
  EXPECT_EQ(rect.top, 50 + (480 - 200) / 2);
  EXPECT_EQ(rect.right - rect.left, 300);
}

}  // namespace
