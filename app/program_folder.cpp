#include "app/program_folder.h"

#include <windows.h>

Text ProgramFolderOf(const Text& modulePath) {
  int32_t separator = FindLastText(modulePath, "\\");
  if (separator < 1) return modulePath;
  return MidText(modulePath, 1, separator - 1);
}

Text ModulePath() {
  char path[MAX_PATH] = "";
  DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  // A path cut at the buffer's end is still terminated by the system on
  // current Windows, but not on XP: terminate it either way.
  path[length < MAX_PATH ? length : MAX_PATH - 1] = '\0';
  return Text(path);
}
