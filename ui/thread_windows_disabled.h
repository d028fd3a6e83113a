// While an object of this class lives, every top-level window of the calling
// thread is disabled, so that no handler of the program can start under a
// modal dialog that does not do this by itself. Afterwards each window gets
// its own earlier state back (one that was disabled stays so), and the
// foreground and active windows of before are restored if they still exist.
#pragma once

#include <windows.h>

#include <utility>
#include <vector>

class ThreadWindowsDisabled {
 public:
  ThreadWindowsDisabled();
  ~ThreadWindowsDisabled();
  ThreadWindowsDisabled(const ThreadWindowsDisabled&) = delete;
  ThreadWindowsDisabled& operator=(const ThreadWindowsDisabled&) = delete;

 private:
  HWND foreground_;
  HWND active_;
  std::vector<std::pair<HWND, bool>> enabledBefore_;
};
