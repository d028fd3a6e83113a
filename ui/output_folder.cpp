#include "ui/output_folder.h"

#include "ui/desktop_services.h"

namespace {
constexpr const char* kDefaultFolderName = "\\分割目录";
}

bool PathExists(const Text& path) {
  if (path.empty()) return false;
  WIN32_FIND_DATAA found;
  const HANDLE search = FindFirstFileA(path.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return false;
  FindClose(search);
  return true;
}

bool CreateFolder(const Text& path) { return CreateDirectoryA(path.c_str(), nullptr) != FALSE; }

void PrepareOutputFolder(HWND folderBox, const Text& programFolder) {
  const Text folder = ConcatTexts({programFolder, kDefaultFolderName});
  if (!PathExists(folder)) CreateFolder(folder);
  SetWindowTextA(folderBox, ConcatTexts({folder, "\\"}).c_str());
}

void ChooseOutputFolder(HWND folderBox, DesktopServices& services) {
  SetWindowTextA(folderBox, services.BrowseFolderDialog("请选择输出目录").c_str());
}
