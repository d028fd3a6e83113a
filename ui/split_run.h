// SplitRun: the "开始分割" button. Checks the output folder, the list and the
// chunk size, then splits every listed file from the first to the last with
// the main window disabled, and tells the user how it went.
#pragma once

#include <windows.h>

class DesktopServices;

// The controls a run reads: the main window (disabled during the run), the
// source list and the two edit boxes the splitter reads while it works.
struct SplitRunControls {
  HWND window;
  HWND sourceList;
  HWND outputFolder;
  HWND chunkSize;
};

void SplitRun(const SplitRunControls& controls, DesktopServices& services);
