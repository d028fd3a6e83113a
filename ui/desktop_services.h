// The platform's dialogs, message boxes and shell behind one small interface,
// so that tests drive the main window without a person or a browser.
#pragma once

#include "engine/text.h"

class DesktopServices {
 public:
  // Asks the shell to open a web address; reports nothing when it cannot.
  virtual void OpenWebPage(const Text& address) = 0;

 protected:
  ~DesktopServices() = default;
};
