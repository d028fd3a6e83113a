#include "ui/browse_folder_dialog.h"

#include <memory>

#include "ui/thread_windows_disabled.h"

namespace {

// The shell allocates item lists with the COM task allocator, the same one
// SHGetMalloc hands out.
struct FreeItemList {
  void operator()(ITEMIDLIST* item) const { CoTaskMemFree(item); }
};
using ItemList = std::unique_ptr<ITEMIDLIST, FreeItemList>;

}  // namespace

Text FileSystemPathOf(PCIDLIST_ABSOLUTE item) {
  if (item == nullptr) return Text();
  char path[MAX_PATH] = {};
  if (!SHGetPathFromIDListA(item, path)) return Text();
  return Text(path);
}

Text BrowseFolderDialog(const Text& title) {
  char displayName[MAX_PATH] = {};
  BROWSEINFOA browse{};
  browse.hwndOwner = GetActiveWindow();
  browse.pszDisplayName = displayName;
  browse.lpszTitle = title.c_str();
  browse.ulFlags = BIF_EDITBOX;

  ItemList chosen;
  {
    const ThreadWindowsDisabled modal;
    chosen.reset(SHBrowseForFolderA(&browse));
  }
  return FileSystemPathOf(chosen.get());
}
