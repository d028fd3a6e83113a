#include "ui/thread_windows_disabled.h"

namespace {

BOOL CALLBACK Collect(HWND window, LPARAM windows) {
  reinterpret_cast<std::vector<HWND>*>(windows)->push_back(window);
  return TRUE;
}

}  // namespace

ThreadWindowsDisabled::ThreadWindowsDisabled() : foreground_(GetForegroundWindow()), active_(GetActiveWindow()) {
  std::vector<HWND> windows;
  EnumThreadWindows(GetCurrentThreadId(), Collect, reinterpret_cast<LPARAM>(&windows));
  // Every state is read before any window is disabled: disabling one window
  // can change which window is active.
  for (const HWND window : windows) enabledBefore_.emplace_back(window, IsWindowEnabled(window) != FALSE);
  for (const auto& [window, enabled] : enabledBefore_) EnableWindow(window, FALSE);
}

ThreadWindowsDisabled::~ThreadWindowsDisabled() {
  for (const auto& [window, enabled] : enabledBefore_) {
    if (IsWindow(window)) EnableWindow(window, enabled ? TRUE : FALSE);
  }
  if (foreground_ != nullptr && IsWindow(foreground_)) SetForegroundWindow(foreground_);
  if (active_ != nullptr && IsWindow(active_)) SetActiveWindow(active_);
}
