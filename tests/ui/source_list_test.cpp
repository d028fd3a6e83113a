// The source list on a real list-view control: order, duplicates, paths of
// any length (double-byte characters included) and indices out of range.
#include "ui/source_list.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/ui/test_windows.h"

namespace {

class SourceListTest : public ::testing::Test {
 protected:
  OwnedWindow window_ = MakeTopLevelWindow();
  HWND list_ = MakeReportList(window_.get());
};

TEST_F(SourceListTest, KeepsTheOrderOfAddingAndDuplicates) {
  for (const char* path : {"C:\\b.txt", "C:\\a.txt", "C:\\b.txt", "D:\\分割\\文本.txt"}) AddSourcePath(list_, path);
  ASSERT_EQ(SourceCount(list_), 4);
  EXPECT_EQ(SourcePathAt(list_, 0), Text("C:\\b.txt"));
  EXPECT_EQ(SourcePathAt(list_, 1), Text("C:\\a.txt"));
  EXPECT_EQ(SourcePathAt(list_, 2), Text("C:\\b.txt"));
  EXPECT_EQ(SourcePathAt(list_, 3), Text("D:\\分割\\文本.txt"));
}

TEST_F(SourceListTest, IndexOutsideTheListGivesTheEmptyText) {
  AddSourcePath(list_, "C:\\a.txt");
  for (int32_t index : {-1, 1, 2, INT32_MIN, INT32_MAX}) {
    EXPECT_TRUE(SourcePathAt(list_, index).empty()) << index;
  }
}

TEST_F(SourceListTest, ClearRemovesEveryItemAndAnEmptyListStaysEmpty) {
  ClearSources(list_);
  EXPECT_EQ(SourceCount(list_), 0);
  AddSourcePath(list_, "C:\\a.txt");
  AddSourcePath(list_, "C:\\b.txt");
  ClearSources(list_);
  EXPECT_EQ(SourceCount(list_), 0);
  EXPECT_TRUE(SourcePathAt(list_, 0).empty());
  AddSourcePath(list_, "C:\\c.txt");
  EXPECT_EQ(SourcePathAt(list_, 0), Text("C:\\c.txt"));
}

// The text is read into a buffer of 512 bytes that doubles until the text
// fits. Lengths around every doubling, in single-byte and in double-byte
// characters (a pair that does not fit whole is dropped from a short copy),
// must come back whole.
TEST_F(SourceListTest, PathsOfAnyLengthComeBackWhole) {
  for (const std::string_view unit : {"a", "表"}) {
    for (std::size_t length : {509u, 510u, 511u, 512u, 513u, 1021u, 1022u, 1023u, 1024u, 2047u, 5000u}) {
      std::string path = "C:\\";
      while (path.size() + unit.size() <= length) path += unit;
      while (path.size() < length) path += 'x';
      ClearSources(list_);
      AddSourcePath(list_, Text(path));
      EXPECT_EQ(SourcePathAt(list_, 0).view(), path) << "unit " << unit.size() << " length " << length;
    }
  }
}

}  // namespace
