#include "ui/desktop_services_win.h"

#include <windows.h>
#include <shellapi.h>

void WindowsDesktop::OpenWebPage(const Text& address) {
  // A running browser window, when there is one, owns anything the shell shows.
  HWND owner = FindWindowExA(nullptr, nullptr, nullptr, "Microsoft Internet Explorer");
  // Whether the page opened is not examined: nothing is reported either way.
  ShellExecuteA(owner, "open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}
