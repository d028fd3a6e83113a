#include "ui/open_files_dialog.h"

#include <vector>

namespace {

bool EndsWithSeparator(const Text& folder) {
  const auto length = TextLength(folder);
  return length > 0 && (FindLastText(folder, "\\") == length || FindLastText(folder, "/") == length);
}

// Moves the dialog so that its centre lies on the owner's centre.
void CentreOver(HWND window, HWND owner) {
  RECT own{};
  RECT ownerRect{};
  if (!GetWindowRect(window, &own) || !GetWindowRect(owner, &ownerRect)) return;
  const int width = own.right - own.left;
  const int height = own.bottom - own.top;
  const int left = ownerRect.left + (ownerRect.right - ownerRect.left - width) / 2;
  const int top = ownerRect.top + (ownerRect.bottom - ownerRect.top - height) / 2;
  SetWindowPos(window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The explorer-style hook runs in a child dialog of the real one; once the
// dialog has finished opening (its size and place are final) it is centred.
UINT_PTR CALLBACK CentreWhenOpened(HWND hook, UINT message, WPARAM, LPARAM lParam) {
  if (message == WM_NOTIFY) {
    const auto* notify = reinterpret_cast<const OFNOTIFYA*>(lParam);
    if (notify->hdr.code == CDN_INITDONE) CentreOver(GetParent(hook), notify->lpOFN->hwndOwner);
  }
  return 0;
}

}  // namespace

std::string DialogFilter(std::string_view filter) {
  std::string pairs(filter);
  while (!pairs.empty() && (pairs.back() == ' ' || pairs.back() == '\t' || pairs.back() == '\r' ||
                            pairs.back() == '\n')) {
    pairs.pop_back();
  }
  const Text trimmed(pairs);
  const auto length = TextLength(trimmed);
  if (length < 2 || FindLastText(trimmed, "||") != length - 1) pairs += "||";
  for (std::size_t i = 0; i < pairs.size(); ++i) {
    if (static_cast<unsigned char>(pairs[i]) >= 0x80) {
      ++i;  // the next byte belongs to this character
    } else if (pairs[i] == '|') {
      pairs[i] = '\0';
    }
  }
  return pairs;
}

TextArray ParseOpenFilesResult(const char* buffer, std::size_t size) {
  std::vector<std::string_view> pieces;
  for (std::size_t start = 0; start < size && buffer[start] != '\0';) {
    std::size_t end = start;
    while (end < size && buffer[end] != '\0') ++end;
    if (end == size) return {};  // unterminated: not a result the dialog wrote
    pieces.emplace_back(buffer + start, end - start);
    start = end + 1;
  }
  TextArray paths;
  if (pieces.size() == 1) {
    paths.emplace_back(pieces.front());
  } else if (pieces.size() > 1) {
    const Text folder(pieces.front());
    const std::string_view separator = EndsWithSeparator(folder) ? "" : "\\";
    for (std::size_t i = 1; i < pieces.size(); ++i) paths.push_back(ConcatTexts({folder, separator, pieces[i]}));
  }
  return paths;
}

TextArray OpenFilesDialog(HWND owner, const Text& title, const Text& filter, ShowOpenDialogFunction show) {
  const std::string filterPairs = DialogFilter(filter);
  std::vector<char> names(kOpenFilesBufferSize, '\0');
  OPENFILENAMEA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = filterPairs.c_str();
  dialog.lpstrFile = names.data();
  dialog.nMaxFile = static_cast<DWORD>(names.size());
  dialog.lpstrTitle = title.c_str();
  dialog.Flags = kOpenFilesFlags;
  dialog.lpfnHook = CentreWhenOpened;

  const HWND focused = GetFocus();
  const bool chosen = show(&dialog) != FALSE;
  if (focused != nullptr && IsWindow(focused)) SetFocus(focused);
  return chosen ? ParseOpenFilesResult(names.data(), names.size()) : TextArray();
}
