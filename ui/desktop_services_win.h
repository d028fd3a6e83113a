// The real desktop services: the Windows shell and common dialogs.
#pragma once

#include "ui/desktop_services.h"

class WindowsDesktop final : public DesktopServices {
 public:
  void OpenWebPage(const Text& address) override;
};
