// The real dialogs and message box of the desktop services.
#include <windows.h>

#include "ui/browse_folder_dialog.h"
#include "ui/desktop_services_win.h"
#include "ui/open_files_dialog.h"

TextArray WindowsDesktop::OpenFilesDialog(HWND owner, const Text& title, const Text& filter) {
  return ::OpenFilesDialog(owner, title, filter);
}

Text WindowsDesktop::BrowseFolderDialog(const Text& title) { return ::BrowseFolderDialog(title); }

void WindowsDesktop::ShowMessage(const Text& text) {
  // No owner and task-modal: every window of the program is disabled while
  // the box is open, whichever of them is active.
  MessageBoxA(nullptr, text.c_str(), "信息：", MB_OK | MB_TASKMODAL);
}
