// The console programs' report of an unrecoverable error: the report's text on
// standard error, then the process ends with exit code -1.
#include <cstdio>
#include <cstdlib>

#include "engine/fatal_error.h"

void ReportFatalError(const Text& message, int32_t code) {
  Text report = FatalErrorText(message, code);
  std::fwrite(report.c_str(), 1, report.size(), stderr);
  std::fflush(stderr);
  std::exit(-1);
}
