// The real desktop services: the Windows shell and common dialogs.
#pragma once

#include "ui/desktop_services.h"

class WindowsDesktop final : public DesktopServices {
 public:
  void OpenWebPage(const Text& address) override;
  // Defined in desktop_dialogs_win.cpp.
  TextArray OpenFilesDialog(HWND owner, const Text& title, const Text& filter) override;
  Text BrowseFolderDialog(const Text& title) override;
  void ShowMessage(const Text& text) override;
};
