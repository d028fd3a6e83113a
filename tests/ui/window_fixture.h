// A real MainWindow, created in the test process with stand-ins for the
// desktop services, shown and active, with the helpers the window tests share.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ui/desktop_services.h"
#include "ui/main_window.h"

// Records what the window asked of the desktop instead of doing it.
class FakeDesktop final : public DesktopServices {
 public:
  void OpenWebPage(const Text& address) override { openedPages.emplace_back(address.view()); }
  TextArray OpenFilesDialog(HWND, const Text&, const Text&) override { return {}; }
  Text BrowseFolderDialog(const Text&) override { return {}; }
  void ShowMessage(const Text& text) override { messages.emplace_back(text.view()); }

  std::vector<std::string> openedPages;
  std::vector<std::string> messages;
};

// Delivers every message waiting for this thread's windows.
inline void PumpMessages() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

// A folder of its own for the program folder the window is given.
inline Text TestProgramFolder() {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  std::string folder = std::string(temp) + "tarvolin-ui-test";
  CreateDirectoryA(folder.c_str(), nullptr);
  return Text(folder);
}

// The main window, shown and active. All tests of a suite share one window:
// without a window manager, Wine waits about two seconds for every shown
// top-level window that is hidden or destroyed. A test that closes the window
// gets a new one for the next test.
class MainWindowTest : public testing::Test {
 protected:
  static void SetUpTestSuite() { shared_ = std::make_unique<Shared>(); }
  static void TearDownTestSuite() { shared_.reset(); }

  void SetUp() override {
    desktop.openedPages.clear();
    desktop.messages.clear();
    if (!window.Handle()) OpenWindow();
  }

  void OpenWindow() {
    ASSERT_EQ(window.Create(GetModuleHandleA(nullptr)), MainWindow::CreateResult::Created);
    ShowWindow(window.Handle(), SW_SHOW);
    SetForegroundWindow(window.Handle());
    PumpMessages();
  }

  HWND Control(ControlId id) const { return window.Control(id); }

  // Runs a key press through the window's keyboard rules as the message loop
  // does; true when the rules took it.
  bool PressKey(WPARAM key) {
    HWND focus = GetFocus();
    MSG message{focus ? focus : window.Handle(), WM_KEYDOWN, key, 1, 0, {}};
    bool handled = window.PreTranslateMessage(message);
    if (!handled) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    PumpMessages();
    return handled;
  }

 private:
  struct Shared {
    FakeDesktop desktop;
    MainWindow window{desktop, TestProgramFolder()};
  };
  static inline std::unique_ptr<Shared> shared_;

 protected:
  FakeDesktop& desktop = shared_->desktop;
  MainWindow& window = shared_->window;
};
