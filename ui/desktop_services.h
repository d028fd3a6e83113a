// The platform's dialogs, message boxes and shell behind one small interface,
// so that tests drive the main window without a person or a browser.
#pragma once

#include <windows.h>

#include "engine/text.h"
#include "ui/text_array.h"

class DesktopServices {
 public:
  // Asks the shell to open a web address; reports nothing when it cannot.
  virtual void OpenWebPage(const Text& address) = 0;
  // The multi-select open-file dialog owned by owner: the chosen paths in the
  // dialog's order, or an empty array on cancel or failure.
  virtual TextArray OpenFilesDialog(HWND owner, const Text& title, const Text& filter) = 0;
  // The shell's folder browser: the chosen folder's path, or the empty text.
  virtual Text BrowseFolderDialog(const Text& title) = 0;
  // An information message with an OK button; returns when it is closed.
  virtual void ShowMessage(const Text& text) = 0;

 protected:
  ~DesktopServices() = default;
};
