#include "ui/source_list.h"

#include <commctrl.h>

#include <string>

void AddSourcePath(HWND list, const Text& path) {
  LVITEMA item{};
  item.mask = LVIF_TEXT;
  item.iItem = SourceCount(list);
  item.pszText = const_cast<char*>(path.c_str());
  SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
}

int32_t SourceCount(HWND list) {
  return static_cast<int32_t>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
}

Text SourcePathAt(HWND list, int32_t index) {
  if (index < 0 || index >= SourceCount(list)) return Text();
  // The control reports only how much it copied, and a text that does not fit
  // is cut short, possibly one byte early where a double-byte character would
  // not fit whole. A copy that comes within two bytes of the buffer's end may
  // therefore be cut: try again with twice the room until it clearly fits.
  for (std::size_t size = 512;; size *= 2) {
    std::string buffer(size, '\0');
    LVITEMA item{};
    item.iSubItem = 0;
    item.pszText = buffer.data();
    item.cchTextMax = static_cast<int>(size);
    const auto copied = static_cast<std::size_t>(
        SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)));
    if (copied + 2 < size) return Text(std::string_view(buffer.data(), copied));
  }
}

void ClearSources(HWND list) { SendMessageA(list, LVM_DELETEALLITEMS, 0, 0); }
