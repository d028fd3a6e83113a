// The program folder cut from the program file's path.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "app/program_folder.h"

namespace {

TEST(ProgramFolderOf, CutsAtTheLastBackslashThatIsACharacter) {
  struct Case {
    const char* path;
    const char* folder;
  };
  for (const Case& c : {
           Case{"C:\\Tools\\Tarvolin.exe", "C:\\Tools"},
           Case{"C:\\Tarvolin.exe", "C:"},  // a drive's root: the drive alone
           // 0xB1 0x5C is one double-byte character: its 0x5C is no separator.
           Case{"C:\\\xB1\x5C\\x.exe", "C:\\\xB1\x5C"},
           Case{"C:\\Tools\\\xB1\x5C.exe", "C:\\Tools"},
           Case{"\\\\server\\share\\a b\\Tarvolin.exe", "\\\\server\\share\\a b"},
           Case{"Tarvolin.exe", "Tarvolin.exe"},
       }) {
    EXPECT_EQ(std::string(ProgramFolderOf(c.path).view()), c.folder) << c.path;
  }
}

TEST(CurrentDirectoryFor, ABareDriveBecomesItsRoot) {
  struct Case {
    const char* programFolder;
    const char* directory;
  };
  for (const Case& c : {Case{"C:", "C:\\"}, Case{"C:\\Tools", "C:\\Tools"},
                        Case{"\\\\server\\share", "\\\\server\\share"}}) {
    EXPECT_EQ(std::string(CurrentDirectoryFor(c.programFolder).view()), c.directory) << c.programFolder;
  }
}

TEST(ProgramFolderOf, TheRunningProgramsFolderHoldsIt) {
  Text path = ModulePath();
  Text folder = ProgramFolderOf(path);
  ASSERT_FALSE(folder.empty());
  EXPECT_EQ(std::string(path.view()).rfind(std::string(folder.view()) + "\\", 0), 0u);
  EXPECT_EQ(GetFileAttributesA(folder.c_str()) & FILE_ATTRIBUTE_DIRECTORY, FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace
