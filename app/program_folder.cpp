#include "app/program_folder.h"

#include <windows.h>

#include <string_view>

Text ProgramFolderOf(const Text& modulePath) {
  int32_t separator = FindLastText(modulePath, "\\");
  if (separator < 1) return modulePath;
  return MidText(modulePath, 1, separator - 1);
}

Text CurrentDirectoryFor(const Text& programFolder) {
  std::string_view folder = programFolder.view();
  if (folder.size() == 2 && folder[1] == ':') return ConcatTexts({folder, "\\"});
  return programFolder;
}

Text ModulePath() {
  char path[MAX_PATH] = "";
  DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  // A path cut at the buffer's end is still terminated by the system on
  // current Windows, but not on XP: terminate it either way.
  path[length < MAX_PATH ? length : MAX_PATH - 1] = '\0';
  return Text(path);
}
