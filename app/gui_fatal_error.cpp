// The window program's report of an unrecoverable error: a message box with
// no owner, then the process ends at once with exit code -1.
#include <windows.h>

#include "engine/fatal_error.h"

void ReportFatalError(const Text& message, int32_t code) {
  Text report = FatalErrorText(message, code);
  MessageBoxA(nullptr, report.c_str(), "错误", MB_ICONERROR);
  ExitProcess(static_cast<UINT>(-1));
}
