#include "ui/window_text.h"

#include <string>

Text WindowText(HWND window) {
  // The length can only be an upper bound (it may count a double-byte
  // conversion generously), so the copy's own count decides.
  const int length = GetWindowTextLengthA(window);
  if (length <= 0) return Text();
  std::string buffer(static_cast<std::size_t>(length) + 1, '\0');
  const int copied = GetWindowTextA(window, buffer.data(), length + 1);
  return Text(std::string_view(buffer.data(), copied > 0 ? static_cast<std::size_t>(copied) : 0));
}
