// A stand-in for the desktop services: records what the window code asks of
// the dialogs and message boxes, and answers with prepared results.
#pragma once

#include <string>
#include <vector>

#include "ui/desktop_services.h"

class RecordingDesktop final : public DesktopServices {
 public:
  void OpenWebPage(const Text& address) override { webPages.emplace_back(address.view()); }
  TextArray OpenFilesDialog(HWND owner, const Text& title, const Text& filter) override {
    openFilesCalls.push_back({owner, std::string(title.view()), std::string(filter.view())});
    return chosenFiles;
  }
  Text BrowseFolderDialog(const Text& title) override {
    browseTitles.emplace_back(title.view());
    return browsedFolder;
  }
  void ShowMessage(const Text& text) override {
    messages.emplace_back(text.view());
  }

  struct OpenFilesCall {
    HWND owner;
    std::string title;
    std::string filter;
  };
  std::vector<std::string> webPages;
  std::vector<OpenFilesCall> openFilesCalls;
  std::vector<std::string> browseTitles;
  std::vector<std::string> messages;
  TextArray chosenFiles;
  Text browsedFolder;
};
